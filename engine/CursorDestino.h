#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fb/Column.h"
#include "fb/Value.h"

namespace norvane {

class Destino;

// The cursor refused a pending row before writing it (a required column
// without value, a repeated key, an edit or delete without a current row).
// The error capture words the message from the reason and the columns.
class RechazoCursor : public std::runtime_error {
public:
  enum class Motivo { CamposObligatorios, ClaveRepetida, Otro };
  RechazoCursor(Motivo motivoRechazo, std::vector<std::string> columnasRechazo = {});

  Motivo motivo;
  std::vector<std::string> columnas;  // the columns concerned, in column order
};

// An edit or delete whose row the destination did not hold exactly once: a
// refused write, like the destination's own errors.
class FilaNoIdentificada : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A client-side cursor on the destination: it holds every row of one SELECT,
// a current row, the row being appended or edited, and the changes posted
// but not yet written, in the order they were made.
class CursorDestino {
public:
  CursorDestino(std::string nombre, Destino& destino);

  // Closes the cursor (discarding unwritten changes) and opens `select`.
  void Abrir(std::string_view select);
  // Opens `select` for its column layout only: no row is read.
  void AbrirEstructura(std::string_view select);
  void Cerrar();
  bool Abierto() const { return abierto_; }

  bool Vacio() const { return filas_.empty(); }
  bool Eof() const { return actual_ >= filas_.size(); }
  void Primero() { actual_ = 0; }
  void Siguiente() { if (actual_ < filas_.size()) ++actual_; }
  std::size_t CantidadFilas() const { return filas_.size(); }
  const fb::Row& Fila() const;  // the current row as read
  const fb::Columns& Columnas() const { return columnas_; }
  // The position of the column named exactly `nombre`; throws without one.
  std::size_t Posicion(std::string_view nombre) const;
  // The table that writes go to: the first table named after FROM.
  const std::string& Tabla() const { return tabla_; }

  // A new pending row, every column null.
  void Agregar();
  // Edits the current row; throws RechazoCursor without one.
  void Editar();
  bool HayPendiente() const { return pendiente_.has_value(); }
  fb::Row& Pendiente();
  // Sets column `posicion` of the pending row.
  void Asignar(std::size_t posicion, fb::Value valor);
  // Deletes the current row: a posted change at once.
  void Borrar();
  // Checks the pending row and posts it; throws RechazoCursor.
  void Publicar();

  // Writes every posted change in one transaction. On success the changes
  // become part of the rows; on failure the transaction is rolled back, the
  // changes stay posted and the error is returned (its message text).
  std::optional<std::string> Aplicar();
  // The last Aplicar failed on a lock that another transaction holds (a
  // conflict, a deadlock, a wait that ran out).
  bool FalloPorBloqueo() const { return falloPorBloqueo_; }

private:
  enum class Tipo { Alta, Edicion, Baja };
  struct Cambio {
    Tipo tipo;
    fb::Row original;  // edits and deletes: the row as read
    fb::Row valores;   // inserts and edits: the new values
  };

  // Takes the layout of an opened SELECT: its columns and the table written.
  void Preparar(std::string_view select, fb::Columns columnas);
  // Positions of the destination's key columns, looked up at the first
  // post; empty when the cursor does not hold the whole key.
  const std::vector<std::size_t>& PosicionesClave();
  void VerificarClave(const fb::Row& fila, std::optional<std::size_t> propia);

  std::string nombre_;
  Destino& destino_;
  bool abierto_ = false;
  bool falloPorBloqueo_ = false;
  std::string tabla_;
  fb::Columns columnas_;
  std::vector<std::size_t> propias_;  // the table's own columns: what is written
  std::optional<std::vector<std::size_t>> posicionesClave_;
  std::vector<fb::Row> filas_;
  std::size_t actual_ = 0;
  std::optional<fb::Row> pendiente_;
  std::optional<std::size_t> editando_;  // the row being edited, if any
  std::vector<Cambio> cambios_;
};

}  // namespace norvane
