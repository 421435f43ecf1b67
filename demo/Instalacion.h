#pragma once

#include <filesystem>
#include <string>

namespace norvane::demo {

// A complete installation of the suite in one directory: the settings file
// that the installation directory is read from, SERVIDORES.cfg, the general
// database (companies 001 and 002, users), the support database, both company
// databases and the empty transfer database.
struct OpcionesInstalacion {
  std::filesystem::path directorio;
  // The server prefix: the directory itself (embedded engine) or
  // "localhost:" + the directory (through the local server).
  bool servidorLocal = false;
  // Owner of every database and a user of the suite; through the server it
  // must be a user the server knows.
  std::string usuario = "SYSDBA";
  // Documents of each family in company 001; 0 leaves the companies empty.
  int documentos = 12;
  unsigned semilla = 2024;
};

std::string Prefijo(const OpcionesInstalacion& opciones);

// The folder of the suite's SQL scripts (NORVANE_SQL_DIR in the environment,
// else the source tree's).
std::filesystem::path CarpetaSql();

// Writes <dir>/Lumo/NorvaneERP2024.conf (Directorio=<dir>; found when
// XDG_CONFIG_DIRS names <dir>) and <dir>/SERVIDORES.cfg with `prefijo`.
void EscribirAjustes(const std::filesystem::path& directorio, const std::string& prefijo);

// Creates an embedded database at `ruta` owned by `usuario` and runs every
// script of `carpeta` (under CarpetaSql()) in file-name order.
void CrearBase(const std::filesystem::path& ruta, const std::string& usuario,
               const std::string& carpeta);

// Creates the whole installation; the directory may exist but must not hold
// the databases already.
void CrearInstalacion(const OpcionesInstalacion& opciones);

}  // namespace norvane::demo
