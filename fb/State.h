#pragma once

// Internal: the interfaces behind the public types of this folder.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fb/Column.h"
#include "fb/Shim.h"
#include "fb/Value.h"

namespace fb::detail {

struct TransactionState;

struct AttachmentState {
  Firebird::IAttachment* attachment = nullptr;
  std::uint64_t traceId = 0;
  // Transactions started on this attachment and not yet ended.
  std::vector<TransactionState*> live;

  ~AttachmentState();
  // Commits every live transaction, then detaches.
  void close();
};

struct TransactionState {
  std::shared_ptr<AttachmentState> owner;
  Firebird::ITransaction* transaction = nullptr;
  std::uint64_t traceId = 0;

  ~TransactionState();
  bool active() const { return transaction != nullptr; }
  Firebird::ITransaction* get() const;  // throws when ended
  void commit();
  void rollback();
  void forget();  // unregisters from the owner once ended
};

struct StatementState {
  ~StatementState();
  std::shared_ptr<AttachmentState> owner;
  Ref<Firebird::IStatement> statement;
  std::string sql;
  Ref<Firebird::IMessageMetadata> inputMetadata;
  Ref<Firebird::IMessageMetadata> outputMetadata;
  Columns parameters;
  Columns columns;
  unsigned type = 0;
  std::uint64_t traceId = 0;
};

struct CursorState {
  ~CursorState();
  void close();
  // The statement outlives its result set: freeing it would close the cursor.
  std::shared_ptr<StatementState> statement;
  std::shared_ptr<TransactionState> transaction;
  Ref<Firebird::IResultSet> resultSet;
  Ref<Firebird::IMessageMetadata> metadata;
  Columns columns;
  std::vector<unsigned char> buffer;
  std::vector<unsigned> offsets;
  std::vector<unsigned> nullOffsets;
  std::uint64_t traceId = 0;
};

// Describes every field of a message.
Columns describe(Firebird::IMessageMetadata* metadata);

// An input message laid out for `params` over the server's parameter types.
struct InputMessage {
  Ref<Firebird::IMessageMetadata> metadata;
  std::vector<unsigned char> buffer;
};
InputMessage encode(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
                    Firebird::IMessageMetadata* serverMetadata, const Row& params);

// Reads one field of an output message; `data` points at the field.
Value decode(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
             const Column& column, const unsigned char* data);

Firebird::ITransaction* startTransaction(Firebird::IAttachment* attachment, bool readCommitted,
                                         std::optional<int> lockTimeout, bool noWait);

}  // namespace fb::detail
