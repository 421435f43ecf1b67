// The destination server stopped in the middle of an online run and started
// again. The destination company lives on a server of the test's own (the
// shared one stays up for the origin and for other tests): once some rows
// are marked at the origin the test stops that server as an operator would.
// The run ends with the unhandled-error handler's message, every row marked
// sent is whole at the destination, and once the server is back a second
// run sends the rest, each receipt once.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ServidorPrivado.h"
#include "tests/support/Simulacro.h"
#include "tests/support/TempDir.h"

namespace norvane {
namespace {

namespace fs = std::filesystem;
using fb::Value;
using test::Consultar;
using test::InstalarPausa;
using test::Registradas;
using test::Recibo;
using Reloj = std::chrono::steady_clock;

// Receipts of the run; the marks at the origin after which the server is
// stopped; the receipt (by position) at which it is stopped.
constexpr int kRecibos = 80;
constexpr int kMarcasAntesDeDetener = 5;
constexpr int kReciboDetenido = 40;
constexpr int kPrimerNumero = 101;

// An audit row of type 11, operation M, not sent; rows later in id are
// later in time.
void Auditar(fb::Attachment& origen, int auditId, int iddoc, int numero) {
  origen.execute(
      "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, "
      "AUDI_OPER, AUDI_COD, AUDI_ENVIO) values (?, 'ANA', '2024/04/01', ?, 11, ?, 'M', ?, 'N')",
      {auditId, fb::Time{8, static_cast<unsigned>(auditId / 60), static_cast<unsigned>(auditId % 60), 0}, iddoc,
       "EN" + test::NumeroRecibo(numero)});
}

// The copy holds the origin's receipt whole (see test::EsperarEntero).
bool Entero(const Recibo& origen, const Recibo& copia) {
  if (copia.encabezado.size() != origen.encabezado.size() || copia.lineas.size() != origen.lineas.size())
    return false;
  for (std::size_t i = 1; i < origen.encabezado.size(); ++i)
    if (copia.encabezado[i] != origen.encabezado[i]) return false;
  for (std::size_t r = 0; r < origen.lineas.size(); ++r) {
    if (copia.lineas[r].size() != origen.lineas[r].size() || copia.lineas[r][0] != copia.encabezado[0])
      return false;
    for (std::size_t i = 1; i < origen.lineas[r].size(); ++i)
      if (copia.lineas[r][i] != origen.lineas[r][i]) return false;
  }
  return true;
}

// Where the run is when the destination server goes.
enum class Punto {
  // Wherever it is once kMarcasAntesDeDetener rows are marked.
  TrasMarcas,
  // Inside receipt kReciboDetenido: its header and first detail row written,
  // not committed.
  EnMedio,
  // Receipt kReciboDetenido committed at the destination, its mark waiting
  // for an origin row that the test holds (let go once the server is gone).
  TrasConfirmar,
};

struct CasoDetenido {
  const char* nombre;
  bool copiaAnterior;  // the destination holds an earlier copy of every receipt
  bool matado;         // SIGKILL (a crash) instead of an orderly stop
  Punto punto;
};

// What the handler says of the lost destination. An orderly stop ends the
// program's attachment; a killed server leaves a connection that breaks on
// the next request's write or read.
const std::vector<std::string> kApagado{"Se presento el siguiente error: connection shutdown"};
const std::vector<std::string> kCaido{"Se presento el siguiente error: Error writing data to the connection.",
                                      "Se presento el siguiente error: Error reading data from the connection."};

bool DiceAlguno(const std::string& texto, const std::vector<std::string>& mensajes) {
  for (const auto& m : mensajes)
    if (texto.find(m) != std::string::npos) return true;
  return false;
}

// The messages that fit how the server ended and where the run was: an
// orderly stop answers a request in flight with the attachment's end; a
// connection closed while the run waited elsewhere breaks as a killed one.
std::vector<std::string> Esperados(bool apagado, Punto punto) {
  if (!apagado || punto == Punto::TrasConfirmar) return kCaido;
  if (punto == Punto::EnMedio) return kApagado;
  std::vector<std::string> cualquiera = kApagado;
  cualquiera.insert(cualquiera.end(), kCaido.begin(), kCaido.end());
  return cualquiera;
}

void PrintTo(const CasoDetenido& c, std::ostream* out) { *out << c.nombre; }

// Company 001 on the shared server; the destination's general database and
// company 002 in a folder of their own, served by the private server only
// (two servers never open one file).
class ServidorDetenido : public test::ConServidor, public ::testing::WithParamInterface<CasoDetenido> {
protected:
  void SetUp() override {
    ConServidor::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    if (!test::ServidorPrivado::Disponible()) {
      if (test::servidorRequerido()) GTEST_FAIL() << "the installed Firebird cannot run a private server";
      GTEST_SKIP() << "the installed Firebird cannot run a private server";
    }
    destinoDir_.emplace();
    fs::create_directories(destinoDir_->path() / "datos" / "002");
    fs::copy_file(Dir() / "datos" / "general.fdb", destinoDir_->path() / "datos" / "general.fdb");
    fs::rename(Dir() / "datos" / "002" / "norvane.fdb", destinoDir_->path() / "datos" / "002" / "norvane.fdb");
    fs::permissions(destinoDir_->path(), fs::perms::all);
    for (const auto& e : fs::recursive_directory_iterator(destinoDir_->path()))
      fs::permissions(e.path(), e.is_directory() ? fs::perms::all
                                                 : fs::perms::owner_read | fs::perms::owner_write |
                                                       fs::perms::group_read | fs::perms::group_write |
                                                       fs::perms::others_read | fs::perms::others_write);
    servidor_.emplace();
  }

  std::string PrefijoDestino() const { return servidor_->Anfitrion() + destinoDir_->str(); }

  fb::Attachment AbrirDestino() const {
    return fb::Attachment::attach(
        {PrefijoDestino() + "/datos/002/norvane.fdb", usuario_.usuario, usuario_.clave, ""});
  }

  std::unique_ptr<test::Hijo> LanzarHaciaPrivado(const std::string& nombre) const {
    return Lanzar(nombre, {"--servidor-destino", PrefijoDestino(), "--usuario-destino", usuario_.usuario,
                           "--tipos", "11", "--en-linea"});
  }

  int Marcadas(fb::Attachment& origen) const {
    return static_cast<int>(
        Consultar(origen, "select count(*) from AUDITORIA where AUDI_ENVIO = 'S'")[0][0].asInteger());
  }

  // Declared in this order so that the server stops before its files go.
  std::optional<test::TempDir> destinoDir_;
  std::optional<test::ServidorPrivado> servidor_;
};

TEST_P(ServidorDetenido, TheRunEndsWithTheHandlersMessageAndASecondRunSendsTheRestOnce) {
  const auto& caso = GetParam();
  std::vector<Recibo> origenes;
  auto origen = Abrir("datos/001/norvane.fdb");
  // The last receipt always pauses, so that the first run cannot end before
  // the server is stopped, wherever the stop falls.
  for (int i = 0; i < kRecibos; ++i) {
    const bool pausa = i == kRecibos - 1 || (caso.punto == Punto::EnMedio && i == kReciboDetenido - 1);
    origenes.push_back(test::CrearRecibo(origen, 501 + i, kPrimerNumero + i, i + 1, 3, pausa ? 2 : 0));
    Auditar(origen, i + 1, 501 + i, kPrimerNumero + i);
  }
  std::vector<Recibo> anteriores;
  {
    auto destino = AbrirDestino();
    if (caso.copiaAnterior)
      for (int i = 0; i < kRecibos; ++i)
        anteriores.push_back(test::CrearRecibo(destino, 901 + i, kPrimerNumero + i, 300 + i, 4));
    InstalarPausa(destino);
  }

  int marcadasAlDetener = 0;
  bool apagado = false;  // the server ended by its own orderly stop
  {
    auto retenida = Abrir("datos/001/norvane.fdb");
    std::optional<fb::Transaction> retencion;
    if (caso.punto == Punto::TrasConfirmar) {
      retencion.emplace(retenida, fb::Isolation::ReadCommitted);
      retencion->execute("update AUDITORIA set AUDI_ENVIO = AUDI_ENVIO where AUDI_ID = ?", {kReciboDetenido});
    }
    auto hijo = LanzarHaciaPrivado("primera");
    if (caso.punto == Punto::EnMedio) {
      auto destino = AbrirDestino();
      ASSERT_TRUE(EsperarLlegada(destino, 1, *hijo)) << hijo->Texto();
      marcadasAlDetener = Marcadas(origen);
      ASSERT_EQ(marcadasAlDetener, kReciboDetenido - 1);
    } else if (caso.punto == Punto::TrasConfirmar) {
      auto destino = AbrirDestino();
      const auto& original = origenes[kReciboDetenido - 1];
      const auto fin = Reloj::now() + test::kPlazoSimulacro;
      auto confirmado = [&] {
        const auto copias = test::CopiasRecibo(destino, kPrimerNumero + kReciboDetenido - 1);
        return copias.size() == 1 && Entero(original, copias[0]);
      };
      while (hijo->Vivo() && Reloj::now() < fin && !confirmado())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      ASSERT_TRUE(confirmado()) << hijo->Texto();
      marcadasAlDetener = Marcadas(origen);
      ASSERT_EQ(marcadasAlDetener, kReciboDetenido - 1);
    } else {
      const auto fin = Reloj::now() + test::kPlazoSimulacro;
      while (hijo->Vivo() && Reloj::now() < fin &&
             (marcadasAlDetener = Marcadas(origen)) < kMarcasAntesDeDetener)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      ASSERT_GE(marcadasAlDetener, kMarcasAntesDeDetener) << hijo->Texto();
    }
    ASSERT_TRUE(hijo->Vivo()) << hijo->Texto();
    if (caso.matado) {
      servidor_->Matar();
      std::cout << "[ stopped  ] the destination server killed after " << marcadasAlDetener << " marks\n";
    } else {
      // An orderly stop either ends the run's attachment at once or lets
      // the run go on (the server's choice); one that has not ended within
      // the fixture's bound is killed.
      const auto duracion = servidor_->Detener(&apagado);
      std::cout << "[ stopped  ] the destination server after " << marcadasAlDetener << " marks, ended "
                << (apagado ? "by itself" : "by SIGKILL") << " in "
                << std::chrono::duration_cast<std::chrono::milliseconds>(duracion).count() << " ms\n";
    }
    // The mark that waited goes through: the row was committed before the
    // server went.
    if (retencion) retencion->rollback();
    ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
    EXPECT_EQ(hijo->Salida(), 1) << hijo->Texto();
    // A server that did not end by itself within the bound was killed.
    EXPECT_TRUE(DiceAlguno(hijo->Texto(), Esperados(apagado, caso.punto))) << hijo->Texto();
    EXPECT_EQ(hijo->Texto().find("Proceso de envio de información concluído."), std::string::npos)
        << hijo->Texto();
    // A stopped server is no refused row: nothing is logged as failed.
    EXPECT_EQ(test::TempDir::LeerArchivo(Dir() / "ERRORENVIO.TXT"), "") << hijo->Texto();
  }

  servidor_->Iniciar();
  {
    SCOPED_TRACE("after the stopped server");
    auto destino = AbrirDestino();
    std::vector<std::string> marcadas;
    int sinMarcaEscritos = 0;
    for (int i = 0; i < kRecibos; ++i) {
      SCOPED_TRACE(kPrimerNumero + i);
      const auto& original = origenes[static_cast<std::size_t>(i)];
      const auto copias = test::CopiasRecibo(destino, kPrimerNumero + i);
      if (Envio(i + 1) == "S") {
        marcadas.push_back(std::to_string(i + 1));
        ASSERT_EQ(copias.size(), 1u);
        test::EsperarEntero(original, copias[0]);
        if (caso.copiaAnterior) {
          EXPECT_EQ(copias[0].encabezado[0], anteriores[static_cast<std::size_t>(i)].encabezado[0]);
        }
        continue;
      }
      // Not marked: as it was, or whole when the server stopped between
      // the destination's commit and the origin's mark.
      if (copias.empty()) {
        EXPECT_FALSE(caso.copiaAnterior) << "the earlier copy is gone";
        continue;
      }
      ASSERT_EQ(copias.size(), 1u);
      if (caso.copiaAnterior && copias[0] == anteriores[static_cast<std::size_t>(i)]) continue;
      EXPECT_TRUE(Entero(original, copias[0])) << ::testing::PrintToString(copias[0]);
      ++sinMarcaEscritos;
    }
    // Only the row in flight can be written and not marked; one stopped
    // before its commit is not there at all.
    EXPECT_LE(sinMarcaEscritos, 1);
    EXPECT_GE(static_cast<int>(marcadas.size()), marcadasAlDetener);
    if (caso.punto == Punto::EnMedio) {
      EXPECT_EQ(static_cast<int>(marcadas.size()), kReciboDetenido - 1);
      EXPECT_EQ(sinMarcaEscritos, 0);
    } else if (caso.punto == Punto::TrasConfirmar) {
      EXPECT_EQ(static_cast<int>(marcadas.size()), kReciboDetenido);
      EXPECT_EQ(sinMarcaEscritos, 0);
    }
    EXPECT_EQ(Envio(kRecibos), "N") << "the run ended although the server was stopped";
    EXPECT_EQ(test::Huerfanas(destino), 0);
    // The log of sent rows holds exactly the rows that are marked sent.
    EXPECT_EQ(Registradas(test::TempDir::LeerArchivo(Dir() / "ENVIOMANUAL.TXT")), marcadas);
    std::cout << "[ stopped  ] " << marcadas.size() << " of " << kRecibos << " receipts marked, "
              << sinMarcaEscritos << " written and not marked\n";
    destino.execute("insert into SEMAFORO values (2)");
  }

  auto hijo = LanzarHaciaPrivado("segunda");
  ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
  EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();

  SCOPED_TRACE("after the second run");
  auto destino = AbrirDestino();
  std::vector<std::string> todas;
  for (int i = 0; i < kRecibos; ++i) {
    SCOPED_TRACE(kPrimerNumero + i);
    todas.push_back(std::to_string(i + 1));
    EXPECT_EQ(Envio(i + 1), "S");
    const auto copias = test::CopiasRecibo(destino, kPrimerNumero + i);
    ASSERT_EQ(copias.size(), 1u);
    test::EsperarEntero(origenes[static_cast<std::size_t>(i)], copias[0]);
    if (caso.copiaAnterior) {
      EXPECT_EQ(copias[0].encabezado[0], anteriores[static_cast<std::size_t>(i)].encabezado[0]);
    }
  }
  EXPECT_EQ(Consultar(destino, "select count(*) from ENTRADAS")[0][0].asInteger(), kRecibos);
  EXPECT_EQ(test::Huerfanas(destino), 0);
  EXPECT_EQ(test::TempDir::LeerArchivo(Dir() / "ERRORENVIO.TXT"), "");
  EXPECT_EQ(Registradas(test::TempDir::LeerArchivo(Dir() / "ENVIOMANUAL.TXT")), todas);
}

INSTANTIATE_TEST_SUITE_P(Casos, ServidorDetenido,
                         ::testing::Values(
                             CasoDetenido{"DestinoNuevo", false, false, Punto::TrasMarcas},
                             CasoDetenido{"DestinoReemplazo", true, false, Punto::TrasMarcas},
                             CasoDetenido{"DestinoNuevoMatado", false, true, Punto::TrasMarcas},
                             CasoDetenido{"DestinoReemplazoMatado", true, true, Punto::TrasMarcas},
                             CasoDetenido{"EnMedioNuevo", false, false, Punto::EnMedio},
                             CasoDetenido{"EnMedioReemplazo", true, false, Punto::EnMedio},
                             CasoDetenido{"EnMedioNuevoMatado", false, true, Punto::EnMedio},
                             CasoDetenido{"EnMedioReemplazoMatado", true, true, Punto::EnMedio},
                             CasoDetenido{"TrasConfirmarNuevo", false, false, Punto::TrasConfirmar},
                             CasoDetenido{"TrasConfirmarReemplazo", true, false, Punto::TrasConfirmar},
                             CasoDetenido{"TrasConfirmarNuevoMatado", false, true, Punto::TrasConfirmar},
                             CasoDetenido{"TrasConfirmarReemplazoMatado", true, true, Punto::TrasConfirmar}),
                         [](const ::testing::TestParamInfo<CasoDetenido>& caso) {
                           return std::string(caso.param.nombre);
                         });

}  // namespace
}  // namespace norvane
