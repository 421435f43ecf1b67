#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "demo/Familias.h"
#include "engine/Despacho.h"
#include "engine/Referencias.h"
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

TEST(Descriptores, ReferencesNameDistinctPositionsAndOneReceivingColumn) {
  for (const auto* d : DescriptoresDocumento()) {
    SCOPED_TRACE("type " + std::to_string(d->tidoCod));
    for (const auto& t : d->detalles) {
      if (!t.referencia) continue;
      SCOPED_TRACE(t.seleccionDestino);
      const auto& r = *t.referencia;
      EXPECT_TRUE(r.tabla == &ReferenciasCliente || r.tabla == &ReferenciasProveedor);
      // The receiving column is given one way only, and no position serves twice.
      EXPECT_NE(r.posicionId >= 0, r.columnaId != nullptr);
      std::set<int> posiciones{0, r.posicionTipo, r.posicionPrefijo, r.posicionNumero};
      if (r.posicionId >= 0) posiciones.insert(r.posicionId);
      EXPECT_EQ(posiciones.size(), r.posicionId >= 0 ? 5u : 4u);
    }
    if (d->referenciaEncabezado) {
      const auto& r = *d->referenciaEncabezado;
      EXPECT_GT(r.posicion, 0);
      for (const char* texto : {r.lecturaOrigen, r.busqueda, r.clausulaNumero})
        EXPECT_TRUE(AntesDeValor(texto)) << "[" << texto << "]";
      // Both ends read one table: the origin the code of the identifier that
      // the destination's lookup then gives.
      EXPECT_EQ(PalabraTras(r.lecturaOrigen, "from"), PalabraTras(r.busqueda, "from"));
      EXPECT_EQ(PalabraTras(r.lecturaOrigen, "where"), PalabraTras(r.busqueda, "select"));
    }
  }
}

const DescriptorDocumento* DescriptorDe(int tidoCod) {
  for (const auto* d : DescriptoresDocumento())
    if (d->tidoCod == tidoCod) return d;
  return nullptr;
}

// Each entry finds its kind's own documents: the identifier of the header
// table that the kind's descriptor sends, by that table's number column.
TEST(Descriptores, EveryReferenceEntryLooksUpItsKindsHeaderTable) {
  for (const auto* tabla : {&ReferenciasCliente, &ReferenciasProveedor}) {
    std::set<int> tipos;
    for (const auto& e : tabla->entradas) {
      SCOPED_TRACE("kind " + std::to_string(e.tipo));
      EXPECT_TRUE(tipos.insert(e.tipo).second);
      const DescriptorDocumento* d = DescriptorDe(e.tipo);
      ASSERT_NE(d, nullptr);
      EXPECT_TRUE(AntesDeValor(e.busqueda) && AntesDeValor(e.clausulaNumero));
      EXPECT_EQ(PalabraTras(e.busqueda, "from"), PalabraTras(d->busqueda, "from")) << e.busqueda;
      EXPECT_EQ(PalabraTras(e.busqueda, "select"), PalabraTras(d->seleccionEncabezado, "where")) << e.busqueda;
      EXPECT_EQ(PalabraTras(e.busqueda, "where"), "PREF_PRE") << e.busqueda;
      EXPECT_EQ(PalabraTras(e.clausulaNumero, "and"), PalabraTras(d->clausulaNumero, "and")) << e.clausulaNumero;
    }
    EXPECT_EQ(tipos.size(), 5u);
  }
  // No kind is both a client's and a supplier's document.
  for (const auto& e : ReferenciasCliente.entradas) EXPECT_EQ(ReferenciasProveedor.Buscar(e.tipo), nullptr);
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

// Every type of the dispatch table has its handler, and nothing else has one.
TEST(Descriptores, TheDispatchHandlesExactlyTheTypesOfEveryFamily) {
  const std::set<int> tipos = {1,   11,  12,  13,  14,  15,  16,  17,  18,  22,  23,  25,  32,
                               34,  35,  21,  24,  31,  33,  41,  42,  43,  45,  51,  52,  53,
                               55,  61,  65,  62,  63,  64,  66,  71,  72,  73,  74,  75,  76,
                               77,  100, 101, 124, 125, 126, 127, 128, 102, 103, 104, 105, 106,
                               201, 202, 203, 204, 205, 111, 112, 113, 114, 115, 116, 117};
  const Despacho despacho = DespachoCompleto();
  for (int t = -1; t <= 300; ++t)
    EXPECT_EQ(despacho.Buscar(t) != nullptr, tipos.count(t) == 1) << "type " << t;
}

}  // namespace
}  // namespace norvane
