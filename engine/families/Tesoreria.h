#pragma once

#include <span>

#include "engine/DescriptorDocumento.h"

namespace norvane {

class Despacho;

// Cash receipts and provisional receipts: several detail tables copied one
// after the other; the rows of a cash receipt name the client documents it
// pays and the supplier documents crossed against it.
std::span<const DescriptorDocumento> DescriptoresTesoreria();

void RegistrarTesoreria(Despacho& despacho);

}  // namespace norvane
