#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "demo/Muestra.h"

// What the builders of the master data share.
namespace norvane::demo {

// The moments of the master data: created one after the other in the first
// days of the sample, changed on some day of the documents' period.
class Reloj {
public:
  explicit Reloj(Muestra& m) : muestra_(m), ahora_{DiaDe(kCreacionMaestros), 8 * 3600} {}

  Momento Siguiente(Azar& azar) {
    ahora_.segundo += azar.Entre(20, 150);
    ahora_ = muestra_.auditoria.Reservar(ahora_);
    return ahora_;
  }

  Momento Cambio(Azar& azar) {
    const int dia = azar.Entre(DiaDe(kInicioDocumentos), DiaDe(kFinDocumentos));
    return muestra_.auditoria.Reservar({dia, azar.Entre(8 * 3600, 18 * 3600)});
  }

private:
  Muestra& muestra_;
  Momento ahora_;
};

// The master row an audit row names: TIDO_COD, AUDI_IDDOC, AUDI_COD, user.
struct Asunto {
  int tipo;
  std::int64_t iddoc;
  std::string codigo;
  const char* usuario;
};

inline void Auditar(Muestra& m, Momento momento, const Asunto& a, const char* operacion, std::string razon) {
  m.auditoria.Anotar({momento, a.usuario, a.tipo, a.iddoc, operacion, a.codigo, "", std::move(razon)});
}

inline Contexto ContextoMaestro(const Muestra& m, Momento momento, std::string descripcion) {
  Contexto c;
  c.catalogo = &m.catalogo;
  c.momento = momento;
  c.usuario = "CONTADOR";
  c.descripcion = std::move(descripcion);
  return c;
}

// The destination holds every other row of the origin's master data.
inline bool EnDestino(std::size_t indice) { return indice % 2 == 0; }

// Inventory families, groups, subgroups, brands, sub-brands, and the
// articles with their sub-tables.
void LlenarInventario(Muestra& m, Reloj& reloj, Azar& azar);

// The accounting interface definitions of every module.
void LlenarInterfaces(Muestra& m, Reloj& reloj, Azar& azar);

}  // namespace norvane::demo
