#include "engine/ContextoEnvio.h"

#include <stdexcept>

#include "engine/Destino.h"
#include "engine/Informe.h"
#include "engine/TextoSql.h"
#include "instalacion/Operador.h"
#include "engine/ValorDestino.h"
#include "fb/Error.h"

namespace norvane {

ValorNoUtilizable::ValorNoUtilizable(const std::string& audiId, const std::string& columna)
    : std::runtime_error("Valor no utilizable en la fila de auditoría " + audiId + ": " + columna) {}

ContextoEnvio::ContextoEnvio(const BanderasEnvio& banderasRun, fb::Transaction& principal,
                             fb::Transaction& detalle, Destino& destino, Bitacora& bitacora,
                             Operador& operador)
    : banderas(banderasRun),
      QCopia(principal),
      QCopiadet(detalle),
      CDestino("CDestino", destino),
      CIdfact("CIdfact", destino),
      CBorrar("CBorrar", destino),
      destino_(destino),
      bitacora_(bitacora),
      operador_(operador) {}

std::string ContextoEnvio::AUDI_OPER() const { return Auditoria().at(auditoria::AUDI_OPER).toString(); }
std::string ContextoEnvio::AUDI_COD() const { return Requerido(auditoria::AUDI_COD, "AUDI_COD"); }
std::string ContextoEnvio::AUDI_TICO() const { return Auditoria().at(auditoria::AUDI_TICO).toString(); }
std::string ContextoEnvio::AUDI_IDDOC() const { return Requerido(auditoria::AUDI_IDDOC, "AUDI_IDDOC"); }

std::string ContextoEnvio::Requerido(std::size_t posicion, const char* columna) const {
  const fb::Value& valor = Auditoria().at(posicion);
  if (valor.isNull()) throw ValorNoUtilizable(Auditoria().at(auditoria::AUDI_ID).toString(), columna);
  return valor.toString();
}

void ContextoEnvio::AbrirDestino(std::string_view select) { AbrirDestino(CDestino, select); }

void ContextoEnvio::AbrirDestino(CursorDestino& cursor, std::string_view select) {
  cursor.Abrir(select);
}

void ContextoEnvio::EjecutarDestino(std::string_view sentencia) {
  try {
    destino_.Ejecutar(sentencia);
  } catch (const fb::Error& error) {
    // SQLSTATE 40001: the statement was undone by itself; the row cannot go on.
    if (error.sqlState() == "40001") throw ConflictoBloqueo(error.what());
    throw;
  }
}

void ContextoEnvio::Copiar(const CursorOrigen& fuente, std::size_t desde, bool reglaPuntoFijo) {
  const auto& columnas = CDestino.Columnas();
  const fb::Row& origen = fuente.Fila();
  if (origen.size() < columnas.size())
    throw std::runtime_error("the source row has " + std::to_string(origen.size()) +
                             " columns and " + CDestino.Tabla() + " has " +
                             std::to_string(columnas.size()));
  for (std::size_t p = desde; p < columnas.size(); ++p) {
    if (reglaPuntoFijo && columnas[p].isFixedPoint())
      CDestino.Asignar(p, ConCuatroDecimales(origen[p]));
    else
      CDestino.Asignar(p, ConvertirValor(origen[p], columnas[p]));
  }
}

void ContextoEnvio::CopiarFila(const CursorOrigen& fuente, bool reglaPuntoFijo) {
  CDestino.Agregar();
  Copiar(fuente, 0, reglaPuntoFijo);
}

void ContextoEnvio::CopiarSobreActual(const CursorOrigen& fuente, std::size_t desde,
                                      bool reglaPuntoFijo) {
  CDestino.Editar();
  Copiar(fuente, desde, reglaPuntoFijo);
}

bool ContextoEnvio::AsignarId(std::string_view select) {
  // A preview takes no value from the view: its generator would move on for
  // good, the preview's inserts being rolled back. The next identifier of
  // the pending row's table, as the preview's transaction sees it, stands
  // in for it; the rows after it in the preview see this one.
  if (destino_.VistaPrevia() && CDestino.HayPendiente() && !CDestino.Columnas().empty())
    AbrirDestino(CIdfact, "SELECT COALESCE(MAX(" + CitarNombre(CDestino.Columnas().at(0).field) +
                              "), 0) + 1 FROM " + CitarNombre(CDestino.Tabla()));
  else
    AbrirDestino(CIdfact, select);
  // A view that gives no row, or a row without a value, gives no identifier.
  if (CIdfact.Vacio() || CIdfact.Fila().at(0).isNull()) {
    // Without a fresh identifier the new row would keep the origin's and
    // collide at the destination: the caller fails the row instead.
    const std::string mensaje = "No se obtuvo un identificador nuevo de " + std::string(select);
    operador_.Beep();
    bitacora_.error_envio(mensaje);
    if (fila.error.empty()) fila.error = Latin1AUtf8(mensaje);
    return false;
  }
  const fb::Value& id = CIdfact.Fila().at(0);
  fila.NuevoId = ComoEntero(id);
  if (CDestino.HayPendiente()) CDestino.Asignar(0, fila.NuevoId);
  return true;
}

void ContextoEnvio::AplicarDestino() {
  const auto error = CDestino.Aplicar();
  if (error) ManejarError(*error);
  if (error && CDestino.FalloPorBloqueo()) fila.bloqueado = true;
  fila.HuboError = error.has_value();
}

void ContextoEnvio::ManejarError(const std::string& mensaje) {
  // A message of several lines goes into the log as one line.
  std::string linea = mensaje;
  for (char& c : linea)
    if (c == '\n') c = ' ';
  if (!linea.empty()) linea.pop_back();
  operador_.Beep();
  bitacora_.error_envio(linea);
  // The server's text holds the database's bytes.
  if (fila.error.empty()) fila.error = Latin1AUtf8(linea);
}

std::string ContextoEnvio::ManejarClientError(const RechazoCursor& rechazo) {
  std::string mensaje;
  switch (rechazo.motivo) {
    case RechazoCursor::Motivo::CamposObligatorios:
      mensaje = "Los campos ";
      for (const auto& c : rechazo.columnas) mensaje += c + ", ";
      mensaje += " son obligatorios.";
      break;
    case RechazoCursor::Motivo::ClaveRepetida:
      mensaje = "Ya existe un registro con el mismo ";
      for (const auto& c : rechazo.columnas) mensaje += c + ", ";
      break;
    case RechazoCursor::Motivo::Otro: break;
  }
  operador_.Beep();
  bitacora_.error_envio(mensaje);
  return mensaje;
}

}  // namespace norvane
