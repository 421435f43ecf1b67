#include <gtest/gtest.h>

#include <set>

#include "engine/TextoSql.h"
#include "fb/Column.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"

namespace norvane {
namespace {

using fb::Value;

// A module's definitions: the header table and its account rows table.
struct CasoInterfaz {
  int tido;
  const char* encabezado;
  const char* cuentas;
};

constexpr CasoInterfaz kInterfaces[] = {
    {111, "INTERFAZ_BANCOS", "INTERFAZ_BANCOS_CTAS"},
    {112, "INTERFAZ_CAJA", "INTERFAZ_CAJA_CTAS"},
    {113, "INTERFAZ_CARTERA", "INTERFAZ_CARTERA_CTAS"},
    {114, "INTERFAZ_COMPRAS", "INTERFAZ_COMPRAS_CTAS"},
    {115, "INTERFAZ_CXPAGAR", "INTERFAZ_CXPAGAR_CTAS"},
    {116, "INTERFAZ_INVENTARIO", "INTERFAZ_INVENTARIO_CTAS"},
    {117, "INTERFAZ_VENTAS", "INTERFAZ_VENTAS_CTAS"},
};

class InterfazBase : public test::EnvioPrueba {
protected:
  void Preparar(const CasoInterfaz& c, bool enLinea) {
    caso = c;
    opciones.EnLinea = enLinea;
    Marcar({caso.tido});
    auto db = inst.Compania("001");
    columnas = test::Columnas(db, caso.encabezado);
    columnasCuentas = test::Columnas(db, caso.cuentas);
  }

  // Headers and account rows carry the definition's identifier at position
  // 0; account rows their item number at position 1.
  fb::Row Encabezado(int id, int semilla) const {
    fb::Row fila = test::SinImportes(columnas, test::FilaGenerica(columnas, semilla));
    fila[0] = id;
    return fila;
  }
  fb::Row Cuenta(int id, int item, int semilla) const {
    fb::Row fila = test::SinImportes(columnasCuentas, test::FilaGenerica(columnasCuentas, semilla));
    fila[0] = id;
    fila[1] = item;
    return fila;
  }
  fb::Row Copiado(const fb::Row& fila) const { return test::ImportesNulosEnCero(columnas, fila); }
  fb::Row CuentaCopiada(const fb::Row& fila) const { return test::ImportesNulosEnCero(columnasCuentas, fila); }

  std::vector<fb::Row> Encabezados(fb::Attachment& db) {
    return Consultar(db, std::string("select * from ") + caso.encabezado + " order by 1");
  }
  std::vector<fb::Row> Cuentas(fb::Attachment& db) {
    return Consultar(db, std::string("select * from ") + caso.cuentas + " order by 1, 2");
  }

  CasoInterfaz caso;
  fb::Columns columnas;
  fb::Columns columnasCuentas;
};

struct Interfaz_ : InterfazBase, ::testing::WithParamInterface<std::tuple<std::size_t, bool>> {
  void SetUp() override { Preparar(kInterfaces[std::get<0>(GetParam())], std::get<1>(GetParam())); }
};

TEST_P(Interfaz_, ANewDefinitionArrivesWithItsIdentifierAndItsAccountRows) {
  fb::Row origen;
  std::vector<fb::Row> cuentas;
  fb::Row ajena;
  {
    auto db = inst.Compania("001");
    origen = Encabezado(41, 1);
    test::Insertar(db, caso.encabezado, origen);
    for (int item : {1, 2, 3}) {
      cuentas.push_back(Cuenta(41, item, item));
      test::Insertar(db, caso.cuentas, cuentas.back());
    }
    // Another definition's account row under the same item number.
    auto destino = DestinoAntes();
    ajena = Cuenta(40, 1, 9);
    test::Insertar(destino, caso.cuentas, ajena);
  }
  Auditar(1, caso.tido, 41, "N", "41");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido) << Errores();
  auto destino = Destino();
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{Copiado(origen)});
  std::vector<fb::Row> esperadas{ajena};
  for (const auto& c : cuentas) esperadas.push_back(CuentaCopiada(c));
  EXPECT_EQ(Cuentas(destino), esperadas);
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(Interfaz_, AChangedDefinitionIsUpdatedAndKeepsTheAccountRowsTheOriginDropped) {
  fb::Row origen;
  std::vector<fb::Row> cuentas;
  fb::Row quitada;
  {
    auto db = inst.Compania("001");
    origen = Encabezado(42, 2);
    test::Insertar(db, caso.encabezado, origen);
    for (int item : {1, 2}) {
      cuentas.push_back(Cuenta(42, item, item + 10));
      test::Insertar(db, caso.cuentas, cuentas.back());
    }
    auto destino = DestinoAntes();
    test::Insertar(destino, caso.encabezado, Encabezado(42, 7));
    test::Insertar(destino, caso.cuentas, Cuenta(42, 1, 17));
    quitada = Cuenta(42, 9, 18);
    test::Insertar(destino, caso.cuentas, quitada);
  }
  Auditar(1, caso.tido, 42, "M", "42");
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido) << Errores();
  auto destino = Destino();
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{Copiado(origen)});
  EXPECT_EQ(Cuentas(destino), (std::vector<fb::Row>{CuentaCopiada(cuentas[0]), CuentaCopiada(cuentas[1]), quitada}));
  EXPECT_EQ(Envio(1), "S");
}

TEST_P(Interfaz_, ADefinitionTheOriginNoLongerHoldsWritesNothingNotEvenItsAccountRows) {
  fb::Row anterior;
  {
    // Account rows left behind at the origin by the deleted definition.
    auto db = inst.Compania("001");
    test::Insertar(db, caso.cuentas, Cuenta(43, 1, 1));
    auto destino = DestinoAntes();
    anterior = Encabezado(43, 3);
    test::Insertar(destino, caso.encabezado, anterior);
  }
  Auditar(1, caso.tido, 43, "D", "43");
  Auditar(2, caso.tido, 43, "M", "43");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{anterior});
  EXPECT_TRUE(Cuentas(destino).empty());
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
}

TEST_P(Interfaz_, ADefinitionWithoutAccountRowsSendsTheHeaderAlone) {
  fb::Row origen;
  {
    auto db = inst.Compania("001");
    origen = Encabezado(44, 4);
    test::Insertar(db, caso.encabezado, origen);
  }
  Auditar(1, caso.tido, 44, "N", "44");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  EXPECT_EQ(Encabezados(destino), std::vector<fb::Row>{Copiado(origen)});
  EXPECT_TRUE(Cuentas(destino).empty());
  EXPECT_EQ(Envio(1), "S");
}

std::string NombreInterfaz(const ::testing::TestParamInfo<std::tuple<std::size_t, bool>>& info) {
  return "Tipo" + std::to_string(kInterfaces[std::get<0>(info.param)].tido) +
         (std::get<1>(info.param) ? "EnLinea" : "FueraDeLinea");
}

INSTANTIATE_TEST_SUITE_P(Interfaces, Interfaz_,
                         ::testing::Combine(::testing::Range<std::size_t>(0, std::size(kInterfaces)),
                                            ::testing::Bool()),
                         NombreInterfaz);

// The destination refuses the header or some account rows of a definition:
// every write is still tried, and any refusal fails the audit row.
struct Rechazo {
  const char* nombre;
  bool encabezado;
  std::set<int> items;  // of the account rows 1, 2 and 3
};

void PrintTo(const Rechazo& r, std::ostream* os) { *os << r.nombre; }

class InterfazRechazo : public InterfazBase, public ::testing::WithParamInterface<Rechazo> {
protected:
  void SetUp() override { Preparar(kInterfaces[0], true); }

  void Rechazar(fb::Attachment& destino) {
    destino.execute("create exception E_PRUEBA_INTERFAZ 'interfaz rechazada'");
    if (GetParam().encabezado)
      destino.execute(std::string("create trigger PRUEBA_ENCABEZADO for ") + caso.encabezado +
                      " before insert as begin exception E_PRUEBA_INTERFAZ; end");
    std::string condicion = "1 = 0";
    for (int item : GetParam().items)
      condicion += " or new." + columnasCuentas[1].field + " = " + std::to_string(item);
    destino.execute(std::string("create trigger PRUEBA_CUENTA for ") + caso.cuentas +
                    " before insert as begin if (" + condicion + ") then exception E_PRUEBA_INTERFAZ; end");
  }

  void Definicion(int id) {
    auto db = inst.Compania("001");
    test::Insertar(db, caso.encabezado, Encabezado(id, 1));
    for (int item : {1, 2, 3}) test::Insertar(db, caso.cuentas, Cuenta(id, item, item));
  }
};

std::size_t Veces(const std::string& texto, const std::string& buscado) {
  std::size_t n = 0;
  for (auto at = texto.find(buscado); at != std::string::npos; at = texto.find(buscado, at + 1)) ++n;
  return n;
}

TEST_P(InterfazRechazo, AnyRefusedWriteFailsTheAuditRowAndEveryAccountRowIsTried) {
  Definicion(45);
  {
    auto destino = inst.Compania("002");
    Rechazar(destino);
  }
  Auditar(1, caso.tido, 45, "M", "45");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  const std::size_t rechazos = (GetParam().encabezado ? 1u : 0u) + GetParam().items.size();
  EXPECT_EQ(Envio(1), rechazos ? "N" : "S");
  EXPECT_EQ(resumen.fallidas, rechazos ? 1 : 0);
  EXPECT_EQ(Veces(Errores(), "interfaz rechazada"), rechazos) << Errores();
}

class InterfazRechazada : public InterfazRechazo {};

// The audit row's destination transaction takes back whatever of the
// definition was written around the refusal.
TEST_P(InterfazRechazada, LeavesNothingOfTheDefinitionAtTheDestination) {
  Definicion(46);
  {
    auto destino = inst.Compania("002");
    Rechazar(destino);
  }
  Auditar(1, caso.tido, 46, "M", "46");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = inst.Compania("002");
  EXPECT_TRUE(Encabezados(destino).empty());
  EXPECT_TRUE(Cuentas(destino).empty());

  // Once the refusals are gone, a run that omits existing rows sends the
  // definition whole.
  sesion.DBEnvio.reset();
  if (GetParam().encabezado) destino.execute("drop trigger PRUEBA_ENCABEZADO");
  destino.execute("drop trigger PRUEBA_CUENTA");
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Encabezados(destino).size(), 1u);
  EXPECT_EQ(Cuentas(destino).size(), 3u);
}

std::string NombreRechazo(const ::testing::TestParamInfo<Rechazo>& info) { return info.param.nombre; }

const Rechazo kRechazos[] = {
    {"ElEncabezado", true, {}},
    {"LaPrimeraCuenta", false, {1}},
    {"LaUltimaCuenta", false, {3}},
    {"ElEncabezadoYLaUltimaCuenta", true, {3}},
    {"LaPrimeraYLaUltimaCuenta", false, {1, 3}},
};

INSTANTIATE_TEST_SUITE_P(Interfaces, InterfazRechazo,
                         ::testing::Values(Rechazo{"Ninguno", false, {}}, kRechazos[0], kRechazos[1],
                                           kRechazos[2], kRechazos[3], kRechazos[4]),
                         NombreRechazo);
INSTANTIATE_TEST_SUITE_P(Interfaces, InterfazRechazada, ::testing::ValuesIn(kRechazos), NombreRechazo);

}  // namespace
}  // namespace norvane
