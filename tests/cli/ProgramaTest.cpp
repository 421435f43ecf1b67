#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Argumentos.h"
#include "cli/Programa.h"
#include "fb/Transaction.h"
#include "tests/support/InformePrueba.h"
#include "tests/support/InstalacionPrueba.h"
#include "tests/support/OperadorGrabador.h"

namespace norvane::cli {
namespace {

// The headless program end to end, in process, on a small installation.
class Programa : public ::testing::Test {
protected:
  void Auditar(int id, int tido, const char* cod) {
    auto db = inst.Compania("001");
    db.execute(
        "insert into AUDITORIA (AUDI_ID, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, AUDI_OPER, "
        "AUDI_COD) values (?, '2024/04/01', '08:00:00', ?, ?, 'M', ?)",
        {id, tido, id, cod});
  }

  int Ejecutar(std::vector<std::string> extra, Variables entorno = {{"NORVANE_CLAVE_ORIGEN", "x"}},
               PedirClave pedir = {}) {
    std::vector<std::string> args = {"--servidor-origen", inst.servidor(), "--usuario-origen", "SYSDBA",
                                     "--compania-origen", "001", "--compania-destino", "002"};
    args.insert(args.end(), extra.begin(), extra.end());
    return EjecutarPrograma(args, entorno, operador, Consola{salida, errores, std::move(pedir)});
  }

  test::InstalacionPrueba inst;
  test::OperadorGrabador operador;
  std::ostringstream salida;
  std::ostringstream errores;
};

TEST_F(Programa, OnlineRunEndsWithTheSummaryAndStatus0) {
  Auditar(1, 2, "SI000001");
  Auditar(2, 11, "EN000001");  // the document is not at the origin: completed, nothing copied
  Auditar(3, 12, "SA000001");  // not marked
  EXPECT_EQ(Ejecutar({"--en-linea", "--tipos", "2,11"}), 0) << errores.str();
  EXPECT_EQ(operador.mensajes.back(), "Proceso de envio de información concluído.");
  const auto informes = test::Informes(inst.dir());
  ASSERT_EQ(informes.size(), 1u);
  EXPECT_EQ(salida.str(),
            "Filas de auditoría:\n"
            "  seleccionadas          3\n"
            "  enviadas               2\n"
            "  fallidas               0\n"
            "  sin marcar             1\n"
            "  fuera de rango         0\n"
            "Informe: " + informes[0].string() + "\n");
}

// --informe puts the report where it says; the summary names that file.
TEST_F(Programa, TheReportGoesToTheChosenFileAndTheSummaryNamesIt) {
  Auditar(1, 2, "SI000001");
  Auditar(2, 11, "EN000001");
  Auditar(3, 12, "SA000001");
  const std::string ruta = (inst.dir() / "envio de abril.csv").string();
  EXPECT_EQ(Ejecutar({"--en-linea", "--tipos", "2,11", "--informe", ruta}), 0) << errores.str();
  EXPECT_NE(salida.str().find("Informe: " + ruta + "\n"), std::string::npos) << salida.str();
  EXPECT_TRUE(test::Informes(inst.dir()).empty());
  const auto informe = test::LeerInforme(ruta);
  ASSERT_EQ(informe.filas.size(), 3u);
  EXPECT_EQ(informe.Fila("1").at("decision"), "sin manejador");
  EXPECT_EQ(informe.Fila("2").at("decision"), "ausente en origen");
  EXPECT_EQ(informe.Fila("3").at("resultado"), "sin marcar");
}

// --vista-previa prints every row and the counts and leaves everything as it
// was: marks, logs, the transfer file; a report only with --informe.
struct CasoVista {
  const char* nombre;
  bool enLinea;
  bool conInforme;
};

class VistaPrevia : public Programa, public ::testing::WithParamInterface<CasoVista> {};

TEST_P(VistaPrevia, PrintsEveryRowAndTheCountsAndMarksNothing) {
  const CasoVista& c = GetParam();
  Auditar(1, 2, "SI000001");
  Auditar(2, 11, "EN000001");
  Auditar(3, 12, "SA000001");
  const std::string ruta = (inst.dir() / "vista.csv").string();
  std::vector<std::string> extra = {"--vista-previa", "--tipos", "2,11"};
  if (c.enLinea) extra.push_back("--en-linea");
  if (c.conInforme) extra.insert(extra.end(), {"--informe", ruta});
  EXPECT_EQ(Ejecutar(extra), 0) << errores.str();
  const std::string texto = salida.str();
  EXPECT_EQ(texto.rfind("AUDI_ID\tTIDO_COD\tTIPO\tAUDI_COD\tAUDI_OPER\tDECISION\tRESULTADO\tERROR\n", 0),
            0u) << texto;
  for (const char* fila : {"\n1\t2\t", "\tSI000001\tM\tsin manejador\tse enviaría\t\n2\t11\t",
                           "\tEN000001\tM\tausente en origen\tse enviaría\t\n3\t12\t",
                           "\tSA000001\tM\tsin marcar\tsin marcar\t\n\n",
                           "Filas de auditoría: 3\nPor decisión:\n  sin manejador: 1\n"
                           "  ausente en origen: 1\n  sin marcar: 1\nPor resultado:\n"
                           "  se enviaría: 2\n  sin marcar: 1\n"})
    EXPECT_NE(texto.find(fila), std::string::npos) << fila << "\n" << texto;
  EXPECT_TRUE(operador.mensajes.empty()) << operador.mensajes.front();
  {
    auto db = inst.Compania("001");
    fb::Transaction t(db);
    EXPECT_EQ(t.query("select * from AUDITORIA where AUDI_ENVIO <> 'N'").size(), 0u);
  }
  EXPECT_TRUE(test::Informes(inst.dir()).empty());
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ENVIOMANUAL.TXT"));
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "datos" / "002" / "envio.fdb"));
  EXPECT_EQ(std::filesystem::exists(ruta), c.conInforme);
  EXPECT_EQ(texto.find("Informe: " + ruta + "\n") != std::string::npos, c.conInforme) << texto;
  if (c.conInforme) {
    const auto informe = test::LeerInforme(ruta);
    ASSERT_EQ(informe.filas.size(), 3u);
    EXPECT_EQ(informe.Fila("2").at("decision"), "ausente en origen");
    EXPECT_EQ(informe.Fila("2").at("resultado"), "se enviaría");
  }
}

INSTANTIATE_TEST_SUITE_P(Casos, VistaPrevia,
                         ::testing::Values(CasoVista{"EnLinea", true, false},
                                           CasoVista{"FueraDeLinea", false, false},
                                           CasoVista{"EnLineaConInforme", true, true},
                                           CasoVista{"FueraDeLineaConInforme", false, true}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// What the windowed program's "ARTICULOS 001 002" asks for: online, only the
// articles, everything not sent.
TEST_F(Programa, TheArticleRunCopiesTheArticlesAndLeavesEveryOtherTypeUnsent) {
  {
    auto origen = inst.Compania("001");
    origen.execute("insert into ARTICULO (ARTI_COD, ARTI_NOMBRE, ARTI_COSTO) values ('A001', 'Tornillo', 0.125)");
    origen.execute("insert into ARTICULO (ARTI_COD, ARTI_NOMBRE) values ('A002', 'Tuerca')");
    origen.execute("insert into UNIDAD_ARTICULO (ARTI_COD, UNAR_UNIDAD) values ('A001', 'CAJA')");
    origen.execute("insert into CUENTAS (CUEN_COD, CUEN_NOMBRE) values ('1105', 'Caja')");
    auto destino = inst.Compania("002");
    destino.execute("insert into ARTICULO (ARTI_COD, ARTI_NOMBRE) values ('A002', 'Vieja')");
  }
  Auditar(1, 101, "A001");
  Auditar(2, 124, "A001");
  Auditar(3, 100, "1105");
  Auditar(4, 101, "A002");
  EXPECT_EQ(Ejecutar({"--en-linea", "--tipos", "101"}), 0) << errores.str();

  auto destino = inst.Compania("002");
  auto origen = inst.Compania("001");
  fb::Transaction d(destino);
  fb::Transaction o(origen);
  EXPECT_EQ(d.query("select ARTI_COD, ARTI_NOMBRE, ARTI_COSTO from ARTICULO order by ARTI_COD"),
            (std::vector<fb::Row>{{"A001", "Tornillo", fb::Decimal{1250, -4}},
                                  {"A002", "Tuerca", fb::Decimal{0, -4}}}));
  EXPECT_TRUE(d.query("select * from UNIDAD_ARTICULO").empty());
  EXPECT_TRUE(d.query("select * from CUENTAS").empty());
  EXPECT_EQ(o.query("select AUDI_ID, AUDI_ENVIO from AUDITORIA order by AUDI_ID"),
            (std::vector<fb::Row>{{1, "S"}, {2, "N"}, {3, "N"}, {4, "S"}}));
}

TEST_F(Programa, FailedRowsGiveStatus3) {
  Auditar(1, 11, "EN000001");
  {
    auto db = inst.Compania("001");
    db.execute(
        "insert into ENTRADAS (ENTR_ID, PREF_PRE, ENTR_NUMERO, ENTR_FECHA, ENTR_ANULADO) "
        "values (1, 'EN', '000001', '2024/04/01', 'N')");
    // The destination cannot give the entry an identifier: the row fails.
    auto destino = inst.Compania("002");
    destino.execute("recreate view cambie_id_entrada (ID) as select 1 from rdb$database where 1 = 0");
  }
  EXPECT_EQ(Ejecutar({"--en-linea"}), 3) << errores.str();
}

TEST_F(Programa, UnknownCompanyStopsWithTheRunsMessage) {
  std::vector<std::string> args = {"--servidor-origen", inst.servidor(), "--usuario-origen", "SYSDBA",
                                   "--compania-origen", "009", "--compania-destino", "002"};
  EXPECT_EQ(EjecutarPrograma(args, {{"NORVANE_CLAVE_ORIGEN", "x"}}, operador,
                             Consola{salida, errores, {}}),
            1);
  EXPECT_EQ(operador.mensajes.back(), "Debe indicar las compañías origen y destino.");
}

TEST_F(Programa, MissingPasswordWithNobodyToAskIsBadUsage) {
  EXPECT_EQ(Ejecutar({}, {}), 2);
  EXPECT_NE(errores.str().find("NORVANE_CLAVE_ORIGEN"), std::string::npos) << errores.str();
  EXPECT_TRUE(operador.mensajes.empty());
}

TEST_F(Programa, MissingPasswordIsAskedForWhenSomeoneCanAnswer) {
  int preguntas = 0;
  EXPECT_EQ(Ejecutar({"--en-linea"}, {}, [&](const std::string&) -> std::optional<std::string> {
              ++preguntas;
              return "x";
            }),
            0)
      << errores.str();
  EXPECT_EQ(preguntas, 1);  // the destination takes the origin's, same server
}

TEST_F(Programa, AServerWithoutTheGeneralDatabaseIsWordedAsTheHandlerWouldSay) {
  std::vector<std::string> args = {"--servidor-origen", inst.servidor() + "/nada", "--usuario-origen",
                                   "SYSDBA", "--compania-origen", "001", "--compania-destino", "002"};
  EXPECT_EQ(EjecutarPrograma(args, {{"NORVANE_CLAVE_ORIGEN", "x"}}, operador, Consola{salida, errores, {}}),
            1);
  ASSERT_FALSE(operador.mensajes.empty());
  EXPECT_EQ(operador.mensajes.back(),
            "No se encontró el archivo o la ruta " + inst.servidor() + "/nada/datos/general.fdb");
}

TEST_F(Programa, ATypeThatIsNotInTheListIsBadUsage) {
  EXPECT_EQ(Ejecutar({"--tipos", "2,7777"}), 2);
  EXPECT_NE(errores.str().find("7777"), std::string::npos);
}

TEST_F(Programa, OfflineWithoutTemplateStops) {
  std::filesystem::remove(inst.dir() / "sop" / "envio.fdb");
  EXPECT_EQ(Ejecutar({}), 1);
  EXPECT_EQ(operador.mensajes.back(), "No se pudo copiar la base de datos para el envio.");
}

// Without an installation directory the program refuses to run: nothing is
// sent, and no log is written anywhere (the root of the file system included).
TEST_F(Programa, WithoutAnInstallationNothingIsSentOrWritten) {
  Auditar(1, 2, "SI000001");
  const auto ajustes = inst.dir() / "Lumo" / "NorvaneERP2024.conf";
  const bool raizTenia = std::filesystem::exists("/ENVIOMANUAL.TXT");
  for (const char* contenido : {static_cast<const char*>(nullptr), "[General]\nOtro=1\n"}) {
    SCOPED_TRACE(contenido ? "settings without the value" : "no settings");
    std::filesystem::remove(ajustes);
    if (contenido) std::ofstream(ajustes) << contenido;
    operador.mensajes.clear();
    EXPECT_EQ(Ejecutar({"--en-linea"}), 2);
    EXPECT_EQ(operador.mensajes,
              std::vector<std::string>{
                  "No se encontró la Clave HKEY_LOCAL_MACHINE\\Software\\Lumo\\NorvaneERP2024\\Directorio"});
  }
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ENVIOMANUAL.TXT"));
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ERRORENVIO.TXT"));
  if (!raizTenia) {
    EXPECT_FALSE(std::filesystem::exists("/ENVIOMANUAL.TXT"));
  }
  auto db = inst.Compania("001");
  fb::Transaction t(db);
  EXPECT_EQ(t.query("select AUDI_ENVIO from AUDITORIA")[0][0], fb::Value("N"));
}

// What is answered before signing in: no installation is needed.
TEST(ProgramWithoutARun, HelpVersionAndBadUsageAreAnsweredWithTheirStatus) {
  struct Caso {
    std::vector<std::string> linea;
    int salida;
    std::string enSalida;
    std::string enErrores;
  };
  const Caso casos[] = {
      {{"--help"}, 0, kUso, ""},
      {{"--version"}, 0, "norvane-envio-cli " NORVANE_VERSION "\n", ""},
      {{"--servidor-origen", "p", "--foo"}, 2, "",
       std::string("norvane-envio-cli: opción desconocida: --foo\n") + kUso},
      {{"--servidor-origen"}, 2, "",
       std::string("norvane-envio-cli: falta el valor de --servidor-origen\n") + kUso},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.linea.back());
    test::OperadorGrabador operador;
    std::ostringstream salida;
    std::ostringstream errores;
    EXPECT_EQ(EjecutarPrograma(caso.linea, {}, operador, Consola{salida, errores, {}}), caso.salida);
    EXPECT_EQ(salida.str(), caso.enSalida);
    EXPECT_EQ(errores.str(), caso.enErrores);
    EXPECT_TRUE(operador.mensajes.empty());
  }
}

}  // namespace
}  // namespace norvane::cli
