#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

#include "fb/Value.h"

namespace norvane {

// Rows kept in an unnamed temporary file instead of memory, read back
// forward in the order they were added: a selection of any size costs a
// buffer of memory. The file goes away with the object.
class FilasEnDisco {
public:
  FilasEnDisco();  // throws std::runtime_error when no temporary file can be made
  FilasEnDisco(FilasEnDisco&&) noexcept = default;
  FilasEnDisco& operator=(FilasEnDisco&&) noexcept = default;

  // Appends a row; the next Leer after it starts again from the first row.
  void Agregar(const fb::Row& fila);
  std::uint64_t Cantidad() const { return cantidad_; }
  // Back to the first row; the next Leer gives it.
  void Rebobinar();
  // The next row into `fila`; false after the last one.
  bool Leer(fb::Row& fila);

private:
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> archivo_;
  std::uint64_t cantidad_ = 0;
  std::uint64_t leidas_ = 0;
  bool escribiendo_ = true;
};

}  // namespace norvane
