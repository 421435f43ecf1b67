#include "engine/Destino.h"

#include <stdexcept>

#include "fb/Catalog.h"
#include "fb/Error.h"
#include "fb/Cursor.h"

namespace norvane {

namespace {

fb::ConnectParams ConRol(fb::ConnectParams p) {
  p.role = "RoleName";
  return p;
}

// A preview's row.
const std::string kPuntoFila = "SAVEPOINT NORVANE_FILA";
const std::string kVolverAFila = "ROLLBACK TO SAVEPOINT NORVANE_FILA";
const std::string kLiberarFila = "RELEASE SAVEPOINT NORVANE_FILA ONLY";

}  // namespace

Destino::Destino(const fb::ConnectParams& parametros, std::optional<int> esperaBloqueo,
                 Modo modo)
    : conexion_(fb::Attachment::attach(ConRol(parametros))), esperaBloqueo_(esperaBloqueo) {
  if (modo == Modo::VistaPrevia)
    previa_.emplace(conexion_, fb::Isolation::ReadCommitted, std::nullopt, fb::LockWait::NoWait);
}

Destino::~Destino() {
  DeshacerFila();
  TerminarVistaPrevia();
}

void Destino::TerminarVistaPrevia() noexcept {
  if (!previa_) return;
  filaPrevia_ = false;
  try {
    if (previa_->active()) previa_->rollback();
  } catch (const fb::Error&) {
    // A transaction that cannot be rolled back (a lost connection) is undone
    // by the server all the same.
  }
  // Kept, ended: nothing can run in a preview after its end.
}

fb::Transaction Destino::Nueva() {
  return fb::Transaction(conexion_, fb::Isolation::ReadCommitted, esperaBloqueo_);
}

void Destino::IniciarFila() {
  if (EnFila()) throw std::logic_error("the destination row is already open");
  if (previa_) {
    Preparada(*previa_, kPuntoFila).execute(*previa_, {});
    filaPrevia_ = true;
    return;
  }
  fila_.emplace(Nueva());
}

void Destino::ConfirmarFila() {
  if (!EnFila()) throw std::logic_error("no destination row is open");
  if (previa_) {
    try {
      Preparada(*previa_, kLiberarFila).execute(*previa_, {});
    } catch (...) {
      DeshacerFila();
      throw;
    }
    filaPrevia_ = false;
    return;
  }
  try {
    fila_->commit();
  } catch (...) {
    DeshacerFila();
    throw;
  }
  fila_.reset();
}

void Destino::DeshacerFila() noexcept {
  if (filaPrevia_) {
    filaPrevia_ = false;
    try {
      Preparada(*previa_, kVolverAFila).execute(*previa_, {});
      Preparada(*previa_, kLiberarFila).execute(*previa_, {});
    } catch (const std::exception&) {
      // A savepoint that cannot be restored (a lost connection): the whole
      // preview is rolled back at its end all the same.
    }
    return;
  }
  if (!fila_) return;
  try {
    if (fila_->active()) fila_->rollback();
  } catch (const fb::Error&) {
    // A transaction that cannot be rolled back (a lost connection) is undone
    // by the server all the same; releasing it here never commits it.
  }
  fila_.reset();
}

fb::Transaction& Destino::Actual(std::optional<fb::Transaction>& propia) {
  if (previa_) return *previa_;
  if (fila_) return *fila_;
  propia.emplace(Nueva());
  return *propia;
}

Destino::Resultado Destino::Consultar(std::string_view select) {
  std::optional<fb::Transaction> propia;
  fb::Transaction& t = Actual(propia);
  fb::Statement sentencia(t, select);
  Resultado r{sentencia.columns(), sentencia.open(t).fetchAll()};
  if (propia) propia->commit();
  return r;
}

const fb::Columns& Destino::Estructura(const std::string& select) {
  auto it = estructuras_.find(select);
  if (it == estructuras_.end()) {
    fb::Transaction t = Nueva();
    it = estructuras_.emplace(select, fb::Statement(t, select).columns()).first;
    t.commit();
  }
  return it->second;
}

void Destino::Ejecutar(std::string_view sentencia) {
  std::optional<fb::Transaction> propia;
  Actual(propia).execute(sentencia);
  if (propia) propia->commit();
}

const std::vector<std::string>& Destino::ClavePrimaria(const std::string& tabla) {
  auto it = claves_.find(tabla);
  if (it == claves_.end()) {
    fb::Transaction t = Nueva();
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

namespace {

const std::string kPuntoGuardado = "SAVEPOINT NORVANE_APLICAR";
const std::string kVolverAlPunto = "ROLLBACK TO SAVEPOINT NORVANE_APLICAR";
const std::string kLiberarPunto = "RELEASE SAVEPOINT NORVANE_APLICAR ONLY";

}  // namespace

Destino::Escritura::Escritura(Destino& destino) : destino_(destino), transaccion_(nullptr) {
  transaccion_ = &destino_.Actual(propia_);
  if (!propia_) destino_.Preparada(*transaccion_, kPuntoGuardado).execute(*transaccion_, {});
}

Destino::Escritura::~Escritura() {
  try {
    Deshacer();
  } catch (const fb::Error&) {
    // Releasing the transaction rolls it back all the same; a row whose
    // savepoint could not be restored is rolled back by the run.
  }
}

std::uint64_t Destino::Escritura::Ejecutar(const std::string& sentencia,
                                           const fb::Row& parametros) {
  return destino_.Preparada(*transaccion_, sentencia).execute(*transaccion_, parametros);
}

void Destino::Escritura::Confirmar() {
  if (propia_)
    propia_->commit();
  else
    destino_.Preparada(*transaccion_, kLiberarPunto).execute(*transaccion_, {});
  terminada_ = true;
}

void Destino::Escritura::Deshacer() {
  if (terminada_) return;
  terminada_ = true;
  if (propia_) {
    if (propia_->active()) propia_->rollback();
    return;
  }
  destino_.Preparada(*transaccion_, kVolverAlPunto).execute(*transaccion_, {});
  destino_.Preparada(*transaccion_, kLiberarPunto).execute(*transaccion_, {});
}

}  // namespace norvane
