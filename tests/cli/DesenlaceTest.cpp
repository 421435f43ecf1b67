#include "cli/Desenlace.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/OperadorGrabador.h"

namespace norvane::cli {
namespace {

struct CasoDesenlace {
  const char* nombre;
  ResultadoEnvio resultado;
  ResumenEnvio resumen;
  int salida;
  std::string resumenImpreso;           // what goes to standard output
  std::vector<std::string> mensajes;  // what the operator is told
};

void PrintTo(const CasoDesenlace& caso, std::ostream* os) { *os << caso.nombre; }

const char* const kRuta = "/srv/norvane/informes/envio-20240423-150709.csv";

std::vector<CasoDesenlace> Casos() {
  return {
      {"TodoEnviado", {FinEnvio::Concluido, ""}, {12, 9, 0, 2, 1, kRuta}, 0,
       "Filas de auditoría:\n"
       "  seleccionadas         12\n"
       "  enviadas               9\n"
       "  fallidas               0\n"
       "  sin marcar             2\n"
       "  fuera de rango         1\n"
       "Informe: /srv/norvane/informes/envio-20240423-150709.csv\n",
       {}},
      {"ConFallidas", {FinEnvio::Concluido, ""}, {5, 3, 2, 0, 0, kRuta}, 3,
       "Filas de auditoría:\n"
       "  seleccionadas          5\n"
       "  enviadas               3\n"
       "  fallidas               2\n"
       "  sin marcar             0\n"
       "  fuera de rango         0\n"
       "Informe: /srv/norvane/informes/envio-20240423-150709.csv\n",
       {}},
      // A report that could not be written changes neither the counts nor the status.
      {"SinInforme", {FinEnvio::Concluido, ""}, {1, 0, 1, 0, 0, ""}, 3,
       "Filas de auditoría:\n"
       "  seleccionadas          1\n"
       "  enviadas               0\n"
       "  fallidas               1\n"
       "  sin marcar             0\n"
       "  fuera de rango         0\n"
       "Informe: no se pudo escribir\n",
       {}},
      {"NadaSeleccionado", {FinEnvio::Concluido, ""}, {.informe = kRuta}, 0,
       "Filas de auditoría:\n"
       "  seleccionadas          0\n"
       "  enviadas               0\n"
       "  fallidas               0\n"
       "  sin marcar             0\n"
       "  fuera de rango         0\n"
       "Informe: /srv/norvane/informes/envio-20240423-150709.csv\n",
       {}},
      // The report of a stopped run tells how far it went.
      {"Rechazo", {FinEnvio::Rechazo, "Campos requeridos sin valor:  FACT_FECHA"}, {4, 1, 0, 0, 0, kRuta}, 1,
       "Informe: /srv/norvane/informes/envio-20240423-150709.csv\n",
       {"El destino rechazó una fila y el envío se detuvo: Campos requeridos sin valor:  FACT_FECHA"}},
      // Rows that failed before a stop do not turn the stop into a 3.
      {"RechazoTrasFallidas", {FinEnvio::Rechazo, "x"}, {4, 1, 2, 0, 0, ""}, 1,
       "Informe: no se pudo escribir\n", {"El destino rechazó una fila y el envío se detuvo: x"}},
      {"SinCompanias", {FinEnvio::SinCompanias, ""}, {}, 1, "", {}},
      {"CopiaFallida", {FinEnvio::CopiaFallida, ""}, {}, 1, "", {}},
  };
}

class DesenlaceTest : public ::testing::TestWithParam<CasoDesenlace> {};

TEST_P(DesenlaceTest, SalidaYLoQueSeDice) {
  const CasoDesenlace& caso = GetParam();
  std::ostringstream salida;
  test::OperadorGrabador operador;
  InformarDesenlace(caso.resultado, caso.resumen, salida, operador);
  EXPECT_EQ(SalidaDelEnvio(caso.resultado, caso.resumen), caso.salida);
  EXPECT_EQ(salida.str(), caso.resumenImpreso);
  EXPECT_EQ(operador.mensajes, caso.mensajes);
}

INSTANTIATE_TEST_SUITE_P(Tabla, DesenlaceTest, ::testing::ValuesIn(Casos()),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

// A verification's status: only a document that differs or is missing at
// the destination makes it 4; what the run leaves alone on purpose does not.
struct CasoVerificacion {
  const char* nombre;
  std::vector<EstadoVerificacion> estados;
  int salida;
};

void PrintTo(const CasoVerificacion& caso, std::ostream* os) { *os << caso.nombre; }

class SalidaVerificacion : public ::testing::TestWithParam<CasoVerificacion> {};

TEST_P(SalidaVerificacion, FourOnlyForADifferenceOrAnAbsence) {
  ResultadoVerificacion resultado;
  for (const auto estado : GetParam().estados) {
    DocumentoVerificado d;
    d.tidoCod = 11;
    d.codigo = "EN000001";
    d.estado = estado;
    resultado.documentos.push_back(d);
  }
  EXPECT_EQ(SalidaDeVerificacion(resultado), GetParam().salida);
}

INSTANTIATE_TEST_SUITE_P(
    Estados, SalidaVerificacion,
    ::testing::Values(
        CasoVerificacion{"Nada", {}, 0},
        CasoVerificacion{"TodoIgual", {EstadoVerificacion::Igual, EstadoVerificacion::Igual}, 0},
        CasoVerificacion{"LoQueElEnvioDejaAdrede",
                         {EstadoVerificacion::Pendiente, EstadoVerificacion::Retenido,
                          EstadoVerificacion::Omitido, EstadoVerificacion::SinCopia},
                         0},
        CasoVerificacion{"UnoDiferente", {EstadoVerificacion::Igual, EstadoVerificacion::Diferente}, 4},
        CasoVerificacion{"UnoAusente", {EstadoVerificacion::AusenteEnDestino, EstadoVerificacion::Igual}, 4}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(InformeVerificacion, OneLinePerDocumentThenEveryCount) {
  ResultadoVerificacion resultado;
  DocumentoVerificado igual;
  igual.tidoCod = 1;
  igual.codigo = "CC000431";
  igual.tico = "CC1";
  DocumentoVerificado distinto;
  distinto.tidoCod = 11;
  distinto.codigo = "EN000658";
  distinto.estado = EstadoVerificacion::Diferente;
  distinto.detalle = {"ENTR_TOTAL", "ENTRADAS_DETALLE fila 1: ENDE_CANTIDAD"};
  resultado.documentos = {igual, distinto};
  std::ostringstream salida;
  InformarVerificacion(resultado, salida);
  EXPECT_EQ(salida.str(),
            "1 CC000431 (CC1) igual\n"
            "11 EN000658 diferente: ENTR_TOTAL; ENTRADAS_DETALLE fila 1: ENDE_CANTIDAD\n"
            "Documentos verificados: 2\n"
            "  igual                                    1\n"
            "  diferente                                1\n"
            "  ausente en destino                       0\n"
            "  pendiente                                0\n"
            "  retenido por la fecha de bloqueo         0\n"
            "  omitido                                  0\n"
            "  sin copia                                0\n");
}

}  // namespace
}  // namespace norvane::cli
