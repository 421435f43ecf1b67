#include "tests/support/InstalacionPrueba.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "demo/Instalacion.h"

namespace norvane::test {

namespace fs = std::filesystem;

namespace {

// A fingerprint of every SQL script, so that a changed script builds a new
// template.
std::string Huella(const std::string& usuario) {
  std::string todo = usuario;
  std::vector<fs::path> archivos;
  for (const auto& e : fs::recursive_directory_iterator(demo::CarpetaSql()))
    if (e.path().extension() == ".sql") archivos.push_back(e.path());
  std::sort(archivos.begin(), archivos.end());
  for (const auto& a : archivos) {
    std::ifstream in(a, std::ios::binary);
    todo += a.string();
    todo.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::ostringstream hex;
  hex << std::hex << std::hash<std::string>{}(todo);
  return hex.str();
}

// The template installation, built by the first process that needs it while
// the others wait on a lock.
fs::path Plantilla(const std::string& usuario) {
  const fs::path dir = fs::temp_directory_path() / ("norvane-plantilla-" + Huella(usuario));
  const fs::path lista = dir / "lista";
  const std::string cerrojo = dir.string() + ".lock";
  const int fd = ::open(cerrojo.c_str(), O_CREAT | O_RDWR, 0666);
  ::flock(fd, LOCK_EX);
  if (!fs::exists(lista)) {
    fs::remove_all(dir);
    demo::OpcionesInstalacion o;
    o.directorio = dir;
    o.usuario = usuario;
    o.documentos = 0;
    demo::CrearInstalacion(o);
    std::ofstream(lista) << "ok\n";
  }
  ::flock(fd, LOCK_UN);
  ::close(fd);
  return dir;
}

}  // namespace

InstalacionPrueba::InstalacionPrueba(const std::string& usuario) : usuario_(usuario) {
  const fs::path plantilla = Plantilla(usuario);
  for (const char* base : {"datos/general.fdb", "sop/norvane.fdb", "sop/envio.fdb",
                           "datos/001/norvane.fdb", "datos/002/norvane.fdb"}) {
    fs::create_directories((dir() / base).parent_path());
    fs::copy_file(plantilla / base, dir() / base);
  }
  demo::EscribirAjustes(dir(), servidor());
  ::setenv("XDG_CONFIG_DIRS", dir_.str().c_str(), 1);
}

std::string InstalacionPrueba::compania(const std::string& codigo) const {
  return (dir() / "datos" / codigo / "norvane.fdb").string();
}

fb::Attachment InstalacionPrueba::Abrir(const std::string& relativa) const {
  return fb::Attachment::attach({(dir() / relativa).string(), usuario_, "", ""});
}

fb::Attachment InstalacionPrueba::Compania(const std::string& codigo) const {
  return fb::Attachment::attach({compania(codigo), usuario_, "", ""});
}

OpcionesEnvio InstalacionPrueba::Firmar(Sesion& sesion) const {
  IniciarSesion(sesion, {servidor(), usuario_, "clave"}, {servidor(), usuario_, "clave"});
  OpcionesEnvio o;
  o.CompaniaOrigen = "001";
  o.CompaniaDestino = "002";
  o.EnLinea = true;
  o.Ctipodoc = sesion.Ctipodoc;
  return o;
}

}  // namespace norvane::test
