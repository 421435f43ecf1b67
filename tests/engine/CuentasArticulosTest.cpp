#include <gtest/gtest.h>

#include <set>

#include "engine/TextoSql.h"
#include "fb/Column.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"

namespace norvane {
namespace {

using fb::Value;

constexpr const char* kArticulo = "AR'T1";  // a quote, doubled in every statement

// A table that hangs from an article.
struct CasoSubtabla {
  int tido;
  const char* tabla;
  const char* segunda;  // the second key column; none: one row per article
  bool borra;           // an online "D" row empties the article's rows first
};

constexpr CasoSubtabla kSubtablas[] = {
    {124, "UNIDAD_ARTICULO", "UNAR_UNIDAD", true},
    {125, "BARRAS_ARTICULO", "COBA_COD", true},
    {126, "PRECIOS_ARTICULO", "LIPR_COD", true},
    {127, "CONTABIL_ARTICULO", nullptr, false},
    {128, "ARTICULOS_PRODUCTO", "ARPR_ITEM", true},
};

class Subtabla : public test::EnvioPrueba {
protected:
  void Preparar(const CasoSubtabla& c, bool enLinea) {
    caso = c;
    opciones.EnLinea = enLinea;
    Marcar({caso.tido});
    auto db = inst.Compania("001");
    columnas = test::Columnas(db, caso.tabla);
  }

  // Second key values: texts with a quote, or item numbers.
  Value Segunda(int n) const {
    if (!caso.segunda) return Value();
    if (!columnas[test::PosicionDe(columnas, caso.segunda)].isText()) return Value(n);
    return Value(n == 1 ? std::string("K'1") : "K" + std::to_string(n));
  }

  fb::Row Fila(const std::string& articulo, int segunda, int semilla) const {
    fb::Row fila = test::FilaGenerica(columnas, semilla);
    fila[test::PosicionDe(columnas, "ARTI_COD")] = articulo;
    if (caso.segunda) fila[test::PosicionDe(columnas, caso.segunda)] = Segunda(segunda);
    return test::SinImportes(columnas, fila);
  }

  void Poner(fb::Attachment& db, const fb::Row& fila) { test::Insertar(db, caso.tabla, fila); }

  // The article's rows, in the order of their second key.
  std::vector<fb::Row> Filas(fb::Attachment& db, const std::string& articulo) {
    return Consultar(db, std::string("select * from ") + caso.tabla + " where ARTI_COD = ?" +
                             (caso.segunda ? std::string(" order by ") + caso.segunda : ""),
                     {articulo});
  }

  fb::Row Esperada(const fb::Row& fila) const { return test::ImportesNulosEnCero(columnas, fila); }

  CasoSubtabla caso;
  fb::Columns columnas;
};

struct Copia {
  CasoSubtabla subtabla;
  bool enLinea;
  const char* oper;
};

void PrintTo(const Copia& c, std::ostream* os) {
  *os << c.subtabla.tido << (c.enLinea ? " en línea " : " fuera de línea ") << c.oper;
}

class SubtablaCopia : public Subtabla, public ::testing::WithParamInterface<Copia> {};

TEST_P(SubtablaCopia, CopiesEveryOriginRowAndOnlyAnOnlineDeleteDropsTheOthers) {
  const auto& p = GetParam();
  Preparar(p.subtabla, p.enLinea);
  const bool varias = caso.segunda != nullptr;
  std::vector<fb::Row> origen, otroArticulo;
  fb::Row sobrante;
  {
    auto db = inst.Compania("001");
    origen.push_back(Fila(kArticulo, 1, 1));
    if (varias) origen.push_back(Fila(kArticulo, 2, 2));
    for (const auto& f : origen) Poner(db, f);
    auto destino = DestinoAntes();
    Poner(destino, Fila(kArticulo, 1, 7));  // updated from the origin
    if (varias) {
      sobrante = Fila(kArticulo, 9, 8);  // gone at the origin
      Poner(destino, sobrante);
    }
    otroArticulo.push_back(Fila("OTRO", 1, 9));
    Poner(destino, otroArticulo[0]);
  }
  Auditar(1, caso.tido, 0, p.oper, kArticulo);
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido) << Errores();

  std::vector<fb::Row> esperadas;
  for (const auto& f : origen) esperadas.push_back(Esperada(f));
  const bool borrado = caso.borra && p.enLinea && std::string(p.oper) == "D";
  if (varias && !borrado) esperadas.push_back(sobrante);
  auto destino = Destino();
  EXPECT_EQ(Filas(destino, kArticulo), esperadas);
  EXPECT_EQ(Filas(destino, "OTRO"), otroArticulo);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Errores(), "");
}

std::vector<Copia> Copias() {
  std::vector<Copia> v;
  for (const auto& s : kSubtablas)
    for (bool enLinea : {true, false})
      for (const char* oper : {"D", "M", "d"}) v.push_back({s, enLinea, oper});
  return v;
}

std::string NombreCopia(const ::testing::TestParamInfo<Copia>& info) {
  const std::string oper = info.param.oper;
  return "Tipo" + std::to_string(info.param.subtabla.tido) + (info.param.enLinea ? "EnLinea" : "FueraDeLinea") +
         (oper == "D" ? "Borrado" : oper == "d" ? "Minuscula" : "Cambio");
}

INSTANTIATE_TEST_SUITE_P(Subtablas, SubtablaCopia, ::testing::ValuesIn(Copias()), NombreCopia);

struct Vaciado {
  CasoSubtabla subtabla;
  bool enLinea;
};

void PrintTo(const Vaciado& v, std::ostream* os) {
  *os << v.subtabla.tido << (v.enLinea ? " en línea" : " fuera de línea");
}

class SubtablaVaciada : public Subtabla, public ::testing::WithParamInterface<Vaciado> {};

TEST_P(SubtablaVaciada, ADeleteOfAnArticleWithoutRowsAtTheOriginEmptiesItOnlineOnly) {
  Preparar(GetParam().subtabla, GetParam().enLinea);
  std::vector<fb::Row> antes;
  {
    auto destino = DestinoAntes();
    antes.push_back(Fila(kArticulo, 1, 3));
    if (caso.segunda) antes.push_back(Fila(kArticulo, 2, 4));
    for (const auto& f : antes) Poner(destino, f);
  }
  Auditar(1, caso.tido, 0, "D", kArticulo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  const bool vacia = caso.borra && GetParam().enLinea;
  EXPECT_EQ(Filas(destino, kArticulo), vacia ? std::vector<fb::Row>{} : antes);
  EXPECT_EQ(Envio(1), "S");
}

std::vector<Vaciado> Vaciados() {
  std::vector<Vaciado> v;
  for (const auto& s : kSubtablas)
    for (bool enLinea : {true, false}) v.push_back({s, enLinea});
  return v;
}

std::string NombreVaciado(const ::testing::TestParamInfo<Vaciado>& info) {
  return "Tipo" + std::to_string(info.param.subtabla.tido) + (info.param.enLinea ? "EnLinea" : "FueraDeLinea");
}

INSTANTIATE_TEST_SUITE_P(Subtablas, SubtablaVaciada, ::testing::ValuesIn(Vaciados()), NombreVaciado);

// The destination refuses some of the article's units; every unit is still
// tried, and any refusal fails the audit row.
struct Rechazo {
  const char* nombre;
  std::set<int> rechazadas;  // of the units 1, 2 and 3
};

void PrintTo(const Rechazo& r, std::ostream* os) { *os << r.nombre; }

class SubtablaRechazo : public Subtabla, public ::testing::WithParamInterface<Rechazo> {};

std::size_t Veces(const std::string& texto, const std::string& buscado) {
  std::size_t n = 0;
  for (auto at = texto.find(buscado); at != std::string::npos; at = texto.find(buscado, at + 1)) ++n;
  return n;
}

TEST_P(SubtablaRechazo, AnyRefusedRowFailsTheAuditRowAndTheLoopGoesOn) {
  Preparar(kSubtablas[0], true);
  std::vector<fb::Row> esperadas;
  {
    auto db = inst.Compania("001");
    for (int n : {1, 2, 3}) {
      Poner(db, Fila(kArticulo, n, n));
      esperadas.push_back(Esperada(Fila(kArticulo, n, n)));
    }
    auto destino = inst.Compania("002");
    destino.execute("create exception E_PRUEBA_UNIDAD 'unidad rechazada'");
    std::string condicion = "1 = 0";
    for (int n : GetParam().rechazadas) condicion += " or new.UNAR_UNIDAD = " + Citar(Segunda(n).asText());
    destino.execute("create trigger PRUEBA_UNIDAD for UNIDAD_ARTICULO before insert as begin if (" +
                    condicion + ") then exception E_PRUEBA_UNIDAD; end");
  }
  Auditar(1, caso.tido, 0, "M", kArticulo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  const bool falla = !GetParam().rechazadas.empty();
  EXPECT_EQ(Envio(1), falla ? "N" : "S");
  EXPECT_EQ(resumen.fallidas, falla ? 1 : 0);
  EXPECT_EQ(Veces(Errores(), "unidad rechazada"), GetParam().rechazadas.size()) << Errores();
  if (!falla) return;
  {
    auto destino = inst.Compania("002");
    EXPECT_TRUE(Filas(destino, kArticulo).empty());
  }

  // Once the refusal is gone, a run that omits existing rows sends every unit.
  sesion.DBEnvio.reset();
  inst.Compania("002").execute("drop trigger PRUEBA_UNIDAD");
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  auto destino = inst.Compania("002");
  EXPECT_EQ(Filas(destino, kArticulo), esperadas);
}

std::string NombreRechazo(const ::testing::TestParamInfo<Rechazo>& info) { return info.param.nombre; }

INSTANTIATE_TEST_SUITE_P(Unidades, SubtablaRechazo,
                         ::testing::Values(Rechazo{"Ninguna", {}}, Rechazo{"LaPrimera", {1}},
                                           Rechazo{"LaDelMedio", {2}}, Rechazo{"LaUltima", {3}},
                                           Rechazo{"LaPrimeraYLaUltima", {1, 3}}),
                         NombreRechazo);

class SubtablaDe : public Subtabla {};

// The audit row's destination transaction takes back the units written
// before and after the refused one.
TEST_F(SubtablaDe, ARefusedUnitLeavesNoneOfTheArticlesUnitsWritten) {
  Preparar(kSubtablas[0], true);
  fb::Row anterior;
  {
    auto db = inst.Compania("001");
    for (int n : {1, 2, 3}) Poner(db, Fila(kArticulo, n, n));
    auto destino = inst.Compania("002");
    anterior = Fila(kArticulo, 1, 9);
    Poner(destino, anterior);
    destino.execute("create exception E_PRUEBA_UNIDAD 'unidad rechazada'");
    destino.execute(
        "create trigger PRUEBA_UNIDAD for UNIDAD_ARTICULO before insert as begin if (new.UNAR_UNIDAD = "
        "'K2') then exception E_PRUEBA_UNIDAD; end");
  }
  Auditar(1, caso.tido, 0, "D", kArticulo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_EQ(Filas(destino, kArticulo), std::vector<fb::Row>{anterior});
  EXPECT_EQ(Envio(1), "N");
}

}  // namespace
}  // namespace norvane
