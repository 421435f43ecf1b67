#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "fb/Column.h"
#include "fb/Transaction.h"
#include "fb/Value.h"

namespace norvane {

// A query on the origin company database (QAuditor, QCopia, QCopiadet): it
// reads every row of its SELECT at once and walks them forward.
class CursorOrigen {
public:
  explicit CursorOrigen(fb::Transaction& transaccion) : transaccion_(&transaccion) {}

  void Abrir(std::string_view select);
  void Cerrar();
  // Runs a statement in the query's transaction.
  std::uint64_t Ejecutar(std::string_view sentencia);

  bool Vacio() const { return filas_.empty(); }
  bool Eof() const { return actual_ >= filas_.size(); }
  void Primero() { actual_ = 0; }
  void Siguiente() { if (actual_ < filas_.size()) ++actual_; }
  std::size_t CantidadFilas() const { return filas_.size(); }
  const fb::Row& Fila() const;
  const fb::Columns& Columnas() const { return columnas_; }

private:
  fb::Transaction* transaccion_;
  fb::Columns columnas_;
  std::vector<fb::Row> filas_;
  std::size_t actual_ = 0;
};

}  // namespace norvane
