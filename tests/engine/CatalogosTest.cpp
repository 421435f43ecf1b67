#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/families/Catalogos.h"
#include "fb/Error.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"

namespace norvane {
namespace {

using fb::Value;

// ---------------------------------------------------------------- key tails

struct CasoCola {
  const char* codigo;
  int partes;          // of the key
  const char* cola;    // nullptr: the key names no row
};

void PrintTo(const CasoCola& c, std::ostream* os) { *os << '"' << c.codigo << "\" en " << c.partes; }

class ColaClave_ : public ::testing::TestWithParam<CasoCola> {};

TEST_P(ColaClave_, SplitsAtTheFirstSeparatorsAndTheLastPartKeepsTheRest) {
  static constexpr const char* kClausulas[] = {" and b = ", " and c = "};
  const auto& c = GetParam();
  const auto cola = ColaClave(c.codigo, std::span(kClausulas).first(static_cast<std::size_t>(c.partes - 1)));
  if (c.cola) {
    ASSERT_TRUE(cola.has_value());
    EXPECT_EQ(*cola, c.cola);
  } else {
    EXPECT_FALSE(cola.has_value()) << *cola;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ColaClave_,
    ::testing::Values(CasoCola{"F1", 1, "'F1'"}, CasoCola{"F|1", 1, "'F|1'"}, CasoCola{"O'B", 1, "'O''B'"},
                      CasoCola{"", 1, "''"}, CasoCola{"01|A3", 2, "'01' and b = 'A3'"},
                      CasoCola{"01|A3|X", 2, "'01' and b = 'A3|X'"}, CasoCola{"|A3", 2, "'' and b = 'A3'"},
                      CasoCola{"01|", 2, "'01' and b = ''"}, CasoCola{"01A3", 2, nullptr},
                      CasoCola{"0'1|A'3", 2, "'0''1' and b = 'A''3'"},
                      CasoCola{"01|A3|X", 3, "'01' and b = 'A3' and c = 'X'"},
                      CasoCola{"01|A3|X|Y", 3, "'01' and b = 'A3' and c = 'X|Y'"},
                      CasoCola{"||", 3, "'' and b = '' and c = ''"}, CasoCola{"01|A3", 3, nullptr},
                      CasoCola{"01A3X", 3, nullptr}));

// ---------------------------------------------------------------- grouping, brands

// A catalogue row under the parts of its key.
struct CasoCatalogo {
  int tido;
  const char* tabla;
  std::vector<const char*> columnas;  // the key columns
  const char* codigo;                 // AUDI_COD
  std::vector<const char*> partes;    // the row the origin holds
  bool copiado;                       // the code names that row
};

std::string NombreCaso(int tido, const char* codigo) {
  std::string n = "Tipo" + std::to_string(tido) + "_";
  for (const char* c = codigo; *c; ++c)
    n += std::isalnum(static_cast<unsigned char>(*c)) ? *c : *c == '|' ? 'I' : 'Q';
  return n;
}

const std::vector<CasoCatalogo>& CasosCatalogo() {
  static const std::vector<CasoCatalogo> casos = {
      {201, "FAMILIA_INVENTARIO", {"FAIN_COD"}, "F'1", {"F'1"}, true},
      {201, "FAMILIA_INVENTARIO", {"FAIN_COD"}, "F|1", {"F|1"}, true},
      {202, "GRUPO_INVENTARIO", {"FAIN_COD", "GRIN_COD"}, "01|A3", {"01", "A3"}, true},
      {202, "GRUPO_INVENTARIO", {"FAIN_COD", "GRIN_COD"}, "01|A3|X", {"01", "A3|X"}, true},
      {202, "GRUPO_INVENTARIO", {"FAIN_COD", "GRIN_COD"}, "|A3", {"", "A3"}, true},
      {202, "GRUPO_INVENTARIO", {"FAIN_COD", "GRIN_COD"}, "0'1|A3", {"0'1", "A3"}, true},
      {202, "GRUPO_INVENTARIO", {"FAIN_COD", "GRIN_COD"}, "01A3", {"01A3", ""}, false},
      {203, "SUBGRUPO_INVENTARIO", {"FAIN_COD", "GRIN_COD", "SGIN_COD"}, "01|A3|X", {"01", "A3", "X"}, true},
      {203, "SUBGRUPO_INVENTARIO", {"FAIN_COD", "GRIN_COD", "SGIN_COD"}, "01|A3|X|Y", {"01", "A3", "X|Y"}, true},
      {203, "SUBGRUPO_INVENTARIO", {"FAIN_COD", "GRIN_COD", "SGIN_COD"}, "01|A3", {"01", "A3", ""}, false},
      {204, "MARCAS", {"MARC_COD"}, "M'1", {"M'1"}, true},
      {205, "SUBMARCA", {"MARC_COD", "SUBM_COD"}, "M1|S'1", {"M1", "S'1"}, true},
      {205, "SUBMARCA", {"MARC_COD", "SUBM_COD"}, "M1", {"M1", ""}, false},
  };
  return casos;
}

class CatalogoBase : public test::EnvioPrueba {
protected:
  void Preparar(const CasoCatalogo& c, bool enLinea) {
    caso = &c;
    opciones.EnLinea = enLinea;
    Marcar({c.tido});
    auto db = inst.Compania("001");
    columnas = test::Columnas(db, c.tabla);
  }

  fb::Row Fila(const std::vector<const char*>& partes, int semilla) const {
    fb::Row fila = test::SinImportes(columnas, test::FilaGenerica(columnas, semilla));
    for (std::size_t i = 0; i < caso->columnas.size(); ++i) fila[test::PosicionDe(columnas, caso->columnas[i])] = partes[i];
    return fila;
  }

  std::vector<fb::Row> Todas(fb::Attachment& db) {
    return Consultar(db, std::string("select * from ") + caso->tabla + " order by 1, 2");
  }

  const CasoCatalogo* caso = nullptr;
  fb::Columns columnas;
};

struct Catalogo_ : CatalogoBase, ::testing::WithParamInterface<std::tuple<std::size_t, bool>> {
  void SetUp() override { Preparar(CasosCatalogo()[std::get<0>(GetParam())], std::get<1>(GetParam())); }
};

TEST_P(Catalogo_, ACopyFindsTheRowByTheWholeKeyOrDoesNothingWithoutItsSeparators) {
  fb::Row origen;
  {
    auto db = inst.Compania("001");
    origen = Fila(caso->partes, 1);
    test::Insertar(db, caso->tabla, origen);
  }
  Auditar(1, caso->tido, 0, "M", caso->codigo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido) << Errores();
  auto destino = Destino();
  EXPECT_EQ(Todas(destino), caso->copiado ? std::vector<fb::Row>{test::ImportesNulosEnCero(columnas, origen)}
                                          : std::vector<fb::Row>{});
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(Catalogo_, ADeleteRemovesTheRowNamedByTheWholeKeyOnlineAndOffline) {
  // Sorts after every case's row: its key parts are all "ZZ".
  const fb::Row vecina = Fila(std::vector<const char*>(caso->columnas.size(), "ZZ"), 2);
  {
    auto destino = DestinoAntes();
    test::Insertar(destino, caso->tabla, Fila(caso->partes, 1));
    test::Insertar(destino, caso->tabla, vecina);
  }
  Auditar(1, caso->tido, 0, "D", caso->codigo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido) << Errores();
  auto destino = Destino();
  const auto filas = Todas(destino);
  EXPECT_EQ(filas.size(), caso->copiado ? 1u : 2u);
  EXPECT_EQ(filas.back(), vecina);
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(Catalogo_, ADeleteOfARowTheDestinationDoesNotHoldChangesNothing) {
  Auditar(1, caso->tido, 0, "D", caso->codigo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  EXPECT_TRUE(Todas(destino).empty());
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(resumen.enviadas, 1);
}

std::string NombreCatalogo(const ::testing::TestParamInfo<std::tuple<std::size_t, bool>>& info) {
  const auto& c = CasosCatalogo()[std::get<0>(info.param)];
  return NombreCaso(c.tido, c.codigo) + (std::get<1>(info.param) ? "EnLinea" : "FueraDeLinea");
}

INSTANTIATE_TEST_SUITE_P(Catalogos, Catalogo_,
                         ::testing::Combine(::testing::Range<std::size_t>(0, CasosCatalogo().size()),
                                            ::testing::Bool()),
                         NombreCatalogo);

class CatalogoDe : public CatalogoBase {
protected:
  const CasoCatalogo& Caso(int tido) {
    for (const auto& c : CasosCatalogo())
      if (c.tido == tido) return c;
    throw std::runtime_error("no case");
  }
  void RechazarBorrado(fb::Attachment& destino) {
    destino.execute("create exception E_PRUEBA_BORRADO 'borrado rechazado'");
    destino.execute(std::string("create trigger PRUEBA_BORRADO for ") + caso->tabla +
                    " before delete as begin exception E_PRUEBA_BORRADO; end");
  }
};

TEST_F(CatalogoDe, ARefusedFamilyDeleteFailsTheRowAndTheRunGoesOn) {
  Preparar(Caso(201), true);
  fb::Row familia = Fila(caso->partes, 1);
  {
    auto destino = inst.Compania("002");
    test::Insertar(destino, caso->tabla, familia);
    RechazarBorrado(destino);
  }
  Auditar(1, 201, 0, "D", caso->codigo);
  Auditar(2, 201, 0, "D", "OTRA");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_EQ(Todas(destino), std::vector<fb::Row>{familia});
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(Envio(2), "S");
  EXPECT_NE(Errores().find("borrado rechazado"), std::string::npos);
}

TEST_F(CatalogoDe, ARefusedGroupDeleteStatementEndsTheRun) {
  Preparar(Caso(202), true);
  {
    auto destino = inst.Compania("002");
    test::Insertar(destino, caso->tabla, Fila(caso->partes, 1));
    RechazarBorrado(destino);
  }
  Auditar(1, 202, 0, "D", caso->codigo);
  Auditar(2, 202, 0, "D", "XX|YY");
  EXPECT_THROW(Ejecutar(), fb::Error);
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(Envio(2), "N");
}

// ---------------------------------------------------------------- collectors, sellers

// Collectors and sellers are numbered: a code that is a number goes into the
// statements as it is; anything else in quotes, which the destination
// refuses for a number column instead of reading it as more of the statement.
struct CasoNumerado {
  int tido;
  const char* tabla;
  const char* codigo;            // AUDI_COD
  std::optional<int> copiado;    // the row copied; none: the run ends, nothing written
};

void PrintTo(const CasoNumerado& c, std::ostream* os) { *os << c.tido << " \"" << c.codigo << '"'; }

class Numerado : public test::EnvioPrueba, public ::testing::WithParamInterface<CasoNumerado> {};

TEST_P(Numerado, ACodeThatIsANumberIsCopiedAndAnyOtherCannotChangeTheStatement) {
  const auto& c = GetParam();
  Marcar({c.tido});
  const std::string tabla = c.tabla;
  fb::Columns columnas;
  std::vector<fb::Row> antes;
  std::vector<fb::Row> origen;
  {
    auto db = inst.Compania("001");
    columnas = test::Columnas(db, tabla);
    for (int codigo : {-8, 3, 7}) {
      fb::Row fila = test::FilaGenerica(columnas, codigo + 20);
      fila[0] = codigo;
      test::Insertar(db, tabla, fila);
      origen.push_back(fila);
    }
    auto destino = inst.Compania("002");
    for (int codigo : {-8, 3, 7}) {
      fb::Row fila = test::FilaGenerica(columnas, codigo + 40);
      fila[0] = codigo;
      test::Insertar(destino, tabla, fila);
      antes.push_back(fila);
    }
  }
  Auditar(1, c.tido, 0, "M", c.codigo);
  std::vector<fb::Row> esperadas = antes;
  if (c.copiado) {
    ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido) << Errores();
    for (std::size_t i = 0; i < antes.size(); ++i)
      if (antes[i][0] == Value(*c.copiado)) esperadas[i] = origen[i];
    EXPECT_EQ(Envio(1), "S");
  } else {
    EXPECT_THROW(Ejecutar(), fb::Error);
    EXPECT_EQ(Envio(1), "N");
  }
  auto destino = inst.Compania("002");
  EXPECT_EQ(Consultar(destino, "select * from " + tabla + " order by 1"), esperadas);
}

INSTANTIATE_TEST_SUITE_P(
    Codigos, Numerado,
    ::testing::Values(CasoNumerado{105, "COBRADORES", "7", 7}, CasoNumerado{105, "COBRADORES", " 7 ", 7},
                      CasoNumerado{105, "COBRADORES", "-8", -8}, CasoNumerado{106, "VENDEDORES", "+3", 3},
                      CasoNumerado{106, "VENDEDORES", "3", 3},
                      CasoNumerado{105, "COBRADORES", "7 or 1=1", std::nullopt},
                      CasoNumerado{106, "VENDEDORES", "3 or vend_cod < 0", std::nullopt},
                      CasoNumerado{106, "VENDEDORES", "3'", std::nullopt},
                      CasoNumerado{105, "COBRADORES", "", std::nullopt}));

}  // namespace
}  // namespace norvane
