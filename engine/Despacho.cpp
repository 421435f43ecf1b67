#include "engine/Despacho.h"

#include <stdexcept>
#include <string>

namespace norvane {

void Despacho::Registrar(std::initializer_list<int> tipos, const Manejador& manejador) {
  for (int tipo : tipos)
    if (!manejadores_.emplace(tipo, manejador).second)
      throw std::logic_error("type " + std::to_string(tipo) + " has two handlers");
}

const Manejador* Despacho::Buscar(int tidoCod) const {
  const auto it = manejadores_.find(tidoCod);
  return it == manejadores_.end() ? nullptr : &it->second;
}

}  // namespace norvane
