#include "demo/RegistroAuditoria.h"

#include <algorithm>
#include <map>
#include <utility>

#include "demo/Relleno.h"
#include "demo/Tablas.h"

namespace norvane::demo {

namespace {

constexpr int kAbre = 7 * 3600;
constexpr int kCierra = 19 * 3600;

fb::Value TextoONulo(const std::string& s) { return s.empty() ? fb::Value() : fb::Value(s); }

}  // namespace

Momento RegistroAuditoria::Reservar(Momento m) {
  if (m.segundo < kAbre) m.segundo = kAbre;
  for (;;) {
    if (m.segundo >= kCierra) m = {m.dia + 1, kAbre};
    if (usados_.insert(m).second) return m;
    ++m.segundo;
  }
}

void RegistroAuditoria::Anotar(EventoAuditoria evento) { eventos_.push_back(std::move(evento)); }

void RegistroAuditoria::Escribir(Compania& compania, const std::string& companiaDestino) const {
  std::vector<const EventoAuditoria*> orden;
  for (const auto& e : eventos_) orden.push_back(&e);
  std::stable_sort(orden.begin(), orden.end(),
                   [](const auto* a, const auto* b) { return a->momento < b->momento; });

  Tabla& auditoria = compania["AUDITORIA"];
  // The first change of each document: when its stamp row was registered.
  std::map<std::pair<int, std::int64_t>, const EventoAuditoria*> documentos;
  for (const auto* e : orden) {
    Fila f(auditoria);
    f.Poner("AUDI_ID", fb::Value())  // numbered by AUDITORIA_BI in insertion order
        .Poner("AUDI_USUARIO", e->usuario)
        .Poner("AUDI_FECHA", FechaDe(e->momento.dia))
        .Poner("AUDI_HORA", HoraDe(e->momento.segundo))
        .Poner("TIDO_COD", e->tipo)
        .Poner("AUDI_IDDOC", e->iddoc)
        .Poner("AUDI_OPER", e->operacion)
        .Poner("AUDI_COD", e->codigo)
        .Poner("AUDI_ENVIO", "N")
        .Poner("AUDI_TICO", TextoONulo(e->tico))
        .Poner("AUDI_RAZON", Recortar(e->razon, 255));
    compania.Insertar(f);
    documentos.try_emplace({e->tipo, e->iddoc}, e);
  }

  Tabla& replica = compania["REPLICA_EVENTOS"];
  for (const auto& [clave, e] : documentos) {
    Fila f(replica);
    f.Poner("RPEV_COMPANIA", companiaDestino)
        .Poner("RPEV_TIPO", clave.first)
        .Poner("RPEV_IDDOC", clave.second)
        .Poner("RPEV_FECREP", fb::Value())
        .Poner("RPEV_HORAREP", fb::Value())
        .Poner("RPEV_FECREG", FechaDe(e->momento.dia))
        .Poner("RPEV_USUARIO", e->usuario);
    compania.Insertar(f);
  }
}

}  // namespace norvane::demo
