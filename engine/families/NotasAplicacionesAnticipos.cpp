#include "engine/families/NotasAplicacionesAnticipos.h"

#include "engine/Despacho.h"
#include "engine/EnviarDocumento.h"
#include "engine/Referencias.h"

namespace norvane {

namespace {

// The re-linked identifiers: the applied document's in position 3 of each
// row, the advance's receipt or payment voucher in its header.
constexpr Excluida kPosicion3[] = {{.posicion = 3}};
constexpr Excluida kReciboAnticipo[] = {{.posicion = 23}};
constexpr Excluida kEgresoAnticipo[] = {{.posicion = 22}};

// Each row names the document it applies by kind (2), prefix (4) and number
// (5); its identifier at the destination goes to position 3, or the origin's
// stays when the destination does not hold it.
constexpr TablaDetalle kAplicacionClienteDetalle[] = {{
    .borrado = "delete from aplicacion_cliente_detalle where apcl_id = ",
    .seleccionOrigen = "select * from aplicacion_cliente_detalle where apcl_id = ",
    .seleccionDestino = "SELECT * FROM APLICACION_CLIENTE_DETALLE WHERE APCL_ID = ",
    .referencia = ReferenciaDetalle{.tabla = &ReferenciasCliente,
                                    .posicionTipo = 2,
                                    .posicionPrefijo = 4,
                                    .posicionNumero = 5,
                                    .posicionId = 3},
    .excluidas = kPosicion3,
}};

constexpr TablaDetalle kAplicacionProveedorDetalle[] = {{
    .borrado = "delete from aplicacion_proveedor_detalle where appr_id = ",
    .seleccionOrigen = "select * from aplicacion_proveedor_detalle where appr_id = ",
    .seleccionDestino = "SELECT * FROM APLICACION_PROVEEDOR_DETALLE WHERE APPR_ID = ",
    .referencia = ReferenciaDetalle{.tabla = &ReferenciasProveedor,
                                    .posicionTipo = 2,
                                    .posicionPrefijo = 4,
                                    .posicionNumero = 5,
                                    .posicionId = 3},
    .excluidas = kPosicion3,
}};

// Notes and advances have no detail table. The client credit notes take
// their identifiers from the debit notes' view; the supplier application's
// header table is spelled APLICACION_PROVEDOR, its rows' table is not.
constexpr DescriptorDocumento kDescriptores[] = {
    {.tidoCod = 41,
     .seleccionEncabezado = "select * from notas_debito_clientes where ndcl_id = ",
     .busqueda = "SELECT * FROM NOTAS_DEBITO_CLIENTES WHERE PREF_PRE = ",
     .clausulaNumero = " AND NDCL_NUMERO = ",
     .columnaAnulado = "NDCL_ANULADO",
     .vistaId = "select * from cambie_id_notadbclie"},
    {.tidoCod = 42,
     .seleccionEncabezado = "select * from notas_credito_clientes where nccl_id = ",
     .busqueda = "SELECT * FROM NOTAS_CREDITO_CLIENTES WHERE PREF_PRE = ",
     .clausulaNumero = " AND NCCL_NUMERO = ",
     .columnaAnulado = "NCCL_ANULADO",
     .vistaId = "select * from cambie_id_notadbclie"},
    {.tidoCod = 51,
     .seleccionEncabezado = "select * from notas_debito_proveedor where ndpr_id = ",
     .busqueda = "SELECT * FROM NOTAS_DEBITO_PROVEEDOR WHERE PREF_PRE = ",
     .clausulaNumero = " AND NDPR_NUMERO = ",
     .columnaAnulado = "NDPR_ANULADO",
     .vistaId = "select * from cambie_id_notadbprov"},
    {.tidoCod = 52,
     .seleccionEncabezado = "select * from notas_credito_proveedor where ncpr_id = ",
     .busqueda = "SELECT * FROM NOTAS_CREDITO_PROVEEDOR WHERE PREF_PRE = ",
     .clausulaNumero = " AND NCPR_NUMERO = ",
     .columnaAnulado = "NCPR_ANULADO",
     .vistaId = "select * from cambie_id_notacrprov"},
    {.tidoCod = 43,
     .seleccionEncabezado = "select * from aplicacion_cliente where apcl_id = ",
     .busqueda = "SELECT * FROM APLICACION_CLIENTE WHERE PREF_PRE = ",
     .clausulaNumero = " AND APCL_NUMERO = ",
     .columnaAnulado = "APCL_ANULADO",
     .vistaId = "select * from cambie_id_apliclie",
     .detalles = kAplicacionClienteDetalle},
    {.tidoCod = 53,
     .seleccionEncabezado = "select * from aplicacion_provedor where appr_id = ",
     .busqueda = "SELECT * FROM APLICACION_PROVEDOR WHERE PREF_PRE = ",
     .clausulaNumero = " AND APPR_NUMERO = ",
     .columnaAnulado = "APPR_ANULADO",
     .vistaId = "select * from cambie_id_apliprov",
     .detalles = kAplicacionProveedorDetalle},
    {.tidoCod = 45,
     .seleccionEncabezado = "select * from anticipos_cliente where ancl_id = ",
     .busqueda = "SELECT * FROM ANTICIPOS_CLIENTE WHERE PREF_PRE = ",
     .clausulaNumero = " AND ANCL_NUMERO = ",
     .columnaAnulado = "ANCL_ANULADO",
     .vistaId = "select * from cambie_id_anticlie",
     .referenciaEncabezado =
         ReferenciaEncabezado{.posicion = 23,
                              .lecturaOrigen = "select pref_pre, reca_numero from recibos_caja where reca_id = ",
                              .busqueda = "select reca_id from recibos_caja where pref_pre = ",
                              .clausulaNumero = " and reca_numero = "},
     .excluidas = kReciboAnticipo},
    {.tidoCod = 55,
     .seleccionEncabezado = "select * from anticipos_proveedor where anpr_id = ",
     .busqueda = "SELECT * FROM ANTICIPOS_PROVEEDOR WHERE PREF_PRE = ",
     .clausulaNumero = " AND ANPR_NUMERO = ",
     .columnaAnulado = "ANPR_ANULADO",
     .vistaId = "select * from cambie_id_antiprov",
     .referenciaEncabezado =
         ReferenciaEncabezado{.posicion = 22,
                              .lecturaOrigen = "select pref_pre, egre_numero from egresos where egre_id = ",
                              .busqueda = "select egre_id from egresos where pref_pre = ",
                              .clausulaNumero = " and egre_numero = "},
     .excluidas = kEgresoAnticipo},
};

}  // namespace

std::span<const DescriptorDocumento> DescriptoresNotasAplicacionesAnticipos() { return kDescriptores; }

void RegistrarNotasAplicacionesAnticipos(Despacho& despacho) {
  for (const auto& d : kDescriptores)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarDocumento(c, d); });
}

}  // namespace norvane
