#pragma once

namespace norvane::demo {

struct Muestra;

// `muestra.documentos` documents of every family in the origin, in date
// order, with the audit rows of their creation and of later changes, voids
// and deletions; and in the destination, copies of some of them under the
// same code (received earlier), so that a transfer finds documents to
// replace, to void and to delete. Needs the master data (LlenarMaestros).
void LlenarDocumentos(Muestra& muestra);

}  // namespace norvane::demo
