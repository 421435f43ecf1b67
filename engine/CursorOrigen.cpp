#include "engine/CursorOrigen.h"

#include <stdexcept>

#include "fb/Cursor.h"
#include "fb/Statement.h"

namespace norvane {

void CursorOrigen::Abrir(std::string_view select) {
  Cerrar();
  fb::Statement sentencia(*transaccion_, select);
  columnas_ = sentencia.columns();
  fb::Cursor cursor = sentencia.open(*transaccion_);
  if (retencion_ == Retencion::Memoria) {
    filas_ = cursor.fetchAll();
    cantidad_ = filas_.size();
    return;
  }
  disco_.emplace();
  while (auto fila = cursor.fetch()) disco_->Agregar(*fila);
  cursor.close();
  cantidad_ = static_cast<std::size_t>(disco_->Cantidad());
  Primero();
}

void CursorOrigen::Cerrar() {
  columnas_.clear();
  filas_.clear();
  disco_.reset();
  filaDisco_.clear();
  cantidad_ = 0;
  actual_ = 0;
}

void CursorOrigen::Primero() {
  actual_ = 0;
  if (disco_) {
    disco_->Rebobinar();
    if (!disco_->Leer(filaDisco_)) filaDisco_.clear();
  }
}

void CursorOrigen::Siguiente() {
  if (actual_ >= cantidad_) return;
  ++actual_;
  if (disco_ && actual_ < cantidad_ && !disco_->Leer(filaDisco_))
    throw std::runtime_error("the temporary file of the selection ended early");
}

std::uint64_t CursorOrigen::Ejecutar(std::string_view sentencia) {
  Cerrar();
  return transaccion_->execute(sentencia);
}

const fb::Row& CursorOrigen::Fila() const {
  if (Eof()) throw std::logic_error("the origin query has no current row");
  return disco_ ? filaDisco_ : filas_[actual_];
}

}  // namespace norvane
