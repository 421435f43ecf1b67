#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/CopiarMaestro.h"
#include "engine/Verificacion.h"

namespace norvane {

class ContextoEnvio;
class Despacho;

// An inventory grouping level, a brand or a sub-brand. Its key travels in
// AUDI_COD as its parts joined by "|"; every text is followed by the key
// tail: the first part in SQL quotes, then each clause with the next part.
struct Catalogo {
  int tidoCod{};
  const char* borrado{};  // + key tail; none: deleted through the cursor
  const char* seleccionOrigen{};
  const char* seleccionDestino{};
  std::span<const char* const> clausulas{};  // one per part after the first
};

// Third parties, customers, suppliers, collectors and sellers.
std::span<const DescriptorMaestro> DescriptoresCatalogosComerciales();
// Families, groups, subgroups, brands and sub-brands.
std::span<const Catalogo> Catalogos();

// The key tail of `codigo`: its parts split at the first "|" separators, one
// per clause, the last part keeping any further "|". None when `codigo` has
// fewer separators than the key has clauses.
std::optional<std::string> ColaClave(std::string_view codigo, std::span<const char* const> clausulas);

// A "D" row deletes the row at the destination (online and offline alike);
// any other copies it.
void CopiarCatalogo(ContextoEnvio& contexto, const Catalogo& catalogo);

void RegistrarCatalogos(Despacho& despacho);

// A catalogue row by its composite key as the destination holds it after the
// run: gone after a "D" row, otherwise the origin's.
DocumentoVerificado VerificarCatalogo(LadosVerificacion& lados, const Catalogo& catalogo,
                                      const fb::Row& auditoria);

}  // namespace norvane
