#include "instalacion/Operador.h"

namespace norvane {

Operador::~Operador() = default;

void Operador::MensajeConDetalles(const std::string& texto, const std::string&) { Mensaje(texto); }

}  // namespace norvane
