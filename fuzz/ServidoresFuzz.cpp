// The server list reader over any bytes: it must not crash, and it must give
// what the file's lines give when taken whole, one line at a time.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/Comprobar.h"
#include "instalacion/Servidores.h"

namespace {

// The same rules as LeerServidores, applied to whole lines instead of bytes:
// a line ends at CR or LF, a CR takes the byte after it, a line of more than
// kLargoMaximoServidor bytes is left out, an entry stops at its first zero
// byte, and what follows the last line end is not a line.
std::vector<std::string> PorLineas(std::string_view bytes) {
  std::vector<std::string> entradas;
  std::size_t inicio = 0;
  for (;;) {
    const auto fin = bytes.find_first_of("\r\n", inicio);
    if (fin == std::string_view::npos) break;
    const std::string_view linea = bytes.substr(inicio, fin - inicio);
    if (linea.size() <= norvane::kLargoMaximoServidor)
      entradas.emplace_back(linea.substr(0, linea.find('\0')));
    inicio = fin + (bytes[fin] == '\r' ? 2 : 1);
    if (inicio >= bytes.size()) break;
  }
  return entradas;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  using norvane::fuzz::Comprobar;
  const std::string_view bytes(reinterpret_cast<const char*>(datos), largo);
  const auto servidores = norvane::LeerServidores(bytes);
  for (const auto& s : servidores) {
    Comprobar(s.size() <= norvane::kLargoMaximoServidor, "an entry is at most 255 bytes", bytes);
    Comprobar(s.find_first_of(std::string_view("\0\r\n", 3)) == std::string::npos,
              "an entry holds no zero byte and no line end", bytes);
  }
  Comprobar(servidores == PorLineas(bytes), "the entries are those of the whole lines", bytes);
  return 0;
}
