#include "fb/Cursor.h"

#include "fb/State.h"
#include "fb/TraceRecorder.h"

namespace fb {

namespace detail {

CursorState::~CursorState() {
  try {
    close();
  } catch (const Error&) {
    // The guard releases the client object.
  }
}

void CursorState::close() {
  if (!resultSet) return;
  Firebird::IResultSet* rs = resultSet.get();
  TraceEvent event;
  event.kind = TraceEvent::Kind::Close;
  event.cursor = traceId;
  try {
    call([&](auto* st) { rs->close(st); });
  } catch (const Error&) {
    event.failed = true;
    if (tracing()) record(std::move(event));
    throw;
  }
  if (tracing()) record(std::move(event));
  resultSet.release();  // close() released it
}

}  // namespace detail

Cursor::Cursor(std::unique_ptr<detail::CursorState> state) : state_(std::move(state)) {}
Cursor::Cursor(Cursor&&) noexcept = default;
Cursor& Cursor::operator=(Cursor&&) noexcept = default;
Cursor::~Cursor() = default;

const Columns& Cursor::columns() const { return state_->columns; }

std::optional<Row> Cursor::fetch() {
  auto& s = *state_;
  if (!s.resultSet) return std::nullopt;
  Firebird::IResultSet* rs = s.resultSet.get();
  const int result = detail::call([&](auto* st) { return rs->fetchNext(st, s.buffer.data()); });
  if (detail::tracing()) detail::recordFetch(s.traceId, result == Firebird::IStatus::RESULT_OK);
  if (result != Firebird::IStatus::RESULT_OK) return std::nullopt;

  Firebird::IAttachment* attachment = s.statement->owner->attachment;
  Firebird::ITransaction* transaction = s.transaction->get();
  Row row;
  row.reserve(s.columns.size());
  for (std::size_t i = 0; i < s.columns.size(); ++i) {
    const auto* nullFlag = reinterpret_cast<const std::int16_t*>(&s.buffer[s.nullOffsets[i]]);
    if (*nullFlag)
      row.emplace_back();
    else
      row.push_back(detail::decode(attachment, transaction, s.columns[i], &s.buffer[s.offsets[i]]));
  }
  return row;
}

std::vector<Row> Cursor::fetchAll() {
  std::vector<Row> rows;
  while (auto row = fetch()) rows.push_back(std::move(*row));
  return rows;
}

void Cursor::close() { state_->close(); }

}  // namespace fb
