#pragma once

#include <span>

#include "engine/DescriptorDocumento.h"

namespace norvane {

class Despacho;

// The clients' and suppliers' account documents: debit and credit notes and
// advances (headers alone; an advance names the receipt or payment voucher
// that took it) and applications, whose rows name the documents they settle.
std::span<const DescriptorDocumento> DescriptoresNotasAplicacionesAnticipos();

void RegistrarNotasAplicacionesAnticipos(Despacho& despacho);

}  // namespace norvane
