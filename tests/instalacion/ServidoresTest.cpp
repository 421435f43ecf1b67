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
const std::string kMuyLarga(100000, 'z');

// Every byte from 0x80 to 0xFF, in order.
std::string BytesAltos() {
  std::string bytes;
  for (int b = 0x80; b <= 0xFF; ++b) bytes.push_back(static_cast<char>(b));
  return bytes;
}

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
    // Zero bytes: the entry ends at the first one, the line still ends at its
    // line end, and the next line is whole.
    {"VariosCerosEnLaLinea", "a\0b\0c\nd\n"s, {"a", "d"}},
    {"CeroAntesDelFin", "srv\0\r\nsig\r\n"s, {"srv", "sig"}},
    {"LineaSoloDeCeros", "\0\0\0\nx\n"s, {"", "x"}},
    {"CeroNoTerminaLaLinea", "a\0\nb\0c\n"s, {"a", "b"}},
    // The length counts every byte of the line, those after a zero too.
    {"CeroEnLineaDe256SeDeja", "a\n" + std::string(3, 's') + '\0' + std::string(252, 'b') + "\nc\n",
     {"a", "c"}},
    // Binary bytes other than the line ends are part of the entry.
    {"BytesDeControlIntactos", "\x01srv\x02\x7f\t\n\x01\n", {"\x01srv\x02\x7f\t", "\x01"}},
    {"TodosLosBytesAltos", "a\n" + BytesAltos() + "\nb\n", {"a", BytesAltos(), "b"}},
    {"BytesAltosTrasCR", "a\r\x80" "b\n", {"a", "b"}},
    // Overlong lines are left out wherever they are; their neighbours stay.
    {"LineaLargaAlPrincipio", k256 + "\na\n", {"a"}},
    {"LineaMuyLargaEntreOtras", "a\r\n" + kMuyLarga + "\r\nb\r\n", {"a", "b"}},
    {"DosLineasLargasSeguidas", k256 + "\n" + kMuyLarga + "\nb\n", {"b"}},
    {"LineaLargaTerminadaEnCR", "a\n" + k256 + "\rXb\n", {"a", "b"}},
    {"LineaLargaSinFinAlFinal", "a\n" + kMuyLarga, {"a"}},
    {"Linea255TrasLinea256", k256 + "\n" + k255 + "\n", {k255}},
    // A last line without a line end is lost, whatever ended the ones before.
    {"UltimaSinFinTrasCRLF", "a\r\nb\r\nc", {"a", "b"}},
    {"UltimaSinFinTrasCR", "a\rXb", {"a"}},
    // CR alone ends the line and takes the next byte with it.
    {"SoloCRComoFin", "uno\rXdos\rYtres\r", {"uno", "dos", "tres"}},
    {"SoloCRPierdeLaPrimeraLetra", "uno\rdos\r", {"uno", "os"}},
    {"CRLFTrasLineaVacia", "\r\n\r\na\r\n", {"", "", "a"}},
    // Only line ends.
    {"SoloUnLF", "\n", {""}},
    {"SoloUnCRLF", "\r\n", {""}},
    {"SoloUnCero", "\0"s, {}},
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
