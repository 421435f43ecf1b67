#pragma once

#include <string>
#include <string_view>

namespace norvane {

// Scrambling of the passwords held in memory between the sign-in and each
// connection. Both routines take and give byte strings of the same length;
// any byte value, zero included, may appear on either side, and
// DescifrarClave(CifrarClave(s)) == s for every s.
std::string CifrarClave(std::string_view clave);
std::string DescifrarClave(std::string_view cifrada);

}  // namespace norvane
