#pragma once

#include "engine/DescriptorDocumento.h"

namespace norvane {

class ContextoEnvio;
class Despacho;

// Sends the accounting voucher (type 1) of the current audit row: deleted
// online by its code, or copied with both sets of entries. Unlike the other
// documents a voucher honours the accounting lock date, is replaced by
// deleting and inserting it anew, keeps its header values as they are and
// has no void branch.
void EnviarComprobante(ContextoEnvio& contexto);

void RegistrarComprobantes(Despacho& despacho);

// The voucher's texts and positions as a descriptor row, for the readings
// that compare origin and destination; EnviarComprobante does not use it.
const DescriptorDocumento& DescriptorComprobante();

}  // namespace norvane
