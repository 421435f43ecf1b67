#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/CopiarMaestro.h"
#include "engine/families/Catalogos.h"
#include "engine/families/CuentasArticulos.h"
#include "engine/families/Familias.h"
#include "engine/families/Interfaz.h"

namespace norvane {
namespace {

// The table each master type sends.
const std::map<int, std::string> kTablas = {
    {100, "CUENTAS"},           {101, "ARTICULO"},
    {124, "UNIDAD_ARTICULO"},   {125, "BARRAS_ARTICULO"},
    {126, "PRECIOS_ARTICULO"},  {127, "CONTABIL_ARTICULO"},
    {128, "ARTICULOS_PRODUCTO"}, {102, "TERCEROS"},
    {103, "CLIENTES"},          {104, "PROVEEDORES"},
    {105, "COBRADORES"},        {106, "VENDEDORES"},
    {201, "FAMILIA_INVENTARIO"}, {202, "GRUPO_INVENTARIO"},
    {203, "SUBGRUPO_INVENTARIO"}, {204, "MARCAS"},
    {205, "SUBMARCA"},          {111, "INTERFAZ_BANCOS"},
    {112, "INTERFAZ_CAJA"},     {113, "INTERFAZ_CARTERA"},
    {114, "INTERFAZ_COMPRAS"},  {115, "INTERFAZ_CXPAGAR"},
    {116, "INTERFAZ_INVENTARIO"}, {117, "INTERFAZ_VENTAS"},
};

// One text of a row of the tables: what it is, the table it must name, and
// whether a key clause (joined after a value) or a statement.
struct Texto {
  int tido;
  std::string que;
  std::string texto;
  std::string tabla;  // empty: a key clause
};

std::vector<Texto> Textos() {
  std::vector<Texto> v;
  auto tabla = [](int tido) { return kTablas.at(tido); };
  for (const auto maestros : {DescriptoresCuentasArticulos(), DescriptoresCatalogosComerciales()})
    for (const auto& d : maestros) {
      v.push_back({d.tidoCod, "seleccionOrigen", d.seleccionOrigen, tabla(d.tidoCod)});
      v.push_back({d.tidoCod, "seleccionDestino", d.seleccionDestino, tabla(d.tidoCod)});
    }
  for (const auto& s : SubtablasArticulo()) {
    if (s.borrado) v.push_back({s.tidoCod, "borrado", s.borrado, tabla(s.tidoCod)});
    v.push_back({s.tidoCod, "seleccionOrigen", s.seleccionOrigen, tabla(s.tidoCod)});
    v.push_back({s.tidoCod, "seleccionDestino", s.seleccionDestino, tabla(s.tidoCod)});
    if (s.segunda) v.push_back({s.tidoCod, "segunda.clausula", s.segunda->clausula, ""});
  }
  for (const auto& k : Catalogos()) {
    if (k.borrado) v.push_back({k.tidoCod, "borrado", k.borrado, tabla(k.tidoCod)});
    v.push_back({k.tidoCod, "seleccionOrigen", k.seleccionOrigen, tabla(k.tidoCod)});
    v.push_back({k.tidoCod, "seleccionDestino", k.seleccionDestino, tabla(k.tidoCod)});
    for (const char* c : k.clausulas) v.push_back({k.tidoCod, "clausulas", c, ""});
  }
  for (const auto& d : DefinicionesInterfaz()) {
    v.push_back({d.tidoCod, "seleccionOrigen", d.seleccionOrigen, tabla(d.tidoCod)});
    v.push_back({d.tidoCod, "seleccionDestino", d.seleccionDestino, tabla(d.tidoCod)});
    v.push_back({d.tidoCod, "cuentasOrigen", d.cuentasOrigen, tabla(d.tidoCod) + "_CTAS"});
    v.push_back({d.tidoCod, "cuentasDestino", d.cuentasDestino, tabla(d.tidoCod) + "_CTAS"});
    v.push_back({d.tidoCod, "clausulaItem", d.clausulaItem, ""});
  }
  return v;
}

std::string Mayusculas(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

// The name after FROM, in upper case.
std::string TablaNombrada(const std::string& texto) {
  const std::string t = Mayusculas(texto);
  const auto from = t.find(" FROM ");
  if (from == std::string::npos) return {};
  const auto inicio = from + 6;
  return t.substr(inicio, t.find(' ', inicio) - inicio);
}

// The column compared after WHERE, in upper case.
std::string ColumnaBuscada(const std::string& texto) {
  const std::string t = Mayusculas(texto);
  const auto where = t.find(" WHERE ");
  if (where == std::string::npos) return {};
  const auto inicio = where + 7;
  return t.substr(inicio, t.find(' ', inicio) - inicio);
}

bool TerminaEn(const std::string& texto, const std::string& fin) {
  return texto.size() >= fin.size() && texto.compare(texto.size() - fin.size(), fin.size(), fin) == 0;
}

class TextoMaestro : public ::testing::TestWithParam<Texto> {};

TEST_P(TextoMaestro, EndsReadyForItsValueAndNamesTheTableOfItsRow) {
  const auto& t = GetParam();
  // Every text is followed by a value: it ends with "= ".
  EXPECT_TRUE(TerminaEn(t.texto, " = ")) << t.tido << " " << t.que << ": \"" << t.texto << "\"";
  if (t.tabla.empty())  // a key clause also follows a value
    EXPECT_EQ(t.texto.front(), ' ') << t.tido << " " << t.que;
  else
    EXPECT_EQ(TablaNombrada(t.texto), t.tabla) << t.tido << " " << t.que << ": \"" << t.texto << "\"";
}

std::string NombreTexto(const ::testing::TestParamInfo<Texto>& info) {
  std::string n = "Tipo" + std::to_string(info.param.tido) + "_" + info.param.que + "_" + std::to_string(info.index);
  std::replace(n.begin(), n.end(), '.', '_');
  return n;
}

INSTANTIATE_TEST_SUITE_P(Tablas, TextoMaestro, ::testing::ValuesIn(Textos()), NombreTexto);

TEST(TablasMaestras, EveryMasterTypeHasOneRowInOneTableAndItsHandler) {
  std::multiset<int> tipos;
  for (const auto maestros : {DescriptoresCuentasArticulos(), DescriptoresCatalogosComerciales()})
    for (const auto& d : maestros) tipos.insert(d.tidoCod);
  for (const auto& s : SubtablasArticulo()) tipos.insert(s.tidoCod);
  for (const auto& k : Catalogos()) tipos.insert(k.tidoCod);
  for (const auto& d : DefinicionesInterfaz()) tipos.insert(d.tidoCod);

  std::multiset<int> esperados;
  for (const auto& [tido, tabla] : kTablas) esperados.insert(tido);
  EXPECT_EQ(tipos, esperados);

  const Despacho despacho = DespachoCompleto();
  for (int tido : esperados) EXPECT_NE(despacho.Buscar(tido), nullptr) << tido;
  // No document descriptor serves a master type.
  for (const auto* d : DescriptoresDocumento()) EXPECT_EQ(esperados.count(d->tidoCod), 0u) << d->tidoCod;
}

// The statements of one table of a row look for the same column, so that
// what one reads another finds.
TEST(TablasMaestras, TheStatementsOfATableCompareTheSameColumn) {
  std::map<std::pair<int, std::string>, std::set<std::string>> columnas;
  for (const auto& t : Textos())
    if (!t.tabla.empty()) columnas[{t.tido, t.tabla}].insert(ColumnaBuscada(t.texto));
  for (const auto& [fila, vistas] : columnas) {
    EXPECT_EQ(vistas.size(), 1u) << fila.first << " " << fila.second;
    EXPECT_FALSE(vistas.begin()->empty()) << fila.first << " " << fila.second;
  }
}

}  // namespace
}  // namespace norvane
