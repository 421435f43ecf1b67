#include "engine/Despacho.h"

namespace norvane {

void Despacho::Registrar(std::initializer_list<int> tipos, const Manejador& manejador) {
  for (int tipo : tipos) manejadores_[tipo] = manejador;
}

const Manejador* Despacho::Buscar(int tidoCod) const {
  const auto it = manejadores_.find(tidoCod);
  return it == manejadores_.end() ? nullptr : &it->second;
}

}  // namespace norvane
