#include "engine/families/DocumentosConReferencias.h"

#include "engine/Despacho.h"
#include "engine/EnviarDocumento.h"

namespace norvane {

namespace {

// What the copy changes on purpose: detail position 18 starts at 0, a
// return's invoice is the destination's (online) and a sales return's
// DEVT_IMPLICA is the destination's own.
constexpr Excluida kPosicion18[] = {{.posicion = 18}};
constexpr Excluida kFacturaDevolucionCompra[] = {{.posicion = 24}};
constexpr Excluida kFacturaDevolucionVenta[] = {{.posicion = 29}, {.columna = "DEVT_IMPLICA"}};

constexpr TablaDetalle kFacturasComprasDetalle[] = {{
    .borrado = "delete from facturas_compras_detalle where faco_id = ",
    .seleccionOrigen = "select * from facturas_compras_detalle where faco_id = ",
    .seleccionDestino = "SELECT * FROM FACTURAS_COMPRAS_DETALLE WHERE FACO_ID = ",
    .columnaEnCero = 18,
    .excluidas = kPosicion18,
}};

constexpr TablaDetalle kDevolucionesComprasDet[] = {{
    .borrado = "delete from devoluciones_compras_det where dvco_id = ",
    .seleccionOrigen = "select * from devoluciones_compras_det where dvco_id = ",
    .seleccionDestino = "SELECT * FROM DEVOLUCIONES_COMPRAS_DET WHERE DVCO_ID = ",
}};

constexpr TablaDetalle kFacturasDetalle[] = {{
    .borrado = "delete from facturas_detalle where fact_id = ",
    .seleccionOrigen = "select * from facturas_detalle where fact_id = ",
    .seleccionDestino = "SELECT * FROM FACTURAS_DETALLE WHERE FACT_ID = ",
    .orden = " order by fade_item",
    .columnaEnCero = 18,
    .aplicarJuntas = true,
    .excluidas = kPosicion18,
}};

constexpr TablaDetalle kDevolucionesVentasDetalle[] = {{
    .borrado = "delete from devoluciones_ventas_detalle where devt_id = ",
    .seleccionOrigen = "select * from devoluciones_ventas_detalle where devt_id = ",
    .seleccionDestino = "SELECT * FROM DEVOLUCIONES_VENTAS_DETALLE WHERE DEVT_ID = ",
}};

// The purchase invoice and the sales invoice start detail position 18 at 0 at
// the destination; the sales invoice copies its items in order, all or none.
constexpr DescriptorDocumento kDescriptores[] = {
    {.tidoCod = 21,
     .seleccionEncabezado = "select * from facturas_compra where faco_id = ",
     .busqueda = "SELECT * FROM FACTURAS_COMPRA WHERE PREF_PRE = ",
     .clausulaNumero = " AND FACO_NUMERO = ",
     .columnaAnulado = "FACO_ANULADO",
     .vistaId = "select * from cambie_id_compras",
     .detalles = kFacturasComprasDetalle},
    {.tidoCod = 24,
     .seleccionEncabezado = "select * from devoluciones_compras where dvco_id = ",
     .busqueda = "SELECT * FROM DEVOLUCIONES_COMPRAS WHERE PREF_PRE = ",
     .clausulaNumero = " AND DVCO_NUMERO = ",
     .columnaAnulado = "DVCO_ANULADO",
     .vistaId = "select * from cambie_id_devolprov",
     .detalles = kDevolucionesComprasDet,
     .referenciaFactura = ReferenciaFactura{.posicionId = 24,
                                            .posicionCodigo = 25,
                                            .busqueda = "select faco_id from facturas_compra where pref_pre = ",
                                            .clausulaNumero = " AND FACO_NUMERO = ",
                                            .largoNumero = 6},
     .excluidas = kFacturaDevolucionCompra},
    {.tidoCod = 31,
     .seleccionEncabezado = "select * from facturas where fact_id = ",
     .busqueda = "SELECT * FROM FACTURAS WHERE PREF_PRE = ",
     .clausulaNumero = " AND FACT_NUMERO = ",
     .columnaAnulado = "FACT_ANULADO",
     .vistaId = "select * from cambie_id_factura",
     .detalles = kFacturasDetalle,
     .largoNumero = 8,
     .procedimientoCierre = "execute procedure ACUMULA_PUNTOS_CLIENTE(31,"},
    {.tidoCod = 33,
     .seleccionEncabezado = "select * from devoluciones_ventas where devt_id = ",
     .busqueda = "SELECT * FROM DEVOLUCIONES_VENTAS WHERE PREF_PRE = ",
     .clausulaNumero = " AND DEVT_NUMERO = ",
     .columnaAnulado = "DEVT_ANULADO",
     .vistaId = "select * from cambie_id_devolclie",
     .detalles = kDevolucionesVentasDetalle,
     .referenciaFactura = ReferenciaFactura{.posicionId = 29,
                                            .posicionCodigo = 28,
                                            .busqueda = "select fact_id from facturas where pref_pre = ",
                                            .clausulaNumero = " AND FACT_NUMERO = ",
                                            .largoNumero = 8},
     .implicada = ColumnaImplicada{.nombre = "DEVT_IMPLICA", .alInsertar = "S", .alReemplazar = "N"},
     .procedimientoCierre = "execute procedure ACUMULA_PUNTOS_CLIENTE(33,",
     .excluidas = kFacturaDevolucionVenta},
};

}  // namespace

std::span<const DescriptorDocumento> DescriptoresDocumentosConReferencias() { return kDescriptores; }

void RegistrarDocumentosConReferencias(Despacho& despacho) {
  for (const auto& d : kDescriptores)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarDocumento(c, d); });
}

}  // namespace norvane
