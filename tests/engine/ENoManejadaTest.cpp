#include <gtest/gtest.h>

#include "engine/ENoManejada.h"

namespace norvane {
namespace {

struct Caso {
  const char* mensaje;
  const char* mostrado;
};

class ENoManejada : public ::testing::TestWithParam<Caso> {};

TEST_P(ENoManejada, WordsTheErrorByItsFirstMatchingRow) {
  EXPECT_EQ(TextoENoManejada(GetParam().mensaje), GetParam().mostrado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ENoManejada,
    ::testing::Values(
        Caso{"Your user name and password are not defined. Ask your database administrator to "
             "set up a Firebird login.",
             "El nombre de Usuario o la clave son incorrectas."},
        Caso{"I/O error during \"open\" operation for file \"/srv/x/datos/general.fdb\"\n"
             "-Error while trying to open file\n-No such file or directory",
             "No se encontró el archivo o la ruta /srv/x/datos/general.fdb"},
        Caso{"I/O error for file \"C:\\N\\datos\\general.fdb\"\n-Error while trying to open file",
             "No se encontró el archivo o la ruta C:\\N\\datos\\general.fdb"},
        Caso{"Unable to complete network request to host \"nohost\".\n-Failed to locate host "
             "machine.",
             "No se encontró el equipo servidor con nombre nohost"},
        // The rows are tried in order: the first one wins.
        Caso{"Unable to complete network request to host \"h\".\n-Your user name and password "
             "are not defined",
             "El nombre de Usuario o la clave son incorrectas."},
        Caso{"Unable to complete network request without quotes",
             "No se encontró el equipo servidor con nombre "},
        Caso{"Dynamic SQL Error\n-Table unknown",
             "Se presento el siguiente error: Dynamic SQL Error\n-Table unknown"}));

}  // namespace
}  // namespace norvane
