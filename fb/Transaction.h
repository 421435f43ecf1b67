#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "fb/Value.h"

namespace fb {

class Attachment;
class Cursor;

namespace detail {
struct TransactionState;
}

enum class Isolation {
  // No parameters of its own: the server's defaults (snapshot, wait).
  ServerDefault,
  // Read committed with record versions, waiting on locks.
  ReadCommitted,
  // A snapshot that writes nothing: every statement that would change the
  // database is refused by the server.
  ReadOnlySnapshot,
};

enum class LockWait {
  Wait,    // a statement waits for a lock held by another transaction
  NoWait,  // it fails at once with the lock conflict
};

// A transaction on one attachment. One that is neither committed nor rolled
// back when destroyed, or when its attachment closes, is committed: the
// suite's connections never undo work implicitly.
class Transaction {
public:
  // `lockTimeout`: seconds a statement waits for a lock held by another
  // transaction before it fails; without it, it waits as long as it takes.
  // `LockWait::NoWait` waits not at all and ignores `lockTimeout`.
  explicit Transaction(Attachment& attachment, Isolation isolation = Isolation::ServerDefault,
                       std::optional<int> lockTimeout = std::nullopt,
                       LockWait wait = LockWait::Wait);
  Transaction(Transaction&&) noexcept;
  Transaction& operator=(Transaction&&) noexcept;
  ~Transaction();

  bool active() const;
  void commit();
  void commitRetaining();
  void rollback();

  // Prepares and runs `sql`; returns the rows it affected.
  std::uint64_t execute(std::string_view sql, const Row& params = {});
  // Prepares and opens a SELECT.
  Cursor open(std::string_view sql, const Row& params = {});
  // Every row of a SELECT.
  std::vector<Row> query(std::string_view sql, const Row& params = {});

  std::shared_ptr<detail::TransactionState> state() const { return state_; }

private:
  std::shared_ptr<detail::TransactionState> state_;
};

}  // namespace fb
