#pragma once

#include <string>

namespace norvane::test {

struct UsuarioPrueba {
  std::string usuario;
  std::string clave;
};

// Whether a Firebird server answers on localhost:3050.
bool servidorDisponible();
// The test script asks for the server (NORVANE_REQUIERE_SERVIDOR=1): its
// absence is then a failure, not a reason to skip.
bool servidorRequerido();
// The user that the test script created on the server
// (NORVANE_TEST_USUARIO / NORVANE_TEST_CLAVE).
UsuarioPrueba usuarioPrueba();

}  // namespace norvane::test
