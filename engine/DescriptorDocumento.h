#pragma once

#include <optional>
#include <span>
#include <string>

namespace norvane {

class ContextoEnvio;
struct DescriptorDocumento;

// Builds the destination lookup of a document that prefix and number alone
// do not find (a bank document is numbered per bank account).
using ArmarBusqueda = std::string (*)(const ContextoEnvio&, const DescriptorDocumento&);

// One detail table of a document: how its rows are deleted at the
// destination, read at the origin and opened at the destination.
struct TablaDetalle {
  const char* borrado{};           // + the destination identifier
  const char* seleccionOrigen{};   // + AUDI_IDDOC
  const char* seleccionDestino{};  // + NuevoId
  const char* orden = "";        // appended to the origin select after AUDI_IDDOC
  int columnaEnCero = -1;        // a position set to 0 in every new row
  bool aplicarJuntas = false;    // rows posted one by one, written in one apply
};

// The reference of a return to the invoice it returns, translated online to
// the destination's identifier of that invoice.
struct ReferenciaFactura {
  int posicionId{};      // identifier of the invoice; 0 when it refers to none
  int posicionCodigo{};  // the invoice's code, prefix followed by number
  const char* busqueda{};        // + quoted prefix
  const char* clausulaNumero{};  // + quoted number
  int largoNumero{};
};

// A header column that the destination sets by itself on insert and replace.
struct ColumnaImplicada {
  const char* nombre{};
  const char* alInsertar{};
  const char* alReemplazar{};
};

// Everything that tells one header-and-detail document type from another.
// Texts are used as they stand; the value named in each comment follows.
struct DescriptorDocumento {
  int tidoCod{};
  const char* seleccionEncabezado{};  // + AUDI_IDDOC
  const char* busqueda{};             // + quoted prefix
  const char* clausulaNumero{};       // + quoted number
  const char* columnaAnulado{};
  const char* vistaId{};              // the identifier view's select
  std::span<const TablaDetalle> detalles{};
  int largoNumero = 6;
  std::optional<ReferenciaFactura> referenciaFactura{};
  std::optional<ColumnaImplicada> implicada{};
  const char* procedimientoCierre = nullptr;  // + NuevoId + ",NULL,NULL)"
  // In place of lookup + quoted prefix + number clause + quoted number.
  ArmarBusqueda busquedaPropia = nullptr;
};

}  // namespace norvane
