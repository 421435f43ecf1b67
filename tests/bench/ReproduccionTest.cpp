#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench/Reproduccion.h"
#include "cli/Programa.h"
#include "demo/Instalacion.h"
#include "fb/Attachment.h"
#include "fb/Trace.h"
#include "fb/Transaction.h"
#include "tests/support/OperadorGrabador.h"
#include "tests/support/TempDir.h"

namespace norvane::bench {
namespace {

namespace fs = std::filesystem;

// Today, as the destination stamps rows it writes (CAST('NOW' ...)).
fb::Date Hoy() {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  localtime_r(&ahora, &local);
  return {local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
          static_cast<unsigned>(local.tm_mday)};
}

// Every row of every table of a database, each as one text, sorted per
// table: what two databases must share to hold the same rows. A time stamp
// of today is the moment of a write, which no replay repeats.
std::map<std::string, std::vector<std::string>> Filas(const fs::path& base) {
  const fb::Date hoy = Hoy();
  auto db = fb::Attachment::attach({base.string(), "SYSDBA", "x", ""});
  fb::Transaction t(db);
  std::map<std::string, std::vector<std::string>> filas;
  for (const auto& tabla : t.query("select trim(rdb$relation_name) from rdb$relations where "
                                   "rdb$system_flag = 0 and rdb$view_blr is null")) {
    auto& lista = filas[tabla[0].asText()];
    for (const auto& fila : t.query("select * from \"" + tabla[0].asText() + "\"")) {
      std::ostringstream texto;
      for (const auto& v : fila) {
        if (v.kind() == fb::Value::Kind::Timestamp && v.asTimestamp().date == hoy)
          texto << "now|";
        else
          texto << v << '|';
      }
      lista.push_back(texto.str());
    }
    std::sort(lista.begin(), lista.end());
  }
  return filas;
}

using Tablas = std::map<std::string, std::vector<std::string>>;

// The rows that one side holds and the other does not, table by table; empty
// when both hold the same rows.
std::string Diferencias(const Tablas& a, const Tablas& b) {
  std::string texto;
  auto vacia = std::vector<std::string>();
  std::map<std::string, int> nombres;
  for (const auto& [t, _] : a) nombres[t];
  for (const auto& [t, _] : b) nombres[t];
  for (const auto& [t, _] : nombres) {
    const auto& x = a.contains(t) ? a.at(t) : vacia;
    const auto& y = b.contains(t) ? b.at(t) : vacia;
    std::vector<std::string> soloX, soloY;
    std::set_difference(x.begin(), x.end(), y.begin(), y.end(), std::back_inserter(soloX));
    std::set_difference(y.begin(), y.end(), x.begin(), x.end(), std::back_inserter(soloY));
    for (std::size_t i = 0; i < soloX.size() && i < 3; ++i) texto += t + " only in the first: " + soloX[i] + "\n";
    for (std::size_t i = 0; i < soloY.size() && i < 3; ++i) texto += t + " only in the second: " + soloY[i] + "\n";
  }
  return texto;
}

std::size_t Total(const std::map<std::string, std::vector<std::string>>& filas) {
  std::size_t n = 0;
  for (const auto& [_, lista] : filas) n += lista.size();
  return n;
}

// A demo installation with documents of every family, its pristine copy,
// and the headless program run over it with a trace.
class Reproduccion : public ::testing::TestWithParam<bool> {
protected:
  void SetUp() override {
    demo::OpcionesInstalacion o;
    o.directorio = dir.path() / "inst";
    o.documentos = 3;
    demo::CrearInstalacion(o);
    fs::copy(o.directorio, dir.path() / "intacta", fs::copy_options::recursive);
    ::setenv("XDG_CONFIG_DIRS", o.directorio.c_str(), 1);
  }

  fs::path Instalacion() const { return dir.path() / "inst"; }
  fs::path Destino() const {
    return Instalacion() / "datos" / "002" / (GetParam() ? "norvane.fdb" : "envio.fdb");
  }
  fs::path Origen() const { return Instalacion() / "datos" / "001" / "norvane.fdb"; }

  int Enviar() {
    std::vector<std::string> args = {"--servidor-origen", Instalacion().string(), "--usuario-origen",
                                     "SYSDBA", "--compania-origen", "001", "--compania-destino",
                                     "002", "--traza", traza().string()};
    if (GetParam()) args.push_back("--en-linea");
    std::ostringstream salida, errores;
    return cli::EjecutarPrograma(args, {{"NORVANE_CLAVE_ORIGEN", "x"}}, operador,
                                 cli::Consola{salida, errores, {}});
  }

  // Puts the installation back as it was before the run; offline, with the
  // fresh transfer file the run starts from.
  void Restaurar() {
    fs::remove_all(Instalacion() / "datos");
    fs::copy(dir.path() / "intacta" / "datos", Instalacion() / "datos", fs::copy_options::recursive);
    if (!GetParam())
      fs::copy_file(Instalacion() / "sop" / "envio.fdb", Destino(),
                    fs::copy_options::overwrite_existing);
  }

  fs::path traza() const { return dir.path() / "traza.txt"; }

  test::TempDir dir;
  test::OperadorGrabador operador;
};

TEST_P(Reproduccion, TheTraceOfARunReplaysToTheSameRows) {
  const int salida = Enviar();
  ASSERT_TRUE(salida == 0 || salida == 3) << salida;
  const auto destinoEnviado = Filas(Destino());
  const auto origenEnviado = Filas(Origen());

  Restaurar();
  const auto destinoAntes = Filas(Destino());
  ASSERT_NE(destinoAntes, destinoEnviado) << "the run changed nothing at the destination";
  const ResultadoReproduccion r = Reproducir(traza().string(), "x", Destino().string());
  EXPECT_EQ(r.divergencias, 0u);
  EXPECT_GT(r.filasDestino, 0u);
  EXPECT_GT(r.filasLeidas, 0u);
  // Prepared once per text: fewer preparations than statements sent.
  EXPECT_LT(r.textos, r.sentencias);
  EXPECT_TRUE(r.porTexto.empty()) << "a replay without a profile keeps none";
  // The replay marks the audit rows as the run did, and writes the same rows.
  EXPECT_EQ(Diferencias(Filas(Destino()), destinoEnviado), "");
  auto origen = Filas(Origen());
  EXPECT_EQ(Diferencias({{"AUDITORIA", origen["AUDITORIA"]}},
                        {{"AUDITORIA", origenEnviado.at("AUDITORIA")}}),
            "");
}

// The commits (plain and retaining) the trace sends to the database `base`.
std::uint64_t CommitsEn(const fs::path& traza, const std::string& base) {
  using Kind = fb::TraceEvent::Kind;
  fb::TraceReader lector(traza.string());
  std::set<std::uint64_t> conexiones, transacciones;
  std::uint64_t commits = 0;
  while (auto e = lector.next()) {
    if (e->kind == Kind::Attach && e->text == base) conexiones.insert(e->attachment);
    if (e->kind == Kind::Start && conexiones.contains(e->attachment))
      transacciones.insert(e->transaction);
    if ((e->kind == Kind::Commit || e->kind == Kind::CommitRetaining) &&
        transacciones.contains(e->transaction))
      ++commits;
  }
  return commits;
}

TEST_P(Reproduccion, TheProfileCountsEveryCallOfTheReplay) {
  const int salida = Enviar();
  ASSERT_TRUE(salida == 0 || salida == 3) << salida;
  const auto destinoEnviado = Filas(Destino());

  Restaurar();
  const ResultadoReproduccion r =
      Reproducir(traza().string(), "x", Destino().string(), /*perfilar=*/true);
  EXPECT_EQ(r.divergencias, 0u);
  EXPECT_EQ(Diferencias(Filas(Destino()), destinoEnviado), "") << "profiling changed the replay";

  const auto commits = r.porTexto.find(Destino().string() + "\tCOMMIT");
  ASSERT_NE(commits, r.porTexto.end());
  EXPECT_EQ(commits->second.llamadas, CommitsEn(traza(), Destino().string()));
  // Every execution and open lands under its text, besides its prepare,
  // fetches and close; the marks of the origin are among the texts.
  std::uint64_t llamadasDeTextos = 0;
  bool marcas = false;
  for (const auto& [clave, tiempo] : r.porTexto) {
    const auto texto = clave.substr(clave.find('\t') + 1);
    if (texto == "COMMIT" || texto == "ROLLBACK") continue;
    llamadasDeTextos += tiempo.llamadas;
    marcas = marcas || texto.starts_with("UPDATE AUDITORIA SET AUDI_ENVIO");
  }
  EXPECT_GT(llamadasDeTextos, r.sentencias);
  EXPECT_TRUE(marcas);
}

TEST_P(Reproduccion, TheBulkCopyWritesTheSameDestinationRows) {
  const int salida = Enviar();
  ASSERT_TRUE(salida == 0 || salida == 3) << salida;
  const auto destinoEnviado = Filas(Destino());

  Restaurar();
  const ResultadoReproduccion r = CopiaMasiva(traza().string(), "x", Destino().string());
  EXPECT_EQ(r.divergencias, 0u);
  EXPECT_GT(r.filasDestino, 0u);
  EXPECT_EQ(Diferencias(Filas(Destino()), destinoEnviado), "");
  EXPECT_GT(Total(destinoEnviado), 0u);
}

INSTANTIATE_TEST_SUITE_P(EnLineaYFueraDeLinea, Reproduccion, ::testing::Bool(),
                         [](const auto& caso) { return caso.param ? "EnLinea" : "FueraDeLinea"; });

}  // namespace
}  // namespace norvane::bench
