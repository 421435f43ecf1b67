#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

#include "instalacion/Operador.h"

namespace norvane::cli {

// The operator of the headless program: messages and the beep on the error
// stream; progress as a bar redrawn in place on a terminal, or as a few plain
// lines (each tenth of the rows, or after a pause) when the stream is a file
// or a pipe.
class OperadorConsola final : public Operador {
public:
  using Reloj = std::function<std::chrono::steady_clock::time_point()>;

  OperadorConsola(std::ostream& errores, bool terminal, Reloj reloj = &std::chrono::steady_clock::now);

  void Mensaje(const std::string& texto) override;
  void Beep() override;
  void ProgresoMaximo(int maximo) override;
  void ProgresoAvanzar() override;
  // The bar itself is the panel on a console.
  void MostrarProgreso(bool) override {}

private:
  void DibujarBarra(std::chrono::steady_clock::time_point ahora);
  void EscribirLinea(std::chrono::steady_clock::time_point ahora);
  // Ends the bar's line so that other text starts on a line of its own.
  void CerrarBarra();
  std::string Medidas(std::chrono::steady_clock::time_point ahora) const;

  std::ostream& errores_;
  bool terminal_;
  Reloj reloj_;
  int maximo_ = 0;
  int posicion_ = 0;
  std::chrono::steady_clock::time_point inicio_{};
  std::chrono::steady_clock::time_point ultimoInforme_{};
  int decimaInformada_ = 0;  // the last tenth of the rows given a line
  bool barraAbierta_ = false;
};

}  // namespace norvane::cli
