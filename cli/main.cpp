#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/ClaveTerminal.h"
#include "cli/OperadorConsola.h"
#include "cli/Programa.h"
#include "fb/Api.h"

// The headless transfer program: the process's streams, terminal and
// environment around the program proper.
int main(int argc, char** argv) {
  using namespace norvane::cli;
  Variables entorno;
  for (const char* nombre : {kVariableClaveOrigen, kVariableClaveDestino})
    if (const char* valor = std::getenv(nombre)) entorno[nombre] = valor;

  OperadorConsola operador(std::cerr, isatty(STDERR_FILENO) == 1);
  const Consola consola{std::cout, std::cerr,
                        isatty(STDIN_FILENO) == 1 ? PedirClave(&PedirClaveSinEco) : PedirClave()};
  const std::vector<std::string> argumentos(argv + 1, argv + argc);
  const int salida = EjecutarPrograma(argumentos, entorno, operador, consola);
  fb::shutdown();
  return salida;
}
