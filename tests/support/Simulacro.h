#pragma once

// What the fault drills share: the headless program as a child process, an
// installation whose databases are all reached through the local server, and
// receipts (type 11) written, read back and compared.

#include <gtest/gtest.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "fb/Attachment.h"
#include "fb/Transaction.h"
#include "fb/Value.h"
#include "tests/support/InstalacionPrueba.h"
#include "tests/support/Servidor.h"

namespace norvane::test {

// No wait of the drills lasts longer.
inline constexpr auto kPlazoSimulacro = std::chrono::seconds(60);

// A program as a child process (fork + exec): standard input from /dev/null,
// output and errors into one file. A child still running when the object
// goes away is killed and reaped; one still running when the test process
// dies is killed (the Firebird client catches SIGTERM, so a test told to
// stop may end without its destructors).
class Hijo {
public:
  // `variables` ("NOMBRE=valor") replace those of the same name in the
  // test's environment.
  Hijo(const std::string& programa, const std::vector<std::string>& argumentos,
       const std::vector<std::string>& variables, std::filesystem::path salida);
  ~Hijo();
  Hijo(const Hijo&) = delete;
  Hijo& operator=(const Hijo&) = delete;

  pid_t pid() const { return pid_; }
  bool Vivo();
  // Waits for the end, at most `plazo`; false when it still runs.
  bool Esperar(std::chrono::steady_clock::duration plazo = kPlazoSimulacro);
  // SIGTERM, then at most `plazo` for the end, then SIGKILL; true when it
  // ended by itself.
  bool Terminar(std::chrono::steady_clock::duration plazo);
  // SIGKILL, then reaped.
  void Matar();
  bool MuertoPorSigkill() const;
  // The exit status; -1 when it did not exit by itself.
  int Salida() const;
  std::string Texto() const;

private:
  std::filesystem::path salida_;
  pid_t pid_ = -1;
  bool terminado_ = false;
  int estado_ = 0;
};

// Every row of a SELECT, in a read-committed transaction of its own.
std::vector<fb::Row> Consultar(fb::Attachment& db, const std::string& sql, const fb::Row& p = {});

// A receipt as one database holds it.
struct Recibo {
  fb::Row encabezado;
  std::vector<fb::Row> lineas;
  friend bool operator==(const Recibo&, const Recibo&) = default;
};
void PrintTo(const Recibo& r, std::ostream* out);

// The six-digit number of a receipt ("000071").
std::string NumeroRecibo(int numero);

// Every copy of receipt EN`numero` in `db`, with its detail rows in item order.
std::vector<Recibo> CopiasRecibo(fb::Attachment& db, int numero);

// A receipt EN`numero` with `lineas` detail rows (items 1..n) written into
// `db`; the detail row of item `pausa` carries the text PAUSA.
Recibo CrearRecibo(fb::Attachment& db, int id, int numero, int semilla, int lineas, int pausa = 0);

// An audit row of type 11, operation M, not sent, for receipt EN`numero`.
void AuditarRecibo(fb::Attachment& origen, int auditId, int iddoc, int numero);

// The copy holds the origin's receipt whole: the header and every detail row
// with the same values, the identifier aside, each detail row under the
// copy's identifier.
void EsperarEntero(const Recibo& origen, const Recibo& copia);

// The drills' pause in `db`: the detail row of a receipt whose text is PAUSA
// first writes step 1 to LLEGADA in a transaction of its own (committed,
// visible to the test), then waits until SEMAFORO has row 2 (a minute at
// most).
void InstalarPausa(fb::Attachment& db);

// The audit rows named by the lines of a text log such as ENVIOMANUAL.TXT
// (third field), in order.
std::vector<std::string> Registradas(const std::string& log);

// Detail rows whose header is not there: what a half-written receipt leaves.
std::int64_t Huerfanas(fb::Attachment& db);

// The attachments of process `pid` to `db`, by MON$ATTACHMENT_ID.
std::vector<std::int64_t> ConexionesDe(fb::Attachment& db, pid_t pid);

// An installation of a test with every database reached through the local
// server by the test user; the settings name "localhost:" + the directory
// as the server, so the program connects through the server too.
class ConServidor : public ::testing::Test {
protected:
  void SetUp() override;

  std::string Prefijo() const { return "localhost:" + inst_->servidor(); }
  std::filesystem::path Dir() const { return inst_->dir(); }
  fb::Attachment Abrir(const std::string& relativa) const;
  // AUDI_ENVIO of an audit row of company 001.
  std::string Envio(int auditId) const;

  // norvane-envio-cli from 001 to 002 with `argumentos` added; its output in
  // the installation's file `nombre`.salida.
  std::unique_ptr<Hijo> Lanzar(const std::string& nombre, const std::vector<std::string>& argumentos) const;

  // Until LLEGADA of `db` holds step `paso`; false when the child ended
  // first or the time ran out.
  static bool EsperarLlegada(fb::Attachment& db, int paso, Hijo& hijo);
  // Until the server let go of every connection of process `pid` to `db`.
  static bool EsperarSinConexiones(fb::Attachment& db, pid_t pid);

  std::optional<InstalacionPrueba> inst_;
  UsuarioPrueba usuario_;
};

}  // namespace norvane::test
