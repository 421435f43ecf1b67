#pragma once

#include <string>

namespace norvane {

// What was decided for one audit row: by its handler, at the point where the
// handler takes the decision, or by the run for the rows that no handler
// sees. The run, its report and any other reader take the words from here.
enum class Decision {
  Ninguna,                // nothing decided yet
  Nuevo,                  // written as a new document or row
  Reemplazar,             // an existing document replaced
  Omitir,                 // an existing document left as the destination has it
  Anular,                 // an existing document voided
  Borrar,                 // deleted at the destination
  Actualizar,             // an existing master or catalogue row updated
  Reponer,                // an article's rows deleted and inserted again
  SinEfectoFueraDeLinea,  // a delete or void that an offline run does not carry
  BloqueadoPorFecha,      // a voucher dated before the accounting lock date
  AusenteEnOrigen,        // the origin no longer holds what the row names
  AusenteEnDestino,       // nothing to delete or void at the destination
  ClaveIncompleta,        // a composite catalogue key without its separators
  ValorNoUtilizable,      // a value of the audit row the handler cannot use
  SinMarcar,              // the row's type is not marked
  FueraDeRango,           // a document outside the code range
  SinManejador,           // no family handles the row's type
};

// The decision's word, as the report writes it.
constexpr const char* TextoDecision(Decision d) {
  switch (d) {
    case Decision::Ninguna: return "";
    case Decision::Nuevo: return "nuevo";
    case Decision::Reemplazar: return "reemplazar";
    case Decision::Omitir: return "omitir";
    case Decision::Anular: return "anular";
    case Decision::Borrar: return "borrar";
    case Decision::Actualizar: return "actualizar";
    case Decision::Reponer: return "reponer";
    case Decision::SinEfectoFueraDeLinea: return "sin efecto (fuera de línea)";
    case Decision::BloqueadoPorFecha: return "bloqueado por fecha";
    case Decision::AusenteEnOrigen: return "ausente en origen";
    case Decision::AusenteEnDestino: return "ausente en destino";
    case Decision::ClaveIncompleta: return "clave incompleta";
    case Decision::ValorNoUtilizable: return "valor no utilizable";
    case Decision::SinMarcar: return "sin marcar";
    case Decision::FueraDeRango: return "fuera de rango";
    case Decision::SinManejador: return "sin manejador";
  }
  return "";
}

// The word with what it needs to be read: a restore names how many rows
// went in again, "reponer (3)".
inline std::string TextoDecision(Decision d, int filasRepuestas) {
  std::string texto = TextoDecision(d);
  if (d == Decision::Reponer) texto += " (" + std::to_string(filasRepuestas) + ")";
  return texto;
}

}  // namespace norvane
