#pragma once

#include <string>
#include <vector>

#include "cli/Argumentos.h"
#include "engine/Opciones.h"

namespace norvane::cli {

// The options of a run taken from the command line and the lists that the
// sign-in loaded, as the selection window would take them from its controls.
struct EleccionEnvio {
  OpcionesEnvio opciones;
  std::vector<int> tiposDesconocidos;  // --tipos codes that TIPO_DOCUMENTO lacks
  bool companiaOrigenDesconocida = false;
  bool companiaDestinoDesconocida = false;
};

// A company code not in its server's list leaves that company unchosen (the
// run then stops with its own message); the type list is `tipos` with only
// the --tipos codes marked, or all of them when --tipos is omitted.
EleccionEnvio ElegirEnvio(const Argumentos& argumentos, const std::vector<Compania>& companiasOrigen,
                          const std::vector<Compania>& companiasDestino, const ListaTipos& tipos);

}  // namespace norvane::cli
