#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "engine/Informe.h"

namespace norvane {

// The outcomes of a row in a run's report.
namespace resultado {
inline constexpr const char* kEnviado = "enviado";
inline constexpr const char* kError = "error";
inline constexpr const char* kSinMarcar = "sin marcar";
inline constexpr const char* kFueraDeRango = "fuera de rango";
inline constexpr const char* kDetenido = "detenido";
inline constexpr const char* kNoAlcanzado = "no alcanzado";
inline constexpr const char* kArchivoIncompleto = "no enviado (archivo incompleto)";
// A preview's: the run would send the row; the row failed on a lock.
inline constexpr const char* kSeEnviaria = "se enviaría";
inline constexpr const char* kBloqueado = "bloqueado";
}  // namespace resultado

// The run's record of every selected audit row, written to its report as
// the run goes. Online a completed row's outcome is final at once. Offline
// it holds only if the run reaches its finish: until then the file says
// "no enviado (archivo incompleto)" for it, which stays true if the run
// stops or is killed, and the finish writes the file again with the real
// outcomes, from a spool outside memory.
class RegistroEnvio {
public:
  RegistroEnvio(Informe informe, bool enLinea);
  ~RegistroEnvio();
  RegistroEnvio(const RegistroEnvio&) = delete;
  RegistroEnvio& operator=(const RegistroEnvio&) = delete;

  // A row whose outcome is what `linea` says, whatever the end of the run.
  void Agregar(const LineaInforme& linea);
  // A row that was handled and completed, sent or failed.
  void AgregarCompletada(const LineaInforme& linea);
  // The end of the run: `concluido` when it reached its finish.
  void Terminar(bool concluido);

  // The report's path; empty when it could not be written.
  std::string Ruta() const { return informe_.Ruta(); }

private:
  void Guardar(const LineaInforme& linea, bool provisional);

  Informe informe_;
  bool enLinea_;
  std::FILE* espera_ = nullptr;  // offline: every line, in order, until the finish
  bool terminado_ = false;
};

}  // namespace norvane
