#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "demo/Azar.h"
#include "demo/Calendario.h"
#include "demo/Catalogo.h"
#include "demo/Tablas.h"

namespace norvane::demo {

// A document named by another one: its kind (TIDO_COD), identifier and code.
struct Referencia {
  int tipo = 0;
  std::int64_t id = 0;
  std::string prefijo;
  std::string numero;
  std::int64_t valor = 0;  // cents
  std::string Codigo() const { return prefijo + numero; }
};

// Amounts of a document header, in cents.
struct Montos {
  std::int64_t subtotal = 0;
  std::int64_t descuento = 0;
  std::int64_t iva = 0;
  std::int64_t retefuente = 0;
  std::int64_t reteiva = 0;
  std::int64_t reteica = 0;
  std::int64_t total = 0;
  std::int64_t costo = 0;
};

// One line of a document. Quantities and unit values in ten-thousandths,
// percentages in hundredths, amounts in cents.
struct Renglon {
  int item = 0;
  std::string articulo;
  std::string nombre;
  std::string unidad;
  std::string cuenta;
  std::int64_t cantidad = 0;
  std::int64_t unitario = 0;
  std::int64_t porcDesc = 0;
  std::int64_t porcIva = 0;
  std::int64_t descuento = 0;
  std::int64_t iva = 0;
  std::int64_t total = 0;  // after discount, before tax
  std::int64_t debito = 0;
  std::int64_t credito = 0;
};

// What the row being filled belongs to.
struct Contexto {
  const Catalogo* catalogo = nullptr;
  Momento momento;  // registration; the document's date is its day
  std::string usuario;
  const Tercero* tercero = nullptr;
  std::string bodega;
  std::string bodegaDestino;
  std::string descripcion;
  std::string concepto;
  bool anulado = false;
  int plazo = 0;  // days
  int cuentaBancaria = 0;
  int cuentaBancariaDestino = 0;
  Montos montos;
  const Renglon* renglon = nullptr;  // the line being filled; none for a header
  std::optional<Referencia> referencia;
};

struct Regla;

// Fills every column of a row that was not put, from the column's name and
// type and the context: the same rules for every table of the suite. Keeps
// the rule of each column of each table it has seen.
class Rellenador {
public:
  void Rellenar(Fila& fila, const Contexto& contexto, Azar& azar);

private:
  const std::vector<const Regla*>& ReglasDe(const Tabla& tabla);
  std::map<std::string, std::vector<const Regla*>, std::less<>> reglas_;
};

// Cuts a text to `bytes` without splitting a UTF-8 character.
std::string Recortar(std::string texto, std::size_t bytes);

fb::Value Pesos(std::int64_t centavos);

}  // namespace norvane::demo
