#include "fb/Transaction.h"

#include <algorithm>

#include "fb/Attachment.h"
#include "fb/Cursor.h"
#include "fb/State.h"
#include "fb/TraceRecorder.h"
#include "fb/Statement.h"

namespace fb {

namespace detail {

Firebird::ITransaction* startTransaction(Firebird::IAttachment* attachment, bool readCommitted,
                                         std::optional<int> lockTimeout, bool noWait) {
  if (noWait) lockTimeout.reset();
  if (!readCommitted && !lockTimeout && !noWait)
    return call([&](auto* st) { return attachment->startTransaction(st, 0, nullptr); });
  Xpb tpb(Firebird::IXpbBuilder::TPB);
  call([&](auto* st) {
    tpb->insertTag(st, isc_tpb_write);
    if (readCommitted) {
      tpb->insertTag(st, isc_tpb_read_committed);
      tpb->insertTag(st, isc_tpb_rec_version);
    } else {
      tpb->insertTag(st, isc_tpb_concurrency);  // the server's default isolation
    }
    tpb->insertTag(st, noWait ? isc_tpb_nowait : isc_tpb_wait);
    if (lockTimeout) tpb->insertInt(st, isc_tpb_lock_timeout, *lockTimeout);
  });
  const unsigned length = tpb.length();
  const unsigned char* buffer = tpb.buffer();
  return call([&](auto* st) { return attachment->startTransaction(st, length, buffer); });
}

Firebird::ITransaction* startReadOnlySnapshot(Firebird::IAttachment* attachment) {
  Xpb tpb(Firebird::IXpbBuilder::TPB);
  call([&](auto* st) {
    tpb->insertTag(st, isc_tpb_read);
    tpb->insertTag(st, isc_tpb_concurrency);
    tpb->insertTag(st, isc_tpb_wait);
  });
  const unsigned length = tpb.length();
  const unsigned char* buffer = tpb.buffer();
  return call([&](auto* st) { return attachment->startTransaction(st, length, buffer); });
}

TransactionState::~TransactionState() {
  if (!transaction) return;
  try {
    commit();
  } catch (const Error&) {
    // Releasing a live transaction rolls it back; nothing else is possible here.
    std::exchange(transaction, nullptr)->release();
    forget();
  }
}

Firebird::ITransaction* TransactionState::get() const {
  if (!transaction) throw UsageError("the transaction has already ended");
  return transaction;
}

void recordEnd(TraceEvent::Kind kind, std::uint64_t id, bool failed) {
  if (!tracing()) return;
  TraceEvent event;
  event.kind = kind;
  event.transaction = id;
  event.failed = failed;
  record(std::move(event));
}

// Runs one end of a transaction (or a commit retaining), recording it.
template <class F>
void endTraced(TraceEvent::Kind kind, std::uint64_t id, F&& end) {
  try {
    end();
  } catch (const Error&) {
    recordEnd(kind, id, true);
    throw;
  }
  recordEnd(kind, id, false);
}

void TransactionState::commit() {
  Firebird::ITransaction* t = get();
  endTraced(TraceEvent::Kind::Commit, traceId, [&] { call([&](auto* st) { t->commit(st); }); });
  transaction = nullptr;
  forget();
}

void TransactionState::rollback() {
  Firebird::ITransaction* t = get();
  endTraced(TraceEvent::Kind::Rollback, traceId,
            [&] { call([&](auto* st) { t->rollback(st); }); });
  transaction = nullptr;
  forget();
}

void TransactionState::forget() {
  if (!owner) return;
  auto& live = owner->live;
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

}  // namespace detail

Transaction::Transaction(Attachment& attachment, Isolation isolation,
                         std::optional<int> lockTimeout, LockWait wait)
    : state_(std::make_shared<detail::TransactionState>()) {
  state_->owner = attachment.state();
  if (!state_->owner || !state_->owner->attachment)
    throw UsageError("the attachment is closed");
  state_->traceId = detail::nextTraceId();
  TraceEvent event;
  event.kind = TraceEvent::Kind::Start;
  event.attachment = state_->owner->traceId;
  event.transaction = state_->traceId;
  event.readCommitted = isolation == Isolation::ReadCommitted;
  event.lockTimeout = lockTimeout;
  try {
    state_->transaction =
        isolation == Isolation::ReadOnlySnapshot
            ? detail::startReadOnlySnapshot(state_->owner->attachment)
            : detail::startTransaction(state_->owner->attachment,
                                       isolation == Isolation::ReadCommitted, lockTimeout,
                                       wait == LockWait::NoWait);
  } catch (const Error&) {
    event.failed = true;
    if (detail::tracing()) detail::record(std::move(event));
    throw;
  }
  if (detail::tracing()) detail::record(std::move(event));
  state_->owner->live.push_back(state_.get());
}

Transaction::Transaction(Transaction&&) noexcept = default;
Transaction& Transaction::operator=(Transaction&&) noexcept = default;
Transaction::~Transaction() = default;

bool Transaction::active() const { return state_ && state_->active(); }

void Transaction::commit() { state_->commit(); }

void Transaction::commitRetaining() {
  Firebird::ITransaction* t = state_->get();
  detail::endTraced(TraceEvent::Kind::CommitRetaining, state_->traceId,
                    [&] { detail::call([&](auto* st) { t->commitRetaining(st); }); });
}

void Transaction::rollback() { state_->rollback(); }

std::uint64_t Transaction::execute(std::string_view sql, const Row& params) {
  Statement statement(*this, sql);
  return statement.execute(*this, params);
}

Cursor Transaction::open(std::string_view sql, const Row& params) {
  Statement statement(*this, sql);
  return statement.open(*this, params);
}

std::vector<Row> Transaction::query(std::string_view sql, const Row& params) {
  return open(sql, params).fetchAll();
}

}  // namespace fb
