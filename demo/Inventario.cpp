#include "demo/AltaMaestros.h"

#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "demo/Nombres.h"
#include "demo/Textos.h"

namespace norvane::demo {

namespace {

namespace n = nombres;

// An EAN-13 bar code: the first twelve digits and their check digit.
std::string Ean13(const std::string& doce) {
  int suma = 0;
  for (std::size_t i = 0; i < 12; ++i) suma += (doce[i] - '0') * (i % 2 == 0 ? 1 : 3);
  return doce + static_cast<char>('0' + (10 - suma % 10) % 10);
}

// ------------------------------------------------------ inventory grouping

// One row of the grouping tables: its table, TIDO_COD, key parts and name.
struct Agrupacion {
  const char* tabla;
  int tipo;
  std::vector<std::pair<const char*, std::string>> clave;
  const char* columnaNombre;
  std::string nombre;
};

std::string CodigoAuditado(const Agrupacion& a) {
  std::string s;
  for (const auto& [columna, valor] : a.clave) s += (s.empty() ? "" : "|") + valor;
  return s;
}

Fila FilaAgrupacion(Muestra& m, const Agrupacion& a, Momento momento, Azar& azar) {
  Fila f(m.origen[a.tabla]);
  for (const auto& [columna, valor] : a.clave) f.Poner(columna, valor);
  f.Poner(a.columnaNombre, a.nombre);
  m.rellenador.Rellenar(f, ContextoMaestro(m, momento, a.nombre), azar);
  return f;
}

std::vector<Agrupacion> Agrupaciones() {
  std::vector<Agrupacion> todas;
  for (const auto& x : n::Familias())
    todas.push_back({"FAMILIA_INVENTARIO", 201, {{"FAIN_COD", x.codigo}}, "FAIN_NOMBRE", x.nombre});
  for (const auto& x : n::Grupos())
    todas.push_back({"GRUPO_INVENTARIO", 202, {{"FAIN_COD", x.familia}, {"GRIN_COD", x.codigo}}, "GRIN_NOMBRE", x.nombre});
  for (const auto& x : n::Subgrupos())
    todas.push_back({"SUBGRUPO_INVENTARIO", 203,
                     {{"FAIN_COD", x.familia}, {"GRIN_COD", x.grupo}, {"SGIN_COD", x.codigo}},
                     "SGIN_NOMBRE", x.nombre});
  for (const auto& x : n::Marcas())
    todas.push_back({"MARCAS", 204, {{"MARC_COD", x.codigo}}, "MARC_NOMBRE", x.nombre});
  for (const auto& x : n::Submarcas())
    todas.push_back({"SUBMARCA", 205, {{"MARC_COD", x.marca}, {"SUBM_COD", x.codigo}}, "SUBM_NOMBRE", x.nombre});
  return todas;
}

// Rows the origin deleted after the destination had received them, in the
// order they were deleted (a subgroup before its group, before its family).
std::vector<Agrupacion> AgrupacionesRetiradas() {
  return {
      {"SUBGRUPO_INVENTARIO", 203, {{"FAIN_COD", "07"}, {"GRIN_COD", "01"}, {"SGIN_COD", "001"}}, "SGIN_NOMBRE", "Mangueras"},
      {"GRUPO_INVENTARIO", 202, {{"FAIN_COD", "07"}, {"GRIN_COD", "01"}}, "GRIN_NOMBRE", "Herramienta de jardín"},
      {"FAMILIA_INVENTARIO", 201, {{"FAIN_COD", "07"}}, "FAIN_NOMBRE", "Jardinería"},
      {"SUBMARCA", 205, {{"MARC_COD", "TRA"}, {"SUBM_COD", "ECO"}}, "SUBM_NOMBRE", "Tradicional Económica"},
      {"MARCAS", 204, {{"MARC_COD", "TRA"}}, "MARC_NOMBRE", "Tradicional"},
  };
}

void Agrupar(Muestra& m, Reloj& reloj, Azar& azar) {
  std::size_t i = 0;
  for (const auto& a : Agrupaciones()) {
    const Momento creada = reloj.Siguiente(azar);
    Fila f = FilaAgrupacion(m, a, creada, azar);
    m.origen.Insertar(f);
    if (i++ % 3 != 2) m.destino.Insertar(f);
    Auditar(m, creada, {a.tipo, 0, CodigoAuditado(a), "BODEGA"}, "N", "Creación");
  }
  const Momento retiro = reloj.Cambio(azar);
  for (const auto& a : AgrupacionesRetiradas()) {
    m.destino.Insertar(FilaAgrupacion(m, a, {DiaDe(kCreacionMaestros) - 400, 9 * 3600}, azar));
    Auditar(m, m.auditoria.Reservar(retiro), {a.tipo, 0, CodigoAuditado(a), "BODEGA"}, "D",
            "Eliminación: la línea ya no se comercializa");
  }
}

// ---------------------------------------------------------------- articles

std::int64_t Redondear100(std::int64_t pesos) { return (pesos + 50) / 100 * 100; }

std::size_t IndiceArticulo(std::span<const n::Articulo> articulos, std::string_view nombre) {
  for (std::size_t i = 0; i < articulos.size(); ++i)
    if (nombre == articulos[i].nombre) return i;
  throw std::logic_error("kit component not among the articles: " + std::string(nombre));
}

// The articles with their codes (family + group + sequence), and the kits.
void ElegirArticulos(Catalogo& catalogo) {
  std::map<std::string, int> secuencia;
  const auto articulos = n::Articulos();
  for (const auto& a : articulos) {
    const std::string grupo = std::string(a.familia) + a.grupo;
    ArticuloDemo d;
    d.codigo = grupo + ConCeros(++secuencia[grupo], 3);
    d.nombre = a.nombre;
    d.unidad = a.unidad;
    d.costo = a.costo;
    d.precio = Redondear100(a.costo * 135 / 100);
    d.porcIva = a.porcIva;
    catalogo.articulos.push_back(d);
  }
  int k = 0;
  for (const auto& kit : n::Kits()) {
    ArticuloDemo d;
    d.codigo = std::string(kit.familia) + kit.grupo + "9" + ConCeros(++k, 2);
    d.nombre = kit.nombre;
    d.unidad = "KIT";
    for (const char* componente : kit.componentes) {
      d.componentes.push_back(IndiceArticulo(articulos, componente));
      d.costo += catalogo.articulos[d.componentes.back()].costo;
    }
    d.precio = Redondear100(d.costo * 130 / 100);
    catalogo.articulos.push_back(d);
  }
}

// Grouping of article i: from the names table, or the kit's.
struct Ubicacion {
  std::string familia, grupo, subgrupo, marca, submarca, referencia;
};

Ubicacion UbicacionDe(std::size_t i) {
  const auto articulos = n::Articulos();
  if (i < articulos.size()) {
    const auto& a = articulos[i];
    return {a.familia, a.grupo, a.subgrupo, a.marca, a.submarca, a.referencia};
  }
  const auto& kit = n::Kits()[i - articulos.size()];
  return {kit.familia, kit.grupo, kit.subgrupo, "AND", "HOG", "KIT-" + std::to_string(i - articulos.size() + 1)};
}

Fila FilaArticulo(Muestra& m, std::size_t i, Momento momento, Azar& azar) {
  const ArticuloDemo& a = m.catalogo.articulos[i];
  const Ubicacion u = UbicacionDe(i);
  Fila f(m.origen["ARTICULO"]);
  f.Poner("ARTI_COD", a.codigo)
      .Poner("ARTI_NOMBRE", a.nombre)
      .Poner("ARTI_REFERENCIA", u.referencia)
      .Poner("FAIN_COD", u.familia)
      .Poner("GRIN_COD", u.grupo)
      .Poner("SGIN_COD", u.subgrupo)
      .Poner("MARC_COD", u.marca)
      .Poner("SUBM_COD", u.submarca)
      .Poner("UNAR_UNIDAD", a.unidad)
      .Poner("ARTI_PORC_IVA", fb::Decimal{a.porcIva * 100LL, -2})
      .Poner("ARTI_COSTO", fb::Decimal{a.costo * 10000, -4})
      .Poner("ARTI_ULTIMO_COSTO", fb::Decimal{a.costo * 10300, -4})
      .Poner("ARTI_PRECIO", Pesos(a.precio * 100))
      .Poner("ARTI_STOCK_MIN", fb::Decimal{azar.Entre(2, 10) * 10000LL, -4})
      .Poner("ARTI_STOCK_MAX", fb::Decimal{azar.Entre(40, 200) * 10000LL, -4})
      .Poner("ARTI_PESO", fb::Decimal{azar.Entre(1, 250) * 1000LL, -4})
      .Poner("ARTI_INVENTARIABLE", "S")
      .Poner("ARTI_COMPUESTO", a.componentes.empty() ? "N" : "S")
      .Poner("ARTI_ACUMULA_PUNTOS", "S")
      .Poner("ARTI_DESCRIPCION", a.nombre);
  m.rellenador.Rellenar(f, ContextoMaestro(m, momento, a.nombre), azar);
  return f;
}

struct SubtablasArticulo {
  std::vector<Fila> unidades, barras, precios, contables, componentes;
};

void Unidades(Muestra& m, std::size_t i, const Contexto& c, Azar& azar, SubtablasArticulo& s) {
  const ArticuloDemo& a = m.catalogo.articulos[i];
  Fila base(m.origen["UNIDAD_ARTICULO"]);
  base.Poner("ARTI_COD", a.codigo).Poner("UNAR_UNIDAD", a.unidad).Poner("UNAR_FACTOR", fb::Decimal{10000, -4})
      .Poner("UNAR_PRECIO", Pesos(a.precio * 100)).Poner("UNAR_VENTA", "S");
  for (const auto& u : n::Unidades())
    if (a.unidad == u.codigo) base.Poner("UNAR_NOMBRE", u.nombre);
  m.rellenador.Rellenar(base, c, azar);
  s.unidades.push_back(base);
  if (a.unidad == "UND" && a.costo < 10000) {
    Fila docena(m.origen["UNIDAD_ARTICULO"]);
    docena.Poner("ARTI_COD", a.codigo).Poner("UNAR_UNIDAD", "DOC").Poner("UNAR_NOMBRE", "Docena")
        .Poner("UNAR_FACTOR", fb::Decimal{120000, -4}).Poner("UNAR_PRECIO", Pesos(a.precio * 1150))
        .Poner("UNAR_VENTA", "S");
    m.rellenador.Rellenar(docena, c, azar);
    s.unidades.push_back(docena);
  }
}

void Barras(Muestra& m, std::size_t i, const Contexto& c, Azar& azar, SubtablasArticulo& s) {
  const ArticuloDemo& a = m.catalogo.articulos[i];
  Fila f(m.origen["BARRAS_ARTICULO"]);
  f.Poner("ARTI_COD", a.codigo).Poner("COBA_COD", Ean13("7709123" + ConCeros(static_cast<std::int64_t>(i) + 101, 5)))
      .Poner("UNAR_UNIDAD", a.unidad).Poner("COBA_CANTIDAD", fb::Decimal{10000, -4}).Poner("COBA_PRINCIPAL", "S");
  m.rellenador.Rellenar(f, c, azar);
  s.barras.push_back(f);
}

void Precios(Muestra& m, std::size_t i, const Contexto& c, Azar& azar, SubtablasArticulo& s) {
  static constexpr int kPorcentaje[] = {100, 92, 85};
  const ArticuloDemo& a = m.catalogo.articulos[i];
  std::size_t k = 0;
  for (const auto& lista : n::ListasPrecios()) {
    Fila f(m.origen["PRECIOS_ARTICULO"]);
    f.Poner("LIPR_COD", lista.codigo).Poner("ARTI_COD", a.codigo)
        .Poner("PRAR_PRECIO", Pesos(Redondear100(a.precio * kPorcentaje[k++ % 3] / 100) * 100))
        .Poner("PRAR_PORC_DESC", fb::Decimal{0, -2}).Poner("PRAR_INCLUYE_IVA", "N");
    m.rellenador.Rellenar(f, c, azar);
    s.precios.push_back(f);
  }
}

void Contabilidad(Muestra& m, std::size_t i, const Contexto& c, Azar& azar, SubtablasArticulo& s) {
  Fila f(m.origen["CONTABIL_ARTICULO"]);
  f.Poner("ARTI_COD", m.catalogo.articulos[i].codigo).Poner("CUEN_INVENTARIO", "143505")
      .Poner("CUEN_COSTO", "613595").Poner("CUEN_INGRESO", "413595").Poner("CUEN_DEVOLUCION", "417595")
      .Poner("CUEN_IVA_VENTAS", "240805").Poner("CUEN_IVA_COMPRAS", "240810").Poner("CUEN_GASTO", "513550")
      .Poner("CECO_COD", "VEN");
  m.rellenador.Rellenar(f, c, azar);
  s.contables.push_back(f);
}

void Componentes(Muestra& m, std::size_t i, const Contexto& c, Azar& azar, SubtablasArticulo& s) {
  const ArticuloDemo& kit = m.catalogo.articulos[i];
  int item = 0;
  for (const std::size_t k : kit.componentes) {
    const ArticuloDemo& parte = m.catalogo.articulos[k];
    Fila f(m.origen["ARTICULOS_PRODUCTO"]);
    f.Poner("ARTI_COD", kit.codigo).Poner("ARPR_ITEM", ++item).Poner("ARPR_ARTICULO", parte.codigo)
        .Poner("UNAR_UNIDAD", parte.unidad).Poner("ARPR_CANTIDAD", fb::Decimal{10000, -4})
        .Poner("ARPR_COSTO", fb::Decimal{parte.costo * 10000, -4});
    m.rellenador.Rellenar(f, c, azar);
    s.componentes.push_back(f);
  }
}

// Each sub-table of an article: its TIDO_COD and rows.
void AuditarSubtablas(Muestra& m, Reloj& reloj, const std::string& codigo, const SubtablasArticulo& s, Azar& azar) {
  const std::pair<int, const std::vector<Fila>*> tablas[] = {
      {124, &s.unidades}, {125, &s.barras}, {126, &s.precios}, {127, &s.contables}, {128, &s.componentes}};
  for (const auto& [tipo, filas] : tablas) {
    if (filas->empty()) continue;
    for (const Fila& f : *filas) m.origen.Insertar(f);
    Auditar(m, reloj.Siguiente(azar), {tipo, 0, codigo, "BODEGA"}, "N", "Creación");
  }
}

// The destination's copy of an article: older prices, and for some articles
// a unit and a bar code that the origin has since removed.
void ArticuloEnDestino(Muestra& m, Reloj& reloj, std::size_t i, Fila articulo, SubtablasArticulo s, Azar& azar) {
  const std::string codigo = m.catalogo.articulos[i].codigo;
  m.destino.Insertar(articulo);
  for (Fila& p : s.precios) {
    const auto precio = p.En("PRAR_PRECIO").asDecimal();
    p.Poner("PRAR_PRECIO", fb::Decimal{precio.value * 95 / 100, precio.scale});
  }
  if (i % 8 == 0) {
    const bool porCaja = m.catalogo.articulos[i].unidad == "CAJ";
    Fila caja = s.unidades.front();
    caja.Poner("UNAR_UNIDAD", porCaja ? "PAQ" : "CAJ").Poner("UNAR_NOMBRE", porCaja ? "Paquete" : "Caja")
        .Poner("UNAR_FACTOR", fb::Decimal{240000, -4});
    s.unidades.push_back(caja);
    Fila barra = s.barras.front();
    barra.Poner("COBA_COD", Ean13("7709999" + ConCeros(static_cast<std::int64_t>(i) + 1, 5)));
    s.barras.push_back(barra);
    const Momento retiro = reloj.Cambio(azar);
    Auditar(m, retiro, {124, 0, codigo, "BODEGA"}, "D", "Eliminación: ya no se vende por empaque");
    Auditar(m, m.auditoria.Reservar(retiro), {125, 0, codigo, "BODEGA"}, "D", "Eliminación del código de barras de la caja");
  }
  for (const auto* filas : {&s.unidades, &s.barras, &s.precios, &s.contables, &s.componentes})
    for (const Fila& f : *filas) m.destino.Insertar(f);
}

void Articulos(Muestra& m, Reloj& reloj, Azar& azar) {
  ElegirArticulos(m.catalogo);
  for (std::size_t i = 0; i < m.catalogo.articulos.size(); ++i) {
    const std::string codigo = m.catalogo.articulos[i].codigo;
    const Momento creado = reloj.Siguiente(azar);
    Fila articulo = FilaArticulo(m, i, creado, azar);
    m.origen.Insertar(articulo);
    const Asunto cambio{101, 0, codigo, "BODEGA"};
    Auditar(m, creado, cambio, "N", "Creación del artículo");
    const Contexto c = ContextoMaestro(m, creado, m.catalogo.articulos[i].nombre);
    SubtablasArticulo s;
    Unidades(m, i, c, azar, s);
    Barras(m, i, c, azar, s);
    Precios(m, i, c, azar, s);
    Contabilidad(m, i, c, azar, s);
    Componentes(m, i, c, azar, s);
    AuditarSubtablas(m, reloj, codigo, s, azar);
    if (i % 5 == 1) {
      Auditar(m, reloj.Cambio(azar), cambio, "M", "Actualización del costo");
      articulo.Poner("ARTI_ULTIMO_COSTO", fb::Decimal{m.catalogo.articulos[i].costo * 10000, -4});
      Auditar(m, reloj.Cambio(azar), {126, 0, codigo, "BODEGA"}, "M", "Nueva lista de precios");
    }
    if (EnDestino(i)) ArticuloEnDestino(m, reloj, i, std::move(articulo), std::move(s), azar);
  }
}

}  // namespace

void LlenarInventario(Muestra& m, Reloj& reloj, Azar& azar) {
  Agrupar(m, reloj, azar);
  Articulos(m, reloj, azar);
}

}  // namespace norvane::demo
