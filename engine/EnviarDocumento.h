#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/DescriptorDocumento.h"

namespace norvane {

class ContextoEnvio;

struct CodigoPartido {
  std::string prefijo;
  std::string numero;
};

// Splits a document code: the number is its last `largoNumero` bytes, the
// prefix what comes before; a shorter code is all number.
CodigoPartido PartirCodigo(std::string_view codigo, int largoNumero);

// Copies the detail rows of every table, in list order, under NuevoId, each
// row's reference resolved when its table names one, as long as no write of
// the row failed.
void EnviarDetalles(ContextoEnvio& contexto, std::span<const TablaDetalle> tablas);

// Sends the document of the current audit row as its descriptor says:
// deleted or voided online, or copied (inserted, replaced or omitted) with
// its detail rows.
void EnviarDocumento(ContextoEnvio& contexto, const DescriptorDocumento& descriptor);

}  // namespace norvane
