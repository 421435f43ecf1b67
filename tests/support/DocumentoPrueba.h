#pragma once

#include <string>
#include <vector>

#include "engine/DescriptorDocumento.h"
#include "fb/Attachment.h"
#include "fb/Column.h"
#include "fb/Value.h"

namespace norvane::test {

// The name that follows `antes` in `texto`, up to a blank, in upper case.
std::string NombreTras(const std::string& texto, const std::string& antes);

// The tables of a document type, read from its descriptor's texts.
struct TablasDocumento {
  std::string encabezado;             // header table
  std::string numero;                 // its number column
  std::vector<std::string> detalles;  // detail tables, in list order
};
TablasDocumento TablasDe(const DescriptorDocumento& d);

// The descriptor of a type, from every family's table.
const DescriptorDocumento& Descriptor(int tidoCod);
// The number `n` with the digits of the documents of `d`.
std::string Numero(const DescriptorDocumento& d, int n);
// Column `p` of every row.
std::vector<fb::Value> Columna(const std::vector<fb::Row>& filas, std::size_t p);

// A row for one table: generic values for every column (FilaGenerica), then
// the ones a test cares about, by position or by name.
class NuevaFila {
public:
  NuevaFila(fb::Attachment& db, std::string tabla, int semilla);
  NuevaFila& En(std::size_t posicion, fb::Value valor);
  NuevaFila& En(const std::string& columna, fb::Value valor);
  // Inserts the row and returns it as written.
  fb::Row Insertar();
  const fb::Row& Fila() const { return fila_; }

private:
  fb::Attachment& db_;
  std::string tabla_;
  fb::Columns columnas_;
  fb::Row fila_;
};

// A document header of type `d` with identifier, code and "N" voided.
NuevaFila Encabezado(fb::Attachment& db, const DescriptorDocumento& d, int id, const std::string& codigo,
                     int semilla);

// Lets `tabla` hold a row without identifier (drops its key `clave`), so
// that a lookup can find a document with nothing to point to.
void SinIdentificadorObligatorio(fb::Attachment& db, const std::string& tabla, const std::string& clave,
                                 const std::string& columnaId);

// Rows of every statement `db` runs on the tables given, in the order they
// ran: "I TABLE", "U TABLE", "D TABLE" (a trigger per table records them).
void Trazar(fb::Attachment& db, const std::vector<std::string>& tablas);
std::vector<std::string> Traza(fb::Attachment& db);

}  // namespace norvane::test
