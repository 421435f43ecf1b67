#include "engine/families/Tesoreria.h"

#include "engine/Despacho.h"
#include "engine/EnviarDocumento.h"
#include "engine/Referencias.h"

namespace norvane {

namespace {

// A paid or crossed document that the destination does not hold, or holds
// with an empty identifier, leaves 0 at position 3 of its row.
constexpr ReferenciaDetalle ReferenciaRecibo(const TablaReferencias& tabla) {
  return {.tabla = &tabla,
          .posicionTipo = 2,
          .posicionPrefijo = 4,
          .posicionNumero = 5,
          .posicionId = 3,
          .soloIdNoVacio = true,
          .siNoEncontrada = SiNoEncontrada::Cero};
}

// The re-linked identifier of a paid or crossed document.
constexpr Excluida kPosicion3[] = {{.posicion = 3}};

// The documents paid, the supplier documents crossed, the means of payment.
constexpr TablaDetalle kRecibosCaja[] = {
    {.borrado = "delete from recibos_caja_detalle where reca_id = ",
     .seleccionOrigen = "select * from recibos_caja_detalle where reca_id = ",
     .seleccionDestino = "SELECT * FROM RECIBOS_CAJA_DETALLE WHERE RECA_ID = ",
     .referencia = ReferenciaRecibo(ReferenciasCliente),
     .excluidas = kPosicion3},
    {.borrado = "DELETE FROM RECIBOS_CAJA_CRUCEC WHERE RECA_ID = ",
     .seleccionOrigen = "select * from recibos_caja_crucec where reca_id = ",
     .seleccionDestino = "SELECT * FROM RECIBOS_CAJA_CRUCEC WHERE RECA_ID = ",
     .referencia = ReferenciaRecibo(ReferenciasProveedor),
     .excluidas = kPosicion3},
    {.borrado = "delete from recibos_caja_pago where reca_id = ",
     .seleccionOrigen = "select * from recibos_caja_pago where reca_id = ",
     .seleccionDestino = "SELECT * FROM RECIBOS_CAJA_PAGO WHERE RECA_ID = "},
};

// The documents paid as the collector wrote them (no reference), the means
// of payment.
constexpr TablaDetalle kReciboProvisional[] = {
    {.borrado = "delete from recibo_provisional_detalle where rcpr_id = ",
     .seleccionOrigen = "select * from recibo_provisional_detalle where rcpr_id = ",
     .seleccionDestino = "SELECT * FROM RECIBO_PROVISIONAL_DETALLE WHERE RCPR_ID = "},
    {.borrado = "delete from recibo_provisional_pago where rcpr_id = ",
     .seleccionOrigen = "select * from recibo_provisional_pago where rcpr_id = ",
     .seleccionDestino = "SELECT * FROM RECIBO_PROVISIONAL_PAGO WHERE RCPR_ID = "},
};

// A failed table fails the row, which the destination then undoes whole: no
// undo deletes and no header delete.
constexpr DescriptorDocumento kDescriptores[] = {
    {.tidoCod = 61,
     .seleccionEncabezado = "select * from RECIBOS_CAJA where reca_id = ",
     .busqueda = "SELECT * FROM RECIBOS_CAJA WHERE PREF_PRE = ",
     .clausulaNumero = " AND RECA_NUMERO = ",
     .columnaAnulado = "RECA_ANULADO",
     .vistaId = "select * from cambie_id_recicaja",
     .detalles = kRecibosCaja},
    {.tidoCod = 65,
     .seleccionEncabezado = "select * from RECIBO_PROVISIONAL where rcpr_id = ",
     .busqueda = "SELECT * FROM RECIBO_PROVISIONAL WHERE PREF_PRE = ",
     .clausulaNumero = " AND RCPR_NUMERO = ",
     .columnaAnulado = "RCPR_ANULADO",
     .vistaId = "select * from cambie_id_reciprov",
     .detalles = kReciboProvisional},
};

}  // namespace

std::span<const DescriptorDocumento> DescriptoresTesoreria() { return kDescriptores; }

void RegistrarTesoreria(Despacho& despacho) {
  for (const auto& d : kDescriptores)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarDocumento(c, d); });
}

}  // namespace norvane
