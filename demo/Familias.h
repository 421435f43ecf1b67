#pragma once

#include <cstdint>
#include <vector>

namespace norvane::demo {

// How a family numbers its documents: by prefix (PREF_PRE), by voucher type
// (PRCO_PREF under TICO_COD) or by bank account (PRBA_PREF under CUBA_COD).
enum class Numeracion { Prefijo, Comprobante, Bancaria };

// Whom a document is made out to.
enum class Contraparte { Ninguna, Cliente, Proveedor, Cualquiera };

// What the lines of a detail table hold.
enum class Renglones {
  Articulos,            // articles with quantities and prices
  Componentes,          // the articles a kit is made of (header names the kit)
  Contables,            // accounting entries, debits and credits balanced
  DocumentosCliente,    // client documents the document pays or applies
  DocumentosProveedor,  // supplier documents the document pays or applies
  Medios,               // means of payment, cash or bank movements
};

struct DetalleFamilia {
  const char* tabla;
  Renglones renglones;
  int minimo;
  int maximo;
  std::vector<int> tipos;  // kinds of the documents the lines name
};

// One family of documents of the sample data: its tables, numbering and
// what its documents hold.
struct FamiliaDocumento {
  int tipo;  // TIDO_COD
  const char* encabezado;
  const char* columnaPrefijo;
  const char* columnaNumero;
  const char* prefijo;  // "" when the voucher type or bank account gives it
  int digitos;          // of the number
  Numeracion numeracion;
  Contraparte contraparte;
  bool precioDeVenta;   // article lines at sales prices, else at cost
  const char* usuario;
  const char* concepto;
  std::vector<const char*> descripciones;
  std::int64_t montoMinimo;  // pesos, when no line gives the total
  std::int64_t montoMaximo;
  int referencia;  // TIDO_COD of the document the header names, 0 none
  int desfase;     // days after the start of the period of its first document
  std::vector<DetalleFamilia> detalles;
};

// Every family of documents, each after the families its documents name.
const std::vector<FamiliaDocumento>& FamiliasDocumento();

}  // namespace norvane::demo
