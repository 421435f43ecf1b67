#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fb/Attachment.h"
#include "fb/Column.h"
#include "fb/Statement.h"
#include "fb/Transaction.h"
#include "fb/Value.h"

namespace norvane {

// The destination connection (DBEnvio): read-committed transactions, the
// role "RoleName", no character set. The statements of one audit row run in
// one transaction of the row (IniciarFila), which the run commits only when
// the row was sent whole and rolls back otherwise; outside a row, reads and
// single statements commit by themselves. Keys of each table are looked up
// once, and generated write statements are prepared once per text.
//
// A preview destination makes nothing durable: every statement, inside a row
// or not, runs in one transaction that waits on no lock and is rolled back
// by TerminarVistaPrevia (or at the latest when the connection goes). A row
// is a savepoint of it: confirming a row releases the savepoint, so the rows
// after it see what it wrote; undoing a row rolls back to the savepoint, as
// the run's rollback of a row's transaction does.
class Destino {
public:
  enum class Modo { Envio, VistaPrevia };

  // `esperaBloqueo`: seconds a statement waits for a lock held by another
  // transaction; without it, as long as it takes. A preview ignores it.
  explicit Destino(const fb::ConnectParams& parametros,
                   std::optional<int> esperaBloqueo = std::nullopt, Modo modo = Modo::Envio);
  // A row still open is rolled back: nothing half done stays.
  ~Destino();
  Destino(const Destino&) = delete;
  Destino& operator=(const Destino&) = delete;

  fb::Attachment& conexion() { return conexion_; }

  // The audit row's transaction: every statement until ConfirmarFila or
  // DeshacerFila runs in it.
  void IniciarFila();
  // Commits the row. When the commit fails the row is rolled back and the
  // error reaches the caller.
  void ConfirmarFila();
  // Rolls the row back; never throws.
  void DeshacerFila() noexcept;
  bool EnFila() const { return fila_.has_value() || filaPrevia_; }

  bool VistaPrevia() const { return previa_.has_value(); }
  // Rolls back everything the preview wrote; never throws. The destination
  // can no longer be used afterwards.
  void TerminarVistaPrevia() noexcept;

  struct Resultado {
    fb::Columns columnas;
    std::vector<fb::Row> filas;
  };
  // Runs a SELECT and reads every row.
  Resultado Consultar(std::string_view select);
  // The columns of a SELECT without running it, prepared once per text.
  const fb::Columns& Estructura(const std::string& select);
  // Runs one statement.
  void Ejecutar(std::string_view sentencia);
  // The primary-key columns of `tabla`, looked up once per connection.
  const std::vector<std::string>& ClavePrimaria(const std::string& tabla);

  // One write: every statement or none. Inside a row it runs under a
  // savepoint of the row's transaction, so that a refused write undoes only
  // itself; outside a row, in a transaction of its own.
  class Escritura {
  public:
    explicit Escritura(Destino& destino);
    // A write that was neither confirmed nor undone is undone.
    ~Escritura();
    Escritura(const Escritura&) = delete;
    Escritura& operator=(const Escritura&) = delete;
    // Runs a generated statement (cached by its text) and returns the rows
    // it affected.
    std::uint64_t Ejecutar(const std::string& sentencia, const fb::Row& parametros);
    void Confirmar();
    void Deshacer();

  private:
    Destino& destino_;
    std::optional<fb::Transaction> propia_;  // outside a row
    fb::Transaction* transaccion_;
    bool terminada_ = false;
  };

private:
  fb::Statement& Preparada(fb::Transaction& transaccion, const std::string& sentencia);

  // The transaction a statement runs in: the row's, or `propia` started
  // for it.
  fb::Transaction& Actual(std::optional<fb::Transaction>& propia);
  fb::Transaction Nueva();

  fb::Attachment conexion_;
  std::optional<int> esperaBloqueo_;
  std::optional<fb::Transaction> fila_;
  std::optional<fb::Transaction> previa_;  // a preview's only transaction
  bool filaPrevia_ = false;                // a preview's row savepoint is set
  std::map<std::string, std::vector<std::string>> claves_;
  std::map<std::string, fb::Columns> estructuras_;
  std::map<std::string, std::unique_ptr<fb::Statement>> preparadas_;
};

}  // namespace norvane
