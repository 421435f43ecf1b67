#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "fb/Column.h"
#include "fb/Value.h"

namespace fb {

namespace detail {
struct CursorState;
}

// An open result set, read forward; blobs are read whole as rows arrive.
class Cursor {
public:
  explicit Cursor(std::unique_ptr<detail::CursorState> state);
  Cursor(Cursor&&) noexcept;
  Cursor& operator=(Cursor&&) noexcept;
  ~Cursor();

  const Columns& columns() const;
  // The next row, or nothing at the end.
  std::optional<Row> fetch();
  std::vector<Row> fetchAll();
  void close();

private:
  std::unique_ptr<detail::CursorState> state_;
};

}  // namespace fb
