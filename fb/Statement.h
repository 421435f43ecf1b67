#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fb/Column.h"
#include "fb/Value.h"

namespace fb {

class Transaction;
class Cursor;

namespace detail {
struct StatementState;
}

// A prepared statement, reusable with other parameter values.
class Statement {
public:
  // Prepares `sql` on the attachment of `transaction`.
  Statement(Transaction& transaction, std::string_view sql);
  Statement(Statement&&) noexcept;
  Statement& operator=(Statement&&) noexcept;
  ~Statement();

  const std::string& sql() const;
  const Columns& columns() const;     // output columns
  const Columns& parameters() const;  // input parameters as the server typed them
  bool isSelect() const;

  // Runs the statement; returns the rows an INSERT, UPDATE or DELETE affected.
  std::uint64_t execute(Transaction& transaction, const Row& params = {});
  Cursor open(Transaction& transaction, const Row& params = {});

private:
  std::shared_ptr<detail::StatementState> state_;
};

}  // namespace fb
