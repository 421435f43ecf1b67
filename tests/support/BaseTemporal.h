#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fb/Attachment.h"
#include "fb/Value.h"
#include "tests/support/TempDir.h"

namespace norvane::test {

// An embedded database created empty in a temporary directory (forced writes
// off), dropped with the directory when the object goes away.
class BaseTemporal {
public:
  // `owner` becomes the database's owner (the embedded engine takes any name),
  // so that the same user may later open it through the server.
  explicit BaseTemporal(const std::string& name = "prueba.fdb", std::string owner = "SYSDBA");

  const TempDir& dir() const { return dir_; }
  std::string path() const { return path_; }
  fb::ConnectParams params() const { return {path_, owner_, "masterkey", ""}; }
  fb::Attachment& db() { return db_; }

  // Runs a script of statements (DDL and DML), each committed.
  void run(std::string_view script);
  // Column 0 of the first row of `sql`, null when there is no row.
  fb::Value scalar(std::string_view sql);
  std::int64_t count(std::string_view table);
  // Detaches, so that another attachment (or process) may open the file.
  void close() { db_.close(); }
  void reopen() { db_ = fb::Attachment::attach(params()); }

private:
  TempDir dir_;
  std::string path_;
  std::string owner_;
  fb::Attachment db_;
};

}  // namespace norvane::test
