#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "engine/DescriptorDocumento.h"
#include "engine/Opciones.h"
#include "fb/Column.h"
#include "fb/Transaction.h"
#include "fb/Value.h"

namespace norvane {

class Operador;
struct Sesion;
struct DescriptorMaestro;

// What a comparison of origin and destination found for one document (or
// master row) that the selection names as sent.
enum class EstadoVerificacion {
  Igual,             // what the run writes is at the destination
  Diferente,         // columns or detail rows differ, or a deleted one is still there
  AusenteEnDestino,  // sent, but the destination does not hold it
  Pendiente,         // a later audit row of it is still unsent
  Retenido,          // a voucher that the destination's accounting lock date holds back
  Omitido,           // differs, but the run leaves existing documents as they are
  SinCopia,          // the run writes nothing for it (the origin no longer holds it...)
};

// The word of the report: "igual", "diferente", "ausente en destino"...
const char* TextoEstado(EstadoVerificacion estado);

struct DocumentoVerificado {
  int tidoCod = 0;
  std::string codigo;  // AUDI_COD
  std::string tico;    // AUDI_TICO, empty when the audit row has none
  std::string iddoc;   // AUDI_IDDOC
  EstadoVerificacion estado = EstadoVerificacion::Igual;
  // The columns that differ, header first, then each detail table's rows
  // ("TABLA fila 2: COLUMNA"); for the other states, why.
  std::vector<std::string> detalle;
};

struct ResultadoVerificacion {
  std::vector<DocumentoVerificado> documentos;  // in the order of their first audit row

  int Cantidad(EstadoVerificacion estado) const;
  // A document that differs or is missing at the destination.
  bool HayDiferencias() const;
};

// How a copied value is expected at the destination.
enum class Regla {
  Exacta,      // converted to the destination column's type, unchanged
  PuntoFijo,   // a fixed-point column takes four decimals, a null 0
  Cualquiera,  // either of the two (an update exact, an insert by the rule)
};

// Both companies as a verification reads them (read-only), and the run's
// choices it judges by.
struct LadosVerificacion {
  fb::Transaction& origen;
  fb::Transaction& destino;
  bool reemplazar = true;
  std::string fechaBloqueo;  // the destination's accounting lock date, "" when none
};

// Every row of a select, with its columns.
struct Consulta {
  fb::Columns columnas;
  std::vector<fb::Row> filas;
};
Consulta Leer(fb::Transaction& transaccion, const std::string& select);

DocumentoVerificado Verificado(EstadoVerificacion estado, std::vector<std::string> detalle = {});
// Equal without differences, different with them.
DocumentoVerificado PorDiferencias(std::vector<std::string> detalle);

// The names of the destination columns whose values the copy would not have
// written, the left-out ones (and position 0 when `posicionCero`) aside.
std::vector<std::string> ColumnasDistintas(const fb::Row& origen, const fb::Row& destino,
                                           const fb::Columns& columnas,
                                           std::span<const Excluida> excluidas, bool posicionCero,
                                           Regla regla);
std::string UnirColumnas(const std::vector<std::string>& columnas);
// The table a select read, or the select itself.
std::string NombreTabla(const Consulta& consulta, const std::string& select);

// A document of a descriptor row, judged by its audit row: a delete by the
// document's absence, a void by its voided column, anything else by its
// header and every detail table.
DocumentoVerificado VerificarDocumento(LadosVerificacion& lados, const DescriptorDocumento& descriptor,
                                       const fb::Row& auditoria);
// One master row by its two selects, position 0 included.
DocumentoVerificado VerificarFilaMaestra(LadosVerificacion& lados, const std::string& seleccionOrigen,
                                         const std::string& seleccionDestino, Regla regla);
// What a delete leaves: nothing that the select finds.
DocumentoVerificado VerificarAusencia(LadosVerificacion& lados, const std::string& seleccionDestino);
// A master row sent by its whole key, AUDI_COD.
DocumentoVerificado VerificarMaestro(LadosVerificacion& lados, const DescriptorMaestro& descriptor,
                                     const fb::Row& auditoria);

// How each type is compared, as the families give it.
using Verificador = std::function<DocumentoVerificado(LadosVerificacion&, const fb::Row& auditoria)>;
struct TablaVerificacion {
  std::map<int, Verificador> porTipo;
  std::vector<int> porIdentificador;  // types whose rows are one by AUDI_IDDOC, not by code
};

// Compares, for every audit row of the selection that is marked sent, the
// origin with the destination company as the run finds the document there
// (by code, bank documents by account too, master rows by key), leaving out
// what the transfer changes on purpose (the descriptors' `excluidas`,
// position 0 of a document's rows) and allowing the fixed-point rule where
// the copy applies it; `tabla` says how each type is compared. The
// selection is the run's with its choices, always by
// date range (every date when `opciones` has none), whatever AUDI_ENVIO; a
// document is judged by its last sent audit row. Online only (the
// destination company database). Reads both sides in read-only transactions
// and writes nothing; errors reach the caller.
ResultadoVerificacion Verificar(const Sesion& sesion, const OpcionesEnvio& opciones,
                                Operador& operador, const TablaVerificacion& tabla);

// One line of the report: type, code (with AUDI_TICO when there is one),
// state and its detail.
std::string LineaVerificacion(const DocumentoVerificado& documento);

}  // namespace norvane
