#include "demo/Relleno.h"

#include <span>
#include <string_view>

#include "demo/Nombres.h"
#include "demo/Textos.h"

namespace norvane::demo {

// What a column holds, as far as the rules care.
enum class Clase { Texto, Bandera, Entero, Numero, Fecha, Hora, Marca, Nota };

namespace {

Clase ClaseDe(const fb::Column& c) {
  if (c.isBlob()) return Clase::Nota;
  if (c.type == fb::SqlType::Text && c.length == 1) return Clase::Bandera;
  if (c.isText()) return Clase::Texto;
  if (c.type == fb::SqlType::Date) return Clase::Fecha;
  if (c.type == fb::SqlType::Time) return Clase::Hora;
  if (c.type == fb::SqlType::Timestamp) return Clase::Marca;
  if (c.isFixedPoint()) return Clase::Numero;
  return Clase::Entero;
}

}  // namespace

using Generador = fb::Value (*)(const Contexto&, Azar&);

// A rule gives the value of the columns whose name is `nombre` (exacto) or
// ends with it, when they are of class `clase`.
struct Regla {
  const char* nombre;
  bool exacto;
  Clase clase;
  Generador generar;
};

namespace {

fb::Value Cuatro(std::int64_t diezmilesimas) { return fb::Decimal{diezmilesimas, -4}; }
fb::Value TextoONulo(const std::string& s) { return s.empty() ? fb::Value() : fb::Value(s); }
fb::Value Fecha(const Contexto& c, int dias) { return FechaDe(c.momento.dia + dias); }

template <class T>
fb::Value CodigoAlAzar(std::span<const T> tabla, Azar& azar) {
  return azar.Elegir(tabla).codigo;
}

std::int64_t Porcion(std::int64_t valor, std::int64_t centesimasPorCiento) {
  return valor * centesimasPorCiento / 10000;
}

std::int64_t Retenciones(const Montos& m) { return m.retefuente + m.reteiva + m.reteica; }
std::int64_t Comision(const Contexto& c) {
  return Porcion(c.renglon ? c.renglon->total : c.montos.total, 200);
}

std::string CuentaDe(const Contexto& c, Azar& azar) {
  if (c.renglon && !c.renglon->cuenta.empty()) return c.renglon->cuenta;
  const auto& cuentas = c.catalogo->cuentasAuxiliares;
  return cuentas[azar.Indice(cuentas.size())];
}

// Columns that every table of the suite names alike.
const Regla kComunes[] = {
    {"TERC_NIT", true, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.tercero ? fb::Value(c.tercero->nit) : fb::Value(); }},
    {"BODE_COD", true, Clase::Texto, [](const Contexto& c, Azar&) { return TextoONulo(c.bodega); }},
    {"BODE_ORIGEN", true, Clase::Texto, [](const Contexto& c, Azar&) { return TextoONulo(c.bodega); }},
    {"BODE_DESTINO", true, Clase::Texto,
     [](const Contexto& c, Azar&) { return TextoONulo(c.bodegaDestino); }},
    {"VEND_COD", true, Clase::Entero,
     [](const Contexto& c, Azar& a) {
       const auto& v = c.catalogo->vendedores;
       return fb::Value(v[a.Indice(v.size())]);
     }},
    {"COBR_COD", true, Clase::Entero,
     [](const Contexto& c, Azar& a) {
       const auto& v = c.catalogo->cobradores;
       return fb::Value(v[a.Indice(v.size())]);
     }},
    {"LIPR_COD", true, Clase::Texto,
     [](const Contexto&, Azar& a) { return CodigoAlAzar(nombres::ListasPrecios(), a); }},
    {"CAJA_COD", true, Clase::Texto,
     [](const Contexto&, Azar& a) { return CodigoAlAzar(nombres::Cajas(), a); }},
    {"CAJA_ORIGEN", true, Clase::Texto,
     [](const Contexto&, Azar&) { return fb::Value(nombres::Cajas()[0].codigo); }},
    {"CAJA_DESTINO", true, Clase::Texto,
     [](const Contexto&, Azar& a) { return CodigoAlAzar(nombres::Cajas().subspan(1), a); }},
    {"CUEN_COD", true, Clase::Texto, [](const Contexto& c, Azar& a) { return fb::Value(CuentaDe(c, a)); }},
    {"CUEN_NIIF", true, Clase::Texto, [](const Contexto& c, Azar& a) { return fb::Value(CuentaDe(c, a)); }},
    {"CECO_COD", true, Clase::Texto,
     [](const Contexto&, Azar& a) { return CodigoAlAzar(nombres::CentrosCosto(), a); }},
    {"FOPA_COD", true, Clase::Texto,
     [](const Contexto&, Azar& a) { return CodigoAlAzar(nombres::FormasPago(), a); }},
    {"BANC_COD", true, Clase::Texto,
     [](const Contexto&, Azar& a) { return CodigoAlAzar(nombres::Bancos(), a); }},
    {"TARJ_COD", true, Clase::Texto,
     [](const Contexto&, Azar& a) { return CodigoAlAzar(nombres::Tarjetas(), a); }},
    {"CUBA_COD", true, Clase::Entero,
     [](const Contexto& c, Azar& a) {
       return fb::Value(c.cuentaBancaria ? c.cuentaBancaria : a.Elegir(nombres::CuentasBancarias()).codigo);
     }},
    {"CUBA_DESTINO", true, Clase::Entero,
     [](const Contexto& c, Azar&) { return fb::Value(c.cuentaBancariaDestino); }},
    {"UNAR_UNIDAD", true, Clase::Texto,
     [](const Contexto& c, Azar&) {
       return fb::Value(c.renglon && !c.renglon->unidad.empty() ? c.renglon->unidad : "UND");
     }},
    {"ARTI_COD", true, Clase::Texto,
     [](const Contexto& c, Azar& a) {
       if (c.renglon && !c.renglon->articulo.empty()) return fb::Value(c.renglon->articulo);
       const auto& v = c.catalogo->articulos;
       return fb::Value(v[a.Indice(v.size())].codigo);
     }},
    {"TIDO_COD", true, Clase::Entero,
     [](const Contexto& c, Azar&) { return c.referencia ? fb::Value(c.referencia->tipo) : fb::Value(); }},
    {"CIUD_COD", true, Clase::Texto,
     [](const Contexto& c, Azar& a) {
       return c.tercero ? fb::Value(c.tercero->ciudad) : CodigoAlAzar(nombres::Ciudades(), a);
     }},
};

// Flags, dates and plain integers, by the end of the column's name.
const Regla kEstados[] = {
    {"_ITEM", false, Clase::Entero,
     [](const Contexto& c, Azar&) { return fb::Value(c.renglon ? c.renglon->item : 1); }},
    {"_USUARIO", false, Clase::Texto, [](const Contexto& c, Azar&) { return fb::Value(c.usuario); }},
    {"_FECHA", false, Clase::Fecha, [](const Contexto& c, Azar&) { return Fecha(c, 0); }},
    {"_FECREG", false, Clase::Marca, [](const Contexto& c, Azar&) { return fb::Value(MarcaDe(c.momento)); }},
    {"_FECVENCE", false, Clase::Fecha,
     [](const Contexto& c, Azar&) { return Fecha(c, c.plazo > 0 ? c.plazo : 30); }},
    {"_FECENTREGA", false, Clase::Fecha, [](const Contexto& c, Azar&) { return Fecha(c, 8); }},
    {"_VIGENCIA", false, Clase::Fecha, [](const Contexto& c, Azar&) { return Fecha(c, 15); }},
    {"_FECHA_COBRO", false, Clase::Fecha, [](const Contexto& c, Azar&) { return Fecha(c, 2); }},
    {"_FECCREA", false, Clase::Fecha, [](const Contexto& c, Azar&) { return Fecha(c, 0); }},
    {"_ANULADO", false, Clase::Bandera,
     [](const Contexto& c, Azar&) { return fb::Value(c.anulado ? "S" : "N"); }},
    {"_CONTABILIZADO", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_CONCILIADO", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("N"); }},
    {"_ACTIVO", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_ACTIVA", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_ESTADO", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("P"); }},
    {"_AFECTA_INV", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_IMPLICA", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_FORMA_PAGO", false, Clase::Bandera,
     [](const Contexto& c, Azar&) { return fb::Value(c.plazo > 0 ? "R" : "C"); }},
    {"_FORMA", false, Clase::Bandera,
     [](const Contexto&, Azar& a) { return fb::Value(a.UnaDe(2) ? "T" : "C"); }},
    {"_TIPO", false, Clase::Bandera,
     [](const Contexto&, Azar& a) { return fb::Value(a.UnaDe(3) ? "S" : "E"); }},
    {"_CUADRADO", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_NATURALEZA", false, Clase::Bandera,
     [](const Contexto& c, Azar&) {
       return fb::Value(c.renglon && c.renglon->credito > 0 ? "C" : "D");
     }},
    {"_PRINCIPAL", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_INCLUYE_IVA", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_TERCERO", false, Clase::Bandera, [](const Contexto&, Azar&) { return fb::Value("S"); }},
    {"_PLAZO", false, Clase::Entero, [](const Contexto& c, Azar&) { return fb::Value(c.plazo); }},
    {"_DIAS_ENTREGA", false, Clase::Entero, [](const Contexto&, Azar&) { return fb::Value(8); }},
    {"_IDDOC", false, Clase::Entero,
     [](const Contexto& c, Azar&) { return c.referencia ? fb::Value(c.referencia->id) : fb::Value(); }},
    {"_IDFACTURA", false, Clase::Entero,
     [](const Contexto& c, Azar&) { return fb::Value(c.referencia ? c.referencia->id : 0); }},
    {"_IDRECIBO", false, Clase::Entero,
     [](const Contexto& c, Azar&) { return fb::Value(c.referencia ? c.referencia->id : 0); }},
    {"_IDEGRESO", false, Clase::Entero,
     [](const Contexto& c, Azar&) { return fb::Value(c.referencia ? c.referencia->id : 0); }},
};

// Amounts of headers (from the context's totals) and of lines (from the line).
const Regla kMontos[] = {
    {"_SUBTOTAL", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? c.renglon->total : c.montos.subtotal); }},
    {"_DESCUENTO", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? c.renglon->descuento : c.montos.descuento); }},
    {"_IVA", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? c.renglon->iva : c.montos.iva); }},
    {"_RETEFUENTE", false, Clase::Numero,
     [](const Contexto& c, Azar&) {
       return Pesos(c.renglon ? Porcion(c.renglon->total, 250) : c.montos.retefuente);
     }},
    {"_RETEIVA", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? 0 : c.montos.reteiva); }},
    {"_RETEICA", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? 0 : c.montos.reteica); }},
    {"_VALOR", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? c.renglon->total : c.montos.total); }},
    {"_TOTAL", false, Clase::Numero, [](const Contexto& c, Azar&) { return Pesos(c.montos.total); }},
    {"_VALOR_TOTAL", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? c.renglon->total : c.montos.total); }},
    {"_COSTO_TOTAL", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? c.renglon->total : c.montos.costo); }},
    {"_VALOR_UNIT", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Cuatro(c.renglon ? c.renglon->unitario : 0); }},
    {"_COSTO_UNIT", false, Clase::Numero,
     [](const Contexto& c, Azar&) {
       return Cuatro(c.renglon ? Porcion(c.renglon->unitario, 7000) : 0);
     }},
    {"_CANTIDAD", false, Clase::Numero,
     [](const Contexto& c, Azar& a) { return Cuatro(c.renglon ? c.renglon->cantidad : a.Entre(1, 5) * 10000); }},
    {"_PORC_DESC", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return fb::Value(fb::Decimal{c.renglon ? c.renglon->porcDesc : 0, -2}); }},
    {"_PORC_IVA", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return fb::Value(fb::Decimal{c.renglon ? c.renglon->porcIva : 1900, -2}); }},
    {"_PORC_RETE", false, Clase::Numero, [](const Contexto&, Azar&) { return fb::Value(fb::Decimal{250, -2}); }},
    {"_PORC_COMISION", false, Clase::Numero,
     [](const Contexto&, Azar&) { return fb::Value(fb::Decimal{300, -2}); }},
    {"_PORCENTAJE", false, Clase::Numero, [](const Contexto&, Azar&) { return Cuatro(1000000); }},
    {"_CANT_DEVUELTA", false, Clase::Numero,
     [](const Contexto&, Azar& a) { return Cuatro(a.UnaDe(4) ? 10000 : 0); }},
    {"_CANT_RECIBIDA", false, Clase::Numero, [](const Contexto&, Azar&) { return Cuatro(0); }},
    {"_CANT_FACTURADA", false, Clase::Numero, [](const Contexto&, Azar&) { return Cuatro(0); }},
    {"_CANT_DESPACHADA", false, Clase::Numero, [](const Contexto&, Azar&) { return Cuatro(0); }},
    {"_CANT_ENTREGADA", false, Clase::Numero, [](const Contexto&, Azar&) { return Cuatro(0); }},
    {"_EXISTENCIA", false, Clase::Numero,
     [](const Contexto& c, Azar& a) { return Cuatro((c.renglon ? c.renglon->cantidad : 0) + a.Entre(-3, 3) * 10000); }},
    {"_CONTEO", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Cuatro(c.renglon ? c.renglon->cantidad : 0); }},
    {"_SALDO", false, Clase::Numero, [](const Contexto& c, Azar&) { return Pesos(c.montos.total); }},
    {"_ABONOS", false, Clase::Numero, [](const Contexto&, Azar&) { return Pesos(0); }},
    {"_COSTO", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? Porcion(c.renglon->total, 7000) : c.montos.costo); }},
    {"_RETENCIONES", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? 0 : Retenciones(c.montos)); }},
    {"_NETO", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.montos.total - Comision(c) - Retenciones(c.montos)); }},
    {"_COMISION", false, Clase::Numero, [](const Contexto& c, Azar&) { return Pesos(Comision(c)); }},
    {"_FLETES", false, Clase::Numero, [](const Contexto&, Azar&) { return Pesos(0); }},
    {"_EFECTIVO", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(Porcion(c.montos.total, 6000)); }},
    {"_CHEQUES", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.montos.total - Porcion(c.montos.total, 6000)); }},
    {"_VALOR_ENTRA", false, Clase::Numero, [](const Contexto& c, Azar&) { return Pesos(c.montos.total); }},
    {"_VALOR_SALE", false, Clase::Numero, [](const Contexto& c, Azar&) { return Pesos(c.montos.total); }},
    {"_VALOR_CONCILIADO", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.montos.total); }},
    {"_TOTAL_DEBITO", false, Clase::Numero, [](const Contexto& c, Azar&) { return Pesos(c.montos.total); }},
    {"_TOTAL_CREDITO", false, Clase::Numero, [](const Contexto& c, Azar&) { return Pesos(c.montos.total); }},
    {"_DEBITO", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? c.renglon->debito : 0); }},
    {"_CREDITO", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? c.renglon->credito : 0); }},
    {"_BASE", false, Clase::Numero,
     [](const Contexto& c, Azar&) { return Pesos(c.renglon ? 0 : c.montos.subtotal); }},
    {"_INTERES", false, Clase::Numero, [](const Contexto&, Azar&) { return Pesos(0); }},
};

// Texts, by the end of the column's name.
const Regla kTextos[] = {
    {"_DESCRIPCION", false, Clase::Texto,
     [](const Contexto& c, Azar&) {
       return fb::Value(c.renglon && !c.renglon->nombre.empty() ? c.renglon->nombre : c.descripcion);
     }},
    {"_DETALLE", false, Clase::Texto,
     [](const Contexto& c, Azar&) {
       return fb::Value(c.renglon && !c.renglon->nombre.empty() ? c.renglon->nombre : c.descripcion);
     }},
    {"_CONCEPTO", false, Clase::Texto, [](const Contexto& c, Azar&) { return TextoONulo(c.concepto); }},
    {"_OBSERVACION", false, Clase::Texto,
     [](const Contexto&, Azar& a) {
       return a.UnaDe(2) ? fb::Value(a.Elegir(nombres::Observaciones())) : fb::Value();
     }},
    {"_OBSERVACIONES", false, Clase::Nota,
     [](const Contexto&, Azar& a) { return fb::Value(a.Elegir(nombres::Observaciones())); }},
    {"_DOCSOPORTE", false, Clase::Texto, [](const Contexto&, Azar& a) { return fb::Value("FE" + Digitos(a, 6)); }},
    {"_DOCPROVEEDOR", false, Clase::Texto,
     [](const Contexto&, Azar& a) { return fb::Value("FE" + Digitos(a, 6)); }},
    {"_LOTE", false, Clase::Texto,
     [](const Contexto& c, Azar& a) {
       const fb::Date d = FechaDe(c.momento.dia);
       return fb::Value("L" + std::to_string(d.year % 100) + (d.month < 10 ? "0" : "") +
                        std::to_string(d.month) + "-" + Digitos(a, 2));
     }},
    {"_NUMDOC", false, Clase::Texto,
     [](const Contexto& c, Azar& a) {
       // the number of the document a header names, or of a cheque or voucher in a line
       if (c.referencia) return fb::Value(c.referencia->numero);
       return c.renglon ? fb::Value(Digitos(a, 7)) : fb::Value();
     }},
    {"_NUMCHEQUE", false, Clase::Texto, [](const Contexto&, Azar& a) { return fb::Value(Digitos(a, 7)); }},
    {"_VOUCHER", false, Clase::Texto, [](const Contexto&, Azar& a) { return fb::Value(Digitos(a, 6)); }},
    {"_AUTORIZACION", false, Clase::Texto, [](const Contexto&, Azar& a) { return fb::Value(Digitos(a, 6)); }},
    {"_GIRADOR", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.tercero ? fb::Value(c.tercero->nombre) : fb::Value(); }},
    {"_BENEFICIARIO", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.tercero ? fb::Value(c.tercero->nombre) : fb::Value(); }},
    {"_MOTIVO", false, Clase::Texto, [](const Contexto&, Azar& a) { return fb::Value(a.Elegir(nombres::Motivos())); }},
    {"_CONDICIONES", false, Clase::Texto,
     [](const Contexto&, Azar& a) { return fb::Value(a.Elegir(nombres::Condiciones())); }},
    {"_DIRENTREGA", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.tercero ? fb::Value(c.tercero->direccion) : fb::Value(); }},
    {"_DIRECCION", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.tercero ? fb::Value(c.tercero->direccion) : fb::Value(); }},
    {"_NOTACREDITO", false, Clase::Texto, [](const Contexto&, Azar&) { return fb::Value(); }},
    {"_DOCREF", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.referencia ? fb::Value(c.referencia->Codigo()) : fb::Value(); }},
    {"_PREFDOC", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.referencia ? fb::Value(c.referencia->prefijo) : fb::Value(); }},
    {"_PREF", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.referencia ? fb::Value(c.referencia->prefijo) : fb::Value(); }},
    {"_NUMERO", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.referencia ? fb::Value(c.referencia->numero) : fb::Value(); }},
    {"_FACTURA", false, Clase::Texto,
     [](const Contexto& c, Azar&) { return c.referencia ? fb::Value(c.referencia->Codigo()) : fb::Value(); }},
    {"_ZONA", false, Clase::Texto, [](const Contexto&, Azar& a) { return CodigoAlAzar(nombres::Zonas(), a); }},
    {"_NOMBRE", false, Clase::Texto, [](const Contexto& c, Azar&) { return fb::Value(c.descripcion); }},
};

bool Termina(std::string_view nombre, std::string_view sufijo) {
  return nombre.size() >= sufijo.size() && nombre.substr(nombre.size() - sufijo.size()) == sufijo;
}

// The exact rule for the column, else the one with the longest matching end.
const Regla* ReglaPara(const fb::Column& columna) {
  const Clase clase = ClaseDe(columna);
  const Regla* mejor = nullptr;
  for (std::span<const Regla> grupo : {std::span<const Regla>(kComunes), std::span<const Regla>(kEstados),
                                       std::span<const Regla>(kMontos), std::span<const Regla>(kTextos)}) {
    for (const Regla& r : grupo) {
      if (r.clase != clase) continue;
      if (r.exacto) {
        if (columna.field == r.nombre) return &r;
      } else if (Termina(columna.field, r.nombre) &&
                 (!mejor || std::string_view(r.nombre).size() > std::string_view(mejor->nombre).size())) {
        mejor = &r;
      }
    }
  }
  return mejor;
}

// A column that no rule knows gets a plain value of its class.
fb::Value PorClase(Clase clase, const Contexto& c) {
  switch (clase) {
    case Clase::Texto: return fb::Value(c.descripcion);
    case Clase::Bandera: return fb::Value("N");
    case Clase::Entero: return fb::Value(0);
    case Clase::Numero: return Pesos(0);
    case Clase::Fecha: return fb::Value(FechaDe(c.momento.dia));
    case Clase::Hora: return fb::Value(HoraDe(c.momento.segundo));
    case Clase::Marca: return fb::Value(MarcaDe(c.momento));
    case Clase::Nota: return fb::Value();
  }
  return {};
}

}  // namespace

std::string Recortar(std::string texto, std::size_t bytes) {
  if (texto.size() <= bytes) return texto;
  std::size_t corte = bytes;
  while (corte > 0 && (static_cast<unsigned char>(texto[corte]) & 0xC0) == 0x80) --corte;
  texto.resize(corte);
  return texto;
}

fb::Value Pesos(std::int64_t centavos) { return fb::Decimal{centavos, -2}; }

const std::vector<const Regla*>& Rellenador::ReglasDe(const Tabla& tabla) {
  auto it = reglas_.find(tabla.nombre());
  if (it == reglas_.end()) {
    std::vector<const Regla*> reglas;
    for (const auto& columna : tabla.columnas()) reglas.push_back(ReglaPara(columna));
    it = reglas_.emplace(tabla.nombre(), std::move(reglas)).first;
  }
  return it->second;
}

void Rellenador::Rellenar(Fila& fila, const Contexto& contexto, Azar& azar) {
  const fb::Columns& columnas = fila.tabla().columnas();
  const auto& reglas = ReglasDe(fila.tabla());
  for (std::size_t p = 0; p < columnas.size(); ++p) {
    if (fila.Puesto(p)) continue;
    const fb::Column& columna = columnas[p];
    const Regla* regla = reglas[p];
    fb::Value valor = regla ? regla->generar(contexto, azar) : PorClase(ClaseDe(columna), contexto);
    if (valor.kind() == fb::Value::Kind::Text && columna.isText())
      valor = Recortar(valor.asText(), columna.length);
    if (valor.isNull() && !columna.nullable) valor = PorClase(ClaseDe(columna), contexto);
    fila.PonerEn(p, std::move(valor));
  }
}

}  // namespace norvane::demo
