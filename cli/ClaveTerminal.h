#pragma once

#include <optional>
#include <string>

namespace norvane::cli {

// Asks for a password on the terminal of standard input, without echo; the
// question goes to standard error. Nothing when the input ends first.
std::optional<std::string> PedirClaveSinEco(const std::string& pregunta);

}  // namespace norvane::cli
