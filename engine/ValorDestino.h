#pragma once

#include <cstdint>

#include "fb/Column.h"
#include "fb/Value.h"

namespace norvane {

// The fixed-point rule of the positional copy: the source value as a number
// with four decimals, rounded half to even; a null reads as 0. Never goes
// through binary floating point for a fixed-point or text source.
fb::Decimal ConCuatroDecimales(const fb::Value& origen);

// An identifier read from any row, as an integer (throws when it is none).
std::int64_t ComoEntero(const fb::Value& valor);

// The source value converted to the type of the destination column; a null
// stays null. Throws when the value cannot be converted (a text that is no
// number into a numeric column, for example).
fb::Value ConvertirValor(const fb::Value& origen, const fb::Column& destino);

}  // namespace norvane
