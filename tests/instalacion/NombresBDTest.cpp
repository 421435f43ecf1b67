#include "instalacion/NombresBD.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace norvane {
namespace {

struct CasoNombre {
  const char* nombre;
  std::string obtenido;
  std::string esperado;
};

void PrintTo(const CasoNombre& caso, std::ostream* os) { *os << caso.nombre; }

std::vector<CasoNombre> Casos() {
  const std::string P = "localhost:/opt/norvane";
  const std::string D = "/srv/norvane";
  return {
      {"BaseGeneral", BaseGeneral(P), "localhost:/opt/norvane/datos/general.fdb"},
      {"BaseSoporte", BaseSoporte(P), "localhost:/opt/norvane/sop/norvane.fdb"},
      {"BaseCompania", BaseCompania(P, "001"), "localhost:/opt/norvane/datos/001/norvane.fdb"},
      {"PlantillaEnvio", PlantillaEnvio(D), "/srv/norvane/sop/envio.fdb"},
      {"ArchivoEnvio", ArchivoEnvio(D, "02"), "/srv/norvane/datos/02/envio.fdb"},
      {"BaseEnvio", BaseEnvio(P, "02"), "localhost:/opt/norvane/datos/02/envio.fdb"},
      {"LogErrores", LogErrores(D), "/srv/norvane/ERRORENVIO.TXT"},
      {"LogEnviados", LogEnviados(D), "/srv/norvane/ENVIOMANUAL.TXT"},
      {"ListaServidores", ListaServidores(D), "/srv/norvane/SERVIDORES.cfg"},
      // Without an installation directory the names fall to the root.
      {"LogErroresSinDirectorio", LogErrores(""), "/ERRORENVIO.TXT"},
      {"ListaServidoresSinDirectorio", ListaServidores(""), "/SERVIDORES.cfg"},
      {"PlantillaSinDirectorio", PlantillaEnvio(""), "/sop/envio.fdb"},
      {"ArchivoEnvioSinDirectorio", ArchivoEnvio("", "7"), "/datos/7/envio.fdb"},
      // Prefixes and codes are taken as they come, blanks included.
      {"CompaniaConBlanco", BaseCompania("srv:", "A B"), "srv:/datos/A B/norvane.fdb"},
  };
}

class NombresBDTest : public ::testing::TestWithParam<CasoNombre> {};

TEST_P(NombresBDTest, NombreExacto) { EXPECT_EQ(GetParam().obtenido, GetParam().esperado); }

INSTANTIATE_TEST_SUITE_P(Tabla, NombresBDTest, ::testing::ValuesIn(Casos()),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

}  // namespace
}  // namespace norvane
