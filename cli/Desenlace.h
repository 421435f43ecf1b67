#pragma once

#include <iosfwd>

#include "instalacion/Operador.h"
#include "engine/Transferencia.h"
#include "engine/Verificacion.h"

namespace norvane::cli {

// The program's exit statuses.
enum Salida : int {
  kSalidaEnviado = 0,      // the run reached its end and every completed row was sent
  kSalidaDetenido = 1,     // the run stopped early or on an error
  kSalidaUso = 2,          // bad usage
  kSalidaConFallidas = 3,  // the run reached its end but some rows failed
  kSalidaDiferencias = 4,  // a verification found a document different or missing
};

// The exit status of a run that returned (an error it raised is 1).
int SalidaDelEnvio(const ResultadoEnvio& resultado, const ResumenEnvio& resumen);

// What the program adds to the run's own messages: the summary of a run that
// reached its end (on `salida`), or the line of a refusal (to the operator,
// like every message of the run).
// The line that names the run's report, or says it could not be written.
void InformarInforme(const ResumenEnvio& resumen, std::ostream& salida);

void InformarDesenlace(const ResultadoEnvio& resultado, const ResumenEnvio& resumen,
                       std::ostream& salida, Operador& operador);

// A verification: one line per document, then the count of each state.
void InformarVerificacion(const ResultadoVerificacion& resultado, std::ostream& salida);

// 0 when every document compared is equal, 4 when one differs or is missing.
int SalidaDeVerificacion(const ResultadoVerificacion& resultado);

// A preview's lines and counts on `salida`, its report's path when one was
// asked for, and the line of a refusal that stopped it.
void InformarVistaPrevia(const ResultadoEnvio& resultado, const Transferencia& transferencia,
                         std::ostream& salida, Operador& operador);

}  // namespace norvane::cli
