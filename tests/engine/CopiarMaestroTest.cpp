#include <gtest/gtest.h>

#include "fb/Column.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"

namespace norvane {
namespace {

using fb::Value;

// A master table sent by its whole code.
struct CasoMaestro {
  int tido;
  const char* tabla;
  const char* columnaClave;
  const char* nuevo;      // a code the destination does not hold
  const char* existente;  // a code it holds already
  bool reglaEnEdicion;    // an update turns null amounts into 0
};

constexpr CasoMaestro kMaestros[] = {
    {100, "CUENTAS", "CUEN_COD", "1105'01", "2205'02", true},
    {101, "ARTICULO", "ARTI_COD", "TOR'NILLO", "TUER'CA", false},
    {102, "TERCEROS", "TERC_NIT", "900'111", "900'222", true},
    {103, "CLIENTES", "TERC_NIT", "800'111", "800'222", true},
    {104, "PROVEEDORES", "TERC_NIT", "700'111", "700'222", true},
    {105, "COBRADORES", "COBR_COD", "17", "18", true},
    {106, "VENDEDORES", "VEND_COD", "27", "28", true},
};

struct Maestro {
  CasoMaestro caso;
  bool enLinea;
};

void PrintTo(const Maestro& m, std::ostream* os) { *os << m.caso.tido << (m.enLinea ? " en línea" : " fuera de línea"); }

std::string Nombre(const ::testing::TestParamInfo<Maestro>& info) {
  return "Tipo" + std::to_string(info.param.caso.tido) + (info.param.enLinea ? "EnLinea" : "FueraDeLinea");
}

std::vector<Maestro> Casos() {
  std::vector<Maestro> v;
  for (const auto& c : kMaestros)
    for (bool enLinea : {true, false}) v.push_back({c, enLinea});
  return v;
}

class CopiarMaestro_ : public test::EnvioPrueba, public ::testing::WithParamInterface<Maestro> {
protected:
  void SetUp() override {
    caso = GetParam().caso;
    opciones.EnLinea = GetParam().enLinea;
    Marcar({caso.tido});
  }

  bool ClaveNumerica(const fb::Columns& columnas) const {
    return !columnas[test::PosicionDe(columnas, caso.columnaClave)].isText();
  }
  Value Clave(const fb::Columns& columnas, const std::string& codigo) const {
    return ClaveNumerica(columnas) ? Value(std::stoi(codigo)) : Value(codigo);
  }

  // A row under `clave` whose nullable amounts are null.
  fb::Row Fila(const fb::Columns& columnas, const Value& clave, int semilla) const {
    fb::Row fila = test::FilaGenerica(columnas, semilla);
    fila[test::PosicionDe(columnas, caso.columnaClave)] = clave;
    return test::SinImportes(columnas, fila);
  }

  // The origin row as the destination should hold it.
  static fb::Row Esperada(const fb::Columns& columnas, const fb::Row& fila, bool regla) {
    return regla ? test::ImportesNulosEnCero(columnas, fila) : fila;
  }

  std::vector<fb::Row> Filas(fb::Attachment& db, const Value& clave) {
    return Consultar(db, std::string("select * from ") + caso.tabla + " where " + caso.columnaClave + " = ?",
                     {clave});
  }

  CasoMaestro caso;
};

TEST_P(CopiarMaestro_, InsertsANewRowAndUpdatesAnExistingOneInEveryColumnWhateverReemplazarSays) {
  fb::Columns columnas;
  fb::Row nuevo, cambiado, otro;
  {
    auto origen = inst.Compania("001");
    columnas = test::Columnas(origen, caso.tabla);
    nuevo = Fila(columnas, Clave(columnas, caso.nuevo), 1);
    cambiado = Fila(columnas, Clave(columnas, caso.existente), 2);
    test::Insertar(origen, caso.tabla, nuevo);
    test::Insertar(origen, caso.tabla, cambiado);
    auto destino = DestinoAntes();
    // The destination holds the code with a trailing blank, which its
    // lookup finds all the same; the update writes the key too.
    fb::Row anterior = test::FilaGenerica(columnas, 3);
    anterior[test::PosicionDe(columnas, caso.columnaClave)] =
        ClaveNumerica(columnas) ? Clave(columnas, caso.existente) : Value(std::string(caso.existente) + " ");
    test::Insertar(destino, caso.tabla, anterior);
    otro = test::FilaGenerica(columnas, 4);
    otro[test::PosicionDe(columnas, caso.columnaClave)] = Clave(columnas, "99");
    test::Insertar(destino, caso.tabla, otro);
  }
  Auditar(1, caso.tido, 0, "N", caso.nuevo);
  Auditar(2, caso.tido, 0, "M", caso.existente);
  opciones.Reemplazar = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido) << Errores();

  auto destino = Destino();
  EXPECT_EQ(Filas(destino, Clave(columnas, caso.nuevo)),
            std::vector<fb::Row>{Esperada(columnas, nuevo, true)});
  EXPECT_EQ(Filas(destino, Clave(columnas, caso.existente)),
            std::vector<fb::Row>{Esperada(columnas, cambiado, caso.reglaEnEdicion)});
  EXPECT_EQ(Filas(destino, Clave(columnas, "99")), std::vector<fb::Row>{otro});
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
  EXPECT_EQ(Errores(), "");
}

TEST_P(CopiarMaestro_, ARowTheOriginNoLongerHoldsLeavesTheDestinationAsItWasAndIsSent) {
  fb::Row anterior;
  {
    auto destino = DestinoAntes();
    const auto columnas = test::Columnas(destino, caso.tabla);
    anterior = test::FilaGenerica(columnas, 5);
    anterior[test::PosicionDe(columnas, caso.columnaClave)] = Clave(columnas, caso.existente);
    test::Insertar(destino, caso.tabla, anterior);
  }
  Auditar(1, caso.tido, 0, "D", caso.existente);
  Auditar(2, caso.tido, 0, "M", caso.existente);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = Destino();
  EXPECT_EQ(Consultar(destino, std::string("select * from ") + caso.tabla), std::vector<fb::Row>{anterior});
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
}

TEST_P(CopiarMaestro_, ARefusedWriteLeavesTheRowUnsent) {
  {
    auto origen = inst.Compania("001");
    const auto columnas = test::Columnas(origen, caso.tabla);
    test::Insertar(origen, caso.tabla, Fila(columnas, Clave(columnas, caso.nuevo), 6));
    auto destino = DestinoAntes();
    destino.execute("create exception E_PRUEBA_MAESTRO 'maestro rechazado'");
    destino.execute(std::string("create trigger PRUEBA_MAESTRO for ") + caso.tabla +
                    " before insert as begin exception E_PRUEBA_MAESTRO; end");
  }
  Auditar(1, caso.tido, 0, "N", caso.nuevo);
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(resumen.fallidas, 1);
  EXPECT_NE(Errores().find("maestro rechazado"), std::string::npos) << Errores();
}

INSTANTIATE_TEST_SUITE_P(Maestros, CopiarMaestro_, ::testing::ValuesIn(Casos()), Nombre);

}  // namespace
}  // namespace norvane
