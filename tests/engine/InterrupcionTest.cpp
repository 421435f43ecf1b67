// Fault drills of the all-or-nothing audit rows, with the real headless
// program as a child process and every connection through the local server:
// a run killed in the middle of a document, and a destination row held
// locked past (or within) --espera-bloqueo.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <ostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "demo/Instalacion.h"
#include "fb/Attachment.h"
#include "fb/Transaction.h"
#include "tests/support/FilaGenerica.h"
#include "tests/support/InformePrueba.h"
#include "tests/support/InstalacionPrueba.h"
#include "tests/support/Servidor.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace norvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using fb::Value;
using Reloj = std::chrono::steady_clock;

// No wait of these tests lasts longer.
constexpr auto kPlazo = 30s;
constexpr auto kSondeo = 20ms;

// norvane-envio-cli as a child process (fork + exec): standard input from
// /dev/null, output and errors into one file. A child still running when the
// object goes away is killed and reaped.
class Hijo {
public:
  Hijo(const std::vector<std::string>& argumentos, const std::vector<std::string>& variables,
       fs::path salida)
      : salida_(std::move(salida)) {
    std::vector<std::string> linea{NORVANE_CLI};
    linea.insert(linea.end(), argumentos.begin(), argumentos.end());
    // The environment of the test (XDG_CONFIG_DIRS names the installation),
    // each of `variables` ("NOMBRE=valor") in place of one of the same name.
    std::vector<std::string> entorno;
    for (char** e = environ; *e; ++e) {
      const std::string v(*e);
      bool reemplazada = false;
      for (const auto& nueva : variables)
        if (v.compare(0, nueva.find('=') + 1, nueva, 0, nueva.find('=') + 1) == 0) reemplazada = true;
      if (!reemplazada) entorno.push_back(v);
    }
    entorno.insert(entorno.end(), variables.begin(), variables.end());
    std::vector<char*> argv, envp;
    for (auto& a : linea) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& v : entorno) envp.push_back(v.data());
    envp.push_back(nullptr);

    const int entrada = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const int archivo = ::open(salida_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (entrada < 0 || archivo < 0) throw std::runtime_error("cannot open the child's files");
    pid_ = ::fork();
    if (pid_ == 0) {
      // Only async-signal-safe calls until exec: the parent has threads.
      ::dup2(entrada, STDIN_FILENO);
      ::dup2(archivo, STDOUT_FILENO);
      ::dup2(archivo, STDERR_FILENO);
      ::close_range(3, ~0U, 0);  // the test's own connections stay with the test
      ::execve(argv[0], argv.data(), envp.data());
      ::_exit(127);
    }
    ::close(entrada);
    ::close(archivo);
    if (pid_ < 0) throw std::runtime_error("fork failed");
  }
  ~Hijo() { Matar(); }
  Hijo(const Hijo&) = delete;
  Hijo& operator=(const Hijo&) = delete;

  pid_t pid() const { return pid_; }

  bool Vivo() {
    if (terminado_) return false;
    int estado = 0;
    if (::waitpid(pid_, &estado, WNOHANG) == pid_) {
      estado_ = estado;
      terminado_ = true;
    }
    return !terminado_;
  }

  // Waits for the end, at most kPlazo; false when it still runs.
  bool Esperar() {
    const auto fin = Reloj::now() + kPlazo;
    while (Vivo()) {
      if (Reloj::now() > fin) return false;
      std::this_thread::sleep_for(kSondeo);
    }
    return true;
  }

  // SIGKILL, then reaped.
  void Matar() {
    if (terminado_) return;
    ::kill(pid_, SIGKILL);
    int estado = 0;
    ::waitpid(pid_, &estado, 0);
    estado_ = estado;
    terminado_ = true;
  }

  bool MuertoPorSigkill() const {
    return terminado_ && WIFSIGNALED(estado_) && WTERMSIG(estado_) == SIGKILL;
  }
  // The exit status; -1 when it did not exit by itself.
  int Salida() const { return terminado_ && WIFEXITED(estado_) ? WEXITSTATUS(estado_) : -1; }
  std::string Texto() const { return "program's output:\n" + test::TempDir::LeerArchivo(salida_); }

private:
  fs::path salida_;
  pid_t pid_ = -1;
  bool terminado_ = false;
  int estado_ = 0;
};

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

// A receipt (type 11) as one database holds it.
struct Copia {
  fb::Row encabezado;
  std::vector<fb::Row> lineas;
  friend bool operator==(const Copia&, const Copia&) = default;
};

void PrintTo(const Copia& c, std::ostream* out) {
  *out << "{header";
  for (const auto& v : c.encabezado) *out << ' ' << v;
  *out << "; " << c.lineas.size() << " detail rows}";
}

// A receipt of the origin.
struct Documento {
  int auditId;
  int numero;
  Copia origen;
  std::string Numero() const {
    const std::string n = std::to_string(numero);
    return std::string(6 - n.size(), '0') + n;
  }
  std::string Codigo() const { return "EN" + Numero(); }
};

std::vector<fb::Row> Consultar(fb::Attachment& db, const std::string& sql, const fb::Row& p = {}) {
  fb::Transaction t(db, fb::Isolation::ReadCommitted);
  auto filas = t.query(sql, p);
  t.commit();
  return filas;
}

// Every copy of receipt EN`numero` in `db`, with its detail rows.
std::vector<Copia> Copias(fb::Attachment& db, const std::string& numero) {
  std::vector<Copia> copias;
  for (auto& e : Consultar(db, "select * from ENTRADAS where PREF_PRE = 'EN' and ENTR_NUMERO = ? order by 1",
                           {numero})) {
    auto lineas = Consultar(db, "select * from ENTRADAS_DETALLE where ENTR_ID = ? order by ENDE_ITEM", {e[0]});
    copias.push_back({std::move(e), std::move(lineas)});
  }
  return copias;
}

// A receipt with `lineas` detail rows (items 1..n) written into `db`; the
// item `pausa` carries the text that the drills' trigger waits on.
Copia CrearRecibo(fb::Attachment& db, int id, int numero, int semilla, int lineas, int pausa = 0) {
  const auto columnas = test::Columnas(db, "ENTRADAS");
  fb::Row fila = test::FilaGenerica(columnas, semilla);
  const std::string n = std::to_string(numero);
  fila[0] = id;
  fila[test::PosicionDe(columnas, "PREF_PRE")] = "EN";
  fila[test::PosicionDe(columnas, "ENTR_NUMERO")] = std::string(6 - n.size(), '0') + n;
  fila[test::PosicionDe(columnas, "ENTR_ANULADO")] = "N";
  test::Insertar(db, "ENTRADAS", fila);
  const auto det = test::Columnas(db, "ENTRADAS_DETALLE");
  for (int i = 1; i <= lineas; ++i) {
    fb::Row linea = test::FilaGenerica(det, semilla * 10 + i);
    linea[0] = id;
    linea[test::PosicionDe(det, "ENDE_ITEM")] = i;
    if (i == pausa) linea[test::PosicionDe(det, "ENDE_DETALLE")] = "PAUSA";
    test::Insertar(db, "ENTRADAS_DETALLE", linea);
  }
  auto copias = Copias(db, std::string(6 - n.size(), '0') + n);
  if (copias.size() != 1) throw std::runtime_error("receipt " + n + " is not there once");
  return copias[0];
}

void Auditar(fb::Attachment& origen, int auditId, int iddoc, const std::string& codigo) {
  origen.execute(
      "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, "
      "AUDI_OPER, AUDI_COD, AUDI_ENVIO) values (?, 'ANA', '2024/04/01', ?, 11, ?, 'M', ?, 'N')",
      {auditId, fb::Time{8, 0, static_cast<unsigned>(auditId), 0}, iddoc, codigo});
}

// The copy is the origin's document whole: the header and every detail row
// with the same values, the identifier aside, each detail row under the
// header's identifier.
void EsperarEntero(const Copia& origen, const Copia& copia) {
  ASSERT_EQ(copia.encabezado.size(), origen.encabezado.size());
  for (std::size_t i = 1; i < origen.encabezado.size(); ++i)
    EXPECT_EQ(copia.encabezado[i], origen.encabezado[i]) << "header position " << i;
  ASSERT_EQ(copia.lineas.size(), origen.lineas.size()) << "detail rows";
  for (std::size_t r = 0; r < origen.lineas.size(); ++r) {
    EXPECT_EQ(copia.lineas[r][0], copia.encabezado[0]);
    for (std::size_t i = 1; i < origen.lineas[r].size(); ++i)
      EXPECT_EQ(copia.lineas[r][i], origen.lineas[r][i]) << "detail row " << r << " position " << i;
  }
}

// Detail rows whose header is not there: what a half-written document leaves.
std::int64_t Huerfanas(fb::Attachment& db) {
  return Consultar(db,
                   "select count(*) from ENTRADAS_DETALLE d where not exists "
                   "(select 1 from ENTRADAS e where e.ENTR_ID = d.ENTR_ID)")[0][0]
      .asInteger();
}

// The installation of a test, every database reached through the local
// server by the test user; the settings name "localhost:" + the directory as
// the server.
class ConServidor : public ::testing::Test {
protected:
  void SetUp() override {
    if (!test::servidorDisponible()) {
      if (test::servidorRequerido()) GTEST_FAIL() << "no Firebird server on localhost:3050";
      GTEST_SKIP() << "no Firebird server on localhost";
    }
    usuario_ = test::usuarioPrueba();
    inst_.emplace(usuario_.usuario);
    demo::EscribirAjustes(inst_->dir(), Prefijo());
    // The server may run under a user of its own: it must read and write
    // every database and create the transfer file.
    constexpr auto kLecturaEscritura = fs::perms::owner_read | fs::perms::owner_write |
                                       fs::perms::group_read | fs::perms::group_write |
                                       fs::perms::others_read | fs::perms::others_write;
    fs::permissions(inst_->dir(), fs::perms::all);
    for (const auto& e : fs::recursive_directory_iterator(inst_->dir()))
      fs::permissions(e.path(), e.is_directory() ? fs::perms::all : kLecturaEscritura);
  }

  std::string Prefijo() const { return "localhost:" + inst_->servidor(); }
  fs::path Dir() const { return inst_->dir(); }

  fb::Attachment Abrir(const std::string& relativa) const {
    return fb::Attachment::attach(
        {"localhost:" + (Dir() / relativa).string(), usuario_.usuario, usuario_.clave, ""});
  }

  std::string Envio(int auditId) const {
    auto db = Abrir("datos/001/norvane.fdb");
    return Consultar(db, "select AUDI_ENVIO from AUDITORIA where AUDI_ID = ?", {auditId})[0][0].asText();
  }

  // The program from 001 to 002, type 11 only; its output in a file of the
  // installation named after `nombre`.
  std::unique_ptr<Hijo> Lanzar(const std::string& nombre, std::vector<std::string> extra) const {
    std::vector<std::string> argumentos{"--servidor-origen", Prefijo(),   "--usuario-origen",
                                        usuario_.usuario,    "--compania-origen", "001",
                                        "--compania-destino", "002",       "--tipos", "11"};
    argumentos.insert(argumentos.end(), extra.begin(), extra.end());
    return std::make_unique<Hijo>(argumentos,
                                  std::vector<std::string>{"NORVANE_CLAVE_ORIGEN=" + usuario_.clave,
                                                           "NORVANE_CLAVE_DESTINO=" + usuario_.clave},
                                  Dir() / (nombre + ".salida"));
  }

  // Until the drills' trigger of `db` wrote step `paso` to LLEGADA; false
  // when the child ended first or the time ran out.
  static bool EsperarLlegada(fb::Attachment& db, int paso, Hijo& hijo) {
    const auto fin = Reloj::now() + kPlazo;
    while (Reloj::now() < fin && hijo.Vivo()) {
      if (Consultar(db, "select count(*) from LLEGADA where LLEG_PASO = ?", {paso})[0][0].asInteger() > 0)
        return true;
      std::this_thread::sleep_for(kSondeo);
    }
    return false;
  }

  // Until the server let go of every connection of process `pid` to `db`.
  static bool EsperarSinConexiones(fb::Attachment& db, pid_t pid) {
    const auto fin = Reloj::now() + kPlazo;
    while (Reloj::now() < fin) {
      if (Consultar(db, "select count(*) from MON$ATTACHMENTS where MON$REMOTE_PID = ?",
                    {static_cast<int>(pid)})[0][0]
              .asInteger() == 0)
        return true;
      std::this_thread::sleep_for(kSondeo);
    }
    return false;
  }

  std::optional<test::InstalacionPrueba> inst_;
  test::UsuarioPrueba usuario_;
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
      d.origen = CrearRecibo(origen, 501 + i, d.numero, i + 1, 3, i == 1 ? 2 : 0);
      Auditar(origen, d.auditId, 501 + i, d.Codigo());
      docs.push_back(std::move(d));
    }
  }
  std::vector<Copia> anteriores;
  if (caso.copiaAnterior) {
    auto destino = Abrir("datos/002/norvane.fdb");
    for (int i = 0; i < 3; ++i) anteriores.push_back(CrearRecibo(destino, 901 + i, docs[i].numero, 7 + i, 4));
  }
  const std::string conPausa = caso.enLinea ? "datos/002/norvane.fdb" : "sop/envio.fdb";
  const std::string destino = caso.enLinea ? "datos/002/norvane.fdb" : "datos/002/envio.fdb";
  {
    auto db = Abrir(conPausa);
    InstalarPausa(db);
  }
  std::vector<std::string> primera;
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
      const auto copias = Copias(db, d.Numero());
      const bool enviada = Envio(d.auditId) == "S";
      // Online the first document was sent and marked; offline the marks
      // wait for a finish that never came.
      EXPECT_EQ(enviada, caso.enLinea && d.auditId == 1);
      if (d.auditId == 1) {
        ASSERT_EQ(copias.size(), 1u);
        EsperarEntero(d.origen, copias[0]);
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
    EXPECT_EQ(Huerfanas(db), 0);
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
    const auto copias = Copias(db, d.Numero());
    ASSERT_EQ(copias.size(), 1u);
    EsperarEntero(d.origen, copias[0]);
    if (caso.copiaAnterior) {
      EXPECT_EQ(copias[0].encabezado[0], anteriores[static_cast<std::size_t>(d.auditId - 1)].encabezado[0]);
    }
  }
  EXPECT_EQ(Consultar(db, "select count(*) from ENTRADAS")[0][0].asInteger(), 3);
  EXPECT_EQ(Huerfanas(db), 0);
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
  Copia anterior;
  {
    auto origen = Abrir("datos/001/norvane.fdb");
    for (int i = 0; i < 3; ++i) {
      Documento d{i + 1, 81 + i, {}};
      d.origen = CrearRecibo(origen, 601 + i, d.numero, i + 1, 3);
      Auditar(origen, d.auditId, 601 + i, d.Codigo());
      docs.push_back(std::move(d));
    }
    auto destino = Abrir("datos/002/norvane.fdb");
    anterior = CrearRecibo(destino, 950, docs[1].numero, 9, 2);
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
  auto hijo = Lanzar("espera", {"--en-linea", "--espera-bloqueo", std::to_string(caso.segundos)});
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
    const auto copias = Copias(destino, d.Numero());
    ASSERT_EQ(copias.size(), 1u);
    EsperarEntero(d.origen, copias[0]);
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
    EXPECT_EQ(Copias(destino, docs[1].Numero()), std::vector<Copia>{anterior});
    EXPECT_EQ(Huerfanas(destino), 0);

    // Released, the row that failed is sent by the next run.
    hijo = Lanzar("despues", {"--en-linea", "--espera-bloqueo", std::to_string(caso.segundos)});
    ASSERT_TRUE(hijo->Esperar()) << hijo->Texto();
    EXPECT_EQ(hijo->Salida(), 0) << hijo->Texto();
  }
  EXPECT_EQ(Envio(docs[1].auditId), "S");
  const auto copias = Copias(destino, docs[1].Numero());
  ASSERT_EQ(copias.size(), 1u);
  EXPECT_EQ(copias[0].encabezado[0], Value(950));  // replaced, not added
  EsperarEntero(docs[1].origen, copias[0]);
  EXPECT_EQ(Consultar(destino, "select count(*) from ENTRADAS")[0][0].asInteger(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EsperaBloqueo,
    ::testing::Values(CasoEspera{"VenceElPlazo", 2, false}, CasoEspera{"SeSueltaAntes", 2, true}),
    [](const ::testing::TestParamInfo<CasoEspera>& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace norvane
