#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace norvane::test {

using FabricaPrueba = std::function<std::unique_ptr<QObject>()>;

// Adds a Qt Test class to those that the program's main runs, one after the
// other, under the program's own application object.
void RegistrarPrueba(FabricaPrueba fabrica);

template <class Prueba>
struct RegistroPrueba {
  RegistroPrueba() {
    RegistrarPrueba([] { return std::make_unique<Prueba>(); });
  }
};

}  // namespace norvane::test

#define NORVANE_PRUEBA_GUI(Clase) \
  static const ::norvane::test::RegistroPrueba<Clase> registro##Clase {}
