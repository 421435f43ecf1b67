#include <gtest/gtest.h>

#include "engine/families/Tesoreria.h"
#include "tests/engine/TiposDocumento.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/FilaGenerica.h"

namespace norvane::test {

namespace {

using fb::Value;

INSTANTIATE_TEST_SUITE_P(Tesoreria, TipoDocumento, ::testing::ValuesIn(Punteros(DescriptoresTesoreria())),
                         NombreTipo);
INSTANTIATE_TEST_SUITE_P(Tesoreria, TipoConDetalle, ::testing::ValuesIn(Punteros(DescriptoresTesoreria(), 1)),
                         NombreTipo);
INSTANTIATE_TEST_SUITE_P(Tesoreria, TipoConVariasTablas,
                         ::testing::ValuesIn(Punteros(DescriptoresTesoreria(), 2)), NombreTipo);

class ReciboCaja : public EnvioPrueba {
protected:
  // A row of receipt 501 in `tabla` naming a document by kind and code, with
  // `idOrigen` at position 3.
  void Linea(fb::Attachment& db, const std::string& tabla, Value tipo, const std::string& prefijo,
             const std::string& numero, int idOrigen) {
    ++item;
    NuevaFila(db, tabla, item).En(0, 501).En(1, item).En(2, std::move(tipo)).En(3, idOrigen).En(4, prefijo)
        .En(5, numero).Insertar();
  }
  std::vector<Value> Identificadores(fb::Attachment& db, const std::string& tabla) {
    return Columna(Consultar(db, "select * from " + tabla + " order by 2"), 3);
  }

  const DescriptorDocumento& d = Descriptor(61);
  const TablasDocumento tablas = TablasDe(d);
  int item = 0;
};

TEST_F(ReciboCaja, ANewReceiptOnlineWritesItsThreeTablesInOrderWithTheirReferences) {
  Marcar({61});
  fb::Row origen;
  std::vector<fb::Row> pagos;
  {
    auto destino = CompaniaDestino();
    destino.execute("recreate view cambie_id_recicaja (ID) as select 7654321 from rdb$database");
    SinIdentificadorObligatorio(destino, "FACTURAS", "PK_FACTURAS", "FACT_ID");
    Encabezado(destino, Descriptor(31), 4242, "FV00000010", 1).Insertar();
    Encabezado(destino, Descriptor(31), 0, "FV00000011", 2).En(0, Value()).Insertar();
    Encabezado(destino, Descriptor(41), 4343, "ND000012", 3).Insertar();
    Encabezado(destino, Descriptor(21), 4444, "FC000013", 4).Insertar();
    Trazar(destino, {tablas.encabezado, tablas.detalles[0], tablas.detalles[1], tablas.detalles[2]});

    auto db = Origen();
    origen = Encabezado(db, d, 501, "RC000001", 1).Insertar();
    const auto& pagados = tablas.detalles[0];
    Linea(db, pagados, 31, "FV", "00000010", 901);  // found
    Linea(db, pagados, 31, "FV", "00000011", 902);  // found without an identifier
    Linea(db, pagados, 31, "FV", "00000099", 903);  // not at the destination
    Linea(db, pagados, 41, "ND", "000012", 904);    // found
    Linea(db, pagados, 21, "FC", "000013", 905);    // a supplier kind: not the clients' table's
    Linea(db, pagados, 99, "FV", "00000010", 906);  // no kind the table knows
    const auto& cruzados = tablas.detalles[1];
    Linea(db, cruzados, 21, "FC", "000013", 911);    // found
    Linea(db, cruzados, 51, "NP", "000015", 912);    // not at the destination
    Linea(db, cruzados, 31, "FV", "00000010", 913);  // a client kind
    for (int i = 1; i <= 2; ++i) NuevaFila(db, tablas.detalles[2], 50 + i).En(0, 501).En(1, i).Insertar();
    pagos = Consultar(db, "select * from " + tablas.detalles[2] + " order by 2");
  }
  Auditar(1, 61, 501, "M", "RC000001");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  auto destino = CompaniaDestino();
  const auto recibos = Consultar(destino, "select * from RECIBOS_CAJA");
  ASSERT_EQ(recibos.size(), 1u);
  EXPECT_EQ(recibos[0][0], Value(7654321));
  EsperarIguales(origen, recibos[0], {0});
  EXPECT_EQ(Identificadores(destino, tablas.detalles[0]),
            (std::vector<Value>{Value(4242), Value(0), Value(0), Value(4343), Value(0), Value(0)}));
  EXPECT_EQ(Identificadores(destino, tablas.detalles[1]), (std::vector<Value>{Value(4444), Value(0), Value(0)}));
  auto copiados = Consultar(destino, "select * from " + tablas.detalles[2] + " order by 2");
  for (auto& p : pagos) p[0] = 7654321;
  EXPECT_EQ(copiados, pagos);
  for (std::size_t k = 0; k < 3; ++k)
    for (const auto& fila : Consultar(destino, "select * from " + tablas.detalles[k]))
      EXPECT_EQ(fila[0], Value(7654321)) << tablas.detalles[k];
  std::vector<std::string> traza{"I RECIBOS_CAJA"};
  traza.insert(traza.end(), 6, "I RECIBOS_CAJA_DETALLE");
  traza.insert(traza.end(), 3, "I RECIBOS_CAJA_CRUCEC");
  traza.insert(traza.end(), 2, "I RECIBOS_CAJA_PAGO");
  EXPECT_EQ(Traza(destino), traza);
  EXPECT_EQ(Envio(1), "S");
}

// Offline the lookups run in the transfer file: only a document sent
// earlier in the same run is found there.
TEST_F(ReciboCaja, OfflineTheReferencesAreLookedUpInTheTransferFile) {
  Marcar({31, 61});
  {
    auto destino = CompaniaDestino();
    Encabezado(destino, Descriptor(41), 4343, "ND000002", 3).Insertar();
    auto db = Origen();
    Encabezado(db, Descriptor(31), 301, "FV00000001", 2).Insertar();
    Encabezado(db, d, 501, "RC000001", 1).Insertar();
    Linea(db, tablas.detalles[0], 31, "FV", "00000001", 901);
    Linea(db, tablas.detalles[0], 41, "ND", "000002", 902);
  }
  Auditar(1, 31, 301, "M", "FV00000001");
  Auditar(2, 61, 501, "M", "RC000001");
  opciones.EnLinea = false;
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto archivo = ArchivoEnvio();
  EXPECT_EQ(Identificadores(archivo, tablas.detalles[0]), (std::vector<Value>{Value(301), Value(0)}));
  EXPECT_EQ(Envio(2), "S");
}

// Mend: a row without a kind is a reference not found, and writes 0.
TEST_F(ReciboCaja, ARowWithoutAKindWritesZero) {
  Marcar({61});
  {
    auto db = Origen();
    auto destino = CompaniaDestino();
    for (auto* base : {&db, &destino})
      base->execute("alter table " + tablas.detalles[0] + " alter TIDO_COD drop not null");
    Encabezado(destino, Descriptor(31), 4242, "FV00000010", 1).Insertar();
    Encabezado(db, d, 501, "RC000001", 1).Insertar();
    Linea(db, tablas.detalles[0], Value(), "FV", "00000010", 901);
  }
  Auditar(1, 61, 501, "M", "RC000001");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  auto destino = CompaniaDestino();
  EXPECT_EQ(Identificadores(destino, tablas.detalles[0]), std::vector<Value>{Value(0)});
  EXPECT_EQ(Envio(1), "S");
}

}  // namespace
}  // namespace norvane::test
