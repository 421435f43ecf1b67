// The preview of a run: it announces what the run does to every row, the
// rows seeing what the rows before them would have written, and it leaves
// the origin, the destination, the transfer file and the logs as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "demo/Instalacion.h"
#include "engine/Sesion.h"
#include "engine/Transferencia.h"
#include "engine/VistaPrevia.h"
#include "engine/families/Familias.h"
#include "fb/Transaction.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/InformePrueba.h"
#include "tests/support/OperadorGrabador.h"
#include "tests/support/TempDir.h"

namespace norvane {
namespace {

namespace fs = std::filesystem;

// Every row of every table of a database, each row as the text of its
// values, and the value of every generator: what a preview must not change.
struct Contenido {
  std::map<std::string, std::vector<std::string>> tablas;
  std::map<std::string, std::string> generadores;
  bool operator==(const Contenido&) const = default;
};

std::string Recortado(std::string texto) {
  while (!texto.empty() && texto.back() == ' ') texto.pop_back();
  return texto;
}

Contenido Leer(const std::string& ruta) {
  auto db = fb::Attachment::attach({ruta, "SYSDBA", "", ""});
  fb::Transaction t(db);
  Contenido c;
  for (const auto& r : t.query("select rdb$relation_name from rdb$relations where "
                               "coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null")) {
    const std::string tabla = Recortado(r.at(0).toString());
    auto& filas = c.tablas[tabla];
    for (const auto& fila : t.query("select * from \"" + tabla + "\"")) {
      std::string texto;
      for (const auto& v : fila) texto += (v.isNull() ? std::string("<null>") : v.toString()) + "|";
      filas.push_back(std::move(texto));
    }
    std::sort(filas.begin(), filas.end());
  }
  for (const auto& g : t.query("select rdb$generator_name from rdb$generators where "
                               "coalesce(rdb$system_flag, 0) = 0")) {
    const std::string nombre = Recortado(g.at(0).toString());
    c.generadores[nombre] =
        t.query("select gen_id(\"" + nombre + "\", 0) from rdb$database").at(0).at(0).toString();
  }
  return c;
}

std::size_t Contar(const std::vector<LineaInforme>& lineas, const std::string& resultado) {
  return static_cast<std::size_t>(std::count_if(
      lineas.begin(), lineas.end(), [&](const LineaInforme& l) { return l.resultado == resultado; }));
}

// The demo installation: its audit trail of company 001 sent to 002.
class VistaPreviaDemo : public ::testing::TestWithParam<bool> {
protected:
  void SetUp() override {
    demo::OpcionesInstalacion o;
    o.directorio = dir.path();
    o.documentos = 6;
    demo::CrearInstalacion(o);
    demo::EscribirAjustes(dir.path(), dir.str());
    ::setenv("XDG_CONFIG_DIRS", dir.str().c_str(), 1);
    IniciarSesion(sesion, {dir.str(), "SYSDBA", "clave"}, {dir.str(), "SYSDBA", "clave"});
    opciones.CompaniaOrigen = "001";
    opciones.CompaniaDestino = "002";
    opciones.EnLinea = GetParam();
    opciones.Ctipodoc = sesion.Ctipodoc;
  }

  std::string Ruta(const std::string& relativa) const { return (dir.path() / relativa).string(); }

  // Every file of the installation directory, outside the databases, and
  // every file next to the transfer file.
  std::vector<std::string> Archivos() const {
    std::vector<std::string> nombres;
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
      if (e.is_regular_file() && e.path().extension() != ".fdb")
        nombres.push_back(fs::relative(e.path(), dir.path()).string());
    for (const auto& e : fs::directory_iterator(dir.path() / "datos" / "002"))
      nombres.push_back(fs::relative(e.path(), dir.path()).string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
  }

  std::vector<LineaInforme> VistaPrevia(ResultadoEnvio& resultado) {
    OpcionesEnvio o = opciones;
    o.VistaPrevia = true;
    Transferencia t(sesion, operador, DespachoCompleto());
    resultado = t.Ejecutar(o);
    resumen = t.Resumen();
    return t.LineasVistaPrevia();
  }

  test::TempDir dir;
  Sesion sesion;
  OpcionesEnvio opciones;
  test::OperadorGrabador operador;
  ResumenEnvio resumen;
};

TEST_P(VistaPreviaDemo, EveryRowOfTheRunHasTheOutcomeThePreviewAnnounced) {
  ResultadoEnvio previa;
  const auto lineas = VistaPrevia(previa);
  ASSERT_EQ(previa.fin, FinEnvio::Concluido);
  ASSERT_FALSE(lineas.empty());
  ASSERT_GT(Contar(lineas, resultado::kSeEnviaria), 0u);
  // The preview says nothing itself: its lines are its message.
  EXPECT_TRUE(operador.mensajes.empty()) << operador.mensajes.front();
  EXPECT_TRUE(resumen.informe.empty());

  OpcionesEnvio o = opciones;
  o.rutaInforme = (dir.path() / "envio.csv").string();
  Transferencia run(sesion, operador, DespachoCompleto());
  ASSERT_EQ(run.Ejecutar(o).fin, FinEnvio::Concluido);
  const auto informe = test::LeerInforme(o.rutaInforme);
  ASSERT_EQ(informe.filas.size(), lineas.size());
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    const auto& p = lineas[i];
    const auto& r = informe.filas[i];
    SCOPED_TRACE("AUDI_ID " + p.audiId + " " + p.audiCod);
    EXPECT_EQ(r.at("AUDI_ID"), p.audiId);  // the run's order
    EXPECT_EQ(r.at("decision"), p.decision);
    const std::string anunciado =
        p.resultado == resultado::kSeEnviaria ? std::string(resultado::kEnviado) : p.resultado;
    EXPECT_EQ(r.at("resultado"), anunciado);
    EXPECT_EQ(r.at("error"), p.error);
  }
  EXPECT_EQ(run.Resumen().enviadas, static_cast<int>(Contar(lineas, resultado::kSeEnviaria)));
}

TEST_P(VistaPreviaDemo, LeavesEveryTableGeneratorLogAndFileAsItWas) {
  const std::vector<std::string> bases = {"datos/001/norvane.fdb", "datos/002/norvane.fdb",
                                          "sop/envio.fdb"};
  // Offline, the transfer file of an earlier run is there and stays.
  if (!opciones.EnLinea) fs::copy_file(dir.path() / "sop/envio.fdb", dir.path() / "datos/002/envio.fdb");
  std::vector<Contenido> antes;
  for (const auto& b : bases) antes.push_back(Leer(Ruta(b)));
  if (!opciones.EnLinea) antes.push_back(Leer(Ruta("datos/002/envio.fdb")));
  const auto archivos = Archivos();

  ResultadoEnvio previa;
  const auto lineas = VistaPrevia(previa);
  ASSERT_EQ(previa.fin, FinEnvio::Concluido);
  // It did write: documents it would create and rows it would mark.
  ASSERT_GT(Contar(lineas, resultado::kSeEnviaria), 0u);
  ASSERT_GT(resumen.enviadas, 0);

  for (std::size_t i = 0; i < bases.size(); ++i)
    EXPECT_TRUE(Leer(Ruta(bases[i])) == antes[i]) << bases[i];
  if (!opciones.EnLinea) {
    EXPECT_TRUE(Leer(Ruta("datos/002/envio.fdb")) == antes.back());
  }
  EXPECT_EQ(Archivos(), archivos);
  EXPECT_FALSE(sesion.DBEnvio);  // closed: its transaction went with it
}

INSTANTIATE_TEST_SUITE_P(Modos, VistaPreviaDemo, ::testing::Values(true, false),
                         [](const auto& caso) { return caso.param ? "EnLinea" : "FueraDeLinea"; });

// A document of type 11 at the origin, sent by rows the test records.
class ConDocumento : public test::EnvioPrueba {
protected:
  void Preparar(bool enLinea) {
    opciones.EnLinea = enLinea;
    Marcar({11});
    auto origen = Origen();
    test::Encabezado(origen, test::Descriptor(11), 501, "EN000123", 1).Insertar();
  }

  std::vector<LineaInforme> VistaPrevia() {
    OpcionesEnvio o = opciones;
    o.VistaPrevia = true;
    Transferencia t(sesion, operador, DespachoCompleto());
    EXPECT_EQ(t.Ejecutar(o).fin, FinEnvio::Concluido);
    resumen = t.Resumen();
    return t.LineasVistaPrevia();
  }

  std::size_t Documentos(fb::Attachment db) {
    return Consultar(db, "select * from ENTRADAS where ENTR_NUMERO = '000123'").size();
  }
};

class VistaPreviaFilas : public ConDocumento, public ::testing::WithParamInterface<bool> {
protected:
  void SetUp() override { Preparar(GetParam()); }
};

TEST_P(VistaPreviaFilas, ADocumentCreatedThenChangedPreviewsAsNewThenReplaceAndStaysUnwritten) {
  Auditar(1, 11, 501, "M", "EN000123");
  Auditar(2, 11, 501, "M", "EN000123");
  const auto lineas = VistaPrevia();
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_EQ(lineas[0].decision, "nuevo");
  EXPECT_EQ(lineas[1].decision, "reemplazar");
  for (const auto& l : lineas) EXPECT_EQ(l.resultado, resultado::kSeEnviaria) << l.error;
  EXPECT_EQ(Documentos(CompaniaDestino()), 0u);
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(Envio(2), "N");
  EXPECT_EQ(Errores(), "");
  EXPECT_FALSE(fs::exists(inst.dir() / "ENVIOMANUAL.TXT"));
  EXPECT_TRUE(test::Informes(inst.dir()).empty());

  // The text holds both rows and the counts per decision.
  const std::string texto = TextoVistaPrevia(lineas);
  EXPECT_NE(texto.find("1\t11\t"), std::string::npos) << texto;
  EXPECT_NE(texto.find("\tnuevo\tse enviaría\t\n"), std::string::npos) << texto;
  EXPECT_NE(texto.find("  nuevo: 1\n  reemplazar: 1\n"), std::string::npos) << texto;
  EXPECT_NE(texto.find("  se enviaría: 2\n"), std::string::npos) << texto;

  // The run does what the preview said.
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Documentos(Destino()), 1u);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "S");
}

INSTANTIATE_TEST_SUITE_P(Modos, VistaPreviaFilas, ::testing::Values(true, false),
                         [](const auto& caso) { return caso.param ? "EnLinea" : "FueraDeLinea"; });

TEST_P(VistaPreviaFilas, ARefusedRowShowsTheDestinationsErrorAndLeavesNothingForTheRowsAfterIt) {
  {
    auto destino = DestinoAntes();
    destino.execute("create exception NO_SE_ADMITE 'el destino no admite este documento'");
    destino.execute("create trigger RECHAZA_124 for ENTRADAS before insert as begin "
                    "if (new.ENTR_NUMERO = '000124') then exception NO_SE_ADMITE; end");
    auto origen = Origen();
    test::Encabezado(origen, test::Descriptor(11), 502, "EN000124", 3).Insertar();
  }
  Auditar(1, 11, 501, "M", "EN000123");
  Auditar(2, 11, 502, "M", "EN000124");
  Auditar(3, 11, 502, "M", "EN000124");  // the refused document, again
  const auto lineas = VistaPrevia();
  ASSERT_EQ(lineas.size(), 3u);
  EXPECT_EQ(lineas[0].resultado, resultado::kSeEnviaria) << lineas[0].error;
  for (std::size_t i : {1u, 2u}) {
    // Nothing of the refused row stayed: the next one finds no document either.
    EXPECT_EQ(lineas[i].decision, "nuevo");
    EXPECT_EQ(lineas[i].resultado, resultado::kError);
    EXPECT_NE(lineas[i].error.find("el destino no admite este documento"), std::string::npos)
        << lineas[i].error;
  }
  EXPECT_EQ(Errores(), "");

  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  const auto informes = test::Informes(inst.dir());
  ASSERT_EQ(informes.size(), 1u);
  const auto informe = test::LeerInforme(informes[0]);
  ASSERT_EQ(informe.filas.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(informe.filas[i].at("decision"), lineas[i].decision);
    EXPECT_EQ(informe.filas[i].at("error"), lineas[i].error);
  }
  EXPECT_EQ(informe.filas[0].at("resultado"), resultado::kEnviado);
  EXPECT_EQ(informe.filas[1].at("resultado"), resultado::kError);
}

// A replacement deletes the document's detail rows and then has its header
// refused: the row's rollback puts the detail rows back, which the row after
// it depends on (the destination admits a new document only while document
// 900 has its detail rows).
TEST_P(VistaPreviaFilas, ARowThatFailsAfterWritingIsUndoneWholeBeforeTheNextRow) {
  {
    auto destino = DestinoAntes();
    test::Encabezado(destino, test::Descriptor(11), 900, "EN000123", 2).Insertar();
    test::NuevaFila(destino, "ENTRADAS_DETALLE", 4).En("ENTR_ID", 900).Insertar();
    destino.execute("create exception NO_SE_ADMITE 'el destino no admite este documento'");
    destino.execute("create trigger RECHAZA_900 for ENTRADAS before update as begin "
                    "if (old.ENTR_ID = 900) then exception NO_SE_ADMITE; end");
    destino.execute("create trigger PIDE_DETALLE for ENTRADAS before insert as begin "
                    "if (not exists (select 1 from ENTRADAS_DETALLE where ENTR_ID = 900)) "
                    "then exception NO_SE_ADMITE 'falta el detalle de 900'; end");
    auto origen = Origen();
    test::Encabezado(origen, test::Descriptor(11), 502, "EN000124", 3).Insertar();
  }
  Auditar(1, 11, 501, "M", "EN000123");
  Auditar(2, 11, 502, "M", "EN000124");
  const auto lineas = VistaPrevia();
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_EQ(lineas[0].decision, "reemplazar");
  EXPECT_EQ(lineas[0].resultado, resultado::kError);
  EXPECT_NE(lineas[0].error.find("el destino no admite este documento"), std::string::npos)
      << lineas[0].error;
  EXPECT_EQ(lineas[1].decision, "nuevo");
  EXPECT_EQ(lineas[1].resultado, resultado::kSeEnviaria) << lineas[1].error;

  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(Envio(2), "S");
}

// Online: the destination company, where another connection can hold a row.
class VistaPreviaBloqueo : public ConDocumento {
protected:
  void SetUp() override { Preparar(true); }
};

TEST_F(VistaPreviaBloqueo, ALockedRowIsBloqueadoWithTheHoldersErrorAtOnceAndTheRowsAfterItGoOn) {
  {
    auto destino = DestinoAntes();
    test::Encabezado(destino, test::Descriptor(11), 900, "EN000123", 2).Insertar();
  }
  Auditar(1, 11, 501, "M", "EN000123");
  // A second document, not locked, after it.
  {
    auto origen = Origen();
    test::Encabezado(origen, test::Descriptor(11), 502, "EN000124", 3).Insertar();
  }
  Auditar(2, 11, 502, "M", "EN000124");
  // Another connection holds the destination's row; the wait bound of the
  // run does not apply to a preview.
  opciones.esperaBloqueo = 30;
  auto otra = inst.Compania("002");
  fb::Transaction tenedora(otra, fb::Isolation::ReadCommitted);
  tenedora.execute("update ENTRADAS set ENTR_NUMERO = ENTR_NUMERO where ENTR_ID = 900");

  const auto inicio = std::chrono::steady_clock::now();
  const auto lineas = VistaPrevia();
  const auto segundos = std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::steady_clock::now() - inicio).count();
  tenedora.rollback();
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_EQ(lineas[0].decision, "reemplazar");
  EXPECT_EQ(lineas[0].resultado, resultado::kBloqueado);
  // The server's words for the holder: the conflict and its transaction.
  EXPECT_NE(lineas[0].error.find("concurrent transaction number is"), std::string::npos)
      << lineas[0].error;
  EXPECT_EQ(lineas[1].decision, "nuevo");
  EXPECT_EQ(lineas[1].resultado, resultado::kSeEnviaria) << lineas[1].error;
  EXPECT_LT(segundos, 10);
  EXPECT_EQ(Errores(), "");
}

}  // namespace
}  // namespace norvane
