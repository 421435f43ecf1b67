#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/FilasEnDisco.h"
#include "fb/Column.h"
#include "fb/Transaction.h"
#include "fb/Value.h"

namespace norvane {

// A query on the origin company database (QAuditor, QCopia, QCopiadet): it
// reads every row of its SELECT at once and walks them forward.
class CursorOrigen {
public:
  // Where the rows read are kept: in memory, or in a temporary file (a
  // selection of any size, read whole at once all the same).
  enum class Retencion { Memoria, Disco };

  explicit CursorOrigen(fb::Transaction& transaccion, Retencion retencion = Retencion::Memoria)
      : transaccion_(&transaccion), retencion_(retencion) {}

  void Abrir(std::string_view select);
  void Cerrar();
  // Runs a statement in the query's transaction.
  std::uint64_t Ejecutar(std::string_view sentencia);

  bool Vacio() const { return cantidad_ == 0; }
  bool Eof() const { return actual_ >= cantidad_; }
  void Primero();
  void Siguiente();
  std::size_t CantidadFilas() const { return cantidad_; }
  const fb::Row& Fila() const;
  const fb::Columns& Columnas() const { return columnas_; }

private:
  fb::Transaction* transaccion_;
  Retencion retencion_;
  fb::Columns columnas_;
  std::vector<fb::Row> filas_;          // Memoria
  std::optional<FilasEnDisco> disco_;   // Disco
  fb::Row filaDisco_;                   // Disco: the current row
  std::size_t cantidad_ = 0;
  std::size_t actual_ = 0;
};

}  // namespace norvane
