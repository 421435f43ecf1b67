#pragma once

#include <vector>

#include "engine/DescriptorDocumento.h"
#include "engine/Despacho.h"

namespace norvane {

// The dispatch with every family that the engine sends.
Despacho DespachoCompleto();

// Every document descriptor of every family, in family order: what the
// checks of the descriptor tables walk.
std::vector<const DescriptorDocumento*> DescriptoresDocumento();

}  // namespace norvane
