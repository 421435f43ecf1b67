#pragma once

#include <string>
#include <string_view>

namespace norvane {

// A value put in SQL quotes, every single quote inside it doubled.
std::string Citar(std::string_view valor);

// A column or table name in double quotes, exactly as the catalogue keeps
// it, every double quote inside it doubled.
std::string CitarNombre(std::string_view nombre);

}  // namespace norvane
