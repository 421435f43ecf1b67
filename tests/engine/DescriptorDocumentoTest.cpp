// The descriptor tables of every family, checked without a database for what
// a typo would break.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "demo/Familias.h"
#include "engine/DescriptorDocumento.h"
#include "engine/Referencias.h"
#include "engine/families/Familias.h"

namespace norvane {

namespace {

std::string Minusculas(std::string_view texto) {
  std::string t(texto);
  std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return t;
}

// The word after `antes` (case aside), lower case; empty when `antes` is not there.
std::string Tras(std::string_view texto, std::string_view antes) {
  const std::string t = Minusculas(texto);
  const auto at = t.find(Minusculas(antes));
  if (at == std::string::npos) return {};
  const auto inicio = at + antes.size();
  return t.substr(inicio, t.find(' ', inicio) - inicio);
}

// A text that a value follows ends with "= ", so that the value stands apart.
void EsperarSeguidoDeValor(const char* texto, const std::string& que) {
  ASSERT_NE(texto, nullptr) << que;
  EXPECT_TRUE(std::string_view(texto).ends_with("= ")) << que << ": \"" << texto << "\"";
}

// A statement on one table that ends "where <columna> = ".
void EsperarSobre(const char* texto, const std::string& tabla, const std::string& columna, const std::string& que) {
  EsperarSeguidoDeValor(texto, que);
  EXPECT_EQ(Tras(texto, " from "), tabla) << que << ": \"" << texto << "\"";
  EXPECT_TRUE(Minusculas(texto).ends_with(" where " + columna + " = ")) << que << ": \"" << texto << "\"";
}

class Descriptor_ : public ::testing::TestWithParam<const DescriptorDocumento*> {};

TEST_P(Descriptor_, ItsTextsNameOneHeaderTableAndItsIdentifier) {
  const auto& d = *GetParam();
  const std::string encabezado = Tras(d.seleccionEncabezado, " from ");
  const std::string id = Tras(d.seleccionEncabezado, " where ");
  ASSERT_TRUE(id.ends_with("_id")) << d.seleccionEncabezado;
  const std::string raiz = id.substr(0, id.size() - 3);

  EsperarSobre(d.seleccionEncabezado, encabezado, id, "origin header select");
  EsperarSeguidoDeValor(d.busqueda, "lookup");
  EXPECT_EQ(Tras(d.busqueda, " from "), encabezado) << d.busqueda;
  EXPECT_TRUE(Minusculas(d.busqueda).ends_with(" where pref_pre = ")) << d.busqueda;
  EsperarSeguidoDeValor(d.clausulaNumero, "number clause");
  EXPECT_EQ(Tras(d.clausulaNumero, " and ").rfind(raiz + "_", 0), 0u) << d.clausulaNumero;
  EXPECT_EQ(Minusculas(d.columnaAnulado), raiz + "_anulado");
  EXPECT_TRUE(std::string_view(d.vistaId).starts_with("select * from cambie_id_")) << d.vistaId;
  if (d.borradoEncabezado) EsperarSobre(d.borradoEncabezado, encabezado, id, "header delete");
  EXPECT_TRUE(d.largoNumero == 6 || d.largoNumero == 8);
}

TEST_P(Descriptor_, EveryDetailTableIsNamedAlikeByItsThreeTextsAndHoldsTheHeadersIdentifier) {
  const auto& d = *GetParam();
  const std::string encabezado = Tras(d.seleccionEncabezado, " from ");
  const std::string id = Tras(d.seleccionEncabezado, " where ");
  std::set<std::string> vistas;
  for (const auto& t : d.detalles) {
    const std::string tabla = Tras(t.seleccionOrigen, " from ");
    EXPECT_NE(tabla, encabezado);
    EXPECT_TRUE(vistas.insert(tabla).second) << tabla << " is listed twice";
    EsperarSobre(t.borrado, tabla, id, "detail delete");
    EsperarSobre(t.seleccionOrigen, tabla, id, "origin detail select");
    EsperarSobre(t.seleccionDestino, tabla, id, "destination detail select");
  }
}

TEST_P(Descriptor_, ItsReferencesNameDistinctPositionsAndTextsThatAValueFollows) {
  const auto& d = *GetParam();
  for (const auto& t : d.detalles) {
    if (!t.referencia) continue;
    const auto& r = *t.referencia;
    EXPECT_TRUE(r.tabla == &ReferenciasCliente || r.tabla == &ReferenciasProveedor) << t.seleccionOrigen;
    // The receiving column is named one way only.
    EXPECT_NE(r.posicionId >= 0, r.columnaId != nullptr) << t.seleccionOrigen;
    std::set<int> posiciones{0, r.posicionTipo, r.posicionPrefijo, r.posicionNumero};
    if (r.posicionId >= 0) posiciones.insert(r.posicionId);
    EXPECT_EQ(posiciones.size(), r.posicionId >= 0 ? 5u : 4u) << t.seleccionOrigen;
  }
  if (d.referenciaEncabezado) {
    const auto& r = *d.referenciaEncabezado;
    EXPECT_GT(r.posicion, 0);
    EsperarSeguidoDeValor(r.lecturaOrigen, "origin read");
    EsperarSeguidoDeValor(r.busqueda, "reference lookup");
    EsperarSeguidoDeValor(r.clausulaNumero, "reference number clause");
    // Both ends read the same table: the origin its code, the destination its identifier.
    const std::string tabla = Tras(r.lecturaOrigen, " from ");
    EXPECT_EQ(Tras(r.busqueda, " from "), tabla);
    EXPECT_EQ(Tras(r.lecturaOrigen, " where "), Tras(r.busqueda, "select "));
  }
  if (d.referenciaFactura) {
    EsperarSeguidoDeValor(d.referenciaFactura->busqueda, "invoice lookup");
    EsperarSeguidoDeValor(d.referenciaFactura->clausulaNumero, "invoice number clause");
  }
}

std::vector<const DescriptorDocumento*> Todos() { return DescriptoresDocumento(); }

INSTANTIATE_TEST_SUITE_P(Todos, Descriptor_, ::testing::ValuesIn(Todos()),
                         [](const auto& caso) { return "Tipo" + std::to_string(caso.param->tidoCod); });

TEST(Descriptores, EachTypeHasOneDescriptorAndAHandler) {
  const Despacho despacho = DespachoCompleto();
  std::set<int> tipos;
  for (const auto* d : DescriptoresDocumento()) {
    EXPECT_TRUE(tipos.insert(d->tidoCod).second) << d->tidoCod << " has two descriptors";
    EXPECT_NE(despacho.Buscar(d->tidoCod), nullptr) << d->tidoCod;
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
      EXPECT_TRUE(tipos.insert(e.tipo).second) << e.tipo;
      const DescriptorDocumento* d = DescriptorDe(e.tipo);
      ASSERT_NE(d, nullptr) << e.tipo;
      EsperarSeguidoDeValor(e.busqueda, "reference lookup");
      EsperarSeguidoDeValor(e.clausulaNumero, "reference number clause");
      EXPECT_EQ(Tras(e.busqueda, " from "), Tras(d->busqueda, " from ")) << e.busqueda;
      EXPECT_EQ(Tras(e.busqueda, "select "), Tras(d->seleccionEncabezado, " where ")) << e.busqueda;
      EXPECT_TRUE(Minusculas(e.busqueda).ends_with(" where pref_pre = ")) << e.busqueda;
      EXPECT_EQ(Tras(e.clausulaNumero, " and "), Tras(d->clausulaNumero, " and ")) << e.clausulaNumero;
    }
    EXPECT_EQ(tipos.size(), 5u);
  }
  // No kind is both a client's and a supplier's document.
  for (const auto& e : ReferenciasCliente.entradas) EXPECT_EQ(ReferenciasProveedor.Buscar(e.tipo), nullptr);
}

// The demo writes the same tables that the engine sends, for every type both know.
TEST(Descriptores, TheDemosFamiliesHaveTheEnginesTables) {
  for (const auto& f : demo::FamiliasDocumento()) {
    const DescriptorDocumento* d = DescriptorDe(f.tipo);
    if (!d) continue;
    EXPECT_EQ(Minusculas(f.encabezado), Tras(d->busqueda, " from ")) << f.tipo;
    ASSERT_EQ(f.detalles.size(), d->detalles.size()) << f.tipo;
    for (std::size_t k = 0; k < f.detalles.size(); ++k)
      EXPECT_EQ(Minusculas(f.detalles[k].tabla), Tras(d->detalles[k].seleccionOrigen, " from ")) << f.tipo;
  }
}

}  // namespace
}  // namespace norvane
