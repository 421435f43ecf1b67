#pragma once

#include <functional>
#include <initializer_list>
#include <map>

namespace norvane {

class ContextoEnvio;

// The handler of a document family: called with the current audit row and
// the run state; it reports back through HuboError.
using Manejador = std::function<void(ContextoEnvio&)>;

// The dispatch of audit rows by TIDO_COD. Types without a handler are
// completed without being copied.
class Despacho {
public:
  // A type that already has a handler is a fault of the program: throws.
  void Registrar(std::initializer_list<int> tipos, const Manejador& manejador);
  const Manejador* Buscar(int tidoCod) const;

private:
  std::map<int, Manejador> manejadores_;
};

}  // namespace norvane
