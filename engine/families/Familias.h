#pragma once

#include <vector>

#include "engine/DescriptorDocumento.h"
#include "engine/Despacho.h"
#include "engine/Verificacion.h"

namespace norvane {

// The dispatch with every family that the engine sends.
Despacho DespachoCompleto();

// Every document descriptor of every family, in family order: what the
// checks of the descriptor tables walk.
std::vector<const DescriptorDocumento*> DescriptoresDocumento();

// How a verification compares each type that a family sends: documents by
// their descriptor rows (the voucher's included), master rows, catalogues,
// article sub-tables and interface definitions by their keys.
TablaVerificacion VerificacionCompleta();

}  // namespace norvane
