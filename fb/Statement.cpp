#include "fb/Statement.h"

#include "fb/Cursor.h"
#include "fb/State.h"
#include "fb/TraceRecorder.h"
#include "fb/Transaction.h"

namespace fb {

namespace detail {

StatementState::~StatementState() {
  if (!statement) return;
  Firebird::IStatement* s = statement.get();
  try {
    call([&](auto* st) { s->free(st); });
    statement.release();  // free() released it
  } catch (const Error&) {
    // The guard releases the client object.
  }
}

}  // namespace detail

namespace {

// Runs one call of a statement and records it, whether or not it succeeded;
// `call` may complete the event from its outcome (the rows affected).
template <class F>
auto traced(TraceEvent event, F&& call) {
  if (!detail::tracing()) return call(event);
  try {
    auto result = call(event);
    detail::record(std::move(event));
    return result;
  } catch (const Error&) {
    event.failed = true;
    detail::record(std::move(event));
    throw;
  }
}

}  // namespace

Statement::Statement(Transaction& transaction, std::string_view sql)
    : state_(std::make_shared<detail::StatementState>()) {
  auto tra = transaction.state();
  state_->owner = tra->owner;
  state_->sql = std::string(sql);
  Firebird::IAttachment* attachment = state_->owner ? state_->owner->attachment : nullptr;
  if (!attachment) throw UsageError("the attachment is closed");
  Firebird::ITransaction* t = tra->get();
  state_->traceId = detail::nextTraceId();
  TraceEvent event;
  event.kind = TraceEvent::Kind::Prepare;
  event.attachment = state_->owner->traceId;
  event.transaction = tra->traceId;
  event.statement = state_->traceId;
  if (detail::tracing()) event.text = state_->sql;
  state_->statement = traced(std::move(event), [&](TraceEvent&) {
    return detail::Ref<Firebird::IStatement>(detail::call([&](auto* st) {
      return attachment->prepare(st, t, 0, state_->sql.c_str(), 3,
                                 Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    }));
  });
  auto* s = state_->statement.get();
  detail::call([&](auto* st) {
    state_->type = s->getType(st);
    state_->inputMetadata = detail::Ref<Firebird::IMessageMetadata>(s->getInputMetadata(st));
    state_->outputMetadata = detail::Ref<Firebird::IMessageMetadata>(s->getOutputMetadata(st));
  });
  state_->parameters = detail::describe(state_->inputMetadata.get());
  state_->columns = detail::describe(state_->outputMetadata.get());
}

Statement::Statement(Statement&&) noexcept = default;
Statement& Statement::operator=(Statement&&) noexcept = default;
Statement::~Statement() = default;

const std::string& Statement::sql() const { return state_->sql; }
const Columns& Statement::columns() const { return state_->columns; }
const Columns& Statement::parameters() const { return state_->parameters; }

bool Statement::isSelect() const {
  return state_->type == isc_info_sql_stmt_select ||
         state_->type == isc_info_sql_stmt_select_for_upd;
}

std::uint64_t Statement::execute(Transaction& transaction, const Row& params) {
  auto tra = transaction.state();
  Firebird::ITransaction* t = tra->get();
  Firebird::IAttachment* attachment = state_->owner->attachment;
  if (!attachment) throw UsageError("the attachment is closed");
  auto input = detail::encode(attachment, t, state_->inputMetadata.get(), params);

  // An "execute procedure" may return values; they are received and dropped.
  Firebird::IMessageMetadata* out = nullptr;
  std::vector<unsigned char> outBuffer;
  if (!state_->columns.empty() && !isSelect()) {
    out = state_->outputMetadata.get();
    outBuffer.resize(detail::call([&](auto* st) { return out->getMessageLength(st); }));
  }
  auto* s = state_->statement.get();
  TraceEvent event;
  event.kind = TraceEvent::Kind::Execute;
  event.statement = state_->traceId;
  event.transaction = tra->traceId;
  if (detail::tracing()) event.params = params;
  return traced(std::move(event), [&](TraceEvent& e) {
    e.count = detail::call([&](auto* st) {
      s->execute(st, t, input.metadata.get(), input.buffer.data(), out,
                 outBuffer.empty() ? nullptr : outBuffer.data());
      return static_cast<std::uint64_t>(s->getAffectedRecords(st));
    });
    return e.count;
  });
}

Cursor Statement::open(Transaction& transaction, const Row& params) {
  auto tra = transaction.state();
  Firebird::ITransaction* t = tra->get();
  Firebird::IAttachment* attachment = state_->owner->attachment;
  if (!attachment) throw UsageError("the attachment is closed");
  auto input = detail::encode(attachment, t, state_->inputMetadata.get(), params);

  auto cursor = std::make_unique<detail::CursorState>();
  cursor->statement = state_;
  cursor->transaction = tra;
  cursor->columns = state_->columns;
  cursor->metadata = detail::Ref<Firebird::IMessageMetadata>(state_->outputMetadata.get());
  cursor->metadata->addRef();
  auto* s = state_->statement.get();
  auto* meta = cursor->metadata.get();
  detail::call([&](auto* st) {
    cursor->buffer.resize(meta->getMessageLength(st));
    for (unsigned i = 0; i < cursor->columns.size(); ++i) {
      cursor->offsets.push_back(meta->getOffset(st, i));
      cursor->nullOffsets.push_back(meta->getNullOffset(st, i));
    }
  });
  cursor->traceId = detail::nextTraceId();
  TraceEvent event;
  event.kind = TraceEvent::Kind::Open;
  event.statement = state_->traceId;
  event.transaction = tra->traceId;
  event.cursor = cursor->traceId;
  if (detail::tracing()) event.params = params;
  cursor->resultSet = traced(std::move(event), [&](TraceEvent&) {
    return detail::Ref<Firebird::IResultSet>(detail::call([&](auto* st) {
      return s->openCursor(st, t, input.metadata.get(), input.buffer.data(), meta, 0);
    }));
  });
  return Cursor(std::move(cursor));
}

}  // namespace fb
