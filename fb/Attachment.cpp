#include "fb/Attachment.h"

#include <algorithm>
#include <optional>

#include "fb/State.h"
#include "fb/TraceRecorder.h"
#include "fb/Transaction.h"

namespace fb {

namespace detail {

AttachmentState::~AttachmentState() {
  try {
    close();
  } catch (const Error&) {
    // Destructors never throw; close() already released what it could.
  }
}

void AttachmentState::close() {
  if (!attachment) return;
  // Each commit unregisters its transaction, so walk a copy.
  std::optional<Error> failure;
  for (TransactionState* t : std::vector<TransactionState*>(live)) {
    try {
      t->commit();
    } catch (const Error& e) {
      if (!failure) failure = e;
    }
  }
  Firebird::IAttachment* a = std::exchange(attachment, nullptr);
  TraceEvent event;
  event.kind = TraceEvent::Kind::Detach;
  event.attachment = traceId;
  try {
    call([&](auto* st) { a->detach(st); });
  } catch (const Error& e) {
    a->release();
    if (!failure) failure = e;
    event.failed = true;
  }
  if (tracing()) record(std::move(event));
  live.clear();
  if (failure) throw *failure;
}

}  // namespace detail

namespace {

// Records an attach or a create, whether or not it succeeded.
void recordAttach(TraceEvent::Kind kind, std::uint64_t id, const ConnectParams& params,
                  bool failed) {
  if (!detail::tracing()) return;
  TraceEvent event;
  event.kind = kind;
  event.attachment = id;
  event.text = params.database;
  event.user = params.user;
  event.role = params.role;
  event.failed = failed;
  detail::record(std::move(event));
}

// Opens or creates the attachment of `state`, recording the call.
template <class F>
void attachTraced(detail::AttachmentState& state, TraceEvent::Kind kind,
                  const ConnectParams& params, F&& open) {
  state.traceId = detail::nextTraceId();
  try {
    state.attachment = open();
  } catch (const Error&) {
    recordAttach(kind, state.traceId, params, true);
    throw;
  }
  recordAttach(kind, state.traceId, params, false);
}

void addCredentials(detail::Xpb& dpb, const ConnectParams& params) {
  detail::call([&](auto* st) {
    dpb->insertString(st, isc_dpb_user_name, params.user.c_str());
    dpb->insertString(st, isc_dpb_password, params.password.c_str());
    if (!params.role.empty()) dpb->insertString(st, isc_dpb_sql_role_name, params.role.c_str());
    dpb->insertInt(st, isc_dpb_sql_dialect, 3);
  });
}

}  // namespace

Attachment::Attachment(std::shared_ptr<detail::AttachmentState> state, std::string database)
    : state_(std::move(state)), database_(std::move(database)) {}

Attachment::Attachment(Attachment&&) noexcept = default;
Attachment& Attachment::operator=(Attachment&& other) noexcept {
  if (this != &other) {
    if (state_) {
      try {
        state_->close();
      } catch (const Error&) {
      }
    }
    state_ = std::move(other.state_);
    database_ = std::move(other.database_);
  }
  return *this;
}

Attachment::~Attachment() {
  if (!state_) return;
  try {
    state_->close();
  } catch (const Error&) {
    // Destructors never throw.
  }
}

Attachment Attachment::attach(const ConnectParams& params) {
  detail::Xpb dpb(Firebird::IXpbBuilder::DPB);
  addCredentials(dpb, params);
  auto state = std::make_shared<detail::AttachmentState>();
  attachTraced(*state, TraceEvent::Kind::Attach, params, [&] {
    return detail::call([&](auto* st) {
      return detail::provider()->attachDatabase(st, params.database.c_str(), dpb.length(),
                                                dpb.buffer());
    });
  });
  return Attachment(std::move(state), params.database);
}

Attachment Attachment::create(const ConnectParams& params, const CreateOptions& options) {
  detail::Xpb dpb(Firebird::IXpbBuilder::DPB);
  addCredentials(dpb, params);
  detail::call([&](auto* st) {
    dpb->insertInt(st, isc_dpb_page_size, static_cast<int>(options.pageSize));
    dpb->insertInt(st, isc_dpb_force_write, options.forcedWrites ? 1 : 0);
    dpb->insertInt(st, isc_dpb_set_db_sql_dialect, 3);
  });
  auto state = std::make_shared<detail::AttachmentState>();
  attachTraced(*state, TraceEvent::Kind::Create, params, [&] {
    return detail::call([&](auto* st) {
      return detail::provider()->createDatabase(st, params.database.c_str(), dpb.length(),
                                                dpb.buffer());
    });
  });
  return Attachment(std::move(state), params.database);
}

bool Attachment::valid() const { return state_ && state_->attachment; }

void Attachment::close() {
  if (state_) state_->close();
}

void Attachment::drop() {
  if (!valid()) throw UsageError("the attachment is closed");
  if (!state_->live.empty()) throw UsageError("cannot drop a database with open transactions");
  Firebird::IAttachment* a = state_->attachment;
  detail::call([&](auto* st) { a->dropDatabase(st); });
  state_->attachment = nullptr;  // dropDatabase released it
}

std::uint64_t Attachment::execute(std::string_view sql, const Row& params) {
  Transaction transaction(*this);
  const std::uint64_t affected = transaction.execute(sql, params);
  transaction.commit();
  return affected;
}

}  // namespace fb
