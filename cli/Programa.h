#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/Claves.h"

namespace norvane {
class Operador;
}

namespace norvane::cli {

// Where the program speaks outside the run's own messages.
struct Consola {
  std::ostream& salida;   // the summary of a run, the help
  std::ostream& errores;  // bad usage and missing passwords, before anything starts
  PedirClave pedirClave;  // empty when standard input is not a terminal
};

// The whole headless program, the process's own set-up aside: reads the
// arguments that follow the program's name, signs in and loads the lists as
// the windows do, runs the transfer and reports how it went through
// `operador` and `consola`. Every error ends here, as the exit status.
int EjecutarPrograma(const std::vector<std::string>& argumentos, const Variables& entorno,
                     Operador& operador, const Consola& consola);

}  // namespace norvane::cli
