// Throughput of an online run over the standard documents, invoices and
// returns of a demo installation: audit rows per second of a run that only
// completes the rows (no family handler: the baseline) and of the run that
// copies them, measured in the same process on fresh copies of one
// installation, over the same audit rows. Prints medians.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "demo/Instalacion.h"
#include "engine/Despacho.h"
#include "instalacion/Operador.h"
#include "engine/Sesion.h"
#include "engine/Transferencia.h"
#include "engine/families/Familias.h"
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
  void MostrarProgreso(bool) override {}
};

struct Medida {
  double segundos = 0;
  int filas = 0;
  int enviadas = 0;
  long detalles = 0;
};

// The detail rows a run copies: those of every document it copies (neither
// deleted nor voided), once per audit row.
long DetallesACopiar(const fs::path& dir) {
  auto db = fb::Attachment::attach({(dir / "datos" / "001" / "norvane.fdb").string(), "SYSDBA", "", ""});
  fb::Transaction t(db);
  long total = 0;
  for (const auto* d : DescriptoresDocumento()) {
    for (const auto& fila : t.query("select AUDI_IDDOC from AUDITORIA where TIDO_COD = ? and "
                                    "AUDI_OPER not in ('D', 'A') and AUDI_ENVIO = 'N'",
                                    {d->tidoCod})) {
      // "select * from X where x_id = " + id, for each detail table (a
      // header-only document has none)
      for (const auto& detalle : d->detalles) {
        std::string texto = detalle.seleccionOrigen;
        texto.replace(0, 8, "select count(*)");
        total += static_cast<long>(t.query(texto + fila[0].toString())[0][0].asInteger());
      }
    }
  }
  return total;
}

bool EsDocumento(int tido) {
  for (const auto* d : DescriptoresDocumento())
    if (d->tidoCod == tido) return true;
  return false;
}

Medida Correr(const fs::path& plantilla, const fs::path& trabajo, const Despacho& despacho) {
  fs::remove_all(trabajo);
  fs::copy(plantilla, trabajo, fs::copy_options::recursive);
  demo::EscribirAjustes(trabajo, trabajo.string());
  ::setenv("XDG_CONFIG_DIRS", trabajo.c_str(), 1);

  OperadorMudo operador;
  Medida m;
  m.detalles = DetallesACopiar(trabajo);
  {
    Sesion s;
    IniciarSesion(s, {trabajo.string(), "SYSDBA", "x"}, {trabajo.string(), "SYSDBA", "x"});
    OpcionesEnvio o;
    o.CompaniaOrigen = "001";
    o.CompaniaDestino = "002";
    o.EnLinea = true;
    o.Ctipodoc = s.Ctipodoc;
    for (auto& tipo : o.Ctipodoc) tipo.F_1 = EsDocumento(tipo.TIDO_COD) ? "S" : "N";
    Transferencia run(s, operador, despacho);
    const auto inicio = std::chrono::steady_clock::now();
    run.Ejecutar(o);
    m.segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    m.filas = run.Resumen().seleccionadas - run.Resumen().sinMarcar;
    m.enviadas = run.Resumen().enviadas;
  }
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
    std::printf("run %d: baseline %d rows in %.3f s; copy %d rows (%d sent, %ld detail rows) in %.3f s\n",
                r + 1, b.filas, b.segundos, c.filas, c.enviadas, c.detalles, c.segundos);
    ultima = c;
  }
  const double mb = Mediana(base), mc = Mediana(completo);
  std::printf("median over %d runs, %d documents per family, %d audit rows of the 18 document types:\n", repeticiones,
              documentos, ultima.filas);
  std::printf("  baseline (rows completed, no handler): %.0f audit rows/s\n", mb);
  std::printf("  copy (document handlers, online):      %.0f audit rows/s, %.0f detail rows/s\n", mc,
              Mediana(detalles));
  std::printf("  copy / baseline: %.2f\n", mc / mb);
  fs::remove_all(raiz);
  fb::shutdown();
  return 0;
}
