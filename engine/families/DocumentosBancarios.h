#pragma once

#include <span>

#include "engine/DescriptorDocumento.h"

namespace norvane {

class Despacho;

// Deposits, cheques, withdrawals, bank debit and credit notes, transfers and
// returned cheques: documents numbered per bank account, found at the
// destination by account, prefix and number. Only the deposit has lines.
// Each is sent by EnviarDocumento with its row.
std::span<const DescriptorDocumento> DescriptoresDocumentosBancarios();

void RegistrarDocumentosBancarios(Despacho& despacho);

}  // namespace norvane
