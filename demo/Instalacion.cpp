#include "demo/Instalacion.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "demo/DatosDemo.h"
#include "fb/Attachment.h"
#include "fb/Script.h"
#include "fb/Transaction.h"

namespace norvane::demo {

namespace fs = std::filesystem;

std::string Prefijo(const OpcionesInstalacion& o) {
  const std::string dir = fs::absolute(o.directorio).lexically_normal().string();
  return o.servidorLocal ? "localhost:" + dir : dir;
}

fs::path CarpetaSql() {
  if (const char* env = std::getenv("NORVANE_SQL_DIR"); env && *env) return env;
  return NORVANE_SQL_DIR;
}

void EscribirAjustes(const fs::path& directorio, const std::string& prefijo) {
  const fs::path dir = fs::absolute(directorio).lexically_normal();
  fs::create_directories(dir / "Lumo");
  std::ofstream(dir / "Lumo" / "NorvaneERP2024.conf", std::ios::binary | std::ios::trunc)
      << "[General]\nDirectorio=" << dir.string() << "\n";
  std::ofstream(dir / "SERVIDORES.cfg", std::ios::binary | std::ios::trunc)
      << prefijo << "\r\n";
}

namespace {

std::string Leer(const fs::path& archivo) {
  std::ifstream in(archivo, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + archivo.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fb::Attachment Nueva(const fs::path& ruta, const std::string& usuario,
                     const std::string& carpeta) {
  fs::create_directories(ruta.parent_path());
  auto db = fb::Attachment::create({ruta.string(), usuario, "", ""}, {8192, false});
  std::vector<fs::path> scripts;
  for (const auto& e : fs::directory_iterator(CarpetaSql() / carpeta))
    if (e.path().extension() == ".sql") scripts.push_back(e.path());
  std::sort(scripts.begin(), scripts.end());
  if (scripts.empty()) throw std::runtime_error("no SQL scripts in " + (CarpetaSql() / carpeta).string());
  for (const auto& s : scripts) {
    try {
      fb::runScript(db, Leer(s));
    } catch (const std::exception& e) {
      throw std::runtime_error(s.filename().string() + ": " + e.what());
    }
  }
  return db;
}

}  // namespace

void CrearBase(const fs::path& ruta, const std::string& usuario, const std::string& carpeta) {
  Nueva(ruta, usuario, carpeta).close();
}

void CrearInstalacion(const OpcionesInstalacion& o) {
  const fs::path dir = fs::absolute(o.directorio).lexically_normal();
  EscribirAjustes(dir, Prefijo(o));

  {
    auto general = Nueva(dir / "datos" / "general.fdb", o.usuario, "general");
    LlenarGeneral(general, o.usuario);
    general.close();
  }
  CrearBase(dir / "sop" / "norvane.fdb", o.usuario, "soporte");
  CrearBase(dir / "sop" / "envio.fdb", o.usuario, "compania");
  // Both companies start from the empty schema: a copy is much faster than
  // running the scripts again.
  for (const char* compania : {"001", "002"}) {
    fs::create_directories(dir / "datos" / compania);
    fs::copy_file(dir / "sop" / "envio.fdb", dir / "datos" / compania / "norvane.fdb",
                  fs::copy_options::overwrite_existing);
  }
  if (o.documentos > 0) {
    auto origen = fb::Attachment::attach({(dir / "datos" / "001" / "norvane.fdb").string(),
                                          o.usuario, "", ""});
    auto destino = fb::Attachment::attach({(dir / "datos" / "002" / "norvane.fdb").string(),
                                           o.usuario, "", ""});
    LlenarCompanias(origen, destino, o.documentos, o.semilla);
    origen.close();
    destino.close();
  }
}

}  // namespace norvane::demo
