#pragma once

#include <span>

#include "engine/DescriptorDocumento.h"

namespace norvane {

class Despacho;

// Payment vouchers (five detail tables, the first two naming the documents
// paid and crossed), document exchanges, card deposits and cash transfers.
std::span<const DescriptorDocumento> DescriptoresEgresos();

void RegistrarEgresos(Despacho& despacho);

}  // namespace norvane
