// A connection lost in the middle of an online run: the server ends the
// program's attachment (as a server that stops does) while the run waits in
// the second receipt. The run ends with the unhandled-error handler's
// message, a row marked sent is whole at the destination, and a second run
// sends the rest, each receipt once.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/Simulacro.h"
#include "tests/support/TempDir.h"

namespace norvane {
namespace {

using fb::Value;
using test::Consultar;
using test::InstalarPausa;
using test::Registradas;
using test::Recibo;

enum class Lado { Destino, Origen };

struct CasoPerdida {
  const char* nombre;
  Lado perdida;       // the connection that the server ends
  bool copiaAnterior;  // the destination holds an earlier copy of every receipt
};

void PrintTo(const CasoPerdida& c, std::ostream* out) { *out << c.nombre; }

class ConexionPerdida : public test::ConServidor, public ::testing::WithParamInterface<CasoPerdida> {};

TEST_P(ConexionPerdida, TheRunEndsWithTheHandlersMessageAndASecondRunSendsTheRestOnce) {
  const auto& caso = GetParam();
  constexpr int kNumeros[] = {71, 72, 73};
  std::vector<Recibo> origenes;
  {
    auto origen = Abrir("datos/001/norvane.fdb");
    for (int i = 0; i < 3; ++i) {
      origenes.push_back(test::CrearRecibo(origen, 501 + i, kNumeros[i], i + 1, 3, i == 1 ? 2 : 0));
      test::AuditarRecibo(origen, i + 1, 501 + i, kNumeros[i]);
    }
  }
  std::vector<Recibo> anteriores;
  auto destino = Abrir("datos/002/norvane.fdb");
  if (caso.copiaAnterior)
    for (int i = 0; i < 3; ++i) anteriores.push_back(test::CrearRecibo(destino, 901 + i, kNumeros[i], 7 + i, 4));
  InstalarPausa(destino);

  {
    auto hijo = Lanzar("primera", {"--tipos", "11", "--en-linea"});
    ASSERT_TRUE(EsperarLlegada(destino, 1, *hijo)) << hijo->Texto();
    auto perdida = caso.perdida == Lado::Destino ? Abrir("datos/002/norvane.fdb") : Abrir("datos/001/norvane.fdb");
    const auto conexiones = test::ConexionesDe(perdida, hijo->pid());
    ASSERT_EQ(conexiones.size(), 1u);
    // What a stopped server does to the program's attachment.
    perdida.execute("delete from MON$ATTACHMENTS where MON$ATTACHMENT_ID = ?", {Value(conexiones[0])});
    // The destination's pause lets the receipt through once the origin is lost.
    if (caso.perdida == Lado::Origen) destino.execute("insert into SEMAFORO values (2)");
    ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
    EXPECT_EQ(hijo->Salida(), 1) << hijo->Texto();
    EXPECT_NE(hijo->Texto().find("Se presento el siguiente error: connection shutdown"), std::string::npos)
        << hijo->Texto();
    // A lost connection is no refused row: nothing is logged as failed.
    EXPECT_EQ(test::TempDir::LeerArchivo(Dir() / "ERRORENVIO.TXT"), "");
    EXPECT_EQ(hijo->Texto().find("Proceso de envio de información concluído."), std::string::npos)
        << hijo->Texto();
    EXPECT_TRUE(EsperarSinConexiones(destino, hijo->pid()));
  }

  {
    SCOPED_TRACE("after the lost connection");
    // The first receipt was sent and marked before the loss; the third was
    // never reached.
    EXPECT_EQ(Envio(1), "S");
    EXPECT_EQ(Envio(2), "N");
    EXPECT_EQ(Envio(3), "N");
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(kNumeros[i]);
      const auto copias = test::CopiasRecibo(destino, kNumeros[i]);
      // The second receipt was committed before the origin was lost, so it
      // is there whole although it stays unmarked.
      const bool escrito = i == 0 || (i == 1 && caso.perdida == Lado::Origen);
      if (escrito) {
        ASSERT_EQ(copias.size(), 1u);
        test::EsperarEntero(origenes[static_cast<std::size_t>(i)], copias[0]);
      } else if (caso.copiaAnterior) {
        EXPECT_EQ(copias, std::vector<Recibo>{anteriores[static_cast<std::size_t>(i)]});
      } else {
        EXPECT_TRUE(copias.empty());
      }
    }
    EXPECT_EQ(test::Huerfanas(destino), 0);
    // The log of sent rows holds only rows that are marked sent.
    EXPECT_EQ(Registradas(test::TempDir::LeerArchivo(Dir() / "ENVIOMANUAL.TXT")),
              std::vector<std::string>{"1"});
  }

  // The server is back: the pause lets every receipt through.
  if (caso.perdida == Lado::Destino) destino.execute("insert into SEMAFORO values (2)");
  auto hijo = Lanzar("segunda", {"--tipos", "11", "--en-linea"});
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();

  SCOPED_TRACE("after the second run");
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(kNumeros[i]);
    EXPECT_EQ(Envio(i + 1), "S");
    const auto copias = test::CopiasRecibo(destino, kNumeros[i]);
    ASSERT_EQ(copias.size(), 1u);
    test::EsperarEntero(origenes[static_cast<std::size_t>(i)], copias[0]);
    if (caso.copiaAnterior) {
      EXPECT_EQ(copias[0].encabezado[0], anteriores[static_cast<std::size_t>(i)].encabezado[0]);
    }
  }
  EXPECT_EQ(Consultar(destino, "select count(*) from ENTRADAS")[0][0].asInteger(), 3);
  EXPECT_EQ(test::Huerfanas(destino), 0);
  EXPECT_EQ(Registradas(test::TempDir::LeerArchivo(Dir() / "ENVIOMANUAL.TXT")),
            (std::vector<std::string>{"1", "2", "3"}));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ConexionPerdida,
    ::testing::Values(CasoPerdida{"DestinoNuevo", Lado::Destino, false},
                      CasoPerdida{"DestinoReemplazo", Lado::Destino, true},
                      CasoPerdida{"OrigenNuevo", Lado::Origen, false},
                      CasoPerdida{"OrigenReemplazo", Lado::Origen, true}),
    [](const ::testing::TestParamInfo<CasoPerdida>& caso) { return std::string(caso.param.nombre); });

// Offline the transfer file is the unit of work: a connection lost after the
// second receipt is in the file marks nothing, the file is replaced by a
// fresh template, and a second run carries every receipt once. The pause
// lives in the template and signals through company 002's database (unused
// offline), so that the test never opens the file that the program replaces;
// to lose the file's connection the pause asks the server itself to end it.
class ConexionPerdidaFueraDeLinea : public test::ConServidor, public ::testing::WithParamInterface<Lado> {};

TEST_P(ConexionPerdidaFueraDeLinea, MarksNothingAndLeavesAFreshFile) {
  const Lado perdida = GetParam();
  constexpr int kNumeros[] = {71, 72, 73};
  std::vector<Recibo> origenes;
  {
    auto origen = Abrir("datos/001/norvane.fdb");
    for (int i = 0; i < 3; ++i) {
      origenes.push_back(test::CrearRecibo(origen, 501 + i, kNumeros[i], i + 1, 3, i == 1 ? 2 : 0));
      test::AuditarRecibo(origen, i + 1, 501 + i, kNumeros[i]);
    }
  }
  auto senal = Abrir("datos/002/norvane.fdb");
  senal.execute("create table LLEGADA (LLEG_PASO integer, LLEG_ENTR_ID integer, LLEG_ITEM integer)");
  senal.execute("create table SEMAFORO (SEMA_ID integer not null primary key)");
  {
    auto externa = [&](const std::string& base) {
      return "on external 'localhost:" + (Dir() / base).string() + "' as user '" + usuario_.usuario +
             "' password '" + usuario_.clave + "' with autonomous transaction";
    };
    const std::string senales = externa("datos/002/norvane.fdb");
    auto plantilla = Abrir("sop/envio.fdb");
    plantilla.execute("create exception E_PRUEBA_PAUSA 'la prueba no abrio el paso'");
    plantilla.execute(
        "create trigger PRUEBA_PAUSA for ENTRADAS_DETALLE after insert as "
        "declare variable plazo timestamp; declare variable abierto integer = 0; "
        "begin "
        "  if (new.ENDE_DETALLE = 'PAUSA') then "
        "  begin "
        "    execute statement 'insert into LLEGADA values (1, null, null)' " + senales + "; "
        "    plazo = dateadd(60 second to cast('NOW' as timestamp)); "
        "    while (abierto <> 1) do "
        "    begin "
        "      execute statement 'select coalesce(max(SEMA_ID), 0) from SEMAFORO' " + senales + " into :abierto; "
        // Row 2: end this connection to the file, as a stopped server does.
        "      if (abierto = 2) then "
        "        execute statement 'delete from MON$ATTACHMENTS where MON$ATTACHMENT_ID = ' || current_connection " +
            externa("datos/002/envio.fdb") + "; "
        "      if (cast('NOW' as timestamp) > plazo) then exception E_PRUEBA_PAUSA; "
        "    end "
        "  end "
        "end");
  }

  {
    auto hijo = Lanzar("primera", {"--tipos", "11"});
    ASSERT_TRUE(EsperarLlegada(senal, 1, *hijo)) << hijo->Texto();
    if (perdida == Lado::Origen) {
      auto origen = Abrir("datos/001/norvane.fdb");
      const auto conexiones = test::ConexionesDe(origen, hijo->pid());
      ASSERT_EQ(conexiones.size(), 1u);
      origen.execute("delete from MON$ATTACHMENTS where MON$ATTACHMENT_ID = ?", {Value(conexiones[0])});
      senal.execute("insert into SEMAFORO values (1)");
    } else {
      senal.execute("insert into SEMAFORO values (2)");
    }
    ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
    EXPECT_EQ(hijo->Salida(), 1) << hijo->Texto();
    EXPECT_NE(hijo->Texto().find("El archivo de envío quedó incompleto y no debe llevarse al destino."),
              std::string::npos)
        << hijo->Texto();
    EXPECT_NE(hijo->Texto().find("Se presento el siguiente error: connection shutdown"), std::string::npos)
        << hijo->Texto();
  }

  {
    SCOPED_TRACE("after the lost origin");
    for (int id = 1; id <= 3; ++id) EXPECT_EQ(Envio(id), "N") << id;
    EXPECT_EQ(test::TempDir::LeerArchivo(Dir() / "ENVIOMANUAL.TXT"), "");
    auto archivo = Abrir("datos/002/envio.fdb");
    EXPECT_EQ(Consultar(archivo, "select count(*) from ENTRADAS")[0][0].asInteger(), 0);
    EXPECT_EQ(Consultar(archivo, "select count(*) from ENTRADAS_DETALLE")[0][0].asInteger(), 0);
    EXPECT_EQ(Consultar(archivo, "select count(*) from AUDITORIA")[0][0].asInteger(), 0);
  }

  senal.execute("delete from SEMAFORO");
  senal.execute("insert into SEMAFORO values (1)");
  auto hijo = Lanzar("segunda", {"--tipos", "11"});
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();
  SCOPED_TRACE("after the second run");
  auto archivo = Abrir("datos/002/envio.fdb");
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(kNumeros[i]);
    EXPECT_EQ(Envio(i + 1), "S");
    const auto copias = test::CopiasRecibo(archivo, kNumeros[i]);
    ASSERT_EQ(copias.size(), 1u);
    test::EsperarEntero(origenes[static_cast<std::size_t>(i)], copias[0]);
  }
  EXPECT_EQ(Consultar(archivo, "select AUDI_ID from AUDITORIA order by AUDI_ID"),
            (std::vector<fb::Row>{{Value(1)}, {Value(2)}, {Value(3)}}));
  EXPECT_EQ(test::Huerfanas(archivo), 0);
  EXPECT_EQ(Registradas(test::TempDir::LeerArchivo(Dir() / "ENVIOMANUAL.TXT")),
            (std::vector<std::string>{"1", "2", "3"}));
}

INSTANTIATE_TEST_SUITE_P(Casos, ConexionPerdidaFueraDeLinea, ::testing::Values(Lado::Destino, Lado::Origen),
                         [](const ::testing::TestParamInfo<Lado>& caso) {
                           return std::string(caso.param == Lado::Destino ? "Destino" : "Origen");
                         });

}  // namespace
}  // namespace norvane
