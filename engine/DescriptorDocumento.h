#pragma once

#include <optional>
#include <span>
#include <string>

#include "fb/Value.h"

namespace norvane {

class ContextoEnvio;
struct DescriptorDocumento;

// Builds the destination lookup of a document that prefix and number alone
// do not find (a bank document is numbered per bank account).
using ArmarBusqueda = std::string (*)(const ContextoEnvio&, const DescriptorDocumento&);

// The destination lookup of a document for a reading that has no run
// around it: from the audit row, and from the origin header when there is one.
using ArmarBusquedaCodigo = std::string (*)(const DescriptorDocumento&, const fb::Row& auditoria,
                                            const fb::Row* encabezadoOrigen);

struct TablaReferencias;  // engine/Referencias.h

// A column that the transfer changes on purpose (a reference re-linked to the
// destination's documents, a value the destination starts from): by position,
// or by name wherever it stands. Comparing origin and destination leaves it
// out; position 0 of a document's header and detail rows is always left out.
struct Excluida {
  int posicion = -1;
  const char* columna = nullptr;
};

// What the receiving column of a reference holds when the destination does
// not know the document named.
enum class SiNoEncontrada { ConservarOrigen, Cero };

// The document that every row of a detail table names by its kind, prefix
// and number: its destination identifier goes into one column of the row.
struct ReferenciaDetalle {
  const TablaReferencias* tabla{};  // ReferenciasCliente or ReferenciasProveedor
  int posicionTipo{};
  int posicionPrefijo{};
  int posicionNumero{};
  int posicionId = -1;              // the receiving column, by position
  const char* columnaId = nullptr;  // or by name, wherever it stands
  bool soloIdNoVacio = false;       // a found identifier counts only when its text is not empty
  SiNoEncontrada siNoEncontrada = SiNoEncontrada::ConservarOrigen;
};

// One detail table of a document: how its rows are deleted at the
// destination, read at the origin and opened at the destination.
struct TablaDetalle {
  const char* borrado{};           // + the destination identifier
  const char* seleccionOrigen{};   // + AUDI_IDDOC
  const char* seleccionDestino{};  // + NuevoId
  const char* orden = "";        // appended to the origin select after AUDI_IDDOC
  int columnaEnCero = -1;        // a position set to 0 in every new row
  bool aplicarJuntas = false;    // rows posted one by one, written in one apply
  std::optional<ReferenciaDetalle> referencia{};
  std::span<const Excluida> excluidas{};  // what the copy changes in every row
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

// The document that a header names by its origin identifier (an advance's
// cash receipt or payment voucher): online, its code is read at the origin
// and its identifier looked up again at the destination, on insert and on
// replace alike; a miss keeps the origin's value.
struct ReferenciaEncabezado {
  int posicion{};                // the reference column of the header row
  const char* lecturaOrigen{};   // + the reference value: gives prefix and number
  const char* busqueda{};        // + quoted prefix
  const char* clausulaNumero{};  // + quoted number
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
  std::span<const TablaDetalle> detalles{};  // in list order; none for a header-only type
  int largoNumero = 6;
  std::optional<ReferenciaFactura> referenciaFactura{};
  std::optional<ReferenciaEncabezado> referenciaEncabezado{};
  std::optional<ColumnaImplicada> implicada{};
  const char* procedimientoCierre = nullptr;  // + NuevoId + ",NULL,NULL)"
  // In place of lookup + quoted prefix + number clause + quoted number.
  ArmarBusqueda busquedaPropia = nullptr;
  // What comparing origin and destination needs beyond the send itself.
  std::span<const Excluida> excluidas{};  // header columns the copy changes
  bool reglaEncabezado = true;            // the header copied with the fixed-point rule
  int posicionFecha = -1;                 // the date the accounting lock date holds back
  ArmarBusquedaCodigo busquedaCodigo = nullptr;  // the same lookup as busquedaPropia
};

}  // namespace norvane
