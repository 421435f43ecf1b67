#pragma once

#include <cstdint>
#include <string>

#include "demo/Azar.h"
#include "demo/Calendario.h"
#include "demo/Catalogo.h"
#include "demo/RegistroAuditoria.h"
#include "demo/Relleno.h"
#include "demo/Tablas.h"

namespace fb {
class Attachment;
}

namespace norvane::demo {

// The sample period: master data is created in its first days, documents
// are dated from `inicio` to `fin`.
inline const fb::Date kCreacionMaestros{2024, 1, 2};
inline const fb::Date kInicioDocumentos{2024, 1, 8};
inline const fb::Date kFinDocumentos{2024, 6, 28};
inline const std::string kCompaniaDestino = "002";

// What the builders of the sample data share: the origin company (001), the
// destination company (002), the audit trail of the origin and the master
// data that documents name.
struct Muestra {
  Muestra(fb::Attachment& origenDb, fb::Attachment& destinoDb, int documentosPorFamilia,
          std::uint64_t semillaDatos)
      : origen(origenDb), destino(destinoDb), documentos(documentosPorFamilia), semilla(semillaDatos) {}

  // A generator of its own for each part of the data.
  Azar AzarPara(std::uint64_t parte) const { return Azar(semilla).Derivado(parte); }

  Compania origen;
  Compania destino;
  Rellenador rellenador;
  RegistroAuditoria auditoria;
  Catalogo catalogo;
  int documentos;
  std::uint64_t semilla;
};

}  // namespace norvane::demo
