#include "engine/families/Egresos.h"

#include "engine/Despacho.h"
#include "engine/EnviarDocumento.h"
#include "engine/Referencias.h"

namespace norvane {

namespace {

// The supplier documents paid (kind 2, prefix 4, number 5 into position 3,
// an empty identifier included, the origin's kept when not found); the client
// documents crossed, laid out unlike a receipt's (prefix 3, number 4, the
// identifier into EGCC_IDDOC wherever it stands, 0 when not found); then
// cash, bank and accounting rows as they are.
constexpr Excluida kPosicion3[] = {{.posicion = 3}};
constexpr Excluida kIdCruzado[] = {{.columna = "EGCC_IDDOC"}};

constexpr TablaDetalle kEgresos[] = {
    {.borrado = "delete from egresos_detalle where egre_id = ",
     .seleccionOrigen = "select * from egresos_detalle where egre_id = ",
     .seleccionDestino = "SELECT * FROM EGRESOS_DETALLE WHERE EGRE_ID = ",
     .referencia = ReferenciaDetalle{.tabla = &ReferenciasProveedor,
                                     .posicionTipo = 2,
                                     .posicionPrefijo = 4,
                                     .posicionNumero = 5,
                                     .posicionId = 3},
     .excluidas = kPosicion3},
    {.borrado = "delete from egresos_crucec where egre_id = ",
     .seleccionOrigen = "select * from egresos_crucec where egre_id = ",
     .seleccionDestino = "SELECT * FROM EGRESOS_CRUCEC WHERE EGRE_ID = ",
     .referencia = ReferenciaDetalle{.tabla = &ReferenciasCliente,
                                     .posicionTipo = 2,
                                     .posicionPrefijo = 3,
                                     .posicionNumero = 4,
                                     .columnaId = "EGCC_IDDOC",
                                     .siNoEncontrada = SiNoEncontrada::Cero},
     .excluidas = kIdCruzado},
    {.borrado = "delete from egresos_caja where egre_id = ",
     .seleccionOrigen = "select * from egresos_caja where egre_id = ",
     .seleccionDestino = "SELECT * FROM EGRESOS_CAJA WHERE EGRE_ID = "},
    {.borrado = "delete from egresos_banco where egre_id = ",
     .seleccionOrigen = "select * from egresos_banco where egre_id = ",
     .seleccionDestino = "SELECT * FROM EGRESOS_BANCO WHERE EGRE_ID = "},
    {.borrado = "DELETE FROM EGRESOS_CONTABILIDAD WHERE EGRE_ID = ",
     .seleccionOrigen = "select * from egresos_contabilidad where egre_id = ",
     .seleccionDestino = "SELECT * FROM EGRESOS_CONTABILIDAD WHERE EGRE_ID = "},
};

// Documents taken in, then handed out.
constexpr TablaDetalle kCambioDocumentos[] = {
    {.borrado = "delete from CAMBIODOC_ENTRADAS where cado_id = ",
     .seleccionOrigen = "select * from cambiodoc_entradas where cado_id = ",
     .seleccionDestino = "SELECT * FROM CAMBIODOC_ENTRADAS WHERE CADO_ID = "},
    {.borrado = "delete from cambiodoc_salidas where cado_id = ",
     .seleccionOrigen = "select * from cambiodoc_salidas where cado_id = ",
     .seleccionDestino = "SELECT * FROM CAMBIODOC_SALIDAS WHERE CADO_ID = "},
};

constexpr TablaDetalle kConsignaTarjetasDet[] = {{
    .borrado = "delete from consigna_tarjetas_det where cotj_id = ",
    .seleccionOrigen = "select * from consigna_tarjetas_det where cotj_id = ",
    .seleccionDestino = "SELECT * FROM consigna_tarjetas_det WHERE COTJ_ID = ",
}};

constexpr TablaDetalle kTrasladosCajaDet[] = {{
    .borrado = "delete from traslados_caja_det where trcj_id = ",
    .seleccionOrigen = "select * from traslados_caja_det where trcj_id = ",
    .seleccionDestino = "SELECT * FROM TRASLADOS_CAJA_DET WHERE TRCJ_ID = ",
}};

// As the receipts: a failed table fails the row, which the destination then
// undoes whole.
constexpr DescriptorDocumento kDescriptores[] = {
    {.tidoCod = 62,
     .seleccionEncabezado = "select * from EGRESOS where egre_id = ",
     .busqueda = "SELECT * FROM EGRESOS WHERE PREF_PRE = ",
     .clausulaNumero = " AND EGRE_NUMERO = ",
     .columnaAnulado = "EGRE_ANULADO",
     .vistaId = "select * from cambie_id_egreso",
     .detalles = kEgresos},
    {.tidoCod = 63,
     .seleccionEncabezado = "select * from CAMBIO_DOCUMENTOS where cado_id = ",
     .busqueda = "SELECT * FROM CAMBIO_DOCUMENTOS WHERE PREF_PRE = ",
     .clausulaNumero = " AND CADO_NUMERO = ",
     .columnaAnulado = "CADO_ANULADO",
     .vistaId = "select * from cambie_id_cambdocu",
     .detalles = kCambioDocumentos},
    {.tidoCod = 64,
     .seleccionEncabezado = "select * from consigna_tarjetas where cotj_id = ",
     .busqueda = "SELECT * FROM CONSIGNA_TARJETAS WHERE PREF_PRE = ",
     .clausulaNumero = " AND COTJ_NUMERO = ",
     .columnaAnulado = "COTJ_ANULADO",
     .vistaId = "select * from cambie_id_consignatar",
     .detalles = kConsignaTarjetasDet},
    {.tidoCod = 66,
     .seleccionEncabezado = "select * from traslados_caja where trcj_id = ",
     .busqueda = "SELECT * FROM TRASLADOS_CAJA WHERE PREF_PRE = ",
     .clausulaNumero = " AND TRCJ_NUMERO = ",
     .columnaAnulado = "TRCJ_ANULADO",
     .vistaId = "select * from cambie_id_traslacaja",
     .detalles = kTrasladosCajaDet},
};

}  // namespace

std::span<const DescriptorDocumento> DescriptoresEgresos() { return kDescriptores; }

void RegistrarEgresos(Despacho& despacho) {
  for (const auto& d : kDescriptores)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarDocumento(c, d); });
}

}  // namespace norvane
