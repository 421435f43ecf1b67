#pragma once

#include <string>
#include <string_view>

#include "engine/Opciones.h"

namespace norvane {

class Operador;

// The text of the audit selection for a run. A date-range run with no type
// marked says "Debe marcar al menos un tipo de documento." and goes on
// without a type filter. Throws when a date of a date-range run is empty.
std::string TextoSeleccionAuditoria(const OpcionesEnvio& opciones, Operador& operador);

// The bounds of the code range that a row must lie in.
struct RangoCodigo {
  std::string CodigoDesde;
  std::string CodigoHasta;
};
RangoCodigo CalcularRango(const OpcionesEnvio& opciones);

// Byte-wise, unsigned, both bounds included.
bool EnRango(const RangoCodigo& rango, std::string_view codigo);

}  // namespace norvane
