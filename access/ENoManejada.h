#pragma once

#include <exception>
#include <utility>

namespace norvane {

// The program's unhandled-error handler: shows the one message box for the
// error (its text from TextoENoManejada) and returns once the operator has
// acknowledged it. The program then goes on.
void ENoManejada(std::exception_ptr error);

// Runs what Qt called into (a slot, an event handler). An error that escapes
// it goes to ENoManejada here, before it could unwind Qt's own frames, which
// are not built to be unwound; the operation is abandoned at that point.
template <class Accion>
void Atender(Accion&& accion) noexcept {
  try {
    std::forward<Accion>(accion)();
  } catch (...) {
    ENoManejada(std::current_exception());
  }
}

// A slot for connect(): calls `metodo` on `objeto` under Atender.
template <class Objeto>
auto Atendido(Objeto* objeto, void (Objeto::*metodo)()) {
  return [objeto, metodo] { Atender([objeto, metodo] { (objeto->*metodo)(); }); };
}

}  // namespace norvane
