#pragma once

#include <string>

#include "instalacion/Operador.h"

namespace norvane {

// The installation directory of the suite (UTF-8, without a trailing
// separator), read from the system-wide settings "Lumo/NorvaneERP2024" on
// every call. When those settings do not exist the operator is told so and
// the empty text is returned; a value that is not a text throws
// std::runtime_error.
std::string diraplicacion(Operador& operador);

// What diraplicacion tells the operator when the settings do not exist.
extern const char* const kSinDirectorio;

// Whether the settings exist and hold the directory's value.
bool HayDirectorio();

}  // namespace norvane
