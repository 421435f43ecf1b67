#include "instalacion/Operador.h"

namespace norvane {

Operador::~Operador() = default;

}  // namespace norvane
