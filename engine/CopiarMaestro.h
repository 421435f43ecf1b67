#pragma once

#include <string>
#include <string_view>

#include "engine/TextoSql.h"

namespace norvane {

class ContextoEnvio;
class CursorOrigen;

// What became of one master row.
struct ResultadoMaestro {
  bool existe = false;     // the origin still holds the row
  bool enDestino = false;  // the destination held it already: updated, not created
  bool fallo = false;      // its write was refused
};

// Creates the destination row that `seleccionDestino` finds, or updates it in
// every position, its key included, from the current row of `fuente`. A new
// row always takes the fixed-point rule; an update only with
// `reglaEnEdicion`. HuboError := the write failed. It decides nothing for
// the audit row: the caller knows what the row stands for.
ResultadoMaestro EscribirMaestro(ContextoEnvio& contexto, const CursorOrigen& fuente,
                     std::string_view seleccionDestino, bool reglaEnEdicion = true);

// Copies one master row: read at the origin by `seleccionOrigen`, written as
// EscribirMaestro writes it. A row the origin no longer holds writes nothing.
// The audit row's decision: "nuevo", "actualizar" or "ausente en origen".
ResultadoMaestro CopiarMaestro(ContextoEnvio& contexto, std::string_view seleccionOrigen,
                               std::string_view seleccionDestino, bool reglaEnEdicion = true);

// A master table sent by its whole key, AUDI_COD: both selects are followed
// by the key as `clave` writes it.
struct DescriptorMaestro {
  int tidoCod{};
  const char* seleccionOrigen{};
  const char* seleccionDestino{};
  std::string (*clave)(std::string_view) = Citar;
  bool reglaEnEdicion = true;
};

// The current audit row's master row, whatever its AUDI_OPER: the origin's
// current state, or nothing when the origin no longer holds it.
void EnviarMaestro(ContextoEnvio& contexto, const DescriptorMaestro& descriptor);

}  // namespace norvane
