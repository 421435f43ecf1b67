// The key tail of the composite catalogue keys over any code: the first input
// byte picks the catalogue (its clauses), the rest is AUDI_COD. A tail is
// there exactly when the code has a "|" for every clause; it reads back as
// one quoted literal per part with the catalogue's clauses between them and
// nothing else, the parts before the last hold no "|", and joined by "|"
// they give the code back.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/families/Catalogos.h"
#include "fuzz/Comprobar.h"

namespace {

using norvane::fuzz::Comprobar;

// The literal in SQL quotes at the start of `texto`, removed from it; nothing
// when `texto` does not start with a well-formed one.
std::optional<std::string> LeerLiteral(std::string_view& texto) {
  if (texto.empty() || texto.front() != '\'') return std::nullopt;
  std::string valor;
  for (std::size_t i = 1; i < texto.size(); ++i) {
    if (texto[i] != '\'') {
      valor += texto[i];
      continue;
    }
    if (i + 1 < texto.size() && texto[i + 1] == '\'') {
      valor += '\'';
      ++i;
      continue;
    }
    texto.remove_prefix(i + 1);
    return valor;
  }
  return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  if (largo == 0) return 0;
  const std::string_view entrada(reinterpret_cast<const char*>(datos), largo);
  const auto catalogos = norvane::Catalogos();
  const auto& catalogo = catalogos[datos[0] % catalogos.size()];
  const std::string_view codigo = entrada.substr(1);
  const auto clausulas = catalogo.clausulas;

  std::size_t separadores = 0;
  for (char c : codigo) separadores += c == '|';
  const auto cola = norvane::ColaClave(codigo, clausulas);
  Comprobar(cola.has_value() == (separadores >= clausulas.size()),
            "a tail exactly when the code has a separator for every clause", entrada);
  if (!cola) return 0;

  std::string_view resto = *cola;
  std::vector<std::string> partes;
  for (std::size_t i = 0; i <= clausulas.size(); ++i) {
    const auto parte = LeerLiteral(resto);
    Comprobar(parte.has_value(), "each part is one well-formed quoted literal", entrada);
    partes.push_back(*parte);
    if (i == clausulas.size()) break;
    const std::string_view clausula = clausulas[i];
    Comprobar(resto.starts_with(clausula), "the catalogue's clause follows each part but the last", entrada);
    resto.remove_prefix(clausula.size());
  }
  Comprobar(resto.empty(), "nothing follows the last part", entrada);

  std::string unidas;
  for (std::size_t i = 0; i < partes.size(); ++i) {
    if (i + 1 < partes.size())
      Comprobar(partes[i].find('|') == std::string::npos, "the parts before the last hold no separator",
                entrada);
    unidas += (i ? "|" : "") + partes[i];
  }
  Comprobar(unidas == codigo, "the parts joined by the separator give the code back", entrada);
  return 0;
}
