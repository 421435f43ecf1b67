#pragma once

#include <span>

// The names of the sample data: plain tables, read by the builders of the
// master data and of the documents.
namespace norvane::demo::nombres {

struct Codigo {
  const char* codigo;
  const char* nombre;
};

struct Ciudad {
  const char* codigo;  // DANE code
  const char* nombre;
  const char* indicativo;
};

struct Empresa {
  const char* razonSocial;
  const char* comercial;
};

// An account of the chart of accounts; accounts of six digits are the
// auxiliary ones that entries use.
struct CuentaPuc {
  const char* codigo;
  const char* nombre;
  char naturaleza;  // D debit, C credit
};

struct Grupo {
  const char* familia;
  const char* codigo;
  const char* nombre;
};

struct Subgrupo {
  const char* familia;
  const char* grupo;
  const char* codigo;
  const char* nombre;
};

struct Submarca {
  const char* marca;
  const char* codigo;
  const char* nombre;
};

struct Articulo {
  const char* nombre;
  const char* familia;
  const char* grupo;
  const char* subgrupo;
  const char* marca;
  const char* submarca;
  const char* unidad;
  int costo;     // pesos
  int porcIva;   // 0, 5 or 19
  const char* referencia;
};

// An article sold as a kit of other articles (named by their names).
struct Kit {
  const char* nombre;
  const char* familia;
  const char* grupo;
  const char* subgrupo;
  const char* componentes[3];
};

struct TipoComprobante {
  const char* codigo;
  const char* nombre;
  const char* prefijo;
};

struct CuentaBancaria {
  int codigo;
  const char* banco;  // one of Bancos()
  const char* nombre;
  const char* numero;
  char tipo;  // C current account, A savings
  const char* cuenta;  // account of the chart
};

std::span<const Ciudad> Ciudades();
std::span<const Empresa> Empresas();
std::span<const char* const> NombresDePila();
std::span<const char* const> Apellidos();
std::span<const char* const> Vias();
std::span<const CuentaPuc> Cuentas();
std::span<const Codigo> Familias();
std::span<const Grupo> Grupos();
std::span<const Subgrupo> Subgrupos();
std::span<const Codigo> Marcas();
std::span<const Submarca> Submarcas();
std::span<const Codigo> Unidades();
std::span<const Articulo> Articulos();
std::span<const Kit> Kits();
std::span<const Codigo> Bodegas();
std::span<const Codigo> ListasPrecios();
std::span<const Codigo> CentrosCosto();
std::span<const Codigo> Cajas();
std::span<const Codigo> FormasPago();
std::span<const Codigo> Bancos();
std::span<const Codigo> Tarjetas();
std::span<const Codigo> Zonas();
std::span<const TipoComprobante> TiposComprobante();
std::span<const CuentaBancaria> CuentasBancarias();
std::span<const char* const> Usuarios();
std::span<const char* const> Motivos();
std::span<const char* const> Observaciones();
std::span<const char* const> Condiciones();

}  // namespace norvane::demo::nombres
