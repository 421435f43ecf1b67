#include "tests/support/ServidorPrivado.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace norvane::test {

namespace fs = std::filesystem;
using Reloj = std::chrono::steady_clock;

namespace {

// Debian's layout of the installed engine.
const fs::path kPrograma = "/usr/sbin/firebird";
const fs::path kRaizInstalada = "/usr/lib/x86_64-linux-gnu/firebird/3.0";
const fs::path kConfiguracion = "/etc/firebird/3.0/firebird.conf";
const fs::path kSeguridad = "/var/lib/firebird/3.0/system/security3.fdb";

constexpr int kPrimerPuerto = 3051;
constexpr int kUltimoPuerto = 3150;
constexpr auto kPlazoArranque = std::chrono::seconds(20);

sockaddr_in Direccion(int puerto) {
  sockaddr_in d{};
  d.sin_family = AF_INET;
  d.sin_port = htons(static_cast<std::uint16_t>(puerto));
  d.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return d;
}

bool Escucha(int puerto) {
  const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (s < 0) return false;
  const sockaddr_in d = Direccion(puerto);
  const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&d), sizeof d) == 0;
  ::close(s);
  return ok;
}

// Nobody listens there and the port can be bound (as the server binds it,
// with SO_REUSEADDR, so that closed connections waiting out their time do
// not count).
bool Libre(int puerto) {
  if (Escucha(puerto)) return false;
  const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (s < 0) return false;
  const int uno = 1;
  ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &uno, sizeof uno);
  const sockaddr_in d = Direccion(puerto);
  const bool ok = ::bind(s, reinterpret_cast<const sockaddr*>(&d), sizeof d) == 0;
  ::close(s);
  return ok;
}

// The setting's name when `linea` sets one (not a comment).
std::string Clave(const std::string& linea) {
  const auto inicio = linea.find_first_not_of(" \t");
  if (inicio == std::string::npos || linea[inicio] == '#') return {};
  const auto fin = linea.find_first_of(" \t=", inicio);
  return linea.substr(inicio, fin - inicio);
}

// The shared server may be writing the file (a test script creating its
// user): two copies in a row that are equal are a state it committed.
void CopiarEstable(const fs::path& origen, const fs::path& copia) {
  const fs::path segunda = copia.string() + ".control";
  for (int intento = 0; intento < 20; ++intento) {
    fs::copy_file(origen, copia, fs::copy_options::overwrite_existing);
    fs::copy_file(origen, segunda, fs::copy_options::overwrite_existing);
    const bool iguales = TempDir::LeerArchivo(copia) == TempDir::LeerArchivo(segunda);
    fs::remove(segunda);
    if (iguales) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("no stable copy of " + origen.string());
}

}  // namespace

bool ServidorPrivado::Disponible() {
  return fs::exists(kPrograma) && fs::is_directory(kRaizInstalada) && fs::exists(kConfiguracion) &&
         fs::exists(kSeguridad);
}

ServidorPrivado::ServidorPrivado() {
  // The engine's files, except the two configurations that are this
  // server's own.
  fs::create_directories(raiz_.path() / "raiz");
  for (const auto& e : fs::directory_iterator(kRaizInstalada)) {
    const auto nombre = e.path().filename();
    if (nombre == "firebird.conf" || nombre == "databases.conf") continue;
    fs::create_symlink(e.path(), raiz_.path() / "raiz" / nombre);
  }
  fs::create_directories(raiz_.path() / "bloqueos");
  fs::create_directories(raiz_.path() / "temporal");
  // A copy, so that the test user exists and the shared server's file is
  // never opened by a second server.
  CopiarEstable(kSeguridad, raiz_.path() / "security3.fdb");
  fs::permissions(raiz_.path() / "security3.fdb", fs::perms::owner_read | fs::perms::owner_write |
                                                      fs::perms::group_read | fs::perms::group_write);
  fs::permissions(raiz_.path(), fs::perms::all);

  // A port that another test's server may take between the check and the
  // start: then the next one.
  for (int puerto = kPrimerPuerto; puerto <= kUltimoPuerto; ++puerto) {
    if (!Libre(puerto)) continue;
    puerto_ = puerto;
    Configurar();
    if (Arrancar()) return;
  }
  throw std::runtime_error("no private Firebird server could start on ports 3051 to 3150:\n" + Texto());
}

ServidorPrivado::~ServidorPrivado() {
  if (Activo()) Detener();
}

std::string ServidorPrivado::Anfitrion() const { return "localhost/" + std::to_string(puerto_) + ":"; }

pid_t ServidorPrivado::pid() const { return Activo() ? proceso_->pid() : -1; }

bool ServidorPrivado::Activo() const { return proceso_ && proceso_->Vivo(); }

void ServidorPrivado::Configurar() {
  const fs::path raiz = raiz_.path() / "raiz";
  std::ifstream original(kConfiguracion);
  if (!original) throw std::runtime_error("cannot read " + kConfiguracion.string());
  std::ostringstream conf;
  for (std::string linea; std::getline(original, linea);) {
    const std::string clave = Clave(linea);
    if (clave == "RemoteServicePort" || clave == "RemoteBindAddress" || clave == "SecurityDatabase")
      continue;
    conf << linea << '\n';
  }
  // SecurityDatabase's default names the installed file itself, so the
  // alias in databases.conf alone would not keep the two servers apart (the
  // second to open a file is refused: "Database already opened with engine
  // instance, incompatible with current").
  conf << "RemoteServicePort = " << puerto_ << '\n'
       << "RemoteBindAddress = localhost\n"
       << "SecurityDatabase = " << (raiz_.path() / "security3.fdb").string() << '\n';
  std::ofstream(raiz / "firebird.conf", std::ios::trunc) << conf.str();
  std::ofstream(raiz / "databases.conf", std::ios::trunc)
      << "security.db = " << (raiz_.path() / "security3.fdb").string() << "\n"
      << "{\n\tRemoteAccess = false\n\tDefaultDbCachePages = 50\n}\n";
}

bool ServidorPrivado::Arrancar() {
  proceso_ = std::make_unique<Hijo>(
      kPrograma.string(), std::vector<std::string>{},
      std::vector<std::string>{"FIREBIRD=" + (raiz_.path() / "raiz").string(),
                               "FIREBIRD_LOCK=" + (raiz_.path() / "bloqueos").string(),
                               "FIREBIRD_TMP=" + (raiz_.path() / "temporal").string()},
      raiz_.path() / "firebird.salida");
  const auto fin = Reloj::now() + kPlazoArranque;
  while (Reloj::now() < fin) {
    // A server that cannot bind its port ends at once.
    if (!proceso_->Vivo()) return false;
    if (Escucha(puerto_)) {
      // Someone else may have taken the port meanwhile: ours must still run.
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      return proceso_->Vivo();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  proceso_->Matar();
  return false;
}

void ServidorPrivado::Iniciar() {
  if (Activo()) throw std::logic_error("the private server already runs");
  if (!Libre(puerto_) || !Arrancar())
    throw std::runtime_error("the private Firebird server did not start again on port " +
                             std::to_string(puerto_) + ":\n" + Texto());
}

Reloj::duration ServidorPrivado::Detener(bool* solo, Reloj::duration plazo) {
  if (!proceso_) throw std::logic_error("the private server is not running");
  const auto inicio = Reloj::now();
  const bool terminado = proceso_->Terminar(plazo);
  const auto duracion = Reloj::now() - inicio;
  if (solo) *solo = terminado;
  return duracion;
}

void ServidorPrivado::Matar() {
  if (!proceso_) throw std::logic_error("the private server is not running");
  proceso_->Matar();
}

std::string ServidorPrivado::Texto() const {
  return "private server's output:\n" + TempDir::LeerArchivo(raiz_.path() / "firebird.salida");
}

}  // namespace norvane::test
