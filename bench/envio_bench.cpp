// Throughput of a transfer run over a demo installation: audit rows per
// second of a run that only completes rows (no family handler: the
// baseline) and of a run with every handler built so far, measured in the
// same process on fresh copies of one installation. Prints medians.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "demo/Instalacion.h"
#include "engine/Despacho.h"
#include "engine/Operador.h"
#include "engine/Sesion.h"
#include "engine/Transferencia.h"
#include "engine/families/Documentos.h"
#include "fb/Api.h"
#include "fb/Transaction.h"

namespace fs = std::filesystem;
using namespace norvane;

namespace {

class OperadorMudo final : public Operador {
public:
  void Mensaje(const std::string&) override {}
  void Beep() override {}
  void ProgresoMaximo(int) override {}
  void ProgresoAvanzar() override {}
};

struct Medida {
  double segundos = 0;
  int filas = 0;
  int enviadas = 0;
  long detalles = 0;
};

long ContarDetalles(const fs::path& dir) {
  auto db = fb::Attachment::attach({(dir / "datos" / "002" / "norvane.fdb").string(), "SYSDBA", "", ""});
  fb::Transaction t(db);
  long total = 0;
  for (const auto& d : DescriptoresDocumentos()) {
    std::string tabla = d.detalles[0].seleccionDestino;  // "SELECT * FROM X WHERE ..."
    tabla = tabla.substr(14, tabla.find(' ', 14) - 14);
    total += static_cast<long>(t.query("select count(*) from " + tabla)[0][0].asInteger());
  }
  return total;
}

Medida Correr(const fs::path& plantilla, const fs::path& trabajo, const Despacho& despacho) {
  fs::remove_all(trabajo);
  fs::copy(plantilla, trabajo, fs::copy_options::recursive);
  demo::EscribirAjustes(trabajo, trabajo.string());
  ::setenv("XDG_CONFIG_DIRS", trabajo.c_str(), 1);

  OperadorMudo operador;
  Medida m;
  {
    Sesion s;
    ConectarOrigen(s, trabajo.string(), "SYSDBA", "x");
    ConectarDestino(s, trabajo.string(), "SYSDBA", "x");
    CargarCompaniasOrigen(s);
    CargarCompaniasDestino(s);
    CargarTiposDocumento(s);
    OpcionesEnvio o;
    o.CompaniaOrigen = "001";
    o.CompaniaDestino = "002";
    o.EnLinea = true;
    o.Ctipodoc = s.Ctipodoc;
    Transferencia run(s, operador, despacho);
    const auto inicio = std::chrono::steady_clock::now();
    run.Ejecutar(o);
    m.segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    m.filas = run.Resumen().seleccionadas;
    m.enviadas = run.Resumen().enviadas;
  }
  m.detalles = ContarDetalles(trabajo);
  return m;
}

double Mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int documentos = 40;
  int repeticiones = 5;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--documentos") documentos = std::atoi(argv[i + 1]);
    if (a == "--repeticiones") repeticiones = std::atoi(argv[i + 1]);
  }
  const fs::path raiz = fs::temp_directory_path() / "norvane-bench";
  fs::remove_all(raiz);
  demo::OpcionesInstalacion o;
  o.directorio = raiz / "plantilla";
  o.documentos = documentos;
  demo::CrearInstalacion(o);

  std::vector<double> base, completo, detalles;
  Medida ultima;
  for (int r = 0; r < repeticiones; ++r) {
    const Medida b = Correr(o.directorio, raiz / "trabajo", Despacho());
    const Medida c = Correr(o.directorio, raiz / "trabajo", DespachoCompleto());
    base.push_back(b.filas / b.segundos);
    completo.push_back(c.filas / c.segundos);
    detalles.push_back(static_cast<double>(c.detalles) / c.segundos);
    std::printf("run %d: baseline %d rows in %.3f s; full %d rows (%d sent, %ld detail rows) in %.3f s\n",
                r + 1, b.filas, b.segundos, c.filas, c.enviadas, c.detalles, c.segundos);
    ultima = c;
  }
  const double mb = Mediana(base), mc = Mediana(completo);
  std::printf("median over %d runs, %d documents per family, %d audit rows:\n", repeticiones,
              documentos, ultima.filas);
  std::printf("  baseline (rows completed, no handler): %.0f audit rows/s\n", mb);
  std::printf("  full run (document handlers online):   %.0f audit rows/s, %.0f detail rows/s\n", mc,
              Mediana(detalles));
  std::printf("  full / baseline: %.2f\n", mc / mb);
  fs::remove_all(raiz);
  fb::shutdown();
  return 0;
}
