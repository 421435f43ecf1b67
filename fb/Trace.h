#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "fb/Value.h"

namespace fb {

// One call that this layer made to the server, as the trace records it.
// Attachments, transactions, statements and cursors are numbered in the
// order they were made, one numbering for the whole process.
struct TraceEvent {
  enum class Kind {
    Attach,           // attachment, text = database, user, role
    Create,           // attachment, text = database, user, role
    Detach,           // attachment
    Start,            // attachment, transaction, readCommitted, lockTimeout
    Commit,           // transaction
    CommitRetaining,  // transaction
    Rollback,         // transaction
    Prepare,          // attachment, transaction, statement, text = SQL
    Execute,          // statement, transaction, count = rows affected, params
    Open,             // statement, transaction, cursor, params
    Fetch,            // cursor, count = rows read, end = the end was reached
    Close,            // cursor
  };
  Kind kind = Kind::Attach;
  std::uint64_t attachment = 0;
  std::uint64_t transaction = 0;
  std::uint64_t statement = 0;
  std::uint64_t cursor = 0;
  std::string text;
  std::string user;
  std::string role;
  bool readCommitted = false;
  std::optional<int> lockTimeout;
  std::uint64_t count = 0;
  bool end = false;
  Row params;
  bool failed = false;  // the server refused the call
};

// Records, from now on, every call of this process to the server in the file
// `path` (replaced), in the order the calls were made: attachments,
// transaction boundaries, statements prepared with their texts, executions
// and opens with their parameters, rows fetched. Passwords are not recorded.
// Consecutive fetches of one cursor are recorded as one event. Throws
// std::runtime_error when the file cannot be created.
void startTrace(const std::string& path);
// Writes what is still buffered and closes the file; nothing after it is
// recorded. Throws std::runtime_error when the file could not be written.
void stopTrace();

// Reads a trace file event by event.
class TraceReader {
public:
  explicit TraceReader(const std::string& path);  // throws std::runtime_error
  ~TraceReader();
  TraceReader(const TraceReader&) = delete;
  TraceReader& operator=(const TraceReader&) = delete;

  // The next event, or nothing at the end of the file. A malformed line
  // throws std::runtime_error naming its line number.
  std::optional<TraceEvent> next();

private:
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
  std::string line_;
  std::uint64_t lineNumber_ = 0;
};

// The line of an event, without its end of line (the trace's format).
std::string formatTraceEvent(const TraceEvent& event);
// The event of a line; throws std::runtime_error when it is malformed.
TraceEvent parseTraceEvent(const std::string& line);

}  // namespace fb
