#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "demo/Calendario.h"

namespace norvane::demo {

class Compania;

// One change the suite recorded in AUDITORIA.
struct EventoAuditoria {
  Momento momento;
  std::string usuario;
  int tipo = 0;
  std::int64_t iddoc = 0;
  std::string operacion;  // N new, M changed, A voided, D deleted
  std::string codigo;
  std::string tico;  // voucher type, or bank account of a bank document
  std::string razon;
};

// The audit trail of the sample data. No two changes share a moment, so the
// order by date and time that a transfer reads is the order of the changes.
class RegistroAuditoria {
public:
  // The first free second at or after `deseado` within the working day
  // (07:00 to 19:00), taken.
  Momento Reservar(Momento deseado);
  void Anotar(EventoAuditoria evento);
  const std::vector<EventoAuditoria>& eventos() const { return eventos_; }

  // Writes the audit rows in time order, unsent and numbered by the table's
  // own trigger, and one replication stamp row per audited document for the
  // destination company.
  void Escribir(Compania& compania, const std::string& companiaDestino) const;

private:
  std::set<Momento> usados_;
  std::vector<EventoAuditoria> eventos_;
};

}  // namespace norvane::demo
