#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "engine/ContextoEnvio.h"
#include "engine/Sesion.h"
#include "engine/Transferencia.h"
#include "fb/Error.h"
#include "fb/Transaction.h"
#include "tests/support/InformePrueba.h"
#include "tests/support/InstalacionPrueba.h"
#include "tests/support/OperadorGrabador.h"

namespace norvane {
namespace {

using fb::Value;

struct Auditoria {
  int id;
  const char* fecha;
  const char* hora;
  int tido;
  int iddoc;
  const char* oper;
  const char* cod;
  const char* envio = "N";
  const char* tico = nullptr;
};

class Transferencia_ : public ::testing::Test {
protected:
  void SetUp() override { opciones = inst.Firmar(sesion); }

  void Auditar(std::initializer_list<Auditoria> filas) {
    auto db = inst.Compania("001");
    fb::Transaction t(db);
    for (const auto& a : filas) {
      t.execute(
          "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, "
          "AUDI_IDDOC, AUDI_OPER, AUDI_COD, AUDI_ENVIO, AUDI_TICO, AUDI_RAZON) "
          "values (?, 'ANA', ?, ?, ?, ?, ?, ?, ?, ?, null)",
          {a.id, a.fecha, a.hora, a.tido, a.iddoc, a.oper, a.cod, a.envio,
           a.tico ? Value(a.tico) : Value()});
      t.execute(
          "update or insert into REPLICA_EVENTOS (RPEV_COMPANIA, RPEV_TIPO, RPEV_IDDOC) "
          "values ('002', ?, ?) matching (RPEV_COMPANIA, RPEV_TIPO, RPEV_IDDOC)",
          {a.tido, a.iddoc});
    }
    t.commit();
  }

  // AUDI_ENVIO of each audit row of the origin, by AUDI_ID.
  std::string Envio(int id) {
    auto db = inst.Compania("001");
    fb::Transaction t(db);
    return t.query("select AUDI_ENVIO from AUDITORIA where AUDI_ID = ?", {id})[0][0].asText();
  }

  bool Estampado(int tido, int iddoc) {
    auto db = inst.Compania("001");
    fb::Transaction t(db);
    return !t.query("select RPEV_FECREP from REPLICA_EVENTOS where RPEV_COMPANIA = '002' and "
                    "RPEV_TIPO = ? and RPEV_IDDOC = ?",
                    {tido, iddoc})[0][0]
                .isNull();
  }

  std::vector<std::string> Lineas(const std::string& archivo) {
    std::vector<std::string> lineas;
    const std::string texto = (inst.dir() / archivo).string();
    std::string todo = [&] {
      std::ifstream in(texto, std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    std::size_t at = 0;
    while (at < todo.size()) {
      const auto fin = todo.find("\r\n", at);
      std::string linea = todo.substr(at, fin - at);
      // Date and time are the first two fields.
      lineas.push_back(linea.substr(linea.find(',', linea.find(',') + 1) + 1));
      at = fin + 2;
    }
    return lineas;
  }

  void Marcar(std::initializer_list<int> tipos) {
    for (auto& t : opciones.Ctipodoc) {
      t.F_1 = "N";
      for (int m : tipos)
        if (t.TIDO_COD == m) t.F_1 = "S";
    }
  }

  ResultadoEnvio Ejecutar() {
    Transferencia run(sesion, operador, despacho);
    auto r = run.Ejecutar(opciones);
    resumen = run.Resumen();
    return r;
  }

  test::InstalacionPrueba inst;
  Sesion sesion;
  OpcionesEnvio opciones;
  test::OperadorGrabador operador;
  Despacho despacho;
  ResumenEnvio resumen;
};

TEST_F(Transferencia_, EverythingNotSentCompletesMarkedRowsOnly) {
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"},
           {2, "2024/04/01", "09:00:00", 11, 502, "M", "EN000001"},
           {3, "2024/04/01", "07:00:00", 2, 503, "M", "SI000002", "S"},
           {4, "2024/04/02", "08:00:00", 999, 504, "M", "XX000001"}});
  Marcar({2});
  const auto r = Ejecutar();

  EXPECT_EQ(r.fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");  // type 2 has no handler: completed as sent
  EXPECT_TRUE(Estampado(2, 501));
  EXPECT_EQ(Envio(2), "N");  // type 11 not marked: untouched
  EXPECT_FALSE(Estampado(11, 502));
  EXPECT_EQ(Envio(4), "N");  // a type that is not in the list counts as not marked
  EXPECT_EQ(Lineas("ENVIOMANUAL.TXT"), (std::vector<std::string>{"1,2,M,SI000001"}));
  EXPECT_EQ(resumen.seleccionadas, 3);  // row 3 was already sent
  EXPECT_EQ(resumen.enviadas, 1);
  EXPECT_EQ(resumen.sinMarcar, 2);
  EXPECT_EQ(operador.maximo, 3);
  EXPECT_EQ(operador.posicion, 3);
  EXPECT_EQ(operador.mensajes.back(), "Proceso de envio de información concluído.");
  EXPECT_FALSE(operador.progresoVisible);  // hidden before the finish message
}

// Rows written to the audit table while a run walks its selection belong to
// a later run, online (each row's mark committed at once) and offline alike.
class SeleccionFija : public Transferencia_, public ::testing::WithParamInterface<bool> {};

TEST_P(SeleccionFija, RowsAddedDuringTheRunAreNotSeen) {
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"},
           {2, "2024/04/01", "09:00:00", 2, 502, "M", "SI000002"},
           {3, "2024/04/02", "08:00:00", 2, 503, "M", "SI000003"}});
  Marcar({2});
  opciones.EnLinea = GetParam();
  int llamadas = 0;
  despacho.Registrar({2}, [&](ContextoEnvio&) {
    // While the first row is handled, another connection adds one row that
    // sorts after every selected row and one that sorts before the rest.
    if (++llamadas == 1)
      Auditar({{10, "2024/04/03", "08:00:00", 2, 510, "M", "SI000010"},
               {11, "2024/04/01", "08:30:00", 2, 511, "M", "SI000011"}});
  });
  const auto r = Ejecutar();

  EXPECT_EQ(r.fin, FinEnvio::Concluido);
  EXPECT_EQ(llamadas, 3);
  EXPECT_EQ(resumen.seleccionadas, 3);
  EXPECT_EQ(resumen.enviadas, 3);
  for (int id : {1, 2, 3}) EXPECT_EQ(Envio(id), "S") << id;
  for (int id : {10, 11}) EXPECT_EQ(Envio(id), "N") << id;
  EXPECT_EQ(Lineas("ENVIOMANUAL.TXT"),
            (std::vector<std::string>{"1,2,M,SI000001", "2,2,M,SI000002", "3,2,M,SI000003"}));
}

INSTANTIATE_TEST_SUITE_P(EnLineaYFueraDeLinea, SeleccionFija, ::testing::Bool(),
                         [](const auto& caso) { return caso.param ? "EnLinea" : "FueraDeLinea"; });

TEST_F(Transferencia_, ADateRangeRunSendsAgainWhatWasSent) {
  Auditar({{1, "2024/04/10", "08:00:00", 2, 501, "M", "SI000001", "S"},
           {2, "2024/05/01", "08:00:00", 2, 502, "M", "SI000002"}});
  opciones.TodoLoNoEnviado = false;
  opciones.FechaDesde = fb::Date{2024, 4, 1};
  opciones.FechaHasta = fb::Date{2024, 4, 30};
  Marcar({2});
  Ejecutar();
  Ejecutar();
  EXPECT_EQ(Lineas("ENVIOMANUAL.TXT"),
            (std::vector<std::string>{"1,2,M,SI000001", "1,2,M,SI000001"}));
  EXPECT_EQ(Envio(2), "N");  // outside the dates
}

TEST_F(Transferencia_, RowsOutsideTheCodeRangeStayForALaterRun) {
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "FV000123"},
           {2, "2024/04/01", "08:00:01", 2, 502, "M", "FV000150"},
           {3, "2024/04/01", "08:00:02", 101, 0, "M", "ART-01"}});
  Marcar({2, 101});
  opciones.Prefijo = "FV";
  opciones.NumeroDesde = "000150";
  Ejecutar();
  EXPECT_EQ(Envio(1), "N");
  EXPECT_FALSE(Estampado(2, 501));
  EXPECT_EQ(Envio(2), "S");
  EXPECT_EQ(Envio(3), "S");  // types from 100 on are handled whatever their code
  EXPECT_EQ(resumen.fueraDeRango, 1);
  EXPECT_EQ(Lineas("ENVIOMANUAL.TXT"),
            (std::vector<std::string>{"2,2,M,FV000150", "3,101,M,ART-01"}));
}

TEST_F(Transferencia_, AFailedRowIsLoggedWithTheOriginUserAndStaysUnsent) {
  Auditar({{1, "2024/04/01", "08:00:00", 11, 501, "M", "EN000001"},
           {2, "2024/04/01", "08:00:01", 1, 502, "M", "000007", "N", "CE"}});
  despacho.Registrar({1, 11}, [](ContextoEnvio& c) { c.fila.HuboError = true; });
  Ejecutar();
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(Envio(2), "N");
  EXPECT_FALSE(Estampado(11, 501));
  EXPECT_EQ(Lineas("ERRORENVIO.TXT"),
            (std::vector<std::string>{"SYSDBA,Error transmitiendo Entrada de inventario EN000001",
                                      "SYSDBA,Error transmitiendo Comprobante de contabilidad CE  "
                                      "000007"}));
  EXPECT_EQ(resumen.fallidas, 2);
}

TEST_F(Transferencia_, OfflineCopiesEveryCompletedRowIntoAFreshTransferFile) {
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"},
           {2, "2024/04/01", "08:00:01", 11, 502, "M", "EN000001"}});
  despacho.Registrar({11}, [](ContextoEnvio& c) { c.fila.HuboError = true; });
  opciones.EnLinea = false;
  Ejecutar();
  const auto archivo = inst.dir() / "datos" / "002" / "envio.fdb";
  ASSERT_TRUE(std::filesystem::exists(archivo));
  auto leer = [&] {
    auto db = inst.Abrir("datos/002/envio.fdb");
    fb::Transaction t(db);
    return t.query("select AUDI_ID, AUDI_ENVIO, AUDI_COD from AUDITORIA order by AUDI_ID");
  };
  // A completed row travels, with AUDI_ENVIO as it was read; a failed row is
  // rolled back with everything else it wrote.
  EXPECT_EQ(leer(), (std::vector<fb::Row>{{Value(1), Value("N"), Value("SI000001")}}));

  // A later run replaces the file: only what it completes is there.
  Auditar({{3, "2024/04/02", "08:00:00", 2, 503, "M", "SI000003"}});
  despacho = Despacho();
  Ejecutar();
  EXPECT_EQ(leer(), (std::vector<fb::Row>{{Value(2), Value("N"), Value("EN000001")},
                                          {Value(3), Value("N"), Value("SI000003")}}));
}

TEST_F(Transferencia_, OfflineWithoutTheTemplateStopsWithItsMessage) {
  std::filesystem::remove(inst.dir() / "sop" / "envio.fdb");
  opciones.EnLinea = false;
  EXPECT_EQ(Ejecutar().fin, FinEnvio::CopiaFallida);
  EXPECT_EQ(operador.mensajes.back(), "No se pudo copiar la base de datos para el envio.");
}

TEST_F(Transferencia_, WithoutCompaniesNothingHappens) {
  opciones.CompaniaDestino.clear();
  EXPECT_EQ(Ejecutar().fin, FinEnvio::SinCompanias);
  EXPECT_EQ(operador.mensajes, (std::vector<std::string>{"Debe indicar las compañías origen y destino."}));
  EXPECT_FALSE(sesion.origen);
  EXPECT_FALSE(operador.progresoVisible);
}

TEST_F(Transferencia_, ARefusedRowEndsTheRunSilentlyKeepingWhatWasCompleted) {
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"},
           {2, "2024/04/01", "08:00:01", 11, 502, "M", "EN000001"},
           {3, "2024/04/01", "08:00:02", 2, 503, "M", "SI000003"}});
  despacho.Registrar({11}, [](ContextoEnvio& c) {
    c.AbrirDestino("select * from CONFIGURACION");
    c.CDestino.Agregar();
    c.AplicarDestino();
  });
  const auto r = Ejecutar();
  EXPECT_EQ(r.fin, FinEnvio::Rechazo);
  EXPECT_EQ(r.mensajeRechazo,
            "Los campos CONF_MODULO, CONF_CATEGORIA, CONF_PROPIEDAD,  son obligatorios.");
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "N");
  EXPECT_EQ(Envio(3), "N");  // never reached
  EXPECT_EQ(operador.mensajes, std::vector<std::string>{});  // nothing on screen
  EXPECT_EQ(operador.beeps, 1);
}

TEST_F(Transferencia_, CompletedRowsAreDurableAtOnceEvenIfTheRunFails) {
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"},
           {2, "2024/04/01", "08:00:01", 11, 502, "M", "EN000001"}});
  despacho.Registrar({11}, [](ContextoEnvio& c) { c.EjecutarDestino("delete from NO_EXISTE"); });
  EXPECT_THROW(Ejecutar(), fb::Error);
  EXPECT_TRUE(operador.progresoVisible);  // an error leaves the panel shown
  // The run's origin connection is still open; another one sees the mark.
  ASSERT_TRUE(sesion.origen);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "N");
}

TEST_F(Transferencia_, AMissingCompanyDatabaseEndsTheRunWithTheServersMessage) {
  std::filesystem::remove(inst.dir() / "datos" / "002" / "norvane.fdb");
  try {
    Ejecutar();
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_EQ(e.lines().at(0), "I/O error during \"open\" operation for file \"" +
                                   (inst.dir() / "datos" / "002" / "norvane.fdb").string() + "\"");
  }
}

TEST_F(Transferencia_, TheLockDateIsTheDestinationsConfiguration) {
  {
    auto db = inst.Compania("002");
    db.execute(
        "insert into CONFIGURACION (CONF_MODULO, CONF_CATEGORIA, CONF_PROPIEDAD, CONF_VALOR) "
        "values ('CONTABILIDAD', 'GENERAL', 'FECHA DE BLOQUEO', '2024/03/31')");
  }
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"}});
  std::string vista;
  despacho.Registrar({2}, [&](ContextoEnvio& c) { vista = c.banderas.FechaBloqueo; });
  Ejecutar();
  EXPECT_EQ(vista, "2024/03/31");
}

// A handler that writes one CONFIGURACION row at the destination per audit row,
// keyed by AUDI_ID: what a row leaves behind is visible.
void EscribirMarca(ContextoEnvio& c, const std::string& filtro = "CONF_MODULO = 'PRUEBA'") {
  c.AbrirDestino("select * from CONFIGURACION where " + filtro);
  c.CDestino.Agregar();
  c.CDestino.Asignar(0, "PRUEBA");
  c.CDestino.Asignar(1, "FILA");
  c.CDestino.Asignar(2, c.Auditoria().at(0).toString());
  c.AplicarDestino();
}

struct CasoParada {
  const char* nombre;
  bool rechazo;  // a cursor refusal; otherwise an error that the run does not capture
};

class ParadaFueraDeLinea : public Transferencia_, public ::testing::WithParamInterface<CasoParada> {};

// An offline run that stops before its finish marks nothing, says so before
// anything else, and leaves a fresh transfer file; the next run is complete.
TEST_P(ParadaFueraDeLinea, MarksNothingAndLeavesAFreshFile) {
  Auditar({{1, "2024/04/01", "08:00:00", 11, 501, "M", "EN000001"},
           {2, "2024/04/01", "08:00:01", 11, 502, "M", "EN000002"},
           {3, "2024/04/01", "08:00:02", 12, 503, "M", "SA000003"}});
  despacho.Registrar({11}, [](ContextoEnvio& c) { EscribirMarca(c); });
  if (GetParam().rechazo) {
    despacho.Registrar({12}, [](ContextoEnvio& c) {
      c.AbrirDestino("select * from CONFIGURACION");
      c.CDestino.Agregar();
      c.AplicarDestino();
    });
  } else {
    despacho.Registrar({12}, [](ContextoEnvio& c) { c.EjecutarDestino("delete from NO_EXISTE"); });
  }
  opciones.EnLinea = false;
  const std::string incompleto = "El archivo de envío quedó incompleto y no debe llevarse al destino.";
  if (GetParam().rechazo) {
    EXPECT_EQ(Ejecutar().fin, FinEnvio::Rechazo);
    EXPECT_EQ(operador.mensajes, std::vector<std::string>{incompleto});
  } else {
    EXPECT_THROW(Ejecutar(), fb::Error);
    EXPECT_EQ(operador.mensajes, std::vector<std::string>{incompleto});  // the handler speaks next
  }
  EXPECT_EQ(resumen.enviadas, 0);
  for (int id : {1, 2, 3}) EXPECT_EQ(Envio(id), "N") << id;
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ENVIOMANUAL.TXT"));
  sesion.origen.reset();
  {
    auto archivo = inst.Abrir("datos/002/envio.fdb");
    fb::Transaction t(archivo);
    EXPECT_TRUE(t.query("select * from AUDITORIA").empty());
    EXPECT_TRUE(t.query("select * from CONFIGURACION where CONF_MODULO = 'PRUEBA'").empty());
  }

  despacho = Despacho();
  despacho.Registrar({11, 12}, [](ContextoEnvio& c) { EscribirMarca(c); });
  operador.mensajes.clear();
  EXPECT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  for (int id : {1, 2, 3}) EXPECT_EQ(Envio(id), "S") << id;
  EXPECT_EQ(Lineas("ENVIOMANUAL.TXT").size(), 3u);
  auto archivo = inst.Abrir("datos/002/envio.fdb");
  fb::Transaction t(archivo);
  EXPECT_EQ(t.query("select * from AUDITORIA").size(), 3u);
  EXPECT_EQ(t.query("select * from CONFIGURACION where CONF_MODULO = 'PRUEBA'").size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Casos, ParadaFueraDeLinea,
                         ::testing::Values(CasoParada{"Rechazo", true}, CasoParada{"Error", false}),
                         [](const ::testing::TestParamInfo<CasoParada>& caso) {
                           return std::string(caso.param.nombre);
                         });

// A null AUDI_IDDOC where a handler needs it fails only its own row, in this
// run and in the next; the stamp of a sent row without one stays valid.
TEST_F(Transferencia_, ANullDocumentIdentifierFailsOnlyItsRow) {
  Auditar({{1, "2024/04/01", "08:00:00", 11, 501, "M", "EN000001"},
           {2, "2024/04/01", "08:00:01", 12, 502, "M", "SA000002"},
           {3, "2024/04/01", "08:00:02", 2, 503, "M", "SI000003"}});
  {
    auto db = inst.Compania("001");
    db.execute("update AUDITORIA set AUDI_IDDOC = null where AUDI_ID in (1, 3)");
  }
  despacho.Registrar({11, 12}, [](ContextoEnvio& c) {
    EscribirMarca(c);
    c.QCopia.Abrir("select * from AUDITORIA where AUDI_IDDOC = " + c.AUDI_IDDOC());
  });
  for (int corrida = 1; corrida <= 2; ++corrida) {
    SCOPED_TRACE("run " + std::to_string(corrida));
    EXPECT_EQ(Ejecutar().fin, FinEnvio::Concluido);
    EXPECT_EQ(Envio(1), "N");
    EXPECT_EQ(Envio(2), "S");
    EXPECT_EQ(Envio(3), "S");  // type 2 has no handler: it never reads the identifier
  }
  EXPECT_EQ(Lineas("ERRORENVIO.TXT"),
            (std::vector<std::string>{"Valor no utilizable en la fila de auditoría 1: AUDI_IDDOC",
                                      "SYSDBA,Error transmitiendo Entrada de inventario EN000001",
                                      "Valor no utilizable en la fila de auditoría 1: AUDI_IDDOC",
                                      "SYSDBA,Error transmitiendo Entrada de inventario EN000001"}));
  EXPECT_EQ(operador.beeps, 2);
  sesion.DBEnvio.reset();
  auto destino = inst.Compania("002");
  fb::Transaction t(destino);
  // Row 1 wrote its mark before it failed: rolled back with the row.
  EXPECT_EQ(t.query("select CONF_PROPIEDAD from CONFIGURACION where CONF_MODULO = 'PRUEBA'"),
            (std::vector<fb::Row>{{Value("2")}}));
}

// Inside a row, a failed write is undone by itself and the row's transaction
// goes on: a later write of the same row still reaches the destination.
TEST_F(Transferencia_, AFailedWriteLeavesTheRowsTransactionUsable) {
  Auditar({{1, "2024/04/01", "08:00:00", 11, 501, "M", "EN000001"}});
  std::vector<bool> errores;
  despacho.Registrar({11}, [&](ContextoEnvio& c) {
    EscribirMarca(c);
    errores.push_back(c.fila.HuboError);
    EscribirMarca(c, "1 = 0");  // the same key again, unseen by the cursor: the destination refuses it
    errores.push_back(c.fila.HuboError);
    // An edit whose row is no longer there: the "exactly one row" check fails.
    c.AbrirDestino("select * from CONFIGURACION where CONF_MODULO = 'PRUEBA'");
    c.EjecutarDestino("update CONFIGURACION set CONF_VALOR = 'otro' where CONF_MODULO = 'PRUEBA'");
    c.CDestino.Editar();
    c.CDestino.Asignar(3, "mio");
    c.AplicarDestino();
    errores.push_back(c.fila.HuboError);
    // Two inserts in one write, the second refused: the first goes too.
    c.AbrirDestino("select * from CONFIGURACION where 1 = 0");
    for (const char* categoria : {"NUEVA", "FILA"}) {
      c.CDestino.Agregar();
      c.CDestino.Asignar(0, "PRUEBA");
      c.CDestino.Asignar(1, categoria);
      c.CDestino.Asignar(2, "1");
      c.CDestino.Publicar();
    }
    c.AplicarDestino();
    errores.push_back(c.fila.HuboError);
    c.AbrirDestino("select * from CONFIGURACION where CONF_MODULO = 'PRUEBA'");
    c.CDestino.Editar();
    c.CDestino.Asignar(1, "OTRA");
    c.AplicarDestino();
    errores.push_back(c.fila.HuboError);
  });
  Ejecutar();
  EXPECT_EQ(errores, (std::vector<bool>{false, true, true, true, false}));
  EXPECT_EQ(Envio(1), "S");
  sesion.DBEnvio.reset();
  auto destino = inst.Compania("002");
  fb::Transaction t(destino);
  EXPECT_EQ(t.query("select CONF_CATEGORIA, CONF_VALOR from CONFIGURACION where CONF_MODULO = 'PRUEBA'"),
            (std::vector<fb::Row>{{Value("OTRA"), Value("otro")}}));
}

// The report of a run, read back; exactly one is expected.
test::InformeLeido UnicoInforme(const std::filesystem::path& dir) {
  const auto informes = test::Informes(dir);
  if (informes.size() != 1)
    throw std::runtime_error(std::to_string(informes.size()) + " reports in informes/");
  return test::LeerInforme(informes[0]);
}

std::vector<std::string> Columna(const test::InformeLeido& informe, const std::string& nombre) {
  std::vector<std::string> valores;
  for (const auto& f : informe.filas) valores.push_back(f.at(nombre));
  return valores;
}

class InformeConcluido : public Transferencia_, public ::testing::WithParamInterface<bool> {};

// A run that reaches its finish: one line per selected row in the run's
// order, and each outcome agrees with the logs and the marks. The code and
// the type name arrive as UTF-8 from the database's Latin-1 bytes, quoted
// where they hold a quote, a comma or a line break.
TEST_P(InformeConcluido, LinesAgreeWithTheLogsAndTheMarks) {
  opciones.EnLinea = GetParam();
  const std::string codigoRaro = "A\"B,C\nD\xF1";
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"},
           {2, "2024/04/01", "08:00:01", 11, 502, "M", "EN000002"},
           {3, "2024/04/01", "08:00:02", 12, 503, "M", "SA000003"},
           {4, "2024/04/01", "08:00:03", 2, 504, "M", codigoRaro.c_str()},
           {5, "2024/04/01", "08:00:04", 13, 505, "M", "ZZ000005"},
           {6, "2024/04/01", "08:00:05", 11, 506, "M", "EN000006"}});
  for (auto& t : opciones.Ctipodoc)
    if (t.TIDO_COD == 2) t.TIDO_NOMLARGO = "Saldos del se\xF1or";
  Marcar({2, 11, 13});
  opciones.Prefijo = "";
  // Type 11 writes its mark, then the same key again: the destination
  // refuses the second write and the row fails. Row 6 is sent.
  despacho.Registrar({11}, [](ContextoEnvio& c) {
    EscribirMarca(c);
    if (c.AUDI_COD() == "EN000002") EscribirMarca(c, "1 = 0");
  });
  despacho.Registrar({13}, [](ContextoEnvio&) {});
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);

  const auto informe = UnicoInforme(inst.dir());
  EXPECT_EQ(informe.encabezado,
            (std::vector<std::string>{"AUDI_ID", "TIDO_COD", "TIDO_NOMLARGO", "AUDI_OPER", "AUDI_COD",
                                      "decision", "resultado", "error", "milisegundos"}));
  EXPECT_EQ(Columna(informe, "AUDI_ID"), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(Columna(informe, "resultado"),
            (std::vector<std::string>{"enviado", "error", "sin marcar", "enviado", "enviado",
                                      "enviado"}));
  EXPECT_EQ(Columna(informe, "decision"),
            (std::vector<std::string>{"sin manejador", "", "sin marcar", "sin manejador", "", ""}));
  EXPECT_EQ(informe.Fila("4").at("AUDI_COD"), "A\"B,C\nD\xC3\xB1");
  EXPECT_EQ(informe.Fila("4").at("TIDO_NOMLARGO"), "Saldos del se\xC3\xB1or");
  EXPECT_EQ(informe.Fila("2").at("TIDO_NOMLARGO"), "Entrada de inventario");
  for (const auto& f : informe.filas) EXPECT_FALSE(f.at("milisegundos").empty());

  // Sent: its line in ENVIOMANUAL.TXT (the log keeps the bytes) and its mark.
  std::vector<std::string> enviadas;
  for (const auto& f : informe.filas) {
    const int id = std::stoi(f.at("AUDI_ID"));
    EXPECT_EQ(Envio(id), f.at("resultado") == "enviado" ? "S" : "N") << id;
    if (f.at("resultado") == "enviado") enviadas.push_back(f.at("AUDI_ID"));
  }
  std::vector<std::string> registradas;
  for (const auto& l : Lineas("ENVIOMANUAL.TXT")) registradas.push_back(l.substr(0, l.find(',')));
  EXPECT_EQ(registradas, enviadas);
  EXPECT_NE(test::TempDir::LeerArchivo(inst.dir() / "ENVIOMANUAL.TXT").find(codigoRaro), std::string::npos);

  // Failed: the capture's line and the row's line in ERRORENVIO.TXT; the
  // report's error is the capture's message.
  const auto errores = Lineas("ERRORENVIO.TXT");
  ASSERT_EQ(errores.size(), 2u);
  EXPECT_EQ(informe.Fila("2").at("error"), errores[0]);
  EXPECT_NE(errores[0].find("violation of PRIMARY or UNIQUE KEY"), std::string::npos);
  EXPECT_EQ(errores[1], "SYSDBA,Error transmitiendo Entrada de inventario EN000002");
  for (const char* id : {"1", "3", "4", "5", "6"}) EXPECT_EQ(informe.Fila(id).at("error"), "") << id;

  // The finish message keeps its text; its details hold the counts and the path.
  EXPECT_EQ(operador.mensajes.back(), "Proceso de envio de información concluído.");
  ASSERT_EQ(operador.detalles.size(), 1u);
  const std::string ruta = test::Informes(inst.dir())[0].string();
  EXPECT_EQ(resumen.informe, ruta);
  EXPECT_EQ(operador.detalles[0],
            "Filas de auditoría seleccionadas: 6\nEnviadas: 4\nFallidas: 1\nSin marcar: 1\n"
            "Fuera de rango: 0\nInforme: " + ruta);
  EXPECT_TRUE(std::regex_match(test::Informes(inst.dir())[0].filename().string(),
                               std::regex(R"(envio-\d{8}-\d{6}\.csv)")));
}

INSTANTIATE_TEST_SUITE_P(Modos, InformeConcluido, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& i) {
                           return std::string(i.param ? "EnLinea" : "FueraDeLinea");
                         });

struct CasoParadaInforme {
  const char* nombre;
  bool enLinea;
  bool rechazo;  // a cursor refusal; otherwise an error that the run does not capture
};

class InformeDetenido : public Transferencia_,
                        public ::testing::WithParamInterface<CasoParadaInforme> {};

// A run that stops: the rows before keep their outcome (offline, the file
// that was not finished sends nothing), the row at the stop is "detenido"
// with the error, and every row after it is "no alcanzado", unmarked.
TEST_P(InformeDetenido, NamesTheRowAtTheStopAndTheRowsNotReached) {
  const auto& p = GetParam();
  opciones.EnLinea = p.enLinea;
  Auditar({{1, "2024/04/01", "08:00:00", 11, 501, "M", "EN000001"},
           {2, "2024/04/01", "08:00:01", 14, 502, "M", "XX000002"},
           {3, "2024/04/01", "08:00:02", 12, 503, "M", "SA000003"},
           {4, "2024/04/01", "08:00:03", 11, 504, "M", "EN000004"},
           {5, "2024/04/01", "08:00:04", 14, 505, "M", "XX000005"}});
  Marcar({11, 12});
  despacho.Registrar({11}, [](ContextoEnvio& c) { EscribirMarca(c); });
  if (p.rechazo) {
    despacho.Registrar({12}, [](ContextoEnvio& c) {
      c.fila.decision = Decision::Nuevo;
      c.AbrirDestino("select * from CONFIGURACION");
      c.CDestino.Agregar();
      c.AplicarDestino();
    });
    EXPECT_EQ(Ejecutar().fin, FinEnvio::Rechazo);
  } else {
    despacho.Registrar({12}, [](ContextoEnvio& c) {
      c.fila.decision = Decision::Borrar;
      c.EjecutarDestino("delete from NO_EXISTE");
    });
    EXPECT_THROW(Ejecutar(), fb::Error);
  }

  const auto informe = UnicoInforme(inst.dir());
  const std::string antes = p.enLinea ? "enviado" : "no enviado (archivo incompleto)";
  EXPECT_EQ(Columna(informe, "AUDI_ID"), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(Columna(informe, "resultado"),
            (std::vector<std::string>{antes, "sin marcar", "detenido", "no alcanzado", "no alcanzado"}));
  EXPECT_EQ(Columna(informe, "decision"),
            (std::vector<std::string>{"", "sin marcar", p.rechazo ? "nuevo" : "borrar", "", ""}));
  const std::string error = informe.Fila("3").at("error");
  if (p.rechazo)
    EXPECT_EQ(error, "Los campos CONF_MODULO, CONF_CATEGORIA, CONF_PROPIEDAD,  son obligatorios.");
  else
    EXPECT_NE(error.find("NO_EXISTE"), std::string::npos) << error;
  EXPECT_EQ(Envio(1), p.enLinea ? "S" : "N");
  for (int id : {2, 3, 4, 5}) EXPECT_EQ(Envio(id), "N") << id;
  EXPECT_EQ(Lineas("ENVIOMANUAL.TXT").size(), p.enLinea ? 1u : 0u);
  if (p.rechazo) {
    EXPECT_EQ(resumen.informe, test::Informes(inst.dir())[0].string());
  }
  EXPECT_TRUE(operador.detalles.empty());  // no finish message
}

INSTANTIATE_TEST_SUITE_P(
    Casos, InformeDetenido,
    ::testing::Values(CasoParadaInforme{"RechazoEnLinea", true, true},
                      CasoParadaInforme{"ErrorEnLinea", true, false},
                      CasoParadaInforme{"RechazoFueraDeLinea", false, true},
                      CasoParadaInforme{"ErrorFueraDeLinea", false, false}),
    [](const ::testing::TestParamInfo<CasoParadaInforme>& i) { return std::string(i.param.nombre); });

// A run that stops before its first row (the destination's lock date cannot
// be read): every selected row is "no alcanzado".
TEST_F(Transferencia_, AStopBeforeTheFirstRowLeavesEveryRowNotReached) {
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"},
           {2, "2024/04/01", "08:00:01", 2, 502, "M", "SI000002"}});
  {
    auto destino = inst.Compania("002");
    destino.execute("drop procedure ACUMULA_PUNTOS_CLIENTE");  // it reads the column
    destino.execute("alter table CONFIGURACION alter CONF_VALOR to CONF_VALOR_OTRO");
  }
  EXPECT_THROW(Ejecutar(), fb::Error);
  const auto informe = UnicoInforme(inst.dir());
  EXPECT_EQ(Columna(informe, "resultado"), (std::vector<std::string>{"no alcanzado", "no alcanzado"}));
}

struct CasoSinInforme {
  const char* nombre;
  bool enLinea;
  bool rutaElegida;  // --informe into a folder that does not exist; otherwise informes/ is a file
};

class InformeImposible : public Transferencia_,
                         public ::testing::WithParamInterface<CasoSinInforme> {};

// A report that cannot be written changes nothing of the run: the same
// marks, logs, counts and messages; only the details say so.
TEST_P(InformeImposible, LeavesTheRunAsItWouldBe) {
  const auto& p = GetParam();
  opciones.EnLinea = p.enLinea;
  const auto carpeta = inst.dir() / "informes";
  if (p.rutaElegida)
    opciones.rutaInforme = (inst.dir() / "no-existe" / "informe.csv").string();
  else
    std::ofstream(carpeta) << "no soy una carpeta";
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"},
           {2, "2024/04/01", "08:00:01", 11, 502, "M", "EN000002"}});
  despacho.Registrar({11}, [](ContextoEnvio& c) { c.fila.HuboError = true; });

  EXPECT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "N");
  EXPECT_EQ(Lineas("ENVIOMANUAL.TXT"), (std::vector<std::string>{"1,2,M,SI000001"}));
  EXPECT_EQ(Lineas("ERRORENVIO.TXT"),
            (std::vector<std::string>{"SYSDBA,Error transmitiendo Entrada de inventario EN000002"}));
  EXPECT_EQ(resumen.enviadas, 1);
  EXPECT_EQ(resumen.fallidas, 1);
  EXPECT_EQ(resumen.informe, "");
  EXPECT_EQ(operador.mensajes, std::vector<std::string>{"Proceso de envio de información concluído."});
  ASSERT_EQ(operador.detalles.size(), 1u);
  EXPECT_NE(operador.detalles[0].find("Informe: no se pudo escribir"), std::string::npos);
  if (p.rutaElegida) {
    EXPECT_FALSE(std::filesystem::exists(inst.dir() / "no-existe"));
    EXPECT_FALSE(std::filesystem::exists(carpeta));  // a chosen path makes no informes/
  } else {
    EXPECT_EQ(test::TempDir::LeerArchivo(carpeta), "no soy una carpeta");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, InformeImposible,
    ::testing::Values(CasoSinInforme{"CarpetaEsArchivoEnLinea", true, false},
                      CasoSinInforme{"CarpetaEsArchivoFueraDeLinea", false, false},
                      CasoSinInforme{"RutaSinCarpetaEnLinea", true, true},
                      CasoSinInforme{"RutaSinCarpetaFueraDeLinea", false, true}),
    [](const ::testing::TestParamInfo<CasoSinInforme>& i) { return std::string(i.param.nombre); });

// A chosen path takes the report, and informes/ is not made; a run without
// a default report and without a path writes none.
TEST_F(Transferencia_, TheReportGoesWhereTheOptionsSay) {
  Auditar({{1, "2024/04/01", "08:00:00", 2, 501, "M", "SI000001"}});
  opciones.rutaInforme = (inst.dir() / "elegido.csv").string();
  Ejecutar();
  EXPECT_EQ(resumen.informe, opciones.rutaInforme);
  EXPECT_EQ(test::LeerInforme(opciones.rutaInforme).Fila("1").at("resultado"), "enviado");
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "informes"));

  opciones.rutaInforme.clear();
  opciones.informePorOmision = false;
  opciones.TodoLoNoEnviado = false;
  opciones.FechaDesde = fb::Date{2024, 4, 1};
  opciones.FechaHasta = fb::Date{2024, 4, 30};
  Ejecutar();
  EXPECT_EQ(resumen.informe, "");
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "informes"));
  EXPECT_EQ(Lineas("ENVIOMANUAL.TXT").size(), 2u);  // the run itself went as usual
}

}  // namespace
}  // namespace norvane
