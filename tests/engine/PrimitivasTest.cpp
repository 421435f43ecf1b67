#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <regex>

#include "demo/Instalacion.h"
#include "engine/Bitacora.h"
#include "engine/ContextoEnvio.h"
#include "engine/Destino.h"
#include "fb/Transaction.h"
#include "tests/support/BaseTemporal.h"
#include "tests/support/OperadorGrabador.h"

namespace norvane {
namespace {

using fb::Decimal;
using fb::Value;

constexpr const char* kOrigen = R"(
create table FUENTE (ID integer not null primary key, N1 numeric(15,2), D1 double precision,
                     D2 double precision, T1 varchar(10));
insert into FUENTE values (1, null, 1.23456, 1.23456, 'uno');
insert into FUENTE values (2, 5.5, null, 2.5, null);
create table CORTA (ID integer, N1 numeric(15,2));
insert into CORTA values (1, 3);
)";

constexpr const char* kDestino = R"(
create table DESTINO (ID integer not null primary key, N1 numeric(15,2), D1 numeric(15,4),
                      D2 numeric(15,2), T1 varchar(10));
create table OBLIGATORIA (ID integer not null primary key, A varchar(5) not null,
                          B integer not null, C integer);
create table CON_CHECK (ID integer not null primary key, V integer check (V > 0));
create table NOTAS (ID integer, NOTA blob sub_type text, X varchar(5));
create table SIN_CLAVE (A integer, B varchar(5));
create generator GEN_PRUEBA;
set generator GEN_PRUEBA to 1000;
create view cambie_id_prueba (ID) as select gen_id(GEN_PRUEBA, 1) from rdb$database;
create view cambie_id_vacia (ID) as select 1 from rdb$database where 1 = 0;
create view cambie_id_nula (ID) as select cast(null as integer) from rdb$database;
insert into DESTINO values (7, 1, 1, 1, 'siete');
insert into NOTAS values (1, 'texto largo', null);
insert into SIN_CLAVE values (1, 'x');
insert into SIN_CLAVE values (1, 'x');
insert into SIN_CLAVE values (2, 'y');
)";

class Primitivas : public ::testing::Test {
protected:
  void SetUp() override {
    demo::EscribirAjustes(dir.path(), dir.str());
    ::setenv("XDG_CONFIG_DIRS", dir.str().c_str(), 1);
    origen.run(kOrigen);
    destinoBase.run(kDestino);
    destinoBase.close();
    destino = std::make_unique<Destino>(destinoBase.params());
    principal.emplace(origen.db());
    detalle.emplace(origen.db());
    contexto = std::make_unique<ContextoEnvio>(banderas, *principal, *detalle, *destino, bitacora, operador);
  }

  std::vector<fb::Row> Destinos(const std::string& sql) {
    fb::Transaction t(destino->conexion(), fb::Isolation::ReadCommitted);
    return t.query(sql);
  }

  std::string Errores() { return dir.read("ERRORENVIO.TXT"); }

  test::TempDir dir;
  test::BaseTemporal origen{"origen.fdb"};
  test::BaseTemporal destinoBase{"destino.fdb"};
  test::OperadorGrabador operador;
  Bitacora bitacora{operador};
  std::unique_ptr<Destino> destino;
  std::optional<fb::Transaction> principal;
  std::optional<fb::Transaction> detalle;
  BanderasEnvio banderas;
  std::unique_ptr<ContextoEnvio> contexto;
};

TEST_F(Primitivas, CopyWithAndWithoutTheFixedPointRule) {
  auto& c = *contexto;
  c.QCopia.Abrir("select * from FUENTE where ID = 1");
  c.AbrirDestino("select * from DESTINO where ID = 0");
  c.CopiarFila(c.QCopia);
  c.AplicarDestino();
  ASSERT_FALSE(c.fila.HuboError) << Errores();

  c.QCopia.Abrir("select 2, N1, D1, D2, T1 from FUENTE where ID = 1");
  c.AbrirDestino("select * from DESTINO where ID = 0");
  c.CopiarFila(c.QCopia, false);
  c.AplicarDestino();
  ASSERT_FALSE(c.fila.HuboError) << Errores();

  const auto filas = Destinos("select ID, N1, D1, D2, T1 from DESTINO where ID < 7 order by ID");
  ASSERT_EQ(filas.size(), 2u);
  // With the rule: a null becomes 0, 1.23456 becomes 1.2346, then the
  // column's own scale.
  EXPECT_EQ(filas[0][1], Value(Decimal{0, -2}));
  EXPECT_EQ(filas[0][2], Value(Decimal{12346, -4}));
  EXPECT_EQ(filas[0][3], Value(Decimal{123, -2}));
  EXPECT_EQ(filas[0][4], Value("uno"));
  // Without it the null stays null.
  EXPECT_TRUE(filas[1][1].isNull());
  EXPECT_EQ(filas[1][2], Value(Decimal{12346, -4}));
}

TEST_F(Primitivas, DestinationWithMoreColumnsThanTheSourceFailsTheCopy) {
  auto& c = *contexto;
  c.QCopia.Abrir("select * from CORTA");
  c.AbrirDestino("select * from DESTINO where ID = 0");
  EXPECT_THROW(c.CopiarFila(c.QCopia), std::runtime_error);
}

TEST_F(Primitivas, UpdateOfARowChangedUnderneathIsLoggedWithoutItsLastCharacter) {
  auto& c = *contexto;
  c.AbrirDestino("select * from DESTINO where ID = 7");
  c.EjecutarDestino("update DESTINO set T1 = 'otro' where ID = 7");
  c.CDestino.Editar();
  c.CDestino.Asignar(4, Value("nuevo"));
  c.AplicarDestino();
  EXPECT_TRUE(c.fila.HuboError);
  EXPECT_EQ(operador.beeps, 1);
  EXPECT_TRUE(std::regex_match(
      Errores(), std::regex("\\d{4}/\\d\\d/\\d\\d,[^,]+,Record not found or changed by another use\r\n")))
      << Errores();
  EXPECT_EQ(Destinos("select T1 from DESTINO where ID = 7")[0][0], Value("otro"));
}

TEST_F(Primitivas, AnEditThatOnlyAddsTrailingBlanksIsWritten) {
  auto& c = *contexto;
  c.AbrirDestino("select * from DESTINO where ID = 7");
  c.CDestino.Editar();
  c.CDestino.Asignar(4, Value("siete  "));
  c.AplicarDestino();
  ASSERT_FALSE(c.fila.HuboError) << Errores();
  EXPECT_EQ(Destinos("select T1 from DESTINO where ID = 7")[0][0], Value("siete  "));
}

TEST_F(Primitivas, EditAndDeleteIdentifyTheRowByEveryValueIncludingNulls) {
  auto& c = *contexto;
  c.AbrirDestino("select * from NOTAS");
  c.CDestino.Editar();
  c.CDestino.Asignar(2, Value("x"));
  c.AplicarDestino();
  ASSERT_FALSE(c.fila.HuboError) << Errores();
  c.AbrirDestino("select * from NOTAS");
  c.CDestino.Borrar();
  c.AplicarDestino();
  ASSERT_FALSE(c.fila.HuboError) << Errores();
  EXPECT_TRUE(Destinos("select * from NOTAS").empty());
}

TEST_F(Primitivas, RequiredColumnsWithoutValueAreRefusedBeforeWriting) {
  auto& c = *contexto;
  c.AbrirDestino("select * from OBLIGATORIA");
  c.CDestino.Agregar();
  c.CDestino.Asignar(0, Value(1));
  try {
    c.AplicarDestino();
    FAIL() << "the cursor accepted a row without its required values";
  } catch (const RechazoCursor& rechazo) {
    EXPECT_EQ(c.ManejarClientError(rechazo), "Los campos A, B,  son obligatorios.");
  }
  EXPECT_EQ(operador.beeps, 1);
  EXPECT_NE(Errores().find(",Los campos A, B,  son obligatorios.\r\n"), std::string::npos);
  EXPECT_TRUE(Destinos("select * from OBLIGATORIA").empty());
}

TEST_F(Primitivas, ARepeatedKeyIsRefusedByTheCursor) {
  auto& c = *contexto;
  c.AbrirDestino("select * from DESTINO");
  c.CDestino.Agregar();
  c.CDestino.Asignar(0, Value(7));
  try {
    c.CDestino.Publicar();
    FAIL();
  } catch (const RechazoCursor& rechazo) {
    EXPECT_EQ(c.ManejarClientError(rechazo), "Ya existe un registro con el mismo ID, ");
  }
}

TEST_F(Primitivas, AFailedApplyRollsBackAllItsChangesAndTheNextSucceeds) {
  auto& c = *contexto;
  c.AbrirDestino("select * from CON_CHECK");
  c.CDestino.Agregar();
  c.CDestino.Asignar(0, Value(1));
  c.CDestino.Asignar(1, Value(5));
  c.CDestino.Publicar();
  c.CDestino.Agregar();
  c.CDestino.Asignar(0, Value(2));
  c.CDestino.Asignar(1, Value(-5));  // the destination's check refuses it
  c.AplicarDestino();
  EXPECT_TRUE(c.fila.HuboError);
  EXPECT_TRUE(Destinos("select * from CON_CHECK").empty());  // nothing of that write stays

  c.AbrirDestino("select * from CON_CHECK");  // closing discards the posted changes
  c.CDestino.Agregar();
  c.CDestino.Asignar(0, Value(3));
  c.CDestino.Asignar(1, Value(3));
  c.AplicarDestino();
  EXPECT_FALSE(c.fila.HuboError);  // set, not accumulated
  EXPECT_EQ(Destinos("select ID from CON_CHECK"), (std::vector<fb::Row>{{Value(3)}}));
}

TEST_F(Primitivas, ServerMessagesOfSeveralLinesAreOneLogLineAndTheLogGrows) {
  auto& c = *contexto;
  for (int vez = 0; vez < 2; ++vez) {
    c.AbrirDestino("select * from DESTINO where ID = 0");  // the cursor does not hold row 7
    c.CDestino.Agregar();
    c.CDestino.Asignar(0, Value(7));
    c.AplicarDestino();
    EXPECT_TRUE(c.fila.HuboError);
  }
  const std::string linea =
      "violation of PRIMARY or UNIQUE KEY constraint \"INTEG_\\d+\" on table \"DESTINO\" "
      "-Problematic key value is \\(\"ID\" = 7\r\n";
  EXPECT_TRUE(std::regex_match(Errores(), std::regex("([^,]+,[^,]+," + linea + "){2}")))
      << Errores();
}

// An edit or delete is written only when the destination holds its row
// exactly once: SIN_CLAVE has no key and holds (1, 'x') twice, so an edit of
// one of them would change both; a row changed underneath is found by none.
struct CasoIdentificacion {
  const char* nombre;
  const char* select;     // what the cursor holds; its first row is the one changed
  const char* antes;      // run at the destination after the cursor read its rows, or ""
  bool borrar;            // delete the row instead of editing it
  const char* registrado; // the error log's message (the capture drops its last character)
  bool enFila;            // inside an audit row's transaction (under a savepoint); set below
};

std::string NombreCaso(const CasoIdentificacion& c) {
  return std::string(c.nombre) + (c.enFila ? "EnFila" : "SinFila");
}

void PrintTo(const CasoIdentificacion& c, std::ostream* os) { *os << NombreCaso(c); }

class IdentificacionFila : public Primitivas,
                           public ::testing::WithParamInterface<CasoIdentificacion> {};

TEST_P(IdentificacionFila, AWriteThatDoesNotMatchExactlyOneRowFailsAndChangesNothing) {
  const auto& caso = GetParam();
  auto& c = *contexto;
  if (caso.enFila) destino->IniciarFila();
  c.AbrirDestino(caso.select);
  ASSERT_FALSE(c.CDestino.Eof());
  if (*caso.antes) c.EjecutarDestino(caso.antes);
  const std::string todas = "select A, B from SIN_CLAVE order by A, B";
  // Read in the same transaction as the write: what the write must leave.
  const auto filasAntes = destino->Consultar(todas).filas;
  if (caso.borrar) {
    c.CDestino.Borrar();
  } else {
    c.CDestino.Editar();
    c.CDestino.Asignar(1, Value("z"));
  }
  c.AplicarDestino();
  EXPECT_TRUE(c.fila.HuboError);
  EXPECT_EQ(operador.beeps, 1);
  EXPECT_TRUE(std::regex_match(
      Errores(), std::regex(std::string("\\d{4}/\\d\\d/\\d\\d,[^,]+,") + caso.registrado + "\r\n")))
      << Errores();
  EXPECT_EQ(destino->Consultar(todas).filas, filasAntes);
  if (caso.enFila) {
    // The row goes on after its refused write: what it commits holds none of it.
    destino->ConfirmarFila();
    EXPECT_EQ(Destinos(todas), filasAntes);
  }
}

const CasoIdentificacion kIdentificacion[] = {
    {"EdicionDeDosFilasIguales", "select * from SIN_CLAVE where A = 1", "", false,
     "Update affected more than 1 record", false},
    {"BorradoDeDosFilasIguales", "select * from SIN_CLAVE where A = 1", "", true,
     "Update affected more than 1 record", false},
    {"EdicionDeFilaCambiada", "select * from SIN_CLAVE where A = 2",
     "update SIN_CLAVE set B = 'w' where A = 2", false,
     "Record not found or changed by another use", false},
    {"BorradoDeFilaCambiada", "select * from SIN_CLAVE where A = 2",
     "update SIN_CLAVE set B = 'w' where A = 2", true,
     "Record not found or changed by another use", false},
};

std::vector<CasoIdentificacion> EnAmbasTransacciones() {
  std::vector<CasoIdentificacion> casos;
  for (bool enFila : {false, true})
    for (auto caso : kIdentificacion) {
      caso.enFila = enFila;
      casos.push_back(caso);
    }
  return casos;
}

INSTANTIATE_TEST_SUITE_P(Casos, IdentificacionFila, ::testing::ValuesIn(EnAmbasTransacciones()),
                         [](const ::testing::TestParamInfo<CasoIdentificacion>& parametro) {
                           return NombreCaso(parametro.param);
                         });

TEST_F(Primitivas, AsignarIdGivesTheViewsIdentifierOrReportsTheEmptyView) {
  auto& c = *contexto;
  c.QCopia.Abrir("select * from FUENTE where ID = 2");
  c.AbrirDestino("select * from DESTINO where ID = 0");
  c.CopiarFila(c.QCopia);
  ASSERT_TRUE(c.AsignarId("select * from cambie_id_prueba"));
  EXPECT_EQ(c.fila.NuevoId, 1001);
  EXPECT_EQ(c.CDestino.Pendiente()[0], Value(std::int64_t{1001}));

  EXPECT_FALSE(c.AsignarId("select * from cambie_id_vacia"));
  EXPECT_FALSE(c.AsignarId("select * from cambie_id_nula"));
  EXPECT_EQ(c.fila.NuevoId, 1001);  // unchanged
  EXPECT_EQ(c.CDestino.Pendiente()[0], Value(std::int64_t{1001}));
  EXPECT_EQ(operador.beeps, 2);
  EXPECT_NE(Errores().find(",No se obtuvo un identificador nuevo de select * from cambie_id_vacia\r\n"),
            std::string::npos)
      << Errores();
}

TEST(Bitacora, LinesOfBothLogs) {
  test::TempDir dir;
  demo::EscribirAjustes(dir.path(), dir.str());
  ::setenv("XDG_CONFIG_DIRS", dir.str().c_str(), 1);
  test::OperadorGrabador operador;
  Bitacora bitacora(operador);
  bitacora.archivo_auditoria("1234", "11", "A", "A,1");
  bitacora.archivo_auditoria("1235", "31", "M", "FV\xd1" "00000123");
  bitacora.error_transmision("ADMIN", "Error transmitiendo Entrada de almacén EN000001");
  const std::regex fecha("\\d{4}/\\d\\d/\\d\\d,\\d\\d:\\d\\d:\\d\\d,");  // C locale: HH:MM:SS
  const std::string enviados = dir.read("ENVIOMANUAL.TXT");
  EXPECT_TRUE(std::regex_match(
      enviados, std::regex("\\d{4}/\\d\\d/\\d\\d,\\d\\d:\\d\\d:\\d\\d,1234,11,A,A,1\r\n"
                           "\\d{4}/\\d\\d/\\d\\d,\\d\\d:\\d\\d:\\d\\d,1235,31,M,FV\xd1" "00000123\r\n")))
      << enviados;
  EXPECT_TRUE(std::regex_search(dir.read("ERRORENVIO.TXT"), fecha));
  EXPECT_NE(dir.read("ERRORENVIO.TXT").find(",ADMIN,Error transmitiendo Entrada de almacén EN000001\r\n"),
            std::string::npos);
  EXPECT_TRUE(operador.mensajes.empty());
}

TEST(Bitacora, WithoutTheInstallationKeyEachLineSaysSo) {
  test::TempDir dir;
  ::setenv("XDG_CONFIG_DIRS", dir.str().c_str(), 1);
  // Without a directory the log goes to "/ERRORENVIO.TXT"; leave the root
  // as it was found.
  const bool habia = std::filesystem::exists("/ERRORENVIO.TXT");
  test::OperadorGrabador operador;
  Bitacora bitacora(operador);
  bitacora.error_envio("uno");
  bitacora.error_envio("dos");
  if (!habia) std::filesystem::remove("/ERRORENVIO.TXT");
  EXPECT_EQ(operador.mensajes.size(), 2u);
  EXPECT_EQ(operador.mensajes[0],
            "No se encontró la Clave HKEY_LOCAL_MACHINE\\Software\\Lumo\\NorvaneERP2024\\Directorio");
}

}  // namespace
}  // namespace norvane
