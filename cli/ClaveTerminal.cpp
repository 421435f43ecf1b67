#include "cli/ClaveTerminal.h"

#include <termios.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <iostream>

namespace norvane::cli {

namespace {

// The terminal's settings before the echo was turned off, for the signal
// handler: Ctrl-C at the question must not leave the shell without echo.
termios ajustesGuardados{};

constexpr std::array<int, 4> kSenales{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void RestaurarYTerminar(int senal) {
  tcsetattr(STDIN_FILENO, TCSANOW, &ajustesGuardados);
  std::signal(senal, SIG_DFL);
  std::raise(senal);
}

// Echo off for its lifetime; the terminal and the signal handlers are put
// back as they were, whichever way the reading ends.
class SinEco {
public:
  SinEco() {
    guardados_ = tcgetattr(STDIN_FILENO, &ajustesGuardados) == 0;
    if (!guardados_) return;
    struct sigaction accion {};
    accion.sa_handler = &RestaurarYTerminar;
    sigemptyset(&accion.sa_mask);
    for (std::size_t i = 0; i < kSenales.size(); ++i) sigaction(kSenales[i], &accion, &anteriores_[i]);
    termios sinEco = ajustesGuardados;
    sinEco.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    sinEco.c_lflag |= ECHONL;  // the Enter still ends the line on screen
    activo_ = tcsetattr(STDIN_FILENO, TCSAFLUSH, &sinEco) == 0;
  }
  ~SinEco() {
    if (!guardados_) return;
    if (activo_) tcsetattr(STDIN_FILENO, TCSAFLUSH, &ajustesGuardados);
    for (std::size_t i = 0; i < kSenales.size(); ++i) sigaction(kSenales[i], &anteriores_[i], nullptr);
  }
  SinEco(const SinEco&) = delete;
  SinEco& operator=(const SinEco&) = delete;

private:
  std::array<struct sigaction, kSenales.size()> anteriores_{};
  bool guardados_ = false;
  bool activo_ = false;
};

}  // namespace

std::optional<std::string> PedirClaveSinEco(const std::string& pregunta) {
  std::cerr << pregunta << std::flush;
  std::string clave;
  {
    const SinEco sinEco;
    if (!std::getline(std::cin, clave)) {
      std::cerr << '\n';
      return std::nullopt;
    }
  }
  return clave;
}

}  // namespace norvane::cli
