// PartirCodigo over any code and number length: the first input byte is the
// length (as a signed byte, so that negative lengths are tried too), the
// rest is the code.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/EnviarDocumento.h"
#include "fuzz/Comprobar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  using norvane::fuzz::Comprobar;
  if (largo == 0) return 0;
  const std::string_view entrada(reinterpret_cast<const char*>(datos), largo);
  const int largoNumero = static_cast<std::int8_t>(datos[0]);
  const std::string_view codigo = entrada.substr(1);
  const auto partido = norvane::PartirCodigo(codigo, largoNumero);

  Comprobar(partido.prefijo + partido.numero == codigo, "prefix and number make up the code", entrada);
  if (largoNumero < 0) return 0;  // no document type has one; only the line above holds
  const auto n = static_cast<std::size_t>(largoNumero);
  if (codigo.size() <= n) {
    Comprobar(partido.prefijo.empty(), "a code no longer than the number has no prefix", entrada);
  } else {
    Comprobar(partido.numero.size() == n, "the number is the last largoNumero bytes", entrada);
  }
  return 0;
}
