#pragma once

#include <string>

#include "engine/Bitacora.h"
#include "engine/Despacho.h"
#include "engine/Opciones.h"

namespace norvane {

class ContextoEnvio;
class Operador;
struct Sesion;

// What a run did to the audit rows it selected.
struct ResumenEnvio {
  int seleccionadas = 0;
  int enviadas = 0;
  int fallidas = 0;
  int sinMarcar = 0;     // the type is not marked: neither handled nor completed
  int fueraDeRango = 0;  // outside the code range: left for a later run
};

enum class FinEnvio {
  Concluido,     // every row walked; the finish message was shown
  SinCompanias,  // no origin or destination company
  CopiaFallida,  // the transfer file could not be copied: the program ends
  Rechazo,       // the destination cursor refused a row: the run stopped silently
};

struct ResultadoEnvio {
  FinEnvio fin = FinEnvio::Concluido;
  std::string mensajeRechazo;  // the logged message of a refusal
};

// The transfer run ("Enviar"). Errors that the run does not capture (a
// connection refused, a destination statement that fails...) reach the
// caller as exceptions, with the rows completed so far kept.
class Transferencia {
public:
  Transferencia(Sesion& sesion, Operador& operador, const Despacho& despacho);

  ResultadoEnvio Ejecutar(const OpcionesEnvio& opciones);
  const ResumenEnvio& Resumen() const { return resumen_; }

private:
  // Step 11: the row sent (log line, mark, stamp, committed at once) or failed.
  void Completar(ContextoEnvio& contexto, const TipoDocumento& tipo,
                 const std::string& companiaDestino);

  Sesion& sesion_;
  Operador& operador_;
  const Despacho despacho_;  // a copy: callers may pass a temporary
  Bitacora bitacora_;
  ResumenEnvio resumen_;
};

}  // namespace norvane
