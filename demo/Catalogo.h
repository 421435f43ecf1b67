#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace norvane::demo {

// A third party of the sample data (TERCEROS), customer, supplier or both.
struct Tercero {
  std::string nit;
  std::string nombre;
  std::string direccion;
  std::string ciudad;  // CIUD_COD
  bool cliente = false;
  bool proveedor = false;
};

struct ArticuloDemo {
  std::string codigo;
  std::string nombre;
  std::string unidad;
  std::int64_t costo = 0;   // pesos
  std::int64_t precio = 0;  // pesos, list 01
  int porcIva = 19;
  std::vector<std::size_t> componentes;  // a kit: indexes of the articles it is made of
};

// The master data of the origin company that documents refer to.
struct Catalogo {
  std::vector<Tercero> terceros;
  std::vector<std::size_t> clientes;     // indexes into terceros
  std::vector<std::size_t> proveedores;  // indexes into terceros
  std::vector<ArticuloDemo> articulos;
  std::vector<int> vendedores;
  std::vector<int> cobradores;
  std::vector<std::string> cuentasAuxiliares;
};

}  // namespace norvane::demo
