// The SQL quoting over any bytes. A quoted text starts and ends with its
// quote, every quote between them is doubled, and undoubling them gives the
// value back; EnteroOCitado gives either a bare integer literal (the trimmed
// value) or the quoted value.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/TextoSql.h"
#include "fuzz/Comprobar.h"

namespace {

using norvane::fuzz::Comprobar;

// The value inside `citado`, or nothing when it is not a well-formed quoted
// text: outer quotes, and every quote inside them one of a pair.
std::optional<std::string> SinComillas(std::string_view citado, char comilla) {
  if (citado.size() < 2 || citado.front() != comilla || citado.back() != comilla) return std::nullopt;
  const std::string_view dentro = citado.substr(1, citado.size() - 2);
  std::string valor;
  for (std::size_t i = 0; i < dentro.size(); ++i) {
    if (dentro[i] == comilla) {
      if (i + 1 == dentro.size() || dentro[i + 1] != comilla) return std::nullopt;
      ++i;
    }
    valor += dentro[i];
  }
  return valor;
}

bool EsEnteroSinBlancos(std::string_view t) {
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) t.remove_prefix(1);
  if (t.empty()) return false;
  for (char c : t)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string_view SinBlancosAlrededor(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  const std::string_view valor(reinterpret_cast<const char*>(datos), largo);

  const auto citado = SinComillas(norvane::Citar(valor), '\'');
  Comprobar(citado.has_value(), "Citar gives a well-formed quoted text", valor);
  Comprobar(*citado == valor, "undoubling Citar's quotes gives the value", valor);

  const auto nombre = SinComillas(norvane::CitarNombre(valor), '"');
  Comprobar(nombre.has_value(), "CitarNombre gives a well-formed quoted name", valor);
  Comprobar(*nombre == valor, "undoubling CitarNombre's quotes gives the name", valor);

  const std::string escrito = norvane::EnteroOCitado(valor);
  const bool entero = EsEnteroSinBlancos(SinBlancosAlrededor(valor));
  Comprobar(norvane::EsEnteroLiteral(valor) == entero, "EsEnteroLiteral: a sign and digits, trimmed", valor);
  if (entero) {
    Comprobar(escrito == SinBlancosAlrededor(valor), "an integer literal goes in trimmed and bare", valor);
    Comprobar(EsEnteroSinBlancos(escrito), "a bare value is an integer literal", valor);
  } else {
    const auto dentro = SinComillas(escrito, '\'');
    Comprobar(dentro.has_value(), "EnteroOCitado quotes what is not an integer", valor);
    Comprobar(*dentro == valor, "EnteroOCitado quotes the value as it came", valor);
  }
  return 0;
}
