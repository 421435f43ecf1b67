#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "demo/Familias.h"
#include "engine/Despacho.h"
#include "engine/families/Familias.h"

// The descriptor tables of every family, checked without any database for
// what a typo in one of their texts would break.

namespace norvane {
namespace {

std::string Mayus(std::string_view s) {
  std::string r(s);
  std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return r;
}

// The word after `antes` (case-insensitive), upper case: "select * from x where x_id = " -> X_ID.
std::string PalabraTras(std::string_view texto, std::string_view antes) {
  const std::string t = Mayus(texto);
  const auto at = t.find(Mayus(antes));
  if (at == std::string::npos) return {};
  const auto inicio = t.find_first_not_of(' ', at + antes.size());
  if (inicio == std::string::npos) return {};
  const auto fin = t.find_first_of(" =", inicio);
  return t.substr(inicio, fin == std::string::npos ? std::string::npos : fin - inicio);
}

// A fixed text that is followed by a value ends with a blank or with "= ".
bool AntesDeValor(const char* texto) {
  const std::string_view t = texto ? texto : "";
  return !t.empty() && (t.back() == ' ' || t.ends_with("= "));
}

std::string Tronco(const std::string& columna) { return columna.substr(0, columna.find('_')); }

TEST(Descriptores, TypeCodesAreUniqueAndEachIsDispatched) {
  std::set<int> vistos;
  const Despacho despacho = DespachoCompleto();  // a type registered twice throws
  for (const auto* d : DescriptoresDocumento()) {
    EXPECT_TRUE(vistos.insert(d->tidoCod).second) << "type " << d->tidoCod << " twice";
    EXPECT_NE(despacho.Buscar(d->tidoCod), nullptr) << "type " << d->tidoCod << " not dispatched";
  }
}

TEST(Descriptores, TextsOfARowAgreeWithEachOther) {
  for (const auto* d : DescriptoresDocumento()) {
    SCOPED_TRACE("type " + std::to_string(d->tidoCod));
    // The header's identifier column names the row's stem.
    const std::string id = PalabraTras(d->seleccionEncabezado, "where");
    ASSERT_TRUE(id.ends_with("_ID")) << d->seleccionEncabezado;
    const std::string tronco = Tronco(id);
    EXPECT_EQ(Tronco(PalabraTras(d->clausulaNumero, "and")), tronco) << d->clausulaNumero;
    EXPECT_TRUE(PalabraTras(d->clausulaNumero, "and").ends_with("_NUMERO") ||
                PalabraTras(d->clausulaNumero, "and").ends_with("_NUMDOC"))
        << d->clausulaNumero;
    EXPECT_EQ(Tronco(d->columnaAnulado), tronco) << d->columnaAnulado;
    EXPECT_TRUE(std::string_view(d->vistaId).starts_with("select * from cambie_id_")) << d->vistaId;
    // The header is looked up in the table it is read from.
    EXPECT_EQ(PalabraTras(d->busqueda, "from"), PalabraTras(d->seleccionEncabezado, "from"));
    for (const char* texto : {d->seleccionEncabezado, d->busqueda, d->clausulaNumero})
      EXPECT_TRUE(AntesDeValor(texto)) << "[" << texto << "]";
    for (const auto& t : d->detalles) {
      SCOPED_TRACE(t.seleccionDestino);
      // Every text of a detail table names the same table and the header's identifier.
      const std::string tabla = PalabraTras(t.seleccionDestino, "from");
      EXPECT_EQ(PalabraTras(t.seleccionOrigen, "from"), tabla);
      EXPECT_EQ(PalabraTras(t.borrado, "from"), tabla);
      for (const char* texto : {t.borrado, t.seleccionOrigen, t.seleccionDestino}) {
        EXPECT_EQ(PalabraTras(texto, "where"), id) << texto;
        EXPECT_TRUE(AntesDeValor(texto)) << "[" << texto << "]";
      }
    }
    if (d->referenciaFactura) {
      EXPECT_TRUE(AntesDeValor(d->referenciaFactura->busqueda));
      EXPECT_TRUE(AntesDeValor(d->referenciaFactura->clausulaNumero));
    }
  }
}

// The demo writes each family into the tables the engine sends it from.
TEST(Descriptores, TheDemoFamiliesUseTheEnginesTables) {
  std::map<int, const demo::FamiliaDocumento*> demo;
  for (const auto& f : demo::FamiliasDocumento()) demo[f.tipo] = &f;
  for (const auto* d : DescriptoresDocumento()) {
    SCOPED_TRACE("type " + std::to_string(d->tidoCod));
    const auto it = demo.find(d->tidoCod);
    ASSERT_NE(it, demo.end()) << "the demo writes no document of this type";
    const auto& f = *it->second;
    EXPECT_EQ(Mayus(f.encabezado), PalabraTras(d->busqueda, "from"));
    EXPECT_EQ(Mayus(f.columnaNumero), PalabraTras(d->clausulaNumero, "and"));
    std::set<std::string> tablas;
    for (const auto& t : d->detalles) tablas.insert(PalabraTras(t.seleccionDestino, "from"));
    for (const auto& det : f.detalles) EXPECT_TRUE(tablas.count(Mayus(det.tabla))) << det.tabla;
  }
}

}  // namespace
}  // namespace norvane
