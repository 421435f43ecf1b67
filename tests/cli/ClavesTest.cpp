#include "cli/Claves.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace norvane::cli {
namespace {

Argumentos Linea(std::optional<std::string> servidorDestino, std::optional<std::string> usuarioDestino) {
  Argumentos a;
  a.servidorOrigen = "srv:/n";
  a.usuarioOrigen = "ana";
  a.servidorDestino = std::move(servidorDestino);
  a.usuarioDestino = std::move(usuarioDestino);
  return a;
}

struct CasoClaves {
  const char* nombre;
  Argumentos argumentos;
  Variables entorno;
  bool terminal;                  // whether there is someone to ask
  std::vector<std::string> preguntas;  // what must be asked, in order
  std::string origen;
  std::string destino;
  std::string error;  // empty: both passwords had
};

void PrintTo(const CasoClaves& caso, std::ostream* os) { *os << caso.nombre; }

const Variables kAmbas{{"NORVANE_CLAVE_ORIGEN", "o1"}, {"NORVANE_CLAVE_DESTINO", "d1"}};
const Variables kSoloOrigen{{"NORVANE_CLAVE_ORIGEN", "o1"}};
const Variables kSoloDestino{{"NORVANE_CLAVE_DESTINO", "d1"}};

std::vector<CasoClaves> Casos() {
  return {
      {"AmbasDelEntorno", Linea("otro:/n", "luis"), kAmbas, false, {}, "o1", "d1", ""},
      {"MismoServidorOmitidoTomaLaDelOrigen", Linea({}, {}), kSoloOrigen, false, {}, "o1", "o1", ""},
      {"MismoServidorNombradoTomaLaDelOrigen", Linea("srv:/n", {}), kSoloOrigen, false, {}, "o1", "o1", ""},
      {"MismoServidorMismoUsuarioNombrado", Linea({}, "ana"), kSoloOrigen, false, {}, "o1", "o1", ""},
      // A variable that was set wins over the copy of the origin's.
      {"MismoServidorConVariableDestino", Linea({}, {}), kAmbas, false, {}, "o1", "d1", ""},
      {"ClaveVaciaEsUnaClave", Linea({}, {}), {{"NORVANE_CLAVE_ORIGEN", ""}}, false, {}, "", "", ""},
      {"OtroServidorSinVariableNiTerminal", Linea("otro:/n", "luis"), kSoloOrigen, false, {}, "", "",
       "falta la clave de luis en otro:/n: NORVANE_CLAVE_DESTINO no está definida y la entrada no es "
       "una terminal"},
      // Another user of the same server has a password of his own.
      {"MismoServidorOtroUsuarioSinVariable", Linea({}, "luis"), kSoloOrigen, false, {}, "", "",
       "falta la clave de luis en srv:/n: NORVANE_CLAVE_DESTINO no está definida y la entrada no es "
       "una terminal"},
      {"SinClaveOrigenNiTerminal", Linea({}, {}), kSoloDestino, false, {}, "", "",
       "falta la clave de ana en srv:/n: NORVANE_CLAVE_ORIGEN no está definida y la entrada no es "
       "una terminal"},
      {"SinNingunaEnTerminalPreguntaAmbas", Linea("otro:/n", "luis"), {}, true,
       {"Clave de ana en srv:/n: ", "Clave de luis en otro:/n: "}, "resp1", "resp2", ""},
      {"SinNingunaMismoServidorPreguntaUnaVez", Linea({}, {}), {}, true, {"Clave de ana en srv:/n: "},
       "resp1", "resp1", ""},
      {"SoloFaltaLaDelDestino", Linea("otro:/n", "luis"), kSoloOrigen, true,
       {"Clave de luis en otro:/n: "}, "o1", "resp1", ""},
  };
}

class ObtenerClavesTest : public ::testing::TestWithParam<CasoClaves> {};

TEST_P(ObtenerClavesTest, DeDondeVieneCadaClave) {
  const CasoClaves& caso = GetParam();
  std::vector<std::string> preguntas;
  PedirClave pedir;
  if (caso.terminal)
    pedir = [&](const std::string& pregunta) -> std::optional<std::string> {
      preguntas.push_back(pregunta);
      return "resp" + std::to_string(preguntas.size());
    };
  const LecturaClaves lectura = ObtenerClaves(caso.argumentos, caso.entorno, pedir);
  EXPECT_EQ(lectura.error, caso.error);
  EXPECT_EQ(preguntas, caso.preguntas);
  if (caso.error.empty()) {
    EXPECT_EQ(lectura.claves.origen, caso.origen);
    EXPECT_EQ(lectura.claves.destino, caso.destino);
  }
}

INSTANTIATE_TEST_SUITE_P(Tabla, ObtenerClavesTest, ::testing::ValuesIn(Casos()),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

TEST(ObtenerClaves, UnaPreguntaSinRespuestaEsUnaClaveQueFalta) {
  int preguntas = 0;
  const PedirClave sinRespuesta = [&](const std::string&) -> std::optional<std::string> {
    ++preguntas;
    return std::nullopt;
  };
  const LecturaClaves lectura = ObtenerClaves(Linea("otro:/n", "luis"), {}, sinRespuesta);
  EXPECT_EQ(lectura.error, "no se recibió la clave de ana en srv:/n");
  // The destination is not asked once the origin's is missing.
  EXPECT_EQ(preguntas, 1);
}

}  // namespace
}  // namespace norvane::cli
