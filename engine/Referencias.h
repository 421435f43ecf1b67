#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "engine/DescriptorDocumento.h"
#include "fb/Value.h"

namespace norvane {

class ContextoEnvio;

// One kind of document that a reference table can find at the destination:
// busqueda + quoted prefix + clausulaNumero + quoted number, column 0 of
// whose first row is its identifier.
struct EntradaReferencia {
  int tipo{};                    // TIDO_COD of the document named
  const char* busqueda{};        // + quoted prefix
  const char* clausulaNumero{};  // + quoted number
};

// The kinds of document that the rows of one side's accounts name.
struct TablaReferencias {
  std::span<const EntradaReferencia> entradas;
  const EntradaReferencia* Buscar(int tipo) const;
};

// The client documents (invoices, returns, notes, advances) and the supplier
// documents that applications, receipts and payment vouchers name.
extern const TablaReferencias ReferenciasCliente;
extern const TablaReferencias ReferenciasProveedor;

// The destination identifier of the document of kind `tipo` named by its
// prefix and number: column 0 of the lookup's first row, as it comes. None
// when the table has no entry for the kind (then nothing is executed) or
// when no row came back. Runs through CIdfact, closed again before it returns.
std::optional<fb::Value> ResolverReferencia(ContextoEnvio& contexto, const TablaReferencias& tabla,
                                            int tipo, std::string_view prefijo,
                                            std::string_view numero);

// Resolves the reference of the detail row pending in CDestino into its
// receiving column, as the table's reference says.
void ResolverReferenciaDetalle(ContextoEnvio& contexto, const ReferenciaDetalle& referencia);

// Online, points the header row pending in CDestino (new or being replaced)
// to the destination's copy of the document its reference names; offline,
// or when that document is not found at either end, the origin's value stays.
void ResolverReferenciaEncabezado(ContextoEnvio& contexto, const ReferenciaEncabezado& referencia);

}  // namespace norvane
