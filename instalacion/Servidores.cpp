#include "instalacion/Servidores.h"

#include <fstream>
#include <iterator>

#include "instalacion/NombresBD.h"

namespace norvane {

std::vector<std::string> LeerServidores(std::string_view bytes) {
  std::vector<std::string> servidores;
  std::string linea;
  bool demasiadoLarga = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char byte = bytes[i];
    if (byte == '\r' || byte == '\n') {
      // A line longer than the reader's buffer is dropped rather than cut, so
      // that a damaged file never yields a prefix that looks valid.
      if (!demasiadoLarga) servidores.emplace_back(linea.substr(0, linea.find('\0')));
      linea.clear();
      demasiadoLarga = false;
      if (byte == '\r') ++i;
    } else if (linea.size() < kLargoMaximoServidor) {
      linea.push_back(byte);
    } else {
      demasiadoLarga = true;
    }
  }
  return servidores;
}

std::vector<std::string> CargarServidores(const std::string& directorio) {
  std::ifstream archivo(ListaServidores(directorio), std::ios::binary);
  if (!archivo) return {};
  const std::string bytes{std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>()};
  return LeerServidores(bytes);
}

}  // namespace norvane
