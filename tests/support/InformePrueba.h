#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace norvane::test {

// The records of a CSV text as RFC 4180 reads them: fields split at commas
// outside quotes, records at CR LF outside quotes, "" inside quotes one
// quote. A text that breaks those rules throws std::runtime_error.
std::vector<std::vector<std::string>> LeerCsv(const std::string& texto);

// Every report file in "informes" of the installation `dir`, by name.
std::vector<std::filesystem::path> Informes(const std::filesystem::path& dir);

// A report read back: its header and one map of column name to value per
// row, in file order.
struct InformeLeido {
  std::vector<std::string> encabezado;
  std::vector<std::map<std::string, std::string>> filas;
  // The row of AUDI_ID `audiId`; throws when there is not exactly one.
  const std::map<std::string, std::string>& Fila(const std::string& audiId) const;
};
InformeLeido LeerInforme(const std::filesystem::path& archivo);

}  // namespace norvane::test
