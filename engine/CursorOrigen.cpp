#include "engine/CursorOrigen.h"

#include <stdexcept>

#include "fb/Cursor.h"
#include "fb/Statement.h"

namespace norvane {

void CursorOrigen::Abrir(std::string_view select) {
  Cerrar();
  fb::Statement sentencia(*transaccion_, select);
  columnas_ = sentencia.columns();
  filas_ = sentencia.open(*transaccion_).fetchAll();
}

void CursorOrigen::Cerrar() {
  columnas_.clear();
  filas_.clear();
  actual_ = 0;
}

std::uint64_t CursorOrigen::Ejecutar(std::string_view sentencia) {
  Cerrar();
  return transaccion_->execute(sentencia);
}

const fb::Row& CursorOrigen::Fila() const {
  if (Eof()) throw std::logic_error("the origin query has no current row");
  return filas_[actual_];
}

}  // namespace norvane
