#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fb/Attachment.h"
#include "fb/Column.h"
#include "fb/Statement.h"
#include "fb/Transaction.h"
#include "fb/Value.h"

namespace norvane {

// The destination connection (DBEnvio): read-committed transactions that wait
// on locks, the role "RoleName", no character set. Reads and single
// statements commit by themselves; keys of each table are looked up once and
// generated write statements are prepared once per table and column set.
class Destino {
public:
  explicit Destino(const fb::ConnectParams& parametros);

  fb::Attachment& conexion() { return conexion_; }

  struct Resultado {
    fb::Columns columnas;
    std::vector<fb::Row> filas;
  };
  // Runs a SELECT and reads every row.
  Resultado Consultar(std::string_view select);
  // The columns of a SELECT without running it, prepared once per text.
  const fb::Columns& Estructura(const std::string& select);
  // Runs one statement committed by itself.
  void Ejecutar(std::string_view sentencia);
  // The primary-key columns of `tabla`, looked up once per connection.
  const std::vector<std::string>& ClavePrimaria(const std::string& tabla);

  // One write: every statement in one transaction.
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
    fb::Transaction transaccion_;
  };

private:
  fb::Statement& Preparada(fb::Transaction& transaccion, const std::string& sentencia);

  fb::Attachment conexion_;
  std::map<std::string, std::vector<std::string>> claves_;
  std::map<std::string, fb::Columns> estructuras_;
  std::map<std::string, std::unique_ptr<fb::Statement>> preparadas_;
};

}  // namespace norvane
