#pragma once

#include <optional>
#include <span>

#include "engine/CopiarMaestro.h"
#include "engine/Verificacion.h"

namespace norvane {

class ContextoEnvio;
class Despacho;

// The second key of an article sub-table: its clause, followed by the value
// the source row holds at `posicion`.
struct SegundaClave {
  const char* clausula{};
  int posicion{};
  bool citada = true;  // the value in SQL quotes
};

// One table that hangs from an article, copied as a whole for the article
// of AUDI_COD. Every text is followed by AUDI_COD in SQL quotes.
struct SubtablaArticulo {
  int tidoCod{};
  const char* borrado{};  // online "D" rows empty the article's rows first; none: kept
  const char* seleccionOrigen{};
  const char* seleccionDestino{};
  std::optional<SegundaClave> segunda{};  // none: found by the article alone
};

// The chart of accounts and the articles.
std::span<const DescriptorMaestro> DescriptoresCuentasArticulos();
// The tables of an article: units, bar codes, prices, accounting, item lines.
std::span<const SubtablaArticulo> SubtablasArticulo();

// Copies every row the origin holds for the audit row's article in one
// sub-table; online, a "D" row removes the destination's rows first. The row
// fails when any of its writes failed.
void CopiarSubtablaArticulo(ContextoEnvio& contexto, const SubtablaArticulo& subtabla);

void RegistrarCuentasArticulos(Despacho& despacho);

// The origin's rows of one sub-table for the audit row's article, each found
// at the destination by its key (one without a second key against the
// origin's last row); after an online "D" with nothing left at the origin,
// none may be left at the destination.
DocumentoVerificado VerificarSubtablaArticulo(LadosVerificacion& lados, const SubtablaArticulo& subtabla,
                                              const fb::Row& auditoria);

}  // namespace norvane
