#pragma once

#include <string>

namespace fb {
class Attachment;
}

namespace norvane::demo {

// Companies 001 and 002 and the suite's users, `usuario` among them.
void LlenarGeneral(fb::Attachment& general, const std::string& usuario);

// Sample data, deterministic for a seed: company 001 (the origin) with
// `documentos` documents of every family and their unsent audit rows in date
// and time order; company 002 with some master data and a few documents that
// already exist there.
void LlenarCompanias(fb::Attachment& origen, fb::Attachment& destino, int documentos,
                     unsigned semilla);

}  // namespace norvane::demo
