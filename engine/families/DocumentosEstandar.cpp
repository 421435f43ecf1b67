#include "engine/families/DocumentosEstandar.h"

#include "engine/Despacho.h"
#include "engine/EnviarDocumento.h"

namespace norvane {

namespace {

constexpr TablaDetalle kEntradasDetalle[] = {{
    .borrado = "delete from entradas_detalle where entr_id = ",
    .seleccionOrigen = "select * from entradas_detalle where entr_id = ",
    .seleccionDestino = "SELECT * FROM ENTRADAS_DETALLE WHERE ENTR_ID = ",
}};

constexpr TablaDetalle kSalidasDetalle[] = {{
    .borrado = "delete from salidas_detalle where sali_id = ",
    .seleccionOrigen = "select * from salidas_detalle where sali_id = ",
    .seleccionDestino = "SELECT * FROM SALIDAS_DETALLE WHERE SALI_ID = ",
}};

constexpr TablaDetalle kTrasferenciasDetalle[] = {{
    .borrado = "delete from trasferencias_detalle where tran_id = ",
    .seleccionOrigen = "select * from trasferencias_detalle where tran_id = ",
    .seleccionDestino = "SELECT * FROM TRASFERENCIAS_DETALLE WHERE TRAN_ID = ",
}};

constexpr TablaDetalle kAjustesDetalle[] = {{
    .borrado = "delete from ajustes_detalle where ajus_id = ",
    .seleccionOrigen = "select * from ajustes_detalle where ajus_id = ",
    .seleccionDestino = "SELECT * FROM AJUSTES_DETALLE WHERE AJUS_ID = ",
}};

constexpr TablaDetalle kEnsamblesDetalle[] = {{
    .borrado = "delete from ensambles_detalle where ensa_id = ",
    .seleccionOrigen = "select * from ensambles_detalle where ensa_id = ",
    .seleccionDestino = "SELECT * FROM ENSAMBLES_DETALLE WHERE ENSA_ID = ",
}};

constexpr TablaDetalle kDesensamblesDetalle[] = {{
    .borrado = "delete from desensambles_detalle where dese_id = ",
    .seleccionOrigen = "select * from desensambles_detalle where dese_id = ",
    .seleccionDestino = "SELECT * FROM DESENSAMBLES_DETALLE WHERE DESE_ID = ",
}};

constexpr TablaDetalle kReservasDetalle[] = {{
    .borrado = "delete from reservas_detalle where rese_id = ",
    .seleccionOrigen = "select * from reservas_detalle where rese_id = ",
    .seleccionDestino = "SELECT * FROM RESERVAS_DETALLE WHERE RESE_ID = ",
}};

constexpr TablaDetalle kOrdeninventarioDetalle[] = {{
    .borrado = "delete from ordeninventario_detalle where orin_id = ",
    .seleccionOrigen = "select * from ordeninventario_detalle where orin_id = ",
    .seleccionDestino = "SELECT * FROM ORDENINVENTARIO_DETALLE WHERE ORIN_ID = ",
}};

constexpr TablaDetalle kRemisionProveedorDet[] = {{
    .borrado = "delete from remision_proveedor_det where repr_id = ",
    .seleccionOrigen = "select * from remision_proveedor_det where repr_id = ",
    .seleccionDestino = "SELECT * FROM REMISION_PROVEEDOR_DET WHERE REPR_ID = ",
}};

constexpr TablaDetalle kOrdenesCompraDetalle[] = {{
    .borrado = "delete from ordenes_compra_detalle where ordc_id = ",
    .seleccionOrigen = "select * from ordenes_compra_detalle where ordc_id = ",
    .seleccionDestino = "SELECT * FROM ORDENES_COMPRA_DETALLE WHERE ORDC_ID = ",
}};

constexpr TablaDetalle kCotizacionesProveedorDet[] = {{
    .borrado = "delete from cotizaciones_proveedor_det where copr_id = ",
    .seleccionOrigen = "select * from cotizaciones_proveedor_det where copr_id = ",
    .seleccionDestino = "SELECT * FROM COTIZACIONES_PROVEEDOR_DET WHERE COPR_ID = ",
}};

constexpr TablaDetalle kRemisionesVentaDetalle[] = {{
    .borrado = "delete from remisiones_venta_detalle where revt_id = ",
    .seleccionOrigen = "select * from remisiones_venta_detalle where revt_id = ",
    .seleccionDestino = "SELECT * FROM REMISIONES_VENTA_DETALLE WHERE REVT_ID = ",
}};

constexpr TablaDetalle kPedidosDetalle[] = {{
    .borrado = "delete from pedidos_detalle where pedi_id = ",
    .seleccionOrigen = "select * from pedidos_detalle where pedi_id = ",
    .seleccionDestino = "SELECT * FROM PEDIDOS_DETALLE WHERE PEDI_ID = ",
}};

constexpr TablaDetalle kCotizacionesDetalle[] = {{
    .borrado = "delete from cotizaciones_detalle where coti_id = ",
    .seleccionOrigen = "select * from cotizaciones_detalle where coti_id = ",
    .seleccionDestino = "SELECT * FROM COTIZACIONES_DETALLE WHERE COTI_ID = ",
}};

// Each row names only the options its type uses; the rest keep their defaults.
constexpr DescriptorDocumento kDescriptores[] = {
    {.tidoCod = 11,
     .seleccionEncabezado = "select * from entradas where entr_id = ",
     .busqueda = "SELECT * FROM ENTRADAS WHERE PREF_PRE = ",
     .clausulaNumero = " AND ENTR_NUMERO = ",
     .columnaAnulado = "ENTR_ANULADO",
     .vistaId = "select * from cambie_id_entrada",
     .detalles = kEntradasDetalle},
    {.tidoCod = 12,
     .seleccionEncabezado = "select * from salidas where sali_id = ",
     .busqueda = "SELECT * FROM SALIDAS WHERE PREF_PRE = ",
     .clausulaNumero = " AND SALI_NUMERO = ",
     .columnaAnulado = "SALI_ANULADO",
     .vistaId = "select * from cambie_id_salida",
     .detalles = kSalidasDetalle},
    {.tidoCod = 13,
     .seleccionEncabezado = "select * from trasferencias where tran_id = ",
     .busqueda = "SELECT * FROM TRASFERENCIAS WHERE PREF_PRE = ",
     .clausulaNumero = " AND TRAN_NUMERO = ",
     .columnaAnulado = "TRAN_ANULADO",
     .vistaId = "select * from cambie_id_transfer",
     .detalles = kTrasferenciasDetalle},
    {.tidoCod = 14,
     .seleccionEncabezado = "select * from ajustes where ajus_id = ",
     .busqueda = "SELECT * FROM AJUSTES WHERE PREF_PRE = ",
     .clausulaNumero = " AND AJUS_NUMERO = ",
     .columnaAnulado = "AJUS_ANULADO",
     .vistaId = "select * from cambie_id_ajusteinv",
     .detalles = kAjustesDetalle},
    {.tidoCod = 15,
     .seleccionEncabezado = "select * from ENSAMBLES where ensa_id = ",
     .busqueda = "SELECT * FROM ENSAMBLES WHERE PREF_PRE = ",
     .clausulaNumero = " AND ENSA_NUMERO = ",
     .columnaAnulado = "ENSA_ANULADO",
     .vistaId = "select * from cambie_id_ensamble",
     .detalles = kEnsamblesDetalle},
    {.tidoCod = 16,
     .seleccionEncabezado = "select * from desensambles where dese_id = ",
     .busqueda = "SELECT * FROM DESENSAMBLES WHERE PREF_PRE = ",
     .clausulaNumero = " AND DESE_NUMERO = ",
     .columnaAnulado = "DESE_ANULADO",
     .vistaId = "select * from cambie_id_desensamble",
     .detalles = kDesensamblesDetalle},
    {.tidoCod = 17,
     .seleccionEncabezado = "select * from reservas where rese_id = ",
     .busqueda = "SELECT * FROM RESERVAS WHERE PREF_PRE = ",
     .clausulaNumero = " AND RESE_NUMERO = ",
     .columnaAnulado = "RESE_ANULADO",
     .vistaId = "select * from cambie_id_reserva",
     .detalles = kReservasDetalle},
    {.tidoCod = 18,
     .seleccionEncabezado = "select * from ORDENES_INVENTARIO where orin_id = ",
     .busqueda = "SELECT * FROM ORDENES_INVENTARIO WHERE PREF_PRE = ",
     .clausulaNumero = " AND ORIN_NUMERO = ",
     .columnaAnulado = "ORIN_ANULADO",
     .vistaId = "select * from cambie_id_ordenmcia",
     .detalles = kOrdeninventarioDetalle},
    {.tidoCod = 22,
     .seleccionEncabezado = "select * from remision_proveedor where repr_id = ",
     .busqueda = "SELECT * FROM REMISION_PROVEEDOR WHERE PREF_PRE = ",
     .clausulaNumero = " AND REPR_NUMERO = ",
     .columnaAnulado = "REPR_ANULADO",
     .vistaId = "select * from cambie_id_remiprov",
     .detalles = kRemisionProveedorDet},
    {.tidoCod = 23,
     .seleccionEncabezado = "select * from ordenes_compra where ordc_id = ",
     .busqueda = "SELECT * FROM ORDENES_COMPRA WHERE PREF_PRE = ",
     .clausulaNumero = " AND ORDC_NUMERO = ",
     .columnaAnulado = "ORDC_ANULADO",
     .vistaId = "select * from cambie_id_ordencomp",
     .detalles = kOrdenesCompraDetalle},
    {.tidoCod = 25,
     .seleccionEncabezado = "select * from cotizacion_proveedor where copr_id = ",
     .busqueda = "SELECT * FROM COTIZACION_PROVEEDOR WHERE PREF_PRE = ",
     .clausulaNumero = " AND COPR_NUMERO = ",
     .columnaAnulado = "COPR_ANULADO",
     .vistaId = "select * from cambie_id_coticomp",
     .detalles = kCotizacionesProveedorDet},
    {.tidoCod = 32,
     .seleccionEncabezado = "select * from remisiones_venta where revt_id = ",
     .busqueda = "SELECT * FROM REMISIONES_VENTA WHERE PREF_PRE = ",
     .clausulaNumero = " AND REVT_NUMERO = ",
     .columnaAnulado = "REVT_ANULADO",
     .vistaId = "select * from cambie_id_remiclie",
     .detalles = kRemisionesVentaDetalle},
    {.tidoCod = 34,
     .seleccionEncabezado = "select * from pedidos where pedi_id = ",
     .busqueda = "SELECT * FROM PEDIDOS WHERE PREF_PRE = ",
     .clausulaNumero = " AND PEDI_NUMERO = ",
     .columnaAnulado = "PEDI_ANULADO",
     .vistaId = "select * from cambie_id_pedido",
     .detalles = kPedidosDetalle},
    {.tidoCod = 35,
     .seleccionEncabezado = "select * from cotizaciones where coti_id = ",
     .busqueda = "SELECT * FROM COTIZACIONES WHERE PREF_PRE = ",
     .clausulaNumero = " AND COTI_NUMERO = ",
     .columnaAnulado = "COTI_ANULADO",
     .vistaId = "select * from cambie_id_cotizaci",
     .detalles = kCotizacionesDetalle},
};

}  // namespace

std::span<const DescriptorDocumento> DescriptoresDocumentosEstandar() { return kDescriptores; }

void RegistrarDocumentosEstandar(Despacho& despacho) {
  for (const auto& d : kDescriptores)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarDocumento(c, d); });
}

}  // namespace norvane
