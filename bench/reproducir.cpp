// Replays the trace of a run (norvane-envio-cli --traza): the database work
// of that run without the engine, or, with --masiva, the run's committed
// destination writes in one transaction.
//
//   norvane-reproducir TRAZA --destino BASE [--masiva] [--perfil ARCHIVO]
//
// --perfil writes, as tab-separated lines, the calls and seconds of the
// replay's database work per database and statement text (commits and
// rollbacks as "COMMIT" and "ROLLBACK"), the most costly first.
//
// BASE is the destination database as the trace names it. The password of
// every attachment comes from NORVANE_CLAVE (any for embedded databases).
// Prints one line of figures.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>
#include <cstdlib>
#include <exception>
#include <string>

#include "bench/Reproduccion.h"
#include "fb/Api.h"

namespace {

void EscribirPerfil(const std::string& archivo, const norvane::bench::ResultadoReproduccion& r) {
  std::vector<std::pair<std::string, norvane::bench::ResultadoReproduccion::Tiempo>> filas(
      r.porTexto.begin(), r.porTexto.end());
  std::ranges::sort(filas, std::greater{}, [](const auto& f) { return f.second.segundos; });
  std::ofstream salida(archivo);
  salida << "segundos\tllamadas\tbase\ttexto\n";
  for (const auto& [clave, tiempo] : filas) {
    std::string linea = clave;
    std::ranges::replace(linea, '\n', ' ');
    salida << tiempo.segundos << '\t' << tiempo.llamadas << '\t' << linea << '\n';
  }
  if (!salida) throw std::runtime_error("cannot write " + archivo);
}

}  // namespace

int main(int argc, char** argv) {
  std::string traza, destino, perfil;
  bool masiva = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--masiva")
      masiva = true;
    else if (a == "--destino" && i + 1 < argc)
      destino = argv[++i];
    else if (a == "--perfil" && i + 1 < argc)
      perfil = argv[++i];
    else if (traza.empty() && !a.starts_with("--"))
      traza = a;
    else {
      std::fprintf(stderr, "uso: norvane-reproducir TRAZA --destino BASE [--masiva] [--perfil ARCHIVO]\n");
      return 2;
    }
  }
  if (traza.empty() || destino.empty()) {
    std::fprintf(stderr, "uso: norvane-reproducir TRAZA --destino BASE [--masiva] [--perfil ARCHIVO]\n");
    return 2;
  }
  const char* clave = std::getenv("NORVANE_CLAVE");
  int salida = 0;
  try {
    const auto r = masiva ? norvane::bench::CopiaMasiva(traza, clave ? clave : "", destino)
                          : norvane::bench::Reproducir(traza, clave ? clave : "", destino, !perfil.empty());
    std::printf("sentencias=%llu textos=%llu filas_leidas=%llu filas_destino=%llu "
                "divergencias=%llu segundos_lectura=%.3f\n",
                static_cast<unsigned long long>(r.sentencias),
                static_cast<unsigned long long>(r.textos),
                static_cast<unsigned long long>(r.filasLeidas),
                static_cast<unsigned long long>(r.filasDestino),
                static_cast<unsigned long long>(r.divergencias), r.segundosLectura);
    if (!perfil.empty()) EscribirPerfil(perfil, r);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "norvane-reproducir: %s\n", e.what());
    salida = 1;
  }
  fb::shutdown();
  return salida;
}
