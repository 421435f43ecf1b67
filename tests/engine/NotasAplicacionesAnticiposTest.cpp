#include <gtest/gtest.h>

#include <optional>

#include "engine/families/NotasAplicacionesAnticipos.h"
#include "tests/engine/TiposDocumento.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"

namespace norvane::test {

namespace {

using fb::Value;

INSTANTIATE_TEST_SUITE_P(NotasAplicacionesAnticipos, TipoDocumento,
                         ::testing::ValuesIn(Punteros(DescriptoresNotasAplicacionesAnticipos())), NombreTipo);
INSTANTIATE_TEST_SUITE_P(NotasAplicacionesAnticipos, TipoConDetalle,
                         ::testing::ValuesIn(Punteros(DescriptoresNotasAplicacionesAnticipos(), 1)),
                         NombreTipo);

// ---------------------------------------------------------------- notes

struct CasoVista {
  int tido;
  int esperado;  // the identifier its listed view gives
};

class VistaDeNota : public EnvioPrueba, public ::testing::WithParamInterface<CasoVista> {};

// Each view gives its own number; cambie_id_notacrclie is a view of a
// similar name that no type lists.
TEST_P(VistaDeNota, ANewNoteTakesItsIdentifierFromTheViewItsTypeLists) {
  const auto& c = GetParam();
  const auto& d = Descriptor(c.tido);
  Marcar({c.tido});
  {
    auto db = Origen();
    Encabezado(db, d, 501, "NT000001", 1).Insertar();
    auto destino = CompaniaDestino();
    for (const auto& [vista, id] : {std::pair{"cambie_id_notadbclie", 4101}, {"cambie_id_notacrclie", 4201},
                                    {"cambie_id_notadbprov", 5101}, {"cambie_id_notacrprov", 5201}})
      destino.execute(std::string("recreate view ") + vista + " (ID) as select " + std::to_string(id) +
                      " from rdb$database");
  }
  Auditar(1, c.tido, 501, "M", "NT000001");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  const auto notas = Consultar(destino, "select * from " + TablasDe(d).encabezado);
  ASSERT_EQ(notas.size(), 1u);
  EXPECT_EQ(notas[0][0], Value(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(Casos, VistaDeNota,
                         ::testing::Values(CasoVista{41, 4101}, CasoVista{42, 4101}, CasoVista{51, 5101},
                                           CasoVista{52, 5201}),
                         [](const auto& caso) { return "Tipo" + std::to_string(caso.param.tido); });

// ---------------------------------------------------------------- applications

struct CasoAplicacion {
  int tido;
  std::vector<int> tipos;  // the kinds its reference table finds
  int ajeno;               // a kind of the other side's table
};

class Aplicacion : public EnvioPrueba, public ::testing::WithParamInterface<CasoAplicacion> {
protected:
  void SetUp() override {
    d = &Descriptor(GetParam().tido);
    detalle = TablasDe(*d).detalles.at(0);
  }

  // A row of the application 501 naming a document by kind and code; position
  // 3 holds `idOrigen`, the identifier the origin knows it by.
  void Linea(fb::Attachment& db, Value tipo, const std::string& prefijo, const std::string& numero,
             int idOrigen) {
    ++item;
    NuevaFila(db, detalle, item).En(0, 501).En(1, item).En(2, std::move(tipo)).En(3, idOrigen)
        .En(4, prefijo).En(5, numero).Insertar();
  }

  std::vector<Value> Identificadores(fb::Attachment& db) {
    return Columna(Consultar(db, "select * from " + detalle + " order by 2"), 3);
  }

  const DescriptorDocumento* d = nullptr;
  std::string detalle;
  int item = 0;
};

TEST_P(Aplicacion, EveryRowPointsToTheDestinationsCopyOfTheDocumentItNames) {
  const auto& c = GetParam();
  Marcar({c.tido});
  std::vector<Value> esperado;
  {
    auto db = Origen();
    auto destino = CompaniaDestino();
    Encabezado(db, *d, 501, "AP000001", 1).Insertar();
    for (std::size_t i = 0; i < c.tipos.size(); ++i) {
      const auto& referido = Descriptor(c.tipos[i]);
      const int id = 4000 + static_cast<int>(i);
      Encabezado(destino, referido, id, "RF" + Numero(referido, 7), 20 + static_cast<int>(i)).Insertar();
      Linea(db, c.tipos[i], "RF", Numero(referido, 7), 900 + static_cast<int>(i));
      esperado.push_back(id);
    }
    // The other side's document under the same code is not this table's.
    const auto& ajeno = Descriptor(c.ajeno);
    Encabezado(destino, ajeno, 4100, "RF" + Numero(ajeno, 7), 30).Insertar();
    Linea(db, c.ajeno, "RF", Numero(ajeno, 7), 950);
    esperado.push_back(950);
    // A document the destination does not hold keeps the origin's identifier.
    Linea(db, c.tipos[0], "RF", Numero(Descriptor(c.tipos[0]), 8), 951);
    esperado.push_back(951);
    // Mend: a kind that the table does not know is a reference not found.
    Linea(db, 99, "RF", Numero(Descriptor(c.tipos[0]), 7), 952);
    esperado.push_back(952);
  }
  Auditar(1, c.tido, 501, "M", "AP000001");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  EXPECT_EQ(Identificadores(destino), esperado);
  EXPECT_EQ(Envio(1), "S");
}

// Offline the lookup runs in the transfer file: a document is found there
// only when the same run wrote it earlier, with its origin identifier.
TEST_P(Aplicacion, OfflineOnlyADocumentSentEarlierInTheRunIsFound) {
  const auto& c = GetParam();
  const auto& enviado = Descriptor(c.tipos[0]);
  const auto& soloEnCompania = Descriptor(c.tipos[2]);
  Marcar({c.tido, enviado.tidoCod});
  {
    auto db = Origen();
    Encabezado(db, enviado, 301, "RF" + Numero(enviado, 1), 3).Insertar();
    auto destino = CompaniaDestino();
    Encabezado(destino, soloEnCompania, 4002, "RF" + Numero(soloEnCompania, 2), 4).Insertar();
    Encabezado(db, *d, 501, "AP000001", 1).Insertar();
    Linea(db, enviado.tidoCod, "RF", Numero(enviado, 1), 900);
    Linea(db, soloEnCompania.tidoCod, "RF", Numero(soloEnCompania, 2), 901);
  }
  Auditar(1, enviado.tidoCod, 301, "M", "RF" + Numero(enviado, 1));
  Auditar(2, c.tido, 501, "M", "AP000001");
  opciones.EnLinea = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto archivo = ArchivoEnvio();
  EXPECT_EQ(Identificadores(archivo), (std::vector<Value>{Value(301), Value(901)}));
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
}

// Mend: a row without a kind names no document the destination can find.
TEST_P(Aplicacion, ARowWithoutAKindKeepsTheOriginsIdentifier) {
  const auto& c = GetParam();
  const auto& referido = Descriptor(c.tipos[0]);
  Marcar({c.tido});
  {
    auto db = Origen();
    auto destino = CompaniaDestino();
    for (auto* base : {&db, &destino}) base->execute("alter table " + detalle + " alter TIDO_COD drop not null");
    Encabezado(destino, referido, 4000, "RF" + Numero(referido, 7), 20).Insertar();
    Encabezado(db, *d, 501, "AP000001", 1).Insertar();
    Linea(db, Value(), "RF", Numero(referido, 7), 900);
  }
  Auditar(1, c.tido, 501, "M", "AP000001");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  EXPECT_EQ(Identificadores(destino), std::vector<Value>{Value(900)});
  EXPECT_EQ(Envio(1), "S");
}

INSTANTIATE_TEST_SUITE_P(Casos, Aplicacion,
                         ::testing::Values(CasoAplicacion{43, {31, 33, 41, 42, 45}, 21},
                                           CasoAplicacion{53, {21, 24, 51, 52, 55}, 31}),
                         [](const auto& caso) { return "Tipo" + std::to_string(caso.param.tido); });

// ---------------------------------------------------------------- advances

struct CasoAnticipo {
  const char* nombre;
  int tido;
  bool enLinea;
  bool reemplazo;  // the advance is at the destination already, pointing to 5555
  bool enOrigen;   // the origin holds the referenced document, identifier 300
  bool enDestino;  // the destination holds it under the same code, identifier 4242
  bool nula;       // the advance's reference is null
  std::optional<int> esperado;
};

class Anticipo : public EnvioPrueba, public ::testing::WithParamInterface<CasoAnticipo> {};

TEST_P(Anticipo, TheReferenceIsLookedUpAgainOnlineOnInsertAndOnReplace) {
  const auto& c = GetParam();
  const auto& d = Descriptor(c.tido);
  // A client advance names a cash receipt at 23, a supplier advance a payment voucher at 22.
  const auto& referido = Descriptor(c.tido == 45 ? 61 : 62);
  const std::size_t posicion = c.tido == 45 ? 23 : 22;
  Marcar({c.tido});
  fb::Row origen;
  {
    auto db = Origen();
    if (c.enOrigen) Encabezado(db, referido, 300, "RF000300", 3).Insertar();
    origen = Encabezado(db, d, 501, "AN000001", 1).En(posicion, c.nula ? Value() : Value(300)).Insertar();
    auto destino = c.enLinea ? CompaniaDestino() : PlantillaEnvio();
    if (c.enDestino) Encabezado(destino, referido, 4242, "RF000300", 4).Insertar();
    if (c.reemplazo) Encabezado(destino, d, 777, "AN000001", 7).En(posicion, 5555).Insertar();
  }
  Auditar(1, c.tido, 501, "M", "AN000001");
  opciones.EnLinea = c.enLinea;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto db = c.enLinea ? CompaniaDestino() : ArchivoEnvio();
  const auto anticipos = Consultar(db, "select * from " + TablasDe(d).encabezado);
  ASSERT_EQ(anticipos.size(), 1u);
  if (c.reemplazo) {
    EXPECT_EQ(anticipos[0][0], Value(777));
  }
  EXPECT_EQ(anticipos[0][posicion], c.esperado ? Value(*c.esperado) : Value());
  EsperarIguales(origen, anticipos[0], {0, posicion});
  EXPECT_EQ(Envio(1), "S");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Anticipo,
    ::testing::Values(
        CasoAnticipo{"NewOnline", 45, true, false, true, true, false, 4242},
        CasoAnticipo{"ReplacedOnline", 45, true, true, true, true, false, 4242},
        CasoAnticipo{"NewOffline", 45, false, false, true, true, false, 300},
        CasoAnticipo{"ReplacedOffline", 45, false, true, true, true, false, 300},
        CasoAnticipo{"NotAtTheOrigin", 45, true, false, false, true, false, 300},
        CasoAnticipo{"NotAtTheDestination", 45, true, false, true, false, false, 300},
        CasoAnticipo{"ReplacedNotAtTheDestination", 45, true, true, true, false, false, 300},
        CasoAnticipo{"NullReference", 45, true, false, true, true, true, std::nullopt},
        CasoAnticipo{"ReplacedNullReference", 45, true, true, true, true, true, std::nullopt},
        CasoAnticipo{"NewOnline", 55, true, false, true, true, false, 4242},
        CasoAnticipo{"ReplacedOnline", 55, true, true, true, true, false, 4242},
        CasoAnticipo{"NewOffline", 55, false, false, true, true, false, 300},
        CasoAnticipo{"NotAtTheDestination", 55, true, false, true, false, false, 300},
        CasoAnticipo{"NullReference", 55, true, false, true, true, true, std::nullopt}),
    [](const auto& caso) { return std::string(caso.param.nombre) + "Tipo" + std::to_string(caso.param.tido); });

}  // namespace
}  // namespace norvane::test
