#include "tests/support/Simulacro.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <system_error>
#include <thread>

#include "demo/Instalacion.h"
#include "tests/support/FilaGenerica.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace norvane::test {

namespace fs = std::filesystem;
using Reloj = std::chrono::steady_clock;

namespace {

constexpr auto kSondeo = std::chrono::milliseconds(20);

bool MismoNombre(const std::string& a, const std::string& b) {
  const auto n = b.find('=');
  return a.compare(0, n + 1, b, 0, n + 1) == 0;
}

}  // namespace

Hijo::Hijo(const std::string& programa, const std::vector<std::string>& argumentos,
           const std::vector<std::string>& variables, fs::path salida)
    : salida_(std::move(salida)) {
  std::vector<std::string> linea{programa};
  linea.insert(linea.end(), argumentos.begin(), argumentos.end());
  std::vector<std::string> entorno;
  for (char** e = environ; *e; ++e) {
    const std::string v(*e);
    bool reemplazada = false;
    for (const auto& nueva : variables) reemplazada = reemplazada || MismoNombre(v, nueva);
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
    // A test that dies takes its programs and servers with it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(entrada);
  ::close(archivo);
  if (pid_ < 0) throw std::runtime_error("fork failed");
}

Hijo::~Hijo() { Matar(); }

bool Hijo::Vivo() {
  if (terminado_) return false;
  int estado = 0;
  if (::waitpid(pid_, &estado, WNOHANG) == pid_) {
    estado_ = estado;
    terminado_ = true;
  }
  return !terminado_;
}

bool Hijo::Esperar(Reloj::duration plazo) {
  const auto fin = Reloj::now() + plazo;
  while (Vivo()) {
    if (Reloj::now() > fin) return false;
    std::this_thread::sleep_for(kSondeo);
  }
  return true;
}

bool Hijo::Terminar(Reloj::duration plazo) {
  if (!Vivo()) return true;
  ::kill(pid_, SIGTERM);
  if (Esperar(plazo)) return true;
  Matar();
  return false;
}

void Hijo::Matar() {
  if (terminado_) return;
  ::kill(pid_, SIGKILL);
  int estado = 0;
  ::waitpid(pid_, &estado, 0);
  estado_ = estado;
  terminado_ = true;
}

bool Hijo::MuertoPorSigkill() const {
  return terminado_ && WIFSIGNALED(estado_) && WTERMSIG(estado_) == SIGKILL;
}

int Hijo::Salida() const { return terminado_ && WIFEXITED(estado_) ? WEXITSTATUS(estado_) : -1; }

std::string Hijo::Texto() const { return "program's output:\n" + TempDir::LeerArchivo(salida_); }

std::vector<fb::Row> Consultar(fb::Attachment& db, const std::string& sql, const fb::Row& p) {
  fb::Transaction t(db, fb::Isolation::ReadCommitted);
  auto filas = t.query(sql, p);
  t.commit();
  return filas;
}

void PrintTo(const Recibo& r, std::ostream* out) {
  *out << "{header";
  for (const auto& v : r.encabezado) *out << ' ' << v;
  *out << "; " << r.lineas.size() << " detail rows}";
}

std::string NumeroRecibo(int numero) {
  const std::string n = std::to_string(numero);
  return std::string(n.size() < 6 ? 6 - n.size() : 0, '0') + n;
}

std::vector<Recibo> CopiasRecibo(fb::Attachment& db, int numero) {
  std::vector<Recibo> copias;
  for (auto& e : Consultar(db, "select * from ENTRADAS where PREF_PRE = 'EN' and ENTR_NUMERO = ? order by 1",
                           {NumeroRecibo(numero)})) {
    auto lineas = Consultar(db, "select * from ENTRADAS_DETALLE where ENTR_ID = ? order by ENDE_ITEM", {e[0]});
    copias.push_back({std::move(e), std::move(lineas)});
  }
  return copias;
}

Recibo CrearRecibo(fb::Attachment& db, int id, int numero, int semilla, int lineas, int pausa) {
  const auto columnas = Columnas(db, "ENTRADAS");
  fb::Row fila = FilaGenerica(columnas, semilla);
  fila[0] = id;
  fila[PosicionDe(columnas, "PREF_PRE")] = "EN";
  fila[PosicionDe(columnas, "ENTR_NUMERO")] = NumeroRecibo(numero);
  fila[PosicionDe(columnas, "ENTR_ANULADO")] = "N";
  Insertar(db, "ENTRADAS", fila);
  const auto det = Columnas(db, "ENTRADAS_DETALLE");
  for (int i = 1; i <= lineas; ++i) {
    fb::Row linea = FilaGenerica(det, semilla * 10 + i);
    linea[0] = id;
    linea[PosicionDe(det, "ENDE_ITEM")] = i;
    if (i == pausa) linea[PosicionDe(det, "ENDE_DETALLE")] = "PAUSA";
    Insertar(db, "ENTRADAS_DETALLE", linea);
  }
  auto copias = CopiasRecibo(db, numero);
  if (copias.size() != 1) throw std::runtime_error("receipt " + NumeroRecibo(numero) + " is not there once");
  return copias[0];
}

void AuditarRecibo(fb::Attachment& origen, int auditId, int iddoc, int numero) {
  origen.execute(
      "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, "
      "AUDI_OPER, AUDI_COD, AUDI_ENVIO) values (?, 'ANA', '2024/04/01', ?, 11, ?, 'M', ?, 'N')",
      {auditId, fb::Time{8, 0, static_cast<unsigned>(auditId), 0}, iddoc, "EN" + NumeroRecibo(numero)});
}

void EsperarEntero(const Recibo& origen, const Recibo& copia) {
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

void InstalarPausa(fb::Attachment& db) {
  db.execute("create table LLEGADA (LLEG_PASO integer, LLEG_ENTR_ID integer, LLEG_ITEM integer)");
  db.execute("create table SEMAFORO (SEMA_ID integer not null primary key)");
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
      "  end "
      "end");
}

std::vector<std::string> Registradas(const std::string& log) {
  std::vector<std::string> ids;
  std::size_t inicio = 0;
  while (inicio < log.size()) {
    const auto fin = log.find("\r\n", inicio);
    const std::string linea = log.substr(inicio, fin - inicio);
    const auto a = linea.find(',', linea.find(',') + 1);
    ids.push_back(linea.substr(a + 1, linea.find(',', a + 1) - a - 1));
    if (fin == std::string::npos) break;
    inicio = fin + 2;
  }
  return ids;
}

std::int64_t Huerfanas(fb::Attachment& db) {
  return Consultar(db,
                   "select count(*) from ENTRADAS_DETALLE d where not exists "
                   "(select 1 from ENTRADAS e where e.ENTR_ID = d.ENTR_ID)")[0][0]
      .asInteger();
}

std::vector<std::int64_t> ConexionesDe(fb::Attachment& db, pid_t pid) {
  std::vector<std::int64_t> ids;
  for (const auto& f : Consultar(db, "select MON$ATTACHMENT_ID from MON$ATTACHMENTS where MON$REMOTE_PID = ?",
                                 {static_cast<int>(pid)}))
    ids.push_back(f[0].asInteger());
  return ids;
}

void ConServidor::SetUp() {
  if (!servidorDisponible()) {
    if (servidorRequerido()) GTEST_FAIL() << "no Firebird server on localhost:3050";
    GTEST_SKIP() << "no Firebird server on localhost";
  }
  usuario_ = usuarioPrueba();
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

fb::Attachment ConServidor::Abrir(const std::string& relativa) const {
  return fb::Attachment::attach(
      {"localhost:" + (Dir() / relativa).string(), usuario_.usuario, usuario_.clave, ""});
}

std::string ConServidor::Envio(int auditId) const {
  auto db = Abrir("datos/001/norvane.fdb");
  return Consultar(db, "select AUDI_ENVIO from AUDITORIA where AUDI_ID = ?", {auditId})[0][0].asText();
}

std::unique_ptr<Hijo> ConServidor::Lanzar(const std::string& nombre,
                                          const std::vector<std::string>& extra) const {
  std::vector<std::string> argumentos{"--servidor-origen", Prefijo(), "--usuario-origen", usuario_.usuario,
                                      "--compania-origen", "001",      "--compania-destino", "002"};
  argumentos.insert(argumentos.end(), extra.begin(), extra.end());
  return std::make_unique<Hijo>(NORVANE_CLI, argumentos,
                                std::vector<std::string>{"NORVANE_CLAVE_ORIGEN=" + usuario_.clave,
                                                         "NORVANE_CLAVE_DESTINO=" + usuario_.clave},
                                Dir() / (nombre + ".salida"));
}

bool ConServidor::EsperarLlegada(fb::Attachment& db, int paso, Hijo& hijo) {
  const auto fin = Reloj::now() + kPlazoSimulacro;
  while (Reloj::now() < fin && hijo.Vivo()) {
    if (Consultar(db, "select count(*) from LLEGADA where LLEG_PASO = ?", {paso})[0][0].asInteger() > 0)
      return true;
    std::this_thread::sleep_for(kSondeo);
  }
  return false;
}

bool ConServidor::EsperarSinConexiones(fb::Attachment& db, pid_t pid) {
  const auto fin = Reloj::now() + kPlazoSimulacro;
  while (Reloj::now() < fin) {
    if (ConexionesDe(db, pid).empty()) return true;
    std::this_thread::sleep_for(kSondeo);
  }
  return false;
}

}  // namespace norvane::test
