#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fb/Column.h"
#include "fb/Statement.h"
#include "fb/Transaction.h"
#include "fb/Value.h"

namespace fb {
class Attachment;
}

namespace norvane::demo {

// One table of a company database with its insert prepared once: every
// column, in "select *" order.
class Tabla {
public:
  Tabla(fb::Transaction& transaccion, const std::string& nombre);

  const std::string& nombre() const { return nombre_; }
  const fb::Columns& columnas() const { return columnas_; }
  // Position of a column; throws when the table has none of that name.
  std::size_t Posicion(std::string_view columna) const;
  bool Tiene(std::string_view columna) const;

  void Insertar(fb::Transaction& transaccion, const fb::Row& fila);

private:
  std::string nombre_;
  fb::Columns columnas_;
  fb::Statement insertar_;
};

// A row of one table being built: the values that matter are put by column
// name, the others are filled afterwards (see Relleno.h).
class Fila {
public:
  explicit Fila(const Tabla& tabla);

  const Tabla& tabla() const { return *tabla_; }
  Fila& Poner(std::string_view columna, fb::Value valor);
  // Puts the value only when the table has such a column.
  Fila& PonerSiHay(std::string_view columna, fb::Value valor);
  bool Puesto(std::size_t posicion) const { return puesto_[posicion]; }
  void PonerEn(std::size_t posicion, fb::Value valor);
  const fb::Value& En(std::string_view columna) const;
  const fb::Row& valores() const { return valores_; }

private:
  const Tabla* tabla_;
  fb::Row valores_;
  std::vector<bool> puesto_;
};

// The sample data of one company database, written in one transaction that
// Confirmar commits.
class Compania {
public:
  explicit Compania(fb::Attachment& db);

  Tabla& operator[](const std::string& tabla);
  void Insertar(const Fila& fila);
  void Insertar(const std::string& tabla, const fb::Row& fila);
  void Confirmar() { transaccion_.commit(); }

private:
  fb::Transaction transaccion_;
  std::map<std::string, Tabla, std::less<>> tablas_;
};

}  // namespace norvane::demo
