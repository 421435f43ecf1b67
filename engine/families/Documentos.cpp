#include "engine/families/Documentos.h"

#include <array>

#include "engine/Despacho.h"
#include "engine/EnviarDocumento.h"

// Each row names only the options its type uses; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace norvane {

namespace {

// One detail table of each type, in the same order as the descriptors.
constexpr TablaDetalle kDetalles[] = {
    {"delete from entradas_detalle where entr_id = ", "select * from entradas_detalle where entr_id = ",
     "SELECT * FROM ENTRADAS_DETALLE WHERE ENTR_ID = "},
    {"delete from salidas_detalle where sali_id = ", "select * from salidas_detalle where sali_id = ",
     "SELECT * FROM SALIDAS_DETALLE WHERE SALI_ID = "},
    {"delete from trasferencias_detalle where tran_id = ",
     "select * from trasferencias_detalle where tran_id = ",
     "SELECT * FROM TRASFERENCIAS_DETALLE WHERE TRAN_ID = "},
    {"delete from ajustes_detalle where ajus_id = ", "select * from ajustes_detalle where ajus_id = ",
     "SELECT * FROM AJUSTES_DETALLE WHERE AJUS_ID = "},
    {"delete from ensambles_detalle where ensa_id = ",
     "select * from ensambles_detalle where ensa_id = ",
     "SELECT * FROM ENSAMBLES_DETALLE WHERE ENSA_ID = "},
    {"delete from desensambles_detalle where dese_id = ",
     "select * from desensambles_detalle where dese_id = ",
     "SELECT * FROM DESENSAMBLES_DETALLE WHERE DESE_ID = "},
    {"delete from reservas_detalle where rese_id = ", "select * from reservas_detalle where rese_id = ",
     "SELECT * FROM RESERVAS_DETALLE WHERE RESE_ID = "},
    {"delete from ordeninventario_detalle where orin_id = ",
     "select * from ordeninventario_detalle where orin_id = ",
     "SELECT * FROM ORDENINVENTARIO_DETALLE WHERE ORIN_ID = "},
    {"delete from remision_proveedor_det where repr_id = ",
     "select * from remision_proveedor_det where repr_id = ",
     "SELECT * FROM REMISION_PROVEEDOR_DET WHERE REPR_ID = "},
    {"delete from ordenes_compra_detalle where ordc_id = ",
     "select * from ordenes_compra_detalle where ordc_id = ",
     "SELECT * FROM ORDENES_COMPRA_DETALLE WHERE ORDC_ID = "},
    {"delete from cotizaciones_proveedor_det where copr_id = ",
     "select * from cotizaciones_proveedor_det where copr_id = ",
     "SELECT * FROM COTIZACIONES_PROVEEDOR_DET WHERE COPR_ID = "},
    {"delete from remisiones_venta_detalle where revt_id = ",
     "select * from remisiones_venta_detalle where revt_id = ",
     "SELECT * FROM REMISIONES_VENTA_DETALLE WHERE REVT_ID = "},
    {"delete from pedidos_detalle where pedi_id = ", "select * from pedidos_detalle where pedi_id = ",
     "SELECT * FROM PEDIDOS_DETALLE WHERE PEDI_ID = "},
    {"delete from cotizaciones_detalle where coti_id = ",
     "select * from cotizaciones_detalle where coti_id = ",
     "SELECT * FROM COTIZACIONES_DETALLE WHERE COTI_ID = "},
    // Purchase invoice: detail position 18 starts at 0 at the destination.
    {"delete from facturas_compras_detalle where faco_id = ",
     "select * from facturas_compras_detalle where faco_id = ",
     "SELECT * FROM FACTURAS_COMPRAS_DETALLE WHERE FACO_ID = ", "", 18},
    {"delete from devoluciones_compras_det where dvco_id = ",
     "select * from devoluciones_compras_det where dvco_id = ",
     "SELECT * FROM DEVOLUCIONES_COMPRAS_DET WHERE DVCO_ID = "},
    // Sales invoice: items in order, position 18 at 0, all rows or none.
    {"delete from facturas_detalle where fact_id = ", "select * from facturas_detalle where fact_id = ",
     "SELECT * FROM FACTURAS_DETALLE WHERE FACT_ID = ", " order by fade_item", 18, true},
    {"delete from devoluciones_ventas_detalle where devt_id = ",
     "select * from devoluciones_ventas_detalle where devt_id = ",
     "SELECT * FROM DEVOLUCIONES_VENTAS_DETALLE WHERE DEVT_ID = "},
};

std::span<const TablaDetalle> Detalle(std::size_t i) { return {&kDetalles[i], 1}; }

const std::array<DescriptorDocumento, 18> kDescriptores = {{
    {11, "select * from entradas where entr_id = ", "SELECT * FROM ENTRADAS WHERE PREF_PRE = ",
     " AND ENTR_NUMERO = ", "ENTR_ANULADO", "select * from cambie_id_entrada", Detalle(0),
     "DELETE FROM ENTRADAS WHERE ENTR_ID = "},
    {12, "select * from salidas where sali_id = ", "SELECT * FROM SALIDAS WHERE PREF_PRE = ",
     " AND SALI_NUMERO = ", "SALI_ANULADO", "select * from cambie_id_salida", Detalle(1),
     "DELETE FROM SALIDAS WHERE SALI_ID = "},
    {13, "select * from trasferencias where tran_id = ",
     "SELECT * FROM TRASFERENCIAS WHERE PREF_PRE = ", " AND TRAN_NUMERO = ", "TRAN_ANULADO",
     "select * from cambie_id_transfer", Detalle(2), "DELETE FROM TRASFERENCIAS WHERE TRAN_ID = "},
    {14, "select * from ajustes where ajus_id = ", "SELECT * FROM AJUSTES WHERE PREF_PRE = ",
     " AND AJUS_NUMERO = ", "AJUS_ANULADO", "select * from cambie_id_ajusteinv", Detalle(3),
     "DELETE FROM AJUSTES WHERE AJUS_ID = "},
    {15, "select * from ENSAMBLES where ensa_id = ", "SELECT * FROM ENSAMBLES WHERE PREF_PRE = ",
     " AND ENSA_NUMERO = ", "ENSA_ANULADO", "select * from cambie_id_ensamble", Detalle(4),
     "DELETE FROM ENSAMBLES WHERE ENSA_ID = "},
    {16, "select * from desensambles where dese_id = ",
     "SELECT * FROM DESENSAMBLES WHERE PREF_PRE = ", " AND DESE_NUMERO = ", "DESE_ANULADO",
     "select * from cambie_id_desensamble", Detalle(5), "DELETE FROM DESENSAMBLES WHERE DESE_ID = "},
    {17, "select * from reservas where rese_id = ", "SELECT * FROM RESERVAS WHERE PREF_PRE = ",
     " AND RESE_NUMERO = ", "RESE_ANULADO", "select * from cambie_id_reserva", Detalle(6),
     "DELETE FROM RESERVAS WHERE RESE_ID = "},
    {18, "select * from ORDENES_INVENTARIO where orin_id = ",
     "SELECT * FROM ORDENES_INVENTARIO WHERE PREF_PRE = ", " AND ORIN_NUMERO = ", "ORIN_ANULADO",
     "select * from cambie_id_ordenmcia", Detalle(7),
     "DELETE FROM ORDENES_INVENTARIO WHERE ORIN_ID = "},
    {22, "select * from remision_proveedor where repr_id = ",
     "SELECT * FROM REMISION_PROVEEDOR WHERE PREF_PRE = ", " AND REPR_NUMERO = ", "REPR_ANULADO",
     "select * from cambie_id_remiprov", Detalle(8),
     "DELETE FROM REMISION_PROVEEDOR WHERE REPR_ID = "},
    {23, "select * from ordenes_compra where ordc_id = ",
     "SELECT * FROM ORDENES_COMPRA WHERE PREF_PRE = ", " AND ORDC_NUMERO = ", "ORDC_ANULADO",
     "select * from cambie_id_ordencomp", Detalle(9), "DELETE FROM ORDENES_COMPRA WHERE ORDC_ID = "},
    {25, "select * from cotizacion_proveedor where copr_id = ",
     "SELECT * FROM COTIZACION_PROVEEDOR WHERE PREF_PRE = ", " AND COPR_NUMERO = ", "COPR_ANULADO",
     "select * from cambie_id_coticomp", Detalle(10),
     "DELETE FROM COTIZACION_PROVEEDOR WHERE COPR_ID = "},
    {32, "select * from remisiones_venta where revt_id = ",
     "SELECT * FROM REMISIONES_VENTA WHERE PREF_PRE = ", " AND REVT_NUMERO = ", "REVT_ANULADO",
     "select * from cambie_id_remiclie", Detalle(11),
     "DELETE FROM REMISIONES_VENTA WHERE REVT_ID = "},
    {34, "select * from pedidos where pedi_id = ", "SELECT * FROM PEDIDOS WHERE PREF_PRE = ",
     " AND PEDI_NUMERO = ", "PEDI_ANULADO", "select * from cambie_id_pedido", Detalle(12),
     "DELETE FROM PEDIDOS WHERE PEDI_ID = "},
    {35, "select * from cotizaciones where coti_id = ", "SELECT * FROM COTIZACIONES WHERE PREF_PRE = ",
     " AND COTI_NUMERO = ", "COTI_ANULADO", "select * from cambie_id_cotizaci", Detalle(13),
     "DELETE FROM COTIZACIONES WHERE COTI_ID = "},
    {21, "select * from facturas_compra where faco_id = ",
     "SELECT * FROM FACTURAS_COMPRA WHERE PREF_PRE = ", " AND FACO_NUMERO = ", "FACO_ANULADO",
     "select * from cambie_id_compras", Detalle(14), "DELETE FROM FACTURAS_COMPRA WHERE FACO_ID = "},
    {24, "select * from devoluciones_compras where dvco_id = ",
     "SELECT * FROM DEVOLUCIONES_COMPRAS WHERE PREF_PRE = ", " AND DVCO_NUMERO = ", "DVCO_ANULADO",
     "select * from cambie_id_devolprov", Detalle(15),
     "DELETE FROM DEVOLUCIONES_COMPRAS WHERE DVCO_ID = ", 6,
     ReferenciaFactura{24, 25, "select faco_id from facturas_compra where pref_pre = ",
                       " AND FACO_NUMERO = ", 6}},
    {31, "select * from facturas where fact_id = ", "SELECT * FROM FACTURAS WHERE PREF_PRE = ",
     " AND FACT_NUMERO = ", "FACT_ANULADO", "select * from cambie_id_factura", Detalle(16),
     "DELETE FROM FACTURAS WHERE FACT_ID = ", 8, std::nullopt, std::nullopt,
     "execute procedure ACUMULA_PUNTOS_CLIENTE(31,"},
    {33, "select * from devoluciones_ventas where devt_id = ",
     "SELECT * FROM DEVOLUCIONES_VENTAS WHERE PREF_PRE = ", " AND DEVT_NUMERO = ", "DEVT_ANULADO",
     "select * from cambie_id_devolclie", Detalle(17),
     "DELETE FROM DEVOLUCIONES_VENTAS WHERE DEVT_ID = ", 6,
     ReferenciaFactura{29, 28, "select fact_id from facturas where pref_pre = ",
                       " AND FACT_NUMERO = ", 8},
     ColumnaImplicada{"DEVT_IMPLICA", "S", "N"}, "execute procedure ACUMULA_PUNTOS_CLIENTE(33,"},
}};

}  // namespace

std::span<const DescriptorDocumento> DescriptoresDocumentos() { return kDescriptores; }

void RegistrarDocumentos(Despacho& despacho) {
  for (const auto& d : kDescriptores)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarDocumento(c, d); });
}

}  // namespace norvane
