#include <gtest/gtest.h>

#include "engine/families/Egresos.h"
#include "tests/engine/TiposDocumento.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"

namespace norvane::test {

namespace {

using fb::Value;

INSTANTIATE_TEST_SUITE_P(Egresos, TipoDocumento, ::testing::ValuesIn(Punteros(DescriptoresEgresos())), NombreTipo);
INSTANTIATE_TEST_SUITE_P(Egresos, TipoConDetalle, ::testing::ValuesIn(Punteros(DescriptoresEgresos(), 1)),
                         NombreTipo);
INSTANTIATE_TEST_SUITE_P(Egresos, TipoConVariasTablas, ::testing::ValuesIn(Punteros(DescriptoresEgresos(), 2)),
                         NombreTipo);

class Egreso : public EnvioPrueba {
protected:
  void SetUp() override {
    Marcar({62});
    auto db = Origen();
    Encabezado(db, Descriptor(62), 501, "CE000001", 1).Insertar();
  }
  int item = 0;
};

// A paid row takes whatever the lookup gives, an empty identifier included,
// and keeps the origin's identifier when the destination does not hold the
// document.
TEST_F(Egreso, APaidRowTakesTheLookupsIdentifierOrKeepsTheOrigins) {
  {
    auto destino = CompaniaDestino();
    SinIdentificadorObligatorio(destino, "FACTURAS_COMPRA", "PK_FACTURAS_COMPRA", "FACO_ID");
    Encabezado(destino, Descriptor(21), 4444, "FC000013", 1).Insertar();
    Encabezado(destino, Descriptor(21), 0, "FC000014", 2).En(0, Value()).Insertar();
    Encabezado(destino, Descriptor(52), 4545, "NC000016", 3).Insertar();
    auto db = Origen();
    for (auto* base : {&db, &destino}) base->execute("alter table EGRESOS_DETALLE alter TIDO_COD drop not null");
    auto linea = [&](Value tipo, const char* prefijo, const char* numero, int idOrigen) {
      ++item;
      NuevaFila(db, "EGRESOS_DETALLE", item).En(0, 501).En(1, item).En(2, std::move(tipo)).En(3, idOrigen)
          .En(4, prefijo).En(5, numero).Insertar();
    };
    linea(21, "FC", "000013", 901);     // found
    linea(21, "FC", "000014", 902);     // found without an identifier: it still counts
    linea(21, "FC", "000099", 903);     // not at the destination
    linea(52, "NC", "000016", 904);     // found
    linea(31, "FC", "000013", 905);     // a client kind: not the suppliers' table's
    linea(Value(), "FC", "000013", 906);  // mend: no kind
    linea(99, "FC", "000013", 907);     // mend: a kind the table does not know
  }
  Auditar(1, 62, 501, "M", "CE000001");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  EXPECT_EQ(Columna(Consultar(destino, "select * from EGRESOS_DETALLE order by 2"), 3),
            (std::vector<Value>{Value(4444), Value(), Value(903), Value(4545), Value(905), Value(906), Value(907)}));
  EXPECT_EQ(Envio(1), "S");
}

// The crossed rows name their document by prefix (3) and number (4); the
// identifier goes to EGCC_IDDOC found by name, here after a column of a
// similar name, and a miss writes 0.
TEST_F(Egreso, ACrossedRowWritesEgccIddocOrZero) {
  {
    auto db = Origen();
    auto destino = CompaniaDestino();
    for (auto* base : {&db, &destino}) {
      base->execute("alter table EGRESOS_CRUCEC add EGCC_IDDOC_ORIGEN integer");
      base->execute("alter table EGRESOS_CRUCEC alter EGCC_IDDOC_ORIGEN position 6");
      base->execute("alter table EGRESOS_CRUCEC alter TIDO_COD drop not null");
    }
    Encabezado(destino, Descriptor(31), 4242, "FV00000010", 1).Insertar();
    Encabezado(destino, Descriptor(41), 4343, "ND000012", 2).Insertar();
    auto linea = [&](Value tipo, const char* prefijo, const char* numero) {
      ++item;
      NuevaFila(db, "EGRESOS_CRUCEC", item).En(0, 501).En(1, item).En(2, std::move(tipo)).En(3, prefijo)
          .En(4, numero).En("EGCC_IDDOC_ORIGEN", 800 + item).En("EGCC_IDDOC", 900 + item).Insertar();
    };
    linea(31, "FV", "00000010");    // found
    linea(41, "ND", "000012");      // found
    linea(31, "FV", "00000099");    // not at the destination
    linea(21, "FV", "00000010");    // a supplier kind: not the clients' table's
    linea(Value(), "FV", "00000010");  // mend: no kind
  }
  Auditar(1, 62, 501, "M", "CE000001");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  const auto filas = Consultar(destino, "select * from EGRESOS_CRUCEC order by 2");
  const auto columnas = Columnas(destino, "EGRESOS_CRUCEC");
  ASSERT_EQ(PosicionDe(columnas, "EGCC_IDDOC"), 6u);
  EXPECT_EQ(Columna(filas, 6), (std::vector<Value>{Value(4242), Value(4343), Value(0), Value(0), Value(0)}));
  EXPECT_EQ(Columna(filas, 5), (std::vector<Value>{Value(801), Value(802), Value(803), Value(804), Value(805)}));
  EXPECT_EQ(Envio(1), "S");
}

}  // namespace
}  // namespace norvane::test
