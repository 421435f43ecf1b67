#pragma once

#include <span>

#include "engine/DescriptorDocumento.h"

namespace norvane {

class Despacho;

// The inventory, purchasing and sales documents of one header and one detail
// table: the standard ones and those with references and side effects.
std::span<const DescriptorDocumento> DescriptoresDocumentos();

void RegistrarDocumentos(Despacho& despacho);

}  // namespace norvane
