#pragma once

#include <span>

#include "engine/DescriptorDocumento.h"

namespace norvane {

class Despacho;

// The inventory, purchasing and sales documents of one header and one detail
// table, copied as they are.
std::span<const DescriptorDocumento> DescriptoresDocumentosEstandar();

void RegistrarDocumentosEstandar(Despacho& despacho);

}  // namespace norvane
