#include "cli/OperadorConsola.h"

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <utility>

namespace norvane::cli {

namespace {

using std::chrono::steady_clock;

// A terminal redraws the bar at most this often: a fast run advances far
// more often than anyone can read.
constexpr auto kIntervaloBarra = std::chrono::milliseconds(100);
// Without a terminal, a line at least this often while rows are slow to come.
constexpr auto kIntervaloLinea = std::chrono::seconds(10);
constexpr int kAnchoBarra = 30;

std::string Transcurrido(steady_clock::duration duracion) {
  const auto segundos = std::chrono::duration_cast<std::chrono::seconds>(duracion).count();
  std::ostringstream texto;
  texto << std::setfill('0');
  if (segundos >= 3600) texto << segundos / 3600 << ':';
  texto << std::setw(2) << segundos / 60 % 60 << ':' << std::setw(2) << segundos % 60;
  return texto.str();
}

}  // namespace

OperadorConsola::OperadorConsola(std::ostream& errores, bool terminal, Reloj reloj)
    : errores_(errores), terminal_(terminal), reloj_(std::move(reloj)) {}

void OperadorConsola::Mensaje(const std::string& texto) {
  CerrarBarra();
  errores_ << texto << '\n' << std::flush;
}

void OperadorConsola::Beep() {
  // A bell in a file or a pipe is only a stray byte.
  if (terminal_) errores_ << '\a' << std::flush;
}

void OperadorConsola::ProgresoMaximo(int maximo) {
  CerrarBarra();
  maximo_ = maximo;
  posicion_ = 0;
  decimaInformada_ = 0;
  inicio_ = ultimoInforme_ = reloj_();
  if (terminal_ && maximo_ > 0) DibujarBarra(inicio_);
}

void OperadorConsola::ProgresoAvanzar() {
  ++posicion_;
  const auto ahora = reloj_();
  const bool alFinal = posicion_ >= maximo_;
  if (terminal_) {
    if (alFinal || !barraAbierta_ || ahora - ultimoInforme_ >= kIntervaloBarra) {
      ultimoInforme_ = ahora;
      DibujarBarra(ahora);
    }
    if (alFinal) CerrarBarra();
    return;
  }
  const int decima = maximo_ > 0 ? static_cast<int>(std::int64_t{posicion_} * 10 / maximo_) : 10;
  if (decima > decimaInformada_ || ahora - ultimoInforme_ >= kIntervaloLinea) {
    decimaInformada_ = decima;
    ultimoInforme_ = ahora;
    EscribirLinea(ahora);
  }
}

std::string OperadorConsola::Medidas(steady_clock::time_point ahora) const {
  const auto transcurrido = ahora - inicio_;
  const double segundos = std::chrono::duration<double>(transcurrido).count();
  const double ritmo = segundos > 0 ? static_cast<double>(posicion_) / segundos : 0.0;
  const int porcentaje =
      maximo_ > 0 ? static_cast<int>(std::int64_t{posicion_} * 100 / maximo_) : 100;
  std::ostringstream texto;
  texto << posicion_ << '/' << maximo_ << " filas (" << porcentaje << "%), " << std::fixed
        << std::setprecision(1) << ritmo << " filas/s, " << Transcurrido(transcurrido);
  return texto.str();
}

void OperadorConsola::DibujarBarra(steady_clock::time_point ahora) {
  const int llenas =
      maximo_ > 0 ? static_cast<int>(std::int64_t{std::min(posicion_, maximo_)} * kAnchoBarra / maximo_)
                  : kAnchoBarra;
  // Back to the start of the line, the bar, then erase what a longer
  // earlier drawing left behind.
  errores_ << '\r' << '[' << std::string(static_cast<std::size_t>(llenas), '#')
           << std::string(static_cast<std::size_t>(kAnchoBarra - llenas), '.') << "] "
           << Medidas(ahora) << "\x1b[K" << std::flush;
  barraAbierta_ = true;
}

void OperadorConsola::EscribirLinea(steady_clock::time_point ahora) {
  errores_ << "Progreso: " << Medidas(ahora) << '\n' << std::flush;
}

void OperadorConsola::CerrarBarra() {
  if (!barraAbierta_) return;
  errores_ << '\n' << std::flush;
  barraAbierta_ = false;
}

}  // namespace norvane::cli
