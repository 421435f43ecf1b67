#include "demo/Tablas.h"

#include <stdexcept>

#include "fb/Attachment.h"

namespace norvane::demo {

namespace {

fb::Columns ColumnasDe(fb::Transaction& transaccion, const std::string& tabla) {
  return fb::Statement(transaccion, "select * from " + tabla).columns();
}

std::string TextoInsertar(const std::string& tabla, const fb::Columns& columnas) {
  std::string nombres;
  std::string marcas;
  for (const auto& c : columnas) {
    nombres += (nombres.empty() ? "" : ", ") + c.field;
    marcas += marcas.empty() ? "?" : ", ?";
  }
  return "insert into " + tabla + " (" + nombres + ") values (" + marcas + ")";
}

}  // namespace

Tabla::Tabla(fb::Transaction& transaccion, const std::string& nombre)
    : nombre_(nombre),
      columnas_(ColumnasDe(transaccion, nombre)),
      insertar_(transaccion, TextoInsertar(nombre, columnas_)) {}

std::size_t Tabla::Posicion(std::string_view columna) const {
  for (std::size_t p = 0; p < columnas_.size(); ++p)
    if (columnas_[p].field == columna) return p;
  throw std::logic_error(nombre_ + " has no column " + std::string(columna));
}

bool Tabla::Tiene(std::string_view columna) const {
  for (const auto& c : columnas_)
    if (c.field == columna) return true;
  return false;
}

void Tabla::Insertar(fb::Transaction& transaccion, const fb::Row& fila) {
  insertar_.execute(transaccion, fila);
}

Fila::Fila(const Tabla& tabla)
    : tabla_(&tabla), valores_(tabla.columnas().size()), puesto_(tabla.columnas().size(), false) {}

Fila& Fila::Poner(std::string_view columna, fb::Value valor) {
  PonerEn(tabla_->Posicion(columna), std::move(valor));
  return *this;
}

Fila& Fila::PonerSiHay(std::string_view columna, fb::Value valor) {
  if (tabla_->Tiene(columna)) Poner(columna, std::move(valor));
  return *this;
}

void Fila::PonerEn(std::size_t posicion, fb::Value valor) {
  valores_.at(posicion) = std::move(valor);
  puesto_[posicion] = true;
}

const fb::Value& Fila::En(std::string_view columna) const {
  return valores_.at(tabla_->Posicion(columna));
}

Compania::Compania(fb::Attachment& db) : transaccion_(db) {}

Tabla& Compania::operator[](const std::string& tabla) {
  auto it = tablas_.find(tabla);
  if (it == tablas_.end()) it = tablas_.try_emplace(tabla, transaccion_, tabla).first;
  return it->second;
}

void Compania::Insertar(const Fila& fila) {
  (*this)[fila.tabla().nombre()].Insertar(transaccion_, fila.valores());
}

void Compania::Insertar(const std::string& tabla, const fb::Row& fila) {
  (*this)[tabla].Insertar(transaccion_, fila);
}

}  // namespace norvane::demo
