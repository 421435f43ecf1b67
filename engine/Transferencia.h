#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Bitacora.h"
#include "engine/Despacho.h"
#include "engine/FilasEnDisco.h"
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

// The transfer run ("Enviar"). Each audit row is one destination
// transaction: committed when the row was sent whole, rolled back when it
// failed. Errors that the run does not capture (a connection refused, a
// destination statement that fails...) reach the caller as exceptions, the
// current row rolled back; online, the rows completed before it stay marked,
// offline nothing is marked and the transfer file is replaced by a fresh one.
class Transferencia {
public:
  Transferencia(Sesion& sesion, Operador& operador, const Despacho& despacho);

  ResultadoEnvio Ejecutar(const OpcionesEnvio& opciones);
  const ResumenEnvio& Resumen() const { return resumen_; }

  // Called after a row's destination commit and before its mark at the
  // origin: the window in which a stop leaves a sent row unmarked. Tests only.
  std::function<void()> trasConfirmarDestino;

private:
  // A completed row whose mark is still to be written.
  struct Pendiente {
    std::string audiId, tidoCod, audiOper, audiCod, audiIdDoc;
  };

  ResultadoEnvio Recorrer(const OpcionesEnvio& opciones);
  // The row's destination transaction: committed when nothing failed.
  void ConfirmarDestino(ContextoEnvio& contexto);
  // The row sent (marked at once online, at the finish offline) or failed.
  void Completar(ContextoEnvio& contexto, const TipoDocumento& tipo,
                 const std::string& companiaDestino);
  // AUDI_ENVIO and the replication stamp of a sent row.
  void Marcar(const Pendiente& pendiente, const std::string& companiaDestino);
  // Its line in the log of sent rows, written once its mark is committed:
  // a line never names a row that a lost origin left unmarked.
  void Registrar(const Pendiente& pendiente);
  void MarcarPendientes(const std::string& companiaDestino);
  // An offline run that stops: nothing marked, the file replaced.
  void ArchivoIncompleto(const OpcionesEnvio& opciones);

  Sesion& sesion_;
  Operador& operador_;
  const Despacho despacho_;  // a copy: callers may pass a temporary
  Bitacora bitacora_;
  ResumenEnvio resumen_;
  // Offline, the rows sent whose marks wait for the finish, kept on disk:
  // one per audit row of the file.
  std::optional<FilasEnDisco> pendientes_;
  void Guardar(const Pendiente& pendiente);
  // Calls `f` with each kept row, in the order they were sent.
  template <class F>
  void RecorrerPendientes(F&& f);
};

}  // namespace norvane
