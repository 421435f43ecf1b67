#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/Bitacora.h"
#include "engine/CursorDestino.h"
#include "engine/CursorOrigen.h"
#include "engine/Decision.h"
#include "fb/Value.h"

namespace norvane {

class Destino;
class Operador;

// Positions of the audit row (AUDITORIA, "select *").
namespace auditoria {
inline constexpr std::size_t AUDI_ID = 0;
inline constexpr std::size_t AUDI_USUARIO = 1;
inline constexpr std::size_t AUDI_FECHA = 2;
inline constexpr std::size_t AUDI_HORA = 3;
inline constexpr std::size_t TIDO_COD = 4;
inline constexpr std::size_t AUDI_IDDOC = 5;
inline constexpr std::size_t AUDI_OPER = 6;
inline constexpr std::size_t AUDI_COD = 7;
inline constexpr std::size_t AUDI_ENVIO = 8;
inline constexpr std::size_t AUDI_TICO = 9;
inline constexpr std::size_t AUDI_RAZON = 10;
}  // namespace auditoria

// A value of the audit row that a handler needs and cannot use (a null
// identifier): the row fails, the run goes on.
class ValorNoUtilizable : public std::runtime_error {
public:
  ValorNoUtilizable(const std::string& audiId, const std::string& columna);
};

// A destination statement that lost a lock to another transaction (a
// conflict, a deadlock, the wait bound passed): like a refused write, the
// row fails whole and the run goes on.
class ConflictoBloqueo : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The run flags: set once per run, before its first audit row, and only
// read by the handlers.
struct BanderasEnvio {
  bool EnLinea = false;
  bool Reemplazar = true;
  std::string FechaBloqueo{};  // the destination's accounting lock date, "" when none
};

// The per-row state: reset at the top of every audit row by assigning a fresh
// value, so a field added here can never keep the previous row's value.
struct EstadoFila {
  bool HuboError = false;
  bool EncabezadoInsertado = false;
  std::int64_t NuevoId = 0;
  std::string CodigoDesde;
  std::string CodigoHasta;
  // What the handler (or the run) decided for the row, where it decided it.
  Decision decision = Decision::Ninguna;
  int filasRepuestas = 0;  // the rows a restore ("reponer") inserted again
  // The row failed on a lock that another transaction holds.
  bool bloqueado = false;
  // The first error captured in the row, as UTF-8 text.
  std::string error;
};

// What a family handler works with: the current audit row, the run flags,
// the per-row state, the origin queries and the destination primitives.
// Handlers write the destination only through the primitives below.
class ContextoEnvio {
public:
  ContextoEnvio(const BanderasEnvio& banderas, fb::Transaction& principal,
                fb::Transaction& detalle, Destino& destino, Bitacora& bitacora,
                Operador& operador);

  const BanderasEnvio& banderas;
  EstadoFila fila;

  // The current audit row (QAuditor's).
  const fb::Row& Auditoria() const { return *auditoria_; }
  void FijarAuditoria(const fb::Row& auditoria) { auditoria_ = &auditoria; }
  std::string AUDI_OPER() const;
  std::string AUDI_TICO() const;  // a null is the empty text
  // The code and the document's identifier as texts, as the handlers join
  // them into lookups: a null throws ValorNoUtilizable, since a lookup by an
  // empty key finds nothing and the row would be marked with its change lost.
  std::string AUDI_COD() const;
  std::string AUDI_IDDOC() const;

  CursorOrigen QCopia;
  CursorOrigen QCopiadet;
  CursorDestino CDestino;
  CursorDestino CIdfact;
  CursorDestino CBorrar;

  // Opens `select` in `cursor` (CDestino unless another is named).
  void AbrirDestino(std::string_view select);
  void AbrirDestino(CursorDestino& cursor, std::string_view select);
  // Runs one statement at the destination, committed by itself. A lost lock
  // throws ConflictoBloqueo; any other error reaches the caller unchanged.
  void EjecutarDestino(std::string_view sentencia);
  // Appends a row to CDestino holding the source's current row by position.
  void CopiarFila(const CursorOrigen& fuente, bool reglaPuntoFijo = true);
  // Edits CDestino's current row and copies the source's positions from
  // `desde` on into it.
  void CopiarSobreActual(const CursorOrigen& fuente, std::size_t desde,
                         bool reglaPuntoFijo = true);
  // Gives the pending row of CDestino a fresh identifier from an identifier
  // view (NuevoId too). False, logged with a beep, when the view gave no row.
  bool AsignarId(std::string_view select);
  // Posts the pending row and writes every posted change of CDestino in one
  // transaction; HuboError := the write failed.
  void AplicarDestino();

  // Error capture of a failed write: the message less its last character,
  // a beep and a line in the error log.
  void ManejarError(const std::string& mensaje);
  // Error capture of a cursor's refusal; returns the logged message.
  std::string ManejarClientError(const RechazoCursor& rechazo);

private:
  std::string Requerido(std::size_t posicion, const char* columna) const;
  void Copiar(const CursorOrigen& fuente, std::size_t desde, bool reglaPuntoFijo);

  const fb::Row* auditoria_ = nullptr;
  Destino& destino_;
  Bitacora& bitacora_;
  Operador& operador_;
};

}  // namespace norvane
