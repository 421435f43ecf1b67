#pragma once

#include <string>

#include "fb/Attachment.h"
#include "fb/Column.h"
#include "fb/Value.h"

namespace norvane::test {

// The columns of `tabla` in "select *" order.
fb::Columns Columnas(fb::Attachment& db, const std::string& tabla);

// A row for `tabla` with a value in every column that fits its type and
// length, different for each `semilla`; callers then set the columns that
// matter to them by position or name.
fb::Row FilaGenerica(const fb::Columns& columnas, int semilla);

// The position of the column named `nombre`.
std::size_t PosicionDe(const fb::Columns& columnas, const std::string& nombre);

// `fila` with every nullable fixed-point column null.
fb::Row SinImportes(const fb::Columns& columnas, fb::Row fila);
// `fila` as the fixed-point rule writes it: null fixed-point values as 0.
fb::Row ImportesNulosEnCero(const fb::Columns& columnas, fb::Row fila);

void Insertar(fb::Attachment& db, const std::string& tabla, const fb::Row& fila);

}  // namespace norvane::test
