#pragma once

#include <string>
#include <vector>

#include "engine/Opciones.h"
#include "fb/Value.h"

namespace norvane {

class Operador;
struct Sesion;

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

// Compares, for every audit row of the selection that is marked sent, the
// origin with the destination company as the run finds the document there
// (by code, bank documents by account too, master rows by key), leaving out
// what the transfer changes on purpose (the descriptors' `excluidas`,
// position 0 of a document's rows) and allowing the fixed-point rule where
// the copy applies it. The selection is the run's with its choices, always by
// date range (every date when `opciones` has none), whatever AUDI_ENVIO; a
// document is judged by its last sent audit row. Online only (the
// destination company database). Reads both sides in read-only transactions
// and writes nothing; errors reach the caller.
ResultadoVerificacion Verificar(const Sesion& sesion, const OpcionesEnvio& opciones,
                                Operador& operador);

// One line of the report: type, code (with AUDI_TICO when there is one),
// state and its detail.
std::string LineaVerificacion(const DocumentoVerificado& documento);

}  // namespace norvane
