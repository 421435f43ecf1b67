#include "instalacion/Servidores.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace norvane {
namespace {

using namespace std::string_literals;

struct CasoLista {
  const char* nombre;
  std::string bytes;
  std::vector<std::string> servidores;
};

void PrintTo(const CasoLista& caso, std::ostream* os) { *os << caso.nombre; }

const std::string k255(255, 'x');
const std::string k256(256, 'y');

const CasoLista kCasos[] = {
    {"DosLineasCRLF", "srv1:/norvane\r\nsrv2:/norvane\r\n", {"srv1:/norvane", "srv2:/norvane"}},
    {"DosLineasLF", "srv1:/norvane\nsrv2:/norvane\n", {"srv1:/norvane", "srv2:/norvane"}},
    {"UltimaLineaSinFinSePierde", "uno\r\ndos", {"uno"}},
    {"SoloUnaLineaSinFin", "uno", {}},
    {"CRSeguidoDeOtroByteLoPierde", "A\rBC\n", {"A", "C"}},
    {"CRSeguidoDeLetraYLF", "A\rB\n", {"A", ""}},
    {"CRAlFinalTerminaLaLinea", "A\r", {"A"}},
    {"CRCRSeTragaElSegundo", "A\r\rB\n", {"A", "B"}},
    // LF ends "A"; CR ends an empty line and swallows B; LF ends another.
    {"LFCRTerminaDosVeces", "A\n\rB\n", {"A", "", ""}},
    {"DosFinesSeguidosDanEntradaVacia", "uno\n\ndos\n", {"uno", "", "dos"}},
    {"LineaVaciaCRLF", "uno\r\n\r\ndos\r\n", {"uno", "", "dos"}},
    {"ArchivoVacio", "", {}},
    {"ByteCeroCortaLaEntrada", "srv\0basura\nsig\n"s, {"srv", "sig"}},
    {"ByteCeroAlPrincipio", "\0srv\n"s, {""}},
    {"BlancosSeConservan", "  srv1 \t\r\n srv2\n", {"  srv1 \t", " srv2"}},
    {"Linea255SeConserva", "a\n" + k255 + "\nb\n", {"a", k255, "b"}},
    {"Linea256SeDeja", "a\n" + k256 + "\r\nb\n", {"a", "b"}},
    {"Linea256AlFinalSeDeja", "a\n" + k256 + "\n", {"a"}},
    {"BytesAltosIntactos", "c\xf3mputo\xff\n", {"c\xf3mputo\xff"}},
};

class LeerServidoresTest : public ::testing::TestWithParam<CasoLista> {};

TEST_P(LeerServidoresTest, DaLasEntradasEnOrden) {
  EXPECT_EQ(LeerServidores(GetParam().bytes), GetParam().servidores);
}

INSTANTIATE_TEST_SUITE_P(Bytes, LeerServidoresTest, ::testing::ValuesIn(kCasos),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

TEST(CargarServidoresTest, LeeSERVIDORESDelDirectorio) {
  test::TempDir dir;
  dir.write("SERVIDORES.cfg", "localhost:/opt/norvane\r\n/srv/local\r\nsin fin");
  EXPECT_EQ(CargarServidores(dir.str()), (std::vector<std::string>{"localhost:/opt/norvane", "/srv/local"}));
}

TEST(CargarServidoresTest, SinArchivoLaListaEsVacia) {
  test::TempDir dir;
  dir.write("servidores.cfg", "otro\n");  // the name is case-sensitive here
  EXPECT_TRUE(CargarServidores(dir.str()).empty());
  EXPECT_TRUE(CargarServidores((dir.path() / "no-existe").string()).empty());
}

}  // namespace
}  // namespace norvane
