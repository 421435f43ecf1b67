#include <QTest>
#include <vector>

#include "app/Aplicacion.h"
#include "fb/Api.h"
#include "tests/gui/support/PruebaGui.h"

namespace norvane::test {

namespace {

std::vector<FabricaPrueba>& Pruebas() {
  static std::vector<FabricaPrueba> pruebas;
  return pruebas;
}

}  // namespace

void RegistrarPrueba(FabricaPrueba fabrica) { Pruebas().push_back(std::move(fabrica)); }

}  // namespace norvane::test

// Runs every registered test class under the program's application object
// (its title and its unhandled-error handler), then ends the embedded engine.
// Fails when any class failed.
int main(int argc, char** argv) {
  int fallidas = 0;
  {
    norvane::Aplicacion aplicacion(argc, argv);
    for (const auto& fabrica : norvane::test::Pruebas()) {
      const std::unique_ptr<QObject> prueba = fabrica();
      if (QTest::qExec(prueba.get(), argc, argv) != 0) ++fallidas;
    }
  }
  fb::shutdown();
  return fallidas == 0 ? 0 : 1;
}
