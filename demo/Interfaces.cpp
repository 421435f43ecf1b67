#include "demo/AltaMaestros.h"

#include <string>
#include <string_view>

#include "demo/Nombres.h"

namespace norvane::demo {

namespace {

namespace n = nombres;

// ------------------------------------------------------------ interfaces

struct ConceptoInterfaz {
  const char* concepto;
  const char* descripcion;
  const char* cuenta;
  bool credito;
};

struct DefinicionInterfaz {
  int tido;
  const char* nombre;
  const char* tico;
};

struct ModuloInterfaz {
  int tipo;
  const char* tabla;
  const char* tablaCuentas;
  DefinicionInterfaz definiciones[2];
  ConceptoInterfaz conceptos[4];
};

const ModuloInterfaz kInterfaces[] = {
    {111, "INTERFAZ_BANCOS", "INTERFAZ_BANCOS_CTAS",
     {{71, "Consignaciones bancarias", "CB1"}, {72, "Cheques girados", "CB1"}},
     {{"BANCO", "Cuenta bancaria", "111005", false}, {"CAJA", "Caja general", "110505", true},
      {"GASTOS", "Gastos bancarios", "530505", false}, {"COMISION", "Comisiones bancarias", "530515", false}}},
    {112, "INTERFAZ_CAJA", "INTERFAZ_CAJA_CTAS",
     {{61, "Recibos de caja", "NC1"}, {66, "Traslados de caja", "NC1"}},
     {{"CAJA", "Caja general", "110505", false}, {"CARTERA", "Clientes nacionales", "130505", true},
      {"RETEFUENTE", "Retención que nos practicaron", "135515", false}, {"INTERES", "Intereses de mora", "421005", true}}},
    {113, "INTERFAZ_CARTERA", "INTERFAZ_CARTERA_CTAS",
     {{41, "Notas débito a clientes", "NC1"}, {42, "Notas crédito a clientes", "NC1"}},
     {{"CARTERA", "Clientes nacionales", "130505", false}, {"INGRESO", "Intereses de mora", "421005", true},
      {"IVA", "IVA generado", "240805", true}, {"DEVOLUCION", "Devoluciones en ventas", "417595", false}}},
    {114, "INTERFAZ_COMPRAS", "INTERFAZ_COMPRAS_CTAS",
     {{21, "Facturas de compra", "CC1"}, {24, "Devoluciones en compras", "CC1"}},
     {{"INVENTARIO", "Mercancías en existencia", "143505", false}, {"IVA", "IVA descontable", "240810", false},
      {"RETEFUENTE", "Retención por compras", "236540", true}, {"PROVEEDOR", "Proveedores nacionales", "220505", true}}},
    {115, "INTERFAZ_CXPAGAR", "INTERFAZ_CXPAGAR_CTAS",
     {{62, "Comprobantes de egreso", "CC1"}, {55, "Anticipos a proveedores", "CC1"}},
     {{"PROVEEDOR", "Proveedores nacionales", "220505", false}, {"BANCO", "Bancos moneda nacional", "111005", true},
      {"ANTICIPO", "Anticipos a proveedores", "133005", false}, {"RETEICA", "ICA retenido", "236801", true}}},
    {116, "INTERFAZ_INVENTARIO", "INTERFAZ_INVENTARIO_CTAS",
     {{11, "Entradas de almacén", "AJ1"}, {14, "Ajustes de inventario", "AJ1"}},
     {{"INVENTARIO", "Mercancías en existencia", "143505", false}, {"COSTO", "Costo de ventas", "613595", true},
      {"FLETES", "Transporte, fletes y acarreos", "513550", false}, {"AJUSTE", "Costo por ajuste de inventario", "613595", false}}},
    {117, "INTERFAZ_VENTAS", "INTERFAZ_VENTAS_CTAS",
     {{31, "Facturas de venta", "NC1"}, {33, "Devoluciones en ventas", "NC1"}},
     {{"CARTERA", "Clientes nacionales", "130505", false}, {"INGRESO", "Venta de productos", "413595", true},
      {"IVA", "IVA generado", "240805", true}, {"COSTO", "Costo de ventas", "613595", false}}},
};

const char* PrefijoDe(std::string_view tico) {
  for (const auto& t : n::TiposComprobante())
    if (tico == t.codigo) return t.prefijo;
  return "";
}

void Interfaz(Muestra& m, Reloj& reloj, const ModuloInterfaz& modulo, int id, Azar& azar) {
  const DefinicionInterfaz& d = modulo.definiciones[id - 1];
  const Momento creada = reloj.Siguiente(azar);
  Fila f(m.origen[modulo.tabla]);
  f.PonerEn(0, id);
  f.Poner("TIDO_COD", d.tido).Poner("TICO_COD", d.tico).Poner("PRCO_PREF", PrefijoDe(d.tico));
  m.rellenador.Rellenar(f, ContextoMaestro(m, creada, d.nombre), azar);
  m.origen.Insertar(f);
  // The destination has the first definition of each module, with fewer
  // accounts than the origin has now.
  const bool enDestino = id == 1;
  if (enDestino) m.destino.Insertar(f);
  int item = 0;
  for (const auto& concepto : modulo.conceptos) {
    Renglon r;
    r.item = ++item;
    r.cuenta = concepto.cuenta;
    (concepto.credito ? r.credito : r.debito) = 1;
    Contexto c = ContextoMaestro(m, creada, concepto.descripcion);
    c.concepto = concepto.concepto;
    c.renglon = &r;
    Fila cuenta(m.origen[modulo.tablaCuentas]);
    cuenta.PonerEn(0, id);
    m.rellenador.Rellenar(cuenta, c, azar);
    m.origen.Insertar(cuenta);
    if (enDestino && item <= 2) m.destino.Insertar(cuenta);
  }
  const Asunto cambio{modulo.tipo, id, std::to_string(id), "CONTADOR"};
  Auditar(m, creada, cambio, "N", "Creación de la interfaz contable");
  if (enDestino) Auditar(m, reloj.Cambio(azar), cambio, "M", "Nuevas cuentas en la interfaz");
}

}  // namespace

void LlenarInterfaces(Muestra& m, Reloj& reloj, Azar& azar) {
  for (const auto& modulo : kInterfaces)
    for (int id = 1; id <= 2; ++id) Interfaz(m, reloj, modulo, id, azar);
}

}  // namespace norvane::demo
