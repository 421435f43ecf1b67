#pragma once

#include <string>
#include <vector>

#include "instalacion/Operador.h"

namespace norvane::test {

// An operator that records what the engine told it, for assertions.
class OperadorGrabador final : public Operador {
public:
  void Mensaje(const std::string& texto) override { mensajes.push_back(texto); }
  // The message as any other; its details apart, in the order given.
  void MensajeConDetalles(const std::string& texto, const std::string& conDetalles) override {
    mensajes.push_back(texto);
    detalles.push_back(conDetalles);
  }
  void Beep() override { ++beeps; }
  void ProgresoMaximo(int nuevoMaximo) override {
    maximo = nuevoMaximo;
    posicion = 0;
  }
  void ProgresoAvanzar() override { ++posicion; }
  void MostrarProgreso(bool visible) override { progresoVisible = visible; }

  std::vector<std::string> mensajes;
  std::vector<std::string> detalles;
  int beeps = 0;
  int maximo = 0;
  int posicion = 0;
  bool progresoVisible = false;
};

}  // namespace norvane::test
