#include "demo/Familias.h"

namespace norvane::demo {

namespace {

using N = Numeracion;
using C = Contraparte;
using R = Renglones;

std::vector<FamiliaDocumento> Construir() {
  return {
      // ------------------------------------------------------ accounting
      {1, "COMPROBANTE_ENCABEZADO", "PRCO_PREF", "ENCO_NUMERO", "", 6, N::Comprobante, C::Cualquiera, false,
       "CONTADOR", "",
       {"Causación de servicios públicos del mes", "Provisión de nómina quincenal",
        "Reclasificación de gastos administrativos", "Causación de arrendamiento de bodega"},
       200000, 12000000, 0, 0,
       {{"COMPROBANTE_DETALLE", R::Contables, 2, 5, {}},
        {"COMPROBANTE_DETALLE_NIIF", R::Contables, 2, 4, {}}}},

      // ------------------------------------------------------- inventory
      {11, "ENTRADAS", "PREF_PRE", "ENTR_NUMERO", "EN", 6, N::Prefijo, C::Proveedor, false, "BODEGA", "COMPRA",
       {"Entrada de mercancía por compra", "Entrada por remisión de proveedor"}, 0, 0, 0, 0,
       {{"ENTRADAS_DETALLE", R::Articulos, 1, 5, {}}}},
      {12, "SALIDAS", "PREF_PRE", "SALI_NUMERO", "SA", 6, N::Prefijo, C::Ninguna, false, "BODEGA", "CONSUMO",
       {"Salida por consumo interno", "Salida de muestras comerciales", "Salida por mercancía averiada"}, 0, 0, 0, 0,
       {{"SALIDAS_DETALLE", R::Articulos, 1, 4, {}}}},
      {13, "TRASFERENCIAS", "PREF_PRE", "TRAN_NUMERO", "TR", 6, N::Prefijo, C::Ninguna, false, "BODEGA", "",
       {"Traslado de mercancía al punto de venta", "Reposición del almacén centro"}, 0, 0, 0, 0,
       {{"TRASFERENCIAS_DETALLE", R::Articulos, 1, 5, {}}}},
      {14, "AJUSTES", "PREF_PRE", "AJUS_NUMERO", "AJ", 6, N::Prefijo, C::Ninguna, false, "BODEGA", "CONTEO",
       {"Ajuste por conteo físico", "Ajuste por inventario cíclico"}, 0, 0, 0, 0,
       {{"AJUSTES_DETALLE", R::Articulos, 1, 4, {}}}},
      {15, "ENSAMBLES", "PREF_PRE", "ENSA_NUMERO", "EM", 6, N::Prefijo, C::Ninguna, false, "BODEGA", "",
       {"Armado de kits para la temporada", "Ensamble de kits por pedido"}, 0, 0, 0, 0,
       {{"ENSAMBLES_DETALLE", R::Componentes, 0, 0, {}}}},
      {16, "DESENSAMBLES", "PREF_PRE", "DESE_NUMERO", "DS", 6, N::Prefijo, C::Ninguna, false, "BODEGA", "",
       {"Desarme de kits sin rotación", "Desensamble por devolución parcial"}, 0, 0, 0, 0,
       {{"DESENSAMBLES_DETALLE", R::Componentes, 0, 0, {}}}},
      {17, "RESERVAS", "PREF_PRE", "RESE_NUMERO", "RS", 6, N::Prefijo, C::Cliente, true, "VENTAS", "",
       {"Reserva de mercancía para obra", "Separado de mercancía del cliente"}, 0, 0, 0, 0,
       {{"RESERVAS_DETALLE", R::Articulos, 1, 4, {}}}},
      {18, "ORDENES_INVENTARIO", "PREF_PRE", "ORIN_NUMERO", "OI", 6, N::Prefijo, C::Ninguna, false, "BODEGA", "",
       {"Orden de despacho entre bodegas", "Orden de alistamiento"}, 0, 0, 0, 0,
       {{"ORDENINVENTARIO_DETALLE", R::Articulos, 1, 5, {}}}},

      // ------------------------------------------------------ purchasing
      {21, "FACTURAS_COMPRA", "PREF_PRE", "FACO_NUMERO", "FC", 6, N::Prefijo, C::Proveedor, false, "COMPRAS", "",
       {"Compra de mercancía para reposición", "Compra de mercancía de temporada"}, 0, 0, 0, 0,
       {{"FACTURAS_COMPRAS_DETALLE", R::Articulos, 1, 5, {}}}},
      {22, "REMISION_PROVEEDOR", "PREF_PRE", "REPR_NUMERO", "RP", 6, N::Prefijo, C::Proveedor, false, "COMPRAS", "",
       {"Remisión de mercancía del proveedor"}, 0, 0, 0, 0,
       {{"REMISION_PROVEEDOR_DET", R::Articulos, 1, 4, {}}}},
      {23, "ORDENES_COMPRA", "PREF_PRE", "ORDC_NUMERO", "OC", 6, N::Prefijo, C::Proveedor, false, "COMPRAS", "",
       {"Orden de compra para reposición de inventario", "Orden de compra por pedido especial"}, 0, 0, 0, 0,
       {{"ORDENES_COMPRA_DETALLE", R::Articulos, 1, 5, {}}}},
      {24, "DEVOLUCIONES_COMPRAS", "PREF_PRE", "DVCO_NUMERO", "DP", 6, N::Prefijo, C::Proveedor, false, "COMPRAS",
       "DEVCOMPRA", {"Devolución de mercancía al proveedor"}, 0, 0, 21, 10,
       {{"DEVOLUCIONES_COMPRAS_DET", R::Articulos, 1, 3, {}}}},
      {25, "COTIZACION_PROVEEDOR", "PREF_PRE", "COPR_NUMERO", "CP", 6, N::Prefijo, C::Proveedor, false, "COMPRAS", "",
       {"Cotización de proveedor para compra de temporada"}, 0, 0, 0, 0,
       {{"COTIZACIONES_PROVEEDOR_DET", R::Articulos, 1, 4, {}}}},

      // ----------------------------------------------------------- sales
      {31, "FACTURAS", "PREF_PRE", "FACT_NUMERO", "FV", 8, N::Prefijo, C::Cliente, true, "VENTAS", "",
       {"Venta de mercancía", "Venta de mercancía en punto de venta", "Venta a crédito"}, 0, 0, 0, 0,
       {{"FACTURAS_DETALLE", R::Articulos, 1, 5, {}}}},
      {32, "REMISIONES_VENTA", "PREF_PRE", "REVT_NUMERO", "RV", 6, N::Prefijo, C::Cliente, true, "VENTAS", "",
       {"Remisión de mercancía al cliente"}, 0, 0, 0, 0,
       {{"REMISIONES_VENTA_DETALLE", R::Articulos, 1, 4, {}}}},
      {33, "DEVOLUCIONES_VENTAS", "PREF_PRE", "DEVT_NUMERO", "DV", 6, N::Prefijo, C::Cliente, true, "VENTAS",
       "DEVVENTA", {"Devolución de mercancía del cliente"}, 0, 0, 31, 10,
       {{"DEVOLUCIONES_VENTAS_DETALLE", R::Articulos, 1, 3, {}}}},
      {34, "PEDIDOS", "PREF_PRE", "PEDI_NUMERO", "PD", 6, N::Prefijo, C::Cliente, true, "VENTAS", "",
       {"Pedido del cliente", "Pedido tomado por el vendedor en ruta"}, 0, 0, 0, 0,
       {{"PEDIDOS_DETALLE", R::Articulos, 1, 5, {}}}},
      {35, "COTIZACIONES", "PREF_PRE", "COTI_NUMERO", "CT", 6, N::Prefijo, C::Cliente, true, "VENTAS", "",
       {"Cotización de materiales para obra", "Cotización solicitada por correo"}, 0, 0, 0, 0,
       {{"COTIZACIONES_DETALLE", R::Articulos, 1, 5, {}}}},

      // ----------------------------------------------- account notes
      {41, "NOTAS_DEBITO_CLIENTES", "PREF_PRE", "NDCL_NUMERO", "NDC", 6, N::Prefijo, C::Cliente, false, "CARTERA",
       "INTERES", {"Intereses de mora sobre la factura", "Cobro de fletes no facturados"}, 20000, 600000, 31, 10, {}},
      {42, "NOTAS_CREDITO_CLIENTES", "PREF_PRE", "NCCL_NUMERO", "NCC", 6, N::Prefijo, C::Cliente, false, "CARTERA",
       "DESCUENTO", {"Descuento por pronto pago", "Ajuste de precio acordado con el cliente"}, 20000, 500000, 31, 10,
       {}},
      {51, "NOTAS_DEBITO_PROVEEDOR", "PREF_PRE", "NDPR_NUMERO", "NDP", 6, N::Prefijo, C::Proveedor, false,
       "COMPRAS", "FALTANTE", {"Faltante en la entrega del proveedor", "Cobro de mercancía averiada"}, 20000,
       800000, 21, 10, {}},
      {52, "NOTAS_CREDITO_PROVEEDOR", "PREF_PRE", "NCPR_NUMERO", "NCP", 6, N::Prefijo, C::Proveedor, false,
       "COMPRAS", "FLETE", {"Fletes cobrados por el proveedor", "Ajuste de precio de compra"}, 20000, 700000, 21, 10,
       {}},

      // ----------------------------------------------------- treasury
      {61, "RECIBOS_CAJA", "PREF_PRE", "RECA_NUMERO", "RC", 6, N::Prefijo, C::Cliente, false, "TESORERIA",
       "CARTERA", {"Recaudo de cartera", "Abono a facturas del cliente"}, 100000, 3000000, 0, 15,
       {{"RECIBOS_CAJA_DETALLE", R::DocumentosCliente, 1, 3, {31, 41}},
        {"RECIBOS_CAJA_CRUCEC", R::DocumentosProveedor, 0, 1, {21, 51}},
        {"RECIBOS_CAJA_PAGO", R::Medios, 1, 2, {}}}},
      {62, "EGRESOS", "PREF_PRE", "EGRE_NUMERO", "CE", 6, N::Prefijo, C::Proveedor, false, "TESORERIA", "PAGO",
       {"Pago a proveedor", "Pago de facturas vencidas"}, 100000, 5000000, 0, 15,
       {{"EGRESOS_DETALLE", R::DocumentosProveedor, 1, 3, {21, 51}},
        {"EGRESOS_CRUCEC", R::DocumentosCliente, 0, 1, {31, 41}},
        {"EGRESOS_CAJA", R::Medios, 0, 1, {}},
        {"EGRESOS_BANCO", R::Medios, 1, 1, {}},
        {"EGRESOS_CONTABILIDAD", R::Contables, 2, 2, {}}}},
      {45, "ANTICIPOS_CLIENTE", "PREF_PRE", "ANCL_NUMERO", "ANC", 6, N::Prefijo, C::Cliente, false, "CARTERA",
       "ANTICIPO", {"Anticipo para pedido", "Anticipo para obra"}, 100000, 2000000, 61, 25, {}},
      {55, "ANTICIPOS_PROVEEDOR", "PREF_PRE", "ANPR_NUMERO", "ANP", 6, N::Prefijo, C::Proveedor, false, "COMPRAS",
       "ANTICIPO", {"Anticipo para compra de importación", "Anticipo por pedido especial"}, 200000, 4000000, 62,
       25, {}},
      {43, "APLICACION_CLIENTE", "PREF_PRE", "APCL_NUMERO", "AC", 6, N::Prefijo, C::Cliente, false, "CARTERA", "",
       {"Cruce de anticipos y notas con facturas", "Aplicación de saldos a favor del cliente"}, 0, 0, 0, 35,
       {{"APLICACION_CLIENTE_DETALLE", R::DocumentosCliente, 2, 4, {31, 33, 41, 42, 45}}}},
      {53, "APLICACION_PROVEDOR", "PREF_PRE", "APPR_NUMERO", "AP", 6, N::Prefijo, C::Proveedor, false, "COMPRAS",
       "", {"Cruce de anticipos y notas con facturas de compra"}, 0, 0, 0, 35,
       {{"APLICACION_PROVEEDOR_DETALLE", R::DocumentosProveedor, 2, 4, {21, 24, 51, 52, 55}}}},
      {63, "CAMBIO_DOCUMENTOS", "PREF_PRE", "CADO_NUMERO", "CD", 6, N::Prefijo, C::Cliente, false, "TESORERIA", "",
       {"Cambio de cheque posfechado por efectivo", "Canje de documentos del cliente"}, 200000, 3000000, 0, 0,
       {{"CAMBIODOC_ENTRADAS", R::Medios, 1, 2, {}}, {"CAMBIODOC_SALIDAS", R::Medios, 1, 2, {}}}},
      {64, "CONSIGNA_TARJETAS", "PREF_PRE", "COTJ_NUMERO", "TJ", 6, N::Prefijo, C::Ninguna, false, "TESORERIA", "",
       {"Consignación de vouchers de tarjeta", "Liquidación de datáfono"}, 300000, 6000000, 0, 0,
       {{"CONSIGNA_TARJETAS_DET", R::Medios, 1, 4, {}}}},
      {65, "RECIBO_PROVISIONAL", "PREF_PRE", "RCPR_NUMERO", "PR", 6, N::Prefijo, C::Cliente, false, "CARTERA",
       "COBRO", {"Recaudo del cobrador en ruta"}, 50000, 1500000, 0, 15,
       {{"RECIBO_PROVISIONAL_DETALLE", R::DocumentosCliente, 1, 2, {31}},
        {"RECIBO_PROVISIONAL_PAGO", R::Medios, 1, 1, {}}}},
      {66, "TRASLADOS_CAJA", "PREF_PRE", "TRCJ_NUMERO", "TC", 6, N::Prefijo, C::Ninguna, false, "TESORERIA", "",
       {"Traslado de efectivo a caja general", "Reembolso de caja menor"}, 100000, 2500000, 0, 0,
       {{"TRASLADOS_CAJA_DET", R::Medios, 1, 2, {}}}},

      // ------------------------------------------------------------ banks
      {71, "CONSIGNA", "PRBA_PREF", "CONS_NUMERO", "CN", 6, N::Bancaria, C::Ninguna, false, "TESORERIA", "",
       {"Consignación del recaudo diario", "Consignación de cheques de clientes"}, 300000, 9000000, 0, 0,
       {{"CONSIGNA_DETALLE", R::Medios, 1, 3, {}}}},
      {72, "CHEQUES", "PRBA_PREF", "CHEQ_NUMERO", "CH", 6, N::Bancaria, C::Proveedor, false, "TESORERIA", "",
       {"Cheque para pago a proveedor"}, 200000, 8000000, 0, 0, {}},
      {73, "RETIROS", "PRBA_PREF", "RETI_NUMERO", "RT", 6, N::Bancaria, C::Ninguna, false, "TESORERIA", "",
       {"Retiro para caja menor", "Retiro para pago de nómina"}, 200000, 3000000, 0, 0, {}},
      {74, "NOTAS_DEBITO", "PRBA_PREF", "NDBC_NUMERO", "ND", 6, N::Bancaria, C::Ninguna, false, "TESORERIA",
       "GASTOS", {"Cuota de manejo", "Gravamen a los movimientos financieros"}, 5000, 250000, 0, 0, {}},
      {75, "NOTAS_CREDITO", "PRBA_PREF", "NCBC_NUMERO", "NC", 6, N::Bancaria, C::Cualquiera, false, "TESORERIA",
       "ABONO", {"Rendimientos financieros", "Transferencia recibida de cliente"}, 10000, 3000000, 0, 0, {}},
      {76, "TRASLADOS", "PRBA_PREF", "TRAS_NUMERO", "TB", 6, N::Bancaria, C::Ninguna, false, "TESORERIA", "",
       {"Traslado entre cuentas propias"}, 500000, 20000000, 0, 0, {}},
      {77, "DEVOLUCION_CHEQUES", "PRBA_PREF", "DVCH_NUMDOC", "DH", 6, N::Bancaria, C::Cliente, false, "TESORERIA",
       "", {"Cheque devuelto por fondos insuficientes", "Cheque devuelto por firma no registrada"}, 100000,
       4000000, 0, 0, {}},
  };
}

}  // namespace

const std::vector<FamiliaDocumento>& FamiliasDocumento() {
  static const std::vector<FamiliaDocumento> familias = Construir();
  return familias;
}

}  // namespace norvane::demo
