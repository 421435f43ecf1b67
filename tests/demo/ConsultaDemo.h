#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fb/Attachment.h"
#include "fb/Value.h"

namespace norvane::test {

// Every row of a query, read in a transaction of its own.
std::vector<fb::Row> Filas(fb::Attachment& db, std::string_view sql, const fb::Row& parametros = {});
// Column 0 of the first row, null when there is none.
fb::Value Escalar(fb::Attachment& db, std::string_view sql, const fb::Row& parametros = {});
std::int64_t Contar(fb::Attachment& db, std::string_view sql, const fb::Row& parametros = {});

// The tables of the database (no views, no system tables), by name.
std::vector<std::string> Tablas(fb::Attachment& db);

// One line per column of every table: table, position, name, type, sub-type,
// scale, length, NOT NULL, in table and position order.
std::vector<std::string> Estructura(fb::Attachment& db);

// A digest of every row of every table, read in primary-key order.
std::uint64_t Huella(fb::Attachment& db);

// Attaches a database of an installation (embedded: any password).
fb::Attachment AbrirBase(const std::filesystem::path& ruta);

}  // namespace norvane::test
