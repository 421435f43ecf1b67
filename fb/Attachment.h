#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fb/Value.h"

namespace fb {

namespace detail {
struct AttachmentState;
}

// How to reach a database: a plain local path opens through the embedded
// engine, "host:path" or "host/port:path" through a server.
struct ConnectParams {
  std::string database;
  std::string user;
  std::string password;
  std::string role;  // empty: no role named
};

struct CreateOptions {
  unsigned pageSize = 8192;
  bool forcedWrites = true;
};

// One attachment to a database, SQL dialect 3, no character set named.
// Closing it (or destroying it) commits the transactions still open on it.
class Attachment {
public:
  static Attachment attach(const ConnectParams& params);
  static Attachment create(const ConnectParams& params, const CreateOptions& options = {});

  Attachment() = default;
  Attachment(Attachment&&) noexcept;
  Attachment& operator=(Attachment&&) noexcept;
  ~Attachment();

  bool valid() const;
  const std::string& database() const { return database_; }

  // Commits the open transactions, then detaches. May throw.
  void close();
  // Removes the database file (no transaction may be open).
  void drop();

  // Runs one statement in a transaction of its own, committed at once, and
  // returns the rows it affected.
  std::uint64_t execute(std::string_view sql, const Row& params = {});

  std::shared_ptr<detail::AttachmentState> state() const { return state_; }

private:
  explicit Attachment(std::shared_ptr<detail::AttachmentState> state, std::string database);
  std::shared_ptr<detail::AttachmentState> state_;
  std::string database_;
};

}  // namespace fb
