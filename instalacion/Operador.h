#pragma once

#include <string>

namespace norvane {

// What the engine and the settings need from whoever runs them: the windows,
// the headless program, or a test that records what was said.
class Operador {
public:
  virtual ~Operador();

  // Shows a message to the operator and returns once it was acknowledged.
  virtual void Mensaje(const std::string& texto) = 0;
  // The same, with details that the operator may unfold (counts, a path);
  // where there is no place for them, only the message is shown.
  virtual void MensajeConDetalles(const std::string& texto, const std::string& detalles);
  // The system beep that accompanies a logged write error.
  virtual void Beep() = 0;
  // The progress panel of a run: shown once the run has its companies,
  // hidden before its finish message; it stays shown after an error.
  virtual void MostrarProgreso(bool visible) = 0;
  // The progress display: a new maximum resets the position to 0.
  virtual void ProgresoMaximo(int maximo) = 0;
  virtual void ProgresoAvanzar() = 0;
};

}  // namespace norvane
