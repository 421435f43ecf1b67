// A concurrent writer at the destination while an online run replaces a
// receipt: a writer that deadlocks with the run, and a writer that holds a
// detail row that the replacement deletes. Either way the receipt's audit
// row fails whole or is sent whole, nothing is lost, the rest is sent, and a
// later run sends what failed.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "fb/Error.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/Simulacro.h"
#include "tests/support/TempDir.h"

namespace norvane {
namespace {

using namespace std::chrono_literals;
using fb::Value;
using test::Consultar;
using test::Recibo;

enum class Escritor {
  // Holds the header; once the run waits for it, deletes the detail rows
  // that the run has deleted: each waits for the other.
  Interbloqueo,
  // Holds one detail row of the receipt that the run replaces.
  DetalleRetenido,
};

struct CasoEscritor {
  const char* nombre;
  Escritor escritor;
  std::vector<std::string> opciones;  // added to the run's command line
  // The server's error that the run's failed row logs.
  const char* error;
};

void PrintTo(const CasoEscritor& c, std::ostream* out) { *out << c.nombre; }

class EscritorConcurrente : public test::ConServidor,
                            public ::testing::WithParamInterface<CasoEscritor> {};

TEST_P(EscritorConcurrente, TheReceiptIsSentOrFailsWholeTheRestIsSentAndALaterRunSendsIt) {
  const auto& caso = GetParam();
  constexpr int kNumeros[] = {81, 82, 83};
  std::vector<Recibo> origenes;
  {
    auto origen = Abrir("datos/001/norvane.fdb");
    for (int i = 0; i < 3; ++i) {
      origenes.push_back(test::CrearRecibo(origen, 601 + i, kNumeros[i], i + 1, 3));
      test::AuditarRecibo(origen, i + 1, 601 + i, kNumeros[i]);
    }
  }
  auto destino = Abrir("datos/002/norvane.fdb");
  const Recibo anterior = test::CrearRecibo(destino, 950, kNumeros[1], 9, 2);
  // Says when the run is about to update a header, right before it waits;
  // the writer's own update, marked in its session, says nothing.
  destino.execute("create table LLEGADA (LLEG_PASO integer, LLEG_ENTR_ID integer, LLEG_ITEM integer)");
  destino.execute(
      "create trigger PRUEBA_AVISO for ENTRADAS before update as begin "
      "if (rdb$get_context('USER_SESSION', 'ESCRITOR') is null) then "
      "in autonomous transaction do insert into LLEGADA values (1, old.ENTR_ID, null); end");

  // The writer: a read-committed transaction that waits on locks as long as
  // it takes, rolled back at the end.
  auto conexionEscritor = Abrir("datos/002/norvane.fdb");
  std::optional<fb::Transaction> escritor;
  escritor.emplace(conexionEscritor, fb::Isolation::ReadCommitted);
  escritor->query("select rdb$set_context('USER_SESSION', 'ESCRITOR', 1) from rdb$database");
  if (caso.escritor == Escritor::Interbloqueo)
    escritor->execute("update ENTRADAS set ENTR_NUMERO = ENTR_NUMERO where ENTR_ID = 950");
  else
    escritor->execute("update ENTRADAS_DETALLE set ENDE_ITEM = ENDE_ITEM where ENTR_ID = 950 and ENDE_ITEM = 2");

  std::vector<std::string> opciones{"--tipos", "11", "--en-linea"};
  opciones.insert(opciones.end(), caso.opciones.begin(), caso.opciones.end());
  auto hijo = Lanzar("primera", opciones);
  std::string errorEscritor;
  if (caso.escritor == Escritor::Interbloqueo) {
    ASSERT_TRUE(EsperarLlegada(destino, 1, *hijo)) << hijo->Texto();
    std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(hijo->Vivo()) << "the run did not wait for the header\n" << hijo->Texto();
    // Waits for the run's deletes until the server breaks the deadlock.
    try {
      escritor->execute("delete from ENTRADAS_DETALLE where ENTR_ID = 950");
    } catch (const fb::Error& e) {
      // The writer was the victim: it gives up, and the run goes on.
      errorEscritor = e.what();
      escritor->rollback();
    }
  }
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  if (escritor->active()) escritor->rollback();
  escritor.reset();

  const std::string errores = test::TempDir::LeerArchivo(Dir() / "ERRORENVIO.TXT");
  // The server breaks a deadlock by failing one of the two, whichever's wait
  // is checked first: with the writer failed the run sends every receipt.
  if (!errorEscritor.empty()) {
    EXPECT_NE(errorEscritor.find("deadlock"), std::string::npos) << errorEscritor;
    EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();
    EXPECT_EQ(errores, "");
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(kNumeros[i]);
      EXPECT_EQ(Envio(i + 1), "S");
      const auto copias = test::CopiasRecibo(destino, kNumeros[i]);
      ASSERT_EQ(copias.size(), 1u);
      test::EsperarEntero(origenes[static_cast<std::size_t>(i)], copias[0]);
    }
    EXPECT_EQ(test::CopiasRecibo(destino, kNumeros[1])[0].encabezado[0], Value(950));
    EXPECT_EQ(test::Huerfanas(destino), 0);
    return;
  }
  EXPECT_EQ(hijo->Salida(), 3) << hijo->Texto();
  EXPECT_NE(errores.find(caso.error), std::string::npos) << errores;
  EXPECT_NE(errores.find("," + usuario_.usuario + ",Error transmitiendo Entrada de inventario EN" +
                         test::NumeroRecibo(kNumeros[1]) + "\r\n"),
            std::string::npos)
      << errores;
  EXPECT_EQ(Envio(2), "N");
  // Failed whole: the earlier copy as it was, its deleted detail rows back.
  EXPECT_EQ(test::CopiasRecibo(destino, kNumeros[1]), std::vector<Recibo>{anterior});
  for (int i : {0, 2}) {
    SCOPED_TRACE(kNumeros[i]);
    EXPECT_EQ(Envio(i + 1), "S");
    const auto copias = test::CopiasRecibo(destino, kNumeros[i]);
    ASSERT_EQ(copias.size(), 1u);
    test::EsperarEntero(origenes[static_cast<std::size_t>(i)], copias[0]);
  }
  EXPECT_EQ(test::Huerfanas(destino), 0);

  // The writer gone, the next run sends the receipt that failed.
  hijo = Lanzar("segunda", opciones);
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();
  EXPECT_EQ(Envio(2), "S");
  const auto copias = test::CopiasRecibo(destino, kNumeros[1]);
  ASSERT_EQ(copias.size(), 1u);
  EXPECT_EQ(copias[0].encabezado[0], Value(950));  // replaced, not added
  test::EsperarEntero(origenes[1], copias[0]);
  EXPECT_EQ(Consultar(destino, "select count(*) from ENTRADAS")[0][0].asInteger(), 3);
  EXPECT_EQ(test::Huerfanas(destino), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EscritorConcurrente,
    ::testing::Values(CasoEscritor{"Interbloqueo", Escritor::Interbloqueo, {}, "deadlock"},
                      CasoEscritor{"DetalleRetenido", Escritor::DetalleRetenido,
                                   {"--espera-bloqueo", "2"}, "update conflicts with concurrent update"}),
    [](const ::testing::TestParamInfo<CasoEscritor>& caso) { return std::string(caso.param.nombre); });

// A family's audit row whose destination statements delete a row that
// another transaction holds: past --espera-bloqueo, or until the writer
// closes a deadlock by wanting what the run deleted before it waited.
struct CasoRetenida {
  const char* nombre;
  int tidoCod;
  const char* oper;
  const char* codigo;  // AUDI_COD
  const char* tico;    // AUDI_TICO
  // Writes the destination rows the audit row deletes.
  void (*preparar)(fb::Attachment& destino);
  const char* retener;  // the writer's statement
  const char* foto;     // what the audit row deletes, as a SELECT
  // A deadlock: the table whose delete waits (a trigger says when the run
  // gets there) and the writer's statement that then closes the cycle.
  // Without them the run waits at most 2 seconds.
  const char* aviso = nullptr;
  const char* cierre = nullptr;
};

void PrintTo(const CasoRetenida& c, std::ostream* out) { *out << c.nombre; }

void GrupoA3(fb::Attachment& db) {
  test::NuevaFila(db, "GRUPO_INVENTARIO", 1).En("FAIN_COD", "01").En("GRIN_COD", "A3").Insertar();
  test::NuevaFila(db, "GRUPO_INVENTARIO", 2).En("FAIN_COD", "01").En("GRIN_COD", "A4").Insertar();
}

// A voucher with two entries of each set.
void Comprobante70(fb::Attachment& db) {
  test::NuevaFila(db, "COMPROBANTE_ENCABEZADO", 1)
      .En(0, 70)
      .En("TICO_COD", "CDI")
      .En("PRCO_PREF", "CE")
      .En("ENCO_NUMERO", "000123")
      .Insertar();
  for (int i = 1; i <= 2; ++i) {
    test::NuevaFila(db, "COMPROBANTE_DETALLE", 10 + i).En(0, 70).En("DECO_ITEM", i).Insertar();
    test::NuevaFila(db, "COMPROBANTE_DETALLE_NIIF", 20 + i).En(0, 70).En("DCNI_ITEM", i).Insertar();
  }
}

class RetenidaPorFamilia : public test::ConServidor, public ::testing::WithParamInterface<CasoRetenida> {};

// Receipts before and after the family's row are sent; the family's row
// fails with the destination as it was, and is sent once the writer is gone
// (or at once, when the server fails the writer to break a deadlock).
TEST_P(RetenidaPorFamilia, TheRowFailsWithTheDestinationAsItWasOrIsSentWholeAndTheRestIsSent) {
  const auto& caso = GetParam();
  constexpr int kNumeros[] = {91, 93};
  std::vector<Recibo> origenes;
  {
    auto origen = Abrir("datos/001/norvane.fdb");
    for (int i = 0; i < 2; ++i) origenes.push_back(test::CrearRecibo(origen, 701 + i, kNumeros[i], i + 1, 2));
    test::AuditarRecibo(origen, 1, 701, kNumeros[0]);
    origen.execute(
        "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, "
        "AUDI_OPER, AUDI_COD, AUDI_ENVIO, AUDI_TICO) values (2, 'ANA', '2024/04/01', '08:00:02', ?, 0, ?, ?, "
        "'N', ?)",
        {caso.tidoCod, caso.oper, caso.codigo, caso.tico ? Value(caso.tico) : Value()});
    test::AuditarRecibo(origen, 3, 702, kNumeros[1]);
  }
  auto destino = Abrir("datos/002/norvane.fdb");
  caso.preparar(destino);
  const auto antes = Consultar(destino, caso.foto);
  ASSERT_FALSE(antes.empty());

  if (caso.aviso) {
    destino.execute("create table LLEGADA (LLEG_PASO integer, LLEG_ENTR_ID integer, LLEG_ITEM integer)");
    destino.execute(std::string("create trigger PRUEBA_AVISO for ") + caso.aviso +
                    " before delete as begin "
                    "in autonomous transaction do insert into LLEGADA values (1, null, null); end");
  }

  auto conexionEscritor = Abrir("datos/002/norvane.fdb");
  fb::Transaction escritor(conexionEscritor, fb::Isolation::ReadCommitted);
  ASSERT_EQ(escritor.execute(caso.retener), 1u);
  std::vector<std::string> opciones{"--tipos", "11," + std::to_string(caso.tidoCod), "--en-linea"};
  if (!caso.cierre) opciones.insert(opciones.end(), {"--espera-bloqueo", "2"});
  auto hijo = Lanzar("primera", opciones);
  std::string errorEscritor;
  if (caso.cierre) {
    ASSERT_TRUE(EsperarLlegada(destino, 1, *hijo)) << hijo->Texto();
    std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(hijo->Vivo()) << "the run did not wait for the held row\n" << hijo->Texto();
    try {
      escritor.execute(caso.cierre);
    } catch (const fb::Error& e) {
      errorEscritor = e.what();
      escritor.rollback();
    }
  }
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  if (escritor.active()) escritor.rollback();

  const std::string errores = test::TempDir::LeerArchivo(Dir() / "ERRORENVIO.TXT");
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(kNumeros[i]);
    EXPECT_EQ(Envio(i == 0 ? 1 : 3), "S");
    const auto copias = test::CopiasRecibo(destino, kNumeros[i]);
    ASSERT_EQ(copias.size(), 1u);
    test::EsperarEntero(origenes[static_cast<std::size_t>(i)], copias[0]);
  }
  if (!errorEscritor.empty()) {
    // The server failed the writer to break the deadlock: the run went on
    // and sent the family's row too.
    EXPECT_NE(errorEscritor.find("deadlock"), std::string::npos) << errorEscritor;
    EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();
    EXPECT_EQ(errores, "");
    EXPECT_EQ(Envio(2), "S");
    EXPECT_TRUE(Consultar(destino, caso.foto).empty());
    return;
  }
  EXPECT_EQ(hijo->Salida(), 3) << hijo->Texto();
  EXPECT_NE(errores.find("update conflicts with concurrent update"), std::string::npos) << errores;
  EXPECT_NE(errores.find(",Error transmitiendo "), std::string::npos) << errores;
  EXPECT_NE(errores.find(std::string(" ") + caso.codigo + "\r\n"), std::string::npos) << errores;
  EXPECT_EQ(Envio(2), "N");
  EXPECT_EQ(Consultar(destino, caso.foto), antes);

  hijo = Lanzar("segunda", opciones);
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();
  EXPECT_EQ(Envio(2), "S");
  EXPECT_TRUE(Consultar(destino, caso.foto).empty());
  EXPECT_EQ(Consultar(destino, "select count(*) from ENTRADAS")[0][0].asInteger(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RetenidaPorFamilia,
    ::testing::Values(
        CasoRetenida{"GrupoBorrado", 202, "D", "01|A3", nullptr, GrupoA3,
                     "update GRUPO_INVENTARIO set GRIN_NOMBRE = GRIN_NOMBRE where FAIN_COD = '01' and GRIN_COD = 'A3'",
                     "select * from GRUPO_INVENTARIO where FAIN_COD = '01' and GRIN_COD = 'A3'"},
        // The entries go first; the held IFRS entry stops the second delete.
        CasoRetenida{"ComprobanteBorrado", 1, "D", "CE000123", "CDI", Comprobante70,
                     "update COMPROBANTE_DETALLE_NIIF set DCNI_ITEM = DCNI_ITEM where ENCO_CONSEC = 70 and DCNI_ITEM = 1",
                     "select 'E', e.ENCO_CONSEC, null from COMPROBANTE_ENCABEZADO e where e.ENCO_CONSEC = 70 "
                     "union all select 'D', d.ENCO_CONSEC, d.DECO_ITEM from COMPROBANTE_DETALLE d where d.ENCO_CONSEC = 70 "
                     "union all select 'N', n.ENCO_CONSEC, n.DCNI_ITEM from COMPROBANTE_DETALLE_NIIF n "
                     "where n.ENCO_CONSEC = 70 order by 1, 3"},
        // The run holds the deleted entries and waits for the IFRS entry;
        // the writer then wants the entries.
        CasoRetenida{"ComprobanteInterbloqueo", 1, "D", "CE000123", "CDI", Comprobante70,
                     "update COMPROBANTE_DETALLE_NIIF set DCNI_ITEM = DCNI_ITEM where ENCO_CONSEC = 70 and DCNI_ITEM = 1",
                     "select 'E', e.ENCO_CONSEC, null from COMPROBANTE_ENCABEZADO e where e.ENCO_CONSEC = 70 "
                     "union all select 'D', d.ENCO_CONSEC, d.DECO_ITEM from COMPROBANTE_DETALLE d where d.ENCO_CONSEC = 70 "
                     "union all select 'N', n.ENCO_CONSEC, n.DCNI_ITEM from COMPROBANTE_DETALLE_NIIF n "
                     "where n.ENCO_CONSEC = 70 order by 1, 3",
                     "COMPROBANTE_DETALLE_NIIF", "delete from COMPROBANTE_DETALLE where ENCO_CONSEC = 70"}),
    [](const ::testing::TestParamInfo<CasoRetenida>& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace norvane
