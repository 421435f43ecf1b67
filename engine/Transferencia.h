#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Bitacora.h"
#include "engine/Despacho.h"
#include "engine/FilasEnDisco.h"
#include "engine/Opciones.h"
#include "engine/RegistroEnvio.h"

namespace norvane {

class ContextoEnvio;
class CursorOrigen;
class Operador;
struct Sesion;

// What a run did to the audit rows it selected.
struct ResumenEnvio {
  int seleccionadas = 0;
  int enviadas = 0;
  int fallidas = 0;
  int sinMarcar = 0;     // the type is not marked: neither handled nor completed
  int fueraDeRango = 0;  // outside the code range: left for a later run
  std::string informe;   // the report's path; empty when none was written
};

// The counts of a run and its report's path, a line each.
std::string DetallesResumen(const ResumenEnvio& resumen);

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
  // A preview's line of every selected audit row, in the run's order; empty
  // after a run.
  const std::vector<LineaInforme>& LineasVistaPrevia() const { return lineasVista_; }

  // Called after a row's destination commit and before its mark at the
  // origin: the window in which a stop leaves a sent row unmarked. Tests only.
  std::function<void()> trasConfirmarDestino;

private:
  // A completed row whose mark is still to be written.
  struct Pendiente {
    std::string audiId, tidoCod, audiOper, audiCod, audiIdDoc;
  };

  ResultadoEnvio Abrir(const OpcionesEnvio& opciones);
  ResultadoEnvio Recorrer(const OpcionesEnvio& opciones);
  // The report file the options ask for; none when it cannot be created.
  Informe CrearInforme(const OpcionesEnvio& opciones,
                       std::chrono::system_clock::time_point inicio);
  // The run stopped at QAuditor's current row, or before its first one
  // (`enFila` false): that row "detenido", those after it "no alcanzado".
  void Detener(CursorOrigen& QAuditor, const OpcionesEnvio& opciones, bool enFila,
               LineaInforme linea, const std::string& error);
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
  // The destination: the company database online, a fresh copy of the
  // transfer database offline (a preview's own temporary copy). False when
  // that copy could not be made.
  bool AbrirDestino(const OpcionesEnvio& opciones);
  // The end of a preview: its destination rolled back and closed, its
  // temporary copy deleted.
  void TerminarVistaPrevia() noexcept;
  // The row's line, in the report and, in a preview, in its lines.
  void Anotar(const LineaInforme& linea, bool completada);

  Sesion& sesion_;
  Operador& operador_;
  const Despacho despacho_;  // a copy: callers may pass a temporary
  Bitacora bitacora_;
  ResumenEnvio resumen_;
  std::unique_ptr<RegistroEnvio> registro_;
  bool vistaPrevia_ = false;
  std::vector<LineaInforme> lineasVista_;
  std::string copiaVistaPrevia_;  // an offline preview's copy of the template
  // Offline, the rows sent whose marks wait for the finish, kept on disk:
  // one per audit row of the file.
  std::optional<FilasEnDisco> pendientes_;
  void Guardar(const Pendiente& pendiente);
  // Calls `f` with each kept row, in the order they were sent.
  template <class F>
  void RecorrerPendientes(F&& f);
};

}  // namespace norvane
