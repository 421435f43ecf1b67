#pragma once

#include <span>

#include "engine/Verificacion.h"

namespace norvane {

class ContextoEnvio;
class Despacho;

// A module's accounting interface definitions: the header and its numbered
// account rows, both found by the definition's identifier, AUDI_IDDOC, which
// follows every select; an account row's lookup then takes the item clause
// and the item number of the source row.
struct DefinicionInterfaz {
  int tidoCod{};
  const char* seleccionOrigen{};
  const char* seleccionDestino{};
  const char* cuentasOrigen{};
  const char* cuentasDestino{};
  const char* clausulaItem{};
};

std::span<const DefinicionInterfaz> DefinicionesInterfaz();

// Copies the definition as the origin now holds it, whatever AUDI_OPER says,
// and then its account rows, whatever became of the header. The row fails
// when any of its writes failed.
void CopiarInterfaz(ContextoEnvio& contexto, const DefinicionInterfaz& definicion);

void RegistrarInterfaz(Despacho& despacho);

// The definition and each of the origin's account rows, by identifier and
// item, as the destination holds them after the run.
DocumentoVerificado VerificarInterfaz(LadosVerificacion& lados, const DefinicionInterfaz& definicion,
                                      const fb::Row& auditoria);

}  // namespace norvane
