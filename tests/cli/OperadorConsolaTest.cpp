#include "cli/OperadorConsola.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

namespace norvane::cli {
namespace {

using namespace std::chrono_literals;

// A clock that moves only when the test says so.
struct RelojDePrueba {
  std::chrono::steady_clock::time_point ahora{};
  OperadorConsola::Reloj reloj() {
    return [this] { return ahora; };
  }
};

std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::istringstream flujo(texto);
  for (std::string linea; std::getline(flujo, linea);) lineas.push_back(linea);
  return lineas;
}

std::size_t Contar(const std::string& texto, char c) {
  return static_cast<std::size_t>(std::count(texto.begin(), texto.end(), c));
}

TEST(OperadorConsola, MensajeUnaLineaEnErrores) {
  for (const bool terminal : {false, true}) {
    std::ostringstream errores;
    OperadorConsola operador(errores, terminal);
    operador.Mensaje("Proceso de envio de información concluído.");
    EXPECT_EQ(errores.str(), "Proceso de envio de información concluído.\n") << terminal;
  }
}

TEST(OperadorConsola, ElBeepSoloEnUnaTerminal) {
  std::ostringstream archivo, terminal;
  OperadorConsola(archivo, false).Beep();
  OperadorConsola(terminal, true).Beep();
  EXPECT_EQ(archivo.str(), "");
  EXPECT_EQ(terminal.str(), "\a");
}

TEST(OperadorConsola, SinTerminalUnaLineaPorDecimaConRitmoYTiempo) {
  RelojDePrueba reloj;
  std::ostringstream errores;
  OperadorConsola operador(errores, false, reloj.reloj());
  operador.ProgresoMaximo(1000);
  EXPECT_EQ(errores.str(), "");
  for (int i = 0; i < 1000; ++i) {
    reloj.ahora += 2ms;  // 500 rows a second
    operador.ProgresoAvanzar();
  }
  const auto lineas = Lineas(errores.str());
  ASSERT_EQ(lineas.size(), 10u) << errores.str();
  EXPECT_EQ(lineas.front(), "Progreso: 100/1000 filas (10%), 500.0 filas/s, 00:00");
  EXPECT_EQ(lineas[4], "Progreso: 500/1000 filas (50%), 500.0 filas/s, 00:01");
  EXPECT_EQ(lineas.back(), "Progreso: 1000/1000 filas (100%), 500.0 filas/s, 00:02");
  EXPECT_EQ(Contar(errores.str(), '\r'), 0u);
}

TEST(OperadorConsola, SinTerminalUnaLineaTrasUnaPausaLarga) {
  RelojDePrueba reloj;
  std::ostringstream errores;
  OperadorConsola operador(errores, false, reloj.reloj());
  operador.ProgresoMaximo(1000);
  reloj.ahora += 3s;
  operador.ProgresoAvanzar();  // slow but short of a tenth: nothing yet
  EXPECT_EQ(errores.str(), "");
  reloj.ahora += 65s;
  operador.ProgresoAvanzar();
  EXPECT_EQ(errores.str(), "Progreso: 2/1000 filas (0%), 0.0 filas/s, 01:08\n");
  operador.ProgresoAvanzar();  // no second line at once
  EXPECT_EQ(Lineas(errores.str()).size(), 1u);
}

TEST(OperadorConsola, SinTerminalPocasFilasUnaLineaCadaUna) {
  RelojDePrueba reloj;
  std::ostringstream errores;
  OperadorConsola operador(errores, false, reloj.reloj());
  operador.ProgresoMaximo(3);
  for (int i = 0; i < 3; ++i) operador.ProgresoAvanzar();
  const auto lineas = Lineas(errores.str());
  ASSERT_EQ(lineas.size(), 3u);
  EXPECT_EQ(lineas.back().rfind("Progreso: 3/3 filas (100%)", 0), 0u) << lineas.back();
}

TEST(OperadorConsola, UnNuevoMaximoEmpiezaDeCero) {
  RelojDePrueba reloj;
  std::ostringstream errores;
  OperadorConsola operador(errores, false, reloj.reloj());
  operador.ProgresoMaximo(2);
  operador.ProgresoAvanzar();
  operador.ProgresoAvanzar();
  operador.ProgresoMaximo(2);
  operador.ProgresoAvanzar();
  const auto lineas = Lineas(errores.str());
  ASSERT_EQ(lineas.size(), 3u);
  EXPECT_EQ(lineas.back().rfind("Progreso: 1/2 filas (50%)", 0), 0u) << lineas.back();
}

TEST(OperadorConsola, EnTerminalLaBarraSeRedibujaEnSuLugarSinInundar) {
  RelojDePrueba reloj;
  std::ostringstream errores;
  OperadorConsola operador(errores, true, reloj.reloj());
  operador.ProgresoMaximo(10000);
  for (int i = 0; i < 10000; ++i) {
    reloj.ahora += 100us;  // one second for the whole run
    operador.ProgresoAvanzar();
  }
  const std::string texto = errores.str();
  // Drawn at the start, every tenth of a second, and at the end: never once a row.
  EXPECT_GE(Contar(texto, '\r'), 10u);
  EXPECT_LE(Contar(texto, '\r'), 13u);
  // One line in all, ended when the last row is done.
  EXPECT_EQ(Contar(texto, '\n'), 1u);
  const std::string final = "\r[##############################] 10000/10000 filas (100%), 10000.0 filas/s, "
                            "00:01\x1b[K\n";
  ASSERT_GE(texto.size(), final.size());
  EXPECT_EQ(texto.substr(texto.size() - final.size()), final);
  EXPECT_EQ(texto.rfind("\r[..............................] 0/10000 filas (0%)", 0), 0u);
}

TEST(OperadorConsola, EnTerminalUnMensajeNoSePegaALaBarra) {
  RelojDePrueba reloj;
  std::ostringstream errores;
  OperadorConsola operador(errores, true, reloj.reloj());
  operador.ProgresoMaximo(4);
  operador.ProgresoAvanzar();
  operador.Mensaje("Debe marcar al menos un tipo de documento.");
  operador.ProgresoAvanzar();  // the bar comes back at once, below the message
  const std::string texto = errores.str();
  const auto mensaje = texto.find("\nDebe marcar al menos un tipo de documento.\n");
  ASSERT_NE(mensaje, std::string::npos) << texto;
  EXPECT_NE(texto.find("\r[###############...............] 2/4 filas (50%)", mensaje), std::string::npos)
      << texto;
}

TEST(OperadorConsola, EnTerminalSinFilasNoHayBarra) {
  std::ostringstream errores;
  OperadorConsola operador(errores, true);
  operador.ProgresoMaximo(0);
  operador.Mensaje("Proceso de envio de información concluído.");
  EXPECT_EQ(errores.str(), "Proceso de envio de información concluído.\n");
}

}  // namespace
}  // namespace norvane::cli
