#include "tests/support/InformePrueba.h"

#include <algorithm>
#include <stdexcept>

#include "tests/support/TempDir.h"

namespace norvane::test {

std::vector<std::vector<std::string>> LeerCsv(const std::string& texto) {
  std::vector<std::vector<std::string>> registros;
  std::vector<std::string> registro;
  std::string campo;
  std::size_t i = 0;
  while (i < texto.size()) {
    if (texto[i] == '"') {
      if (!campo.empty()) throw std::runtime_error("a quote inside an unquoted field");
      ++i;
      while (true) {
        if (i >= texto.size()) throw std::runtime_error("a quoted field without its end");
        if (texto[i] == '"') {
          if (i + 1 < texto.size() && texto[i + 1] == '"') {
            campo += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        campo += texto[i++];
      }
      if (i < texto.size() && texto[i] != ',' && texto[i] != '\r')
        throw std::runtime_error("text after a quoted field");
      continue;
    }
    if (texto[i] == ',') {
      registro.push_back(std::move(campo));
      campo.clear();
      ++i;
    } else if (texto[i] == '\r') {
      if (i + 1 >= texto.size() || texto[i + 1] != '\n')
        throw std::runtime_error("a record not ended by CR LF");
      registro.push_back(std::move(campo));
      campo.clear();
      registros.push_back(std::move(registro));
      registro.clear();
      i += 2;
    } else if (texto[i] == '\n') {
      throw std::runtime_error("a bare line feed outside quotes");
    } else {
      campo += texto[i++];
    }
  }
  if (!campo.empty() || !registro.empty()) throw std::runtime_error("a last record without CR LF");
  return registros;
}

std::vector<std::filesystem::path> Informes(const std::filesystem::path& dir) {
  std::vector<std::filesystem::path> archivos;
  const auto carpeta = dir / "informes";
  if (!std::filesystem::is_directory(carpeta)) return archivos;
  for (const auto& e : std::filesystem::directory_iterator(carpeta)) archivos.push_back(e.path());
  std::sort(archivos.begin(), archivos.end());
  return archivos;
}

const std::map<std::string, std::string>& InformeLeido::Fila(const std::string& audiId) const {
  const std::map<std::string, std::string>* hallada = nullptr;
  for (const auto& f : filas) {
    if (f.at("AUDI_ID") != audiId) continue;
    if (hallada) throw std::runtime_error("AUDI_ID " + audiId + " twice in the report");
    hallada = &f;
  }
  if (!hallada) throw std::runtime_error("AUDI_ID " + audiId + " not in the report");
  return *hallada;
}

InformeLeido LeerInforme(const std::filesystem::path& archivo) {
  const auto registros = LeerCsv(TempDir::LeerArchivo(archivo));
  if (registros.empty()) throw std::runtime_error("a report without its header");
  InformeLeido informe{registros[0], {}};
  for (std::size_t r = 1; r < registros.size(); ++r) {
    if (registros[r].size() != informe.encabezado.size())
      throw std::runtime_error("record " + std::to_string(r) + " has " +
                               std::to_string(registros[r].size()) + " fields");
    std::map<std::string, std::string> fila;
    for (std::size_t c = 0; c < registros[r].size(); ++c) fila[informe.encabezado[c]] = registros[r][c];
    informe.filas.push_back(std::move(fila));
  }
  return informe;
}

}  // namespace norvane::test
