#include "engine/Destino.h"

#include "fb/Catalog.h"
#include "fb/Error.h"
#include "fb/Cursor.h"

namespace norvane {

namespace {

fb::ConnectParams ConRol(fb::ConnectParams p) {
  p.role = "RoleName";
  return p;
}

}  // namespace

Destino::Destino(const fb::ConnectParams& parametros)
    : conexion_(fb::Attachment::attach(ConRol(parametros))) {}

Destino::Resultado Destino::Consultar(std::string_view select) {
  fb::Transaction t(conexion_, fb::Isolation::ReadCommitted);
  fb::Statement sentencia(t, select);
  Resultado r{sentencia.columns(), sentencia.open(t).fetchAll()};
  t.commit();
  return r;
}

const fb::Columns& Destino::Estructura(const std::string& select) {
  auto it = estructuras_.find(select);
  if (it == estructuras_.end()) {
    fb::Transaction t(conexion_, fb::Isolation::ReadCommitted);
    it = estructuras_.emplace(select, fb::Statement(t, select).columns()).first;
    t.commit();
  }
  return it->second;
}

void Destino::Ejecutar(std::string_view sentencia) {
  fb::Transaction t(conexion_, fb::Isolation::ReadCommitted);
  t.execute(sentencia);
  t.commit();
}

const std::vector<std::string>& Destino::ClavePrimaria(const std::string& tabla) {
  auto it = claves_.find(tabla);
  if (it == claves_.end()) {
    fb::Transaction t(conexion_, fb::Isolation::ReadCommitted);
    it = claves_.emplace(tabla, fb::primaryKey(t, tabla)).first;
    t.commit();
  }
  return it->second;
}

fb::Statement& Destino::Preparada(fb::Transaction& transaccion, const std::string& sentencia) {
  auto& p = preparadas_[sentencia];
  if (!p) p = std::make_unique<fb::Statement>(transaccion, sentencia);
  return *p;
}

Destino::Escritura::Escritura(Destino& destino)
    : destino_(destino), transaccion_(destino.conexion_, fb::Isolation::ReadCommitted) {}

Destino::Escritura::~Escritura() {
  try {
    Deshacer();
  } catch (const fb::Error&) {
    // Releasing the transaction rolls it back all the same.
  }
}

std::uint64_t Destino::Escritura::Ejecutar(const std::string& sentencia,
                                           const fb::Row& parametros) {
  return destino_.Preparada(transaccion_, sentencia).execute(transaccion_, parametros);
}

void Destino::Escritura::Confirmar() { transaccion_.commit(); }

void Destino::Escritura::Deshacer() {
  if (transaccion_.active()) transaccion_.rollback();
}

}  // namespace norvane
