// Fault drills of the all-or-nothing audit rows, with the real headless
// program as a child process and every connection through the local server:
// a run killed in the middle of a document, and a destination row held
// locked past (or within) --espera-bloqueo.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <ostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "fb/Attachment.h"
#include "fb/Transaction.h"
#include "tests/support/InformePrueba.h"
#include "tests/support/Simulacro.h"
#include "tests/support/TempDir.h"

namespace norvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using fb::Value;
using test::ConServidor;
using test::Consultar;
using test::Hijo;
using test::Recibo;
using Reloj = std::chrono::steady_clock;

constexpr auto kPlazo = test::kPlazoSimulacro;
constexpr auto kSondeo = 20ms;

// A read-committed transaction of the test that holds what it updates or
// selects WITH LOCK until Soltar; it is rolled back, never committed.
class Cerrojo {
public:
  explicit Cerrojo(fb::Attachment& db) : t_(db, fb::Isolation::ReadCommitted) {}
  ~Cerrojo() {
    try {
      Soltar();
    } catch (...) {
      // The server rolls back what a lost connection left.
    }
  }
  fb::Transaction& t() { return t_; }
  void Soltar() {
    if (t_.active()) t_.rollback();
  }

private:
  fb::Transaction t_;
};

// A receipt of the origin.
struct Documento {
  int auditId;
  int numero;
  Recibo origen;
  std::string Codigo() const { return "EN" + test::NumeroRecibo(numero); }
};

// The pause of the kill drills, in the database `db` (the destination
// company, or the transfer template). The detail row whose text is PAUSA
// first writes step 1 to LLEGADA in a transaction of its own (committed,
// visible to the test), waits until SEMAFORO has row 2 (the test says it
// holds row 1; a minute at most), writes step 2 the same way and updates
// SEMAFORO row 1, where it waits on the test's lock. Row 2 lets the test
// take its lock after the program arrived: offline the transfer file, with
// its SEMAFORO, exists only once the program has copied the template.
void InstalarPausa(fb::Attachment& db) {
  db.execute("create table LLEGADA (LLEG_PASO integer, LLEG_ENTR_ID integer, LLEG_ITEM integer)");
  db.execute("create table SEMAFORO (SEMA_ID integer not null primary key, SEMA_VALOR integer)");
  db.execute("create exception E_PRUEBA_PAUSA 'la prueba no abrio el paso'");
  db.execute(
      "create trigger PRUEBA_PAUSA for ENTRADAS_DETALLE after insert as "
      "declare variable plazo timestamp; "
      "begin "
      "  if (new.ENDE_DETALLE = 'PAUSA') then "
      "  begin "
      "    in autonomous transaction do "
      "      insert into LLEGADA values (1, new.ENTR_ID, new.ENDE_ITEM); "
      "    plazo = dateadd(60 second to cast('NOW' as timestamp)); "
      "    while (not exists(select 1 from SEMAFORO where SEMA_ID = 2)) do "
      "      if (cast('NOW' as timestamp) > plazo) then exception E_PRUEBA_PAUSA; "
      "    in autonomous transaction do "
      "      insert into LLEGADA values (2, new.ENTR_ID, new.ENDE_ITEM); "
      "    update SEMAFORO set SEMA_VALOR = SEMA_VALOR + 1 where SEMA_ID = 1; "
      "  end "
      "end");
  db.execute("insert into SEMAFORO values (1, 0)");
}

struct CasoMuerte {
  const char* nombre;
  bool enLinea;
  bool copiaAnterior;  // the destination holds an earlier copy of every document
  bool omitirDespues;  // the second run omits the documents that exist
};

void PrintTo(const CasoMuerte& c, std::ostream* out) { *out << c.nombre; }

class Muerte : public ConServidor, public ::testing::WithParamInterface<CasoMuerte> {};

// Three receipts, one audit row each; the program is killed while it waits
// in the second detail row of the second one. Whatever the killed run
// committed is whole, a row marked sent has its document whole at the
// destination, and a second run sends the rest: every document once, whole.
TEST_P(Muerte, KilledInTheMiddleOfADocumentLeavesOnlyWholeDocumentsAndASecondRunSendsTheRest) {
  const auto& caso = GetParam();
  std::vector<Documento> docs;
  {
    auto origen = Abrir("datos/001/norvane.fdb");
    for (int i = 0; i < 3; ++i) {
      Documento d{i + 1, 71 + i, {}};
      d.origen = test::CrearRecibo(origen, 501 + i, d.numero, i + 1, 3, i == 1 ? 2 : 0);
      test::AuditarRecibo(origen, d.auditId, 501 + i, d.numero);
      docs.push_back(std::move(d));
    }
  }
  std::vector<Recibo> anteriores;
  if (caso.copiaAnterior) {
    auto destino = Abrir("datos/002/norvane.fdb");
    for (int i = 0; i < 3; ++i) anteriores.push_back(test::CrearRecibo(destino, 901 + i, docs[i].numero, 7 + i, 4));
  }
  const std::string conPausa = caso.enLinea ? "datos/002/norvane.fdb" : "sop/envio.fdb";
  const std::string destino = caso.enLinea ? "datos/002/norvane.fdb" : "datos/002/envio.fdb";
  {
    auto db = Abrir(conPausa);
    InstalarPausa(db);
  }
  std::vector<std::string> primera{"--tipos", "11"};
  if (caso.enLinea) primera.push_back("--en-linea");

  {
    // Declared in this order so that a failure kills the child first, then
    // releases the lock, then detaches.
    std::optional<fb::Attachment> db;
    std::optional<Cerrojo> cerrojo;
    auto hijo = Lanzar("primera", primera);
    if (!caso.enLinea) {
      // The transfer file is opened only once the program's copy of the
      // template is complete.
      const auto fin = Reloj::now() + kPlazo;
      std::error_code e;
      while (Reloj::now() < fin && hijo->Vivo() &&
             fs::file_size(Dir() / destino, e) != fs::file_size(Dir() / conPausa))
        std::this_thread::sleep_for(kSondeo);
    }
    db.emplace(Abrir(destino));
    ASSERT_TRUE(EsperarLlegada(*db, 1, *hijo)) << hijo->Texto();
    cerrojo.emplace(*db);
    cerrojo->t().execute("update SEMAFORO set SEMA_VALOR = SEMA_VALOR + 1 where SEMA_ID = 1");
    db->execute("insert into SEMAFORO values (2, 0)");
    ASSERT_TRUE(EsperarLlegada(*db, 2, *hijo)) << hijo->Texto();
    ASSERT_TRUE(hijo->Vivo());
    hijo->Matar();
    EXPECT_TRUE(hijo->MuertoPorSigkill());
    cerrojo->Soltar();
    // Gone from the server: its transactions rolled back, its files free.
    EXPECT_TRUE(EsperarSinConexiones(*db, hijo->pid()));
    auto origen = Abrir("datos/001/norvane.fdb");
    EXPECT_TRUE(EsperarSinConexiones(origen, hijo->pid()));
  }

  {
    SCOPED_TRACE("after the kill");
    auto db = Abrir(destino);
    const auto llegadas = Consultar(db, "select LLEG_ITEM from LLEGADA where LLEG_PASO = 2");
    ASSERT_EQ(llegadas, (std::vector<fb::Row>{{Value(2)}}));  // it stopped at the 2nd detail row
    for (const auto& d : docs) {
      SCOPED_TRACE(d.Codigo());
      const auto copias = test::CopiasRecibo(db, d.numero);
      const bool enviada = Envio(d.auditId) == "S";
      // Online the first document was sent and marked; offline the marks
      // wait for a finish that never came.
      EXPECT_EQ(enviada, caso.enLinea && d.auditId == 1);
      if (d.auditId == 1) {
        ASSERT_EQ(copias.size(), 1u);
        test::EsperarEntero(d.origen, copias[0]);
      } else if (caso.copiaAnterior) {
        // Neither replaced nor touched: the earlier copy whole.
        EXPECT_EQ(copias.size(), 1u);
        if (!copias.empty()) {
          EXPECT_EQ(copias[0].encabezado, anteriores[static_cast<std::size_t>(d.auditId - 1)].encabezado);
          EXPECT_EQ(copias[0].lineas, anteriores[static_cast<std::size_t>(d.auditId - 1)].lineas);
        }
      } else {
        EXPECT_TRUE(copias.empty());
      }
    }
    EXPECT_EQ(test::Huerfanas(db), 0);
  }

  // The killed run's report holds a line for each row it completed, each
  // true to the row's mark; the row it was killed in has none.
  const auto informesMatada = test::Informes(Dir());
  ASSERT_EQ(informesMatada.size(), 1u);
  {
    const auto informe = test::LeerInforme(informesMatada[0]);
    ASSERT_EQ(informe.filas.size(), 1u);
    EXPECT_EQ(informe.Fila("1").at("resultado"),
              caso.enLinea ? "enviado" : "no enviado (archivo incompleto)");
    EXPECT_EQ(informe.Fila("1").at("decision"), caso.copiaAnterior ? "reemplazar" : "nuevo");
  }

  if (!caso.enLinea) {
    // The transfer file of the next run is a fresh copy of the template:
    // its pause must let the document through.
    auto plantilla = Abrir("sop/envio.fdb");
    plantilla.execute("insert into SEMAFORO values (2, 0)");
  }
  std::vector<std::string> segunda = primera;
  if (caso.omitirDespues) segunda.push_back("--omitir");
  auto hijo = Lanzar("segunda", segunda);
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();

  SCOPED_TRACE("after the second run");
  auto db = Abrir(destino);
  for (const auto& d : docs) {
    SCOPED_TRACE(d.Codigo());
    EXPECT_EQ(Envio(d.auditId), "S");
    const auto copias = test::CopiasRecibo(db, d.numero);
    ASSERT_EQ(copias.size(), 1u);
    test::EsperarEntero(d.origen, copias[0]);
    if (caso.copiaAnterior) {
      EXPECT_EQ(copias[0].encabezado[0], anteriores[static_cast<std::size_t>(d.auditId - 1)].encabezado[0]);
    }
  }
  EXPECT_EQ(Consultar(db, "select count(*) from ENTRADAS")[0][0].asInteger(), 3);
  EXPECT_EQ(test::Huerfanas(db), 0);
  // The second run's report is a file of its own; it sends what the first
  // left (online the first row was already sent and is not selected again).
  auto informes = test::Informes(Dir());
  ASSERT_EQ(informes.size(), 2u);
  std::erase(informes, informesMatada[0]);
  {
    const auto informe = test::LeerInforme(informes[0]);
    std::vector<std::string> resultados;
    for (const auto& f : informe.filas) resultados.push_back(f.at("AUDI_ID") + " " + f.at("resultado"));
    if (caso.enLinea)
      EXPECT_EQ(resultados, (std::vector<std::string>{"2 enviado", "3 enviado"}));
    else
      EXPECT_EQ(resultados, (std::vector<std::string>{"1 enviado", "2 enviado", "3 enviado"}));
    EXPECT_EQ(informe.Fila("2").at("decision"),
              caso.copiaAnterior ? (caso.omitirDespues ? "omitir" : "reemplazar") : "nuevo");
  }
  if (!caso.enLinea) {
    // Each audit row travels once with the file, and the company is untouched.
    EXPECT_EQ(Consultar(db, "select AUDI_ID from AUDITORIA order by AUDI_ID"),
              (std::vector<fb::Row>{{Value(1)}, {Value(2)}, {Value(3)}}));
    auto compania = Abrir("datos/002/norvane.fdb");
    EXPECT_EQ(Consultar(compania, "select count(*) from ENTRADAS")[0][0].asInteger(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Muerte,
    ::testing::Values(CasoMuerte{"EnLineaNuevo", true, false, false},
                      CasoMuerte{"EnLineaReemplazo", true, true, false},
                      CasoMuerte{"EnLineaLuegoOmitir", true, false, true},
                      CasoMuerte{"FueraDeLinea", false, false, false}),
    [](const ::testing::TestParamInfo<CasoMuerte>& caso) { return std::string(caso.param.nombre); });

struct CasoEspera {
  const char* nombre;
  int segundos;      // --espera-bloqueo
  bool soltarAntes;  // the test releases the lock while the program waits
};

void PrintTo(const CasoEspera& c, std::ostream* out) { *out << c.nombre; }

class EsperaBloqueo : public ConServidor, public ::testing::WithParamInterface<CasoEspera> {};

// Three receipts; the destination holds an earlier copy of the second one,
// whose header row the test holds locked, so its replacement waits.
TEST_P(EsperaBloqueo, ALockedRowFailsPastTheBoundAndIsSentWhenReleasedWithinIt) {
  const auto& caso = GetParam();
  std::vector<Documento> docs;
  Recibo anterior;
  {
    auto origen = Abrir("datos/001/norvane.fdb");
    for (int i = 0; i < 3; ++i) {
      Documento d{i + 1, 81 + i, {}};
      d.origen = test::CrearRecibo(origen, 601 + i, d.numero, i + 1, 3);
      test::AuditarRecibo(origen, d.auditId, 601 + i, d.numero);
      docs.push_back(std::move(d));
    }
    auto destino = Abrir("datos/002/norvane.fdb");
    anterior = test::CrearRecibo(destino, 950, docs[1].numero, 9, 2);
    // Says when the program is about to update a header, before its wait.
    destino.execute("create table LLEGADA (LLEG_PASO integer, LLEG_ENTR_ID integer, LLEG_ITEM integer)");
    destino.execute(
        "create trigger PRUEBA_AVISO for ENTRADAS before update as begin "
        "in autonomous transaction do insert into LLEGADA values (1, old.ENTR_ID, null); end");
  }
  auto destino = Abrir("datos/002/norvane.fdb");
  Cerrojo cerrojo(destino);
  ASSERT_EQ(cerrojo.t().query("select ENTR_ID from ENTRADAS where ENTR_ID = 950 with lock").size(), 1u);

  const auto inicio = Reloj::now();
  auto hijo = Lanzar("espera", {"--tipos", "11", "--en-linea", "--espera-bloqueo", std::to_string(caso.segundos)});
  if (caso.soltarAntes) {
    ASSERT_TRUE(EsperarLlegada(destino, 1, *hijo)) << hijo->Texto();
    // The trigger runs right before the update that waits.
    std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(hijo->Vivo()) << "the run did not wait for the lock\n" << hijo->Texto();
    cerrojo.Soltar();
  }
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  const auto duracion = Reloj::now() - inicio;
  cerrojo.Soltar();

  const std::string errores = test::TempDir::LeerArchivo(Dir() / "ERRORENVIO.TXT");
  EXPECT_EQ(Consultar(destino, "select LLEG_ENTR_ID from LLEGADA"), (std::vector<fb::Row>{{Value(950)}}));
  for (const auto& d : {docs[0], docs[2]}) {
    SCOPED_TRACE(d.Codigo());
    EXPECT_EQ(Envio(d.auditId), "S");
    const auto copias = test::CopiasRecibo(destino, d.numero);
    ASSERT_EQ(copias.size(), 1u);
    test::EsperarEntero(d.origen, copias[0]);
  }
  if (caso.soltarAntes) {
    EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();
    EXPECT_EQ(errores.find("Error transmitiendo"), std::string::npos) << errores;
  } else {
    // The run waited the bound, failed the row and went on. The server
    // counts the bound in whole seconds of its clock: a wait may end up to
    // a second early.
    EXPECT_EQ(hijo->Salida(), 3) << hijo->Texto();
    EXPECT_GE(duracion, std::chrono::seconds(caso.segundos - 1));
    EXPECT_NE(errores.find("update conflicts with concurrent update"), std::string::npos) << errores;
    EXPECT_NE(errores.find("," + usuario_.usuario + ",Error transmitiendo Entrada de inventario " +
                           docs[1].Codigo() + "\r\n"),
              std::string::npos)
        << errores;
    EXPECT_EQ(Envio(docs[1].auditId), "N");
    // Its detail rows, deleted before the header waited, are back.
    EXPECT_EQ(test::CopiasRecibo(destino, docs[1].numero), std::vector<Recibo>{anterior});
    EXPECT_EQ(test::Huerfanas(destino), 0);

    // Released, the row that failed is sent by the next run.
    hijo = Lanzar("despues", {"--tipos", "11", "--en-linea", "--espera-bloqueo", std::to_string(caso.segundos)});
    ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
    EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();
  }
  EXPECT_EQ(Envio(docs[1].auditId), "S");
  const auto copias = test::CopiasRecibo(destino, docs[1].numero);
  ASSERT_EQ(copias.size(), 1u);
  EXPECT_EQ(copias[0].encabezado[0], Value(950));  // replaced, not added
  test::EsperarEntero(docs[1].origen, copias[0]);
  EXPECT_EQ(Consultar(destino, "select count(*) from ENTRADAS")[0][0].asInteger(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EsperaBloqueo,
    ::testing::Values(CasoEspera{"VenceElPlazo", 2, false}, CasoEspera{"SeSueltaAntes", 2, true}),
    [](const ::testing::TestParamInfo<CasoEspera>& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace norvane
