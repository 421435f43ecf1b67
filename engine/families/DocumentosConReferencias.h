#pragma once

#include <span>

#include "engine/DescriptorDocumento.h"

namespace norvane {

class Despacho;

// Purchase and sales invoices and their returns: a return names the invoice
// it returns, a sales invoice sets its detail rows all at once, and the sales
// documents move the customer's points when they are in place.
std::span<const DescriptorDocumento> DescriptoresDocumentosConReferencias();

void RegistrarDocumentosConReferencias(Despacho& despacho);

}  // namespace norvane
