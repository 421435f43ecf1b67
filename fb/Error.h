#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace fb {

// An error reported by Firebird (or by this layer while talking to it).
// what() is the server's whole message as isql-fb prints it: one status line
// per text line, the lines after the first starting with "-".
class Error : public std::runtime_error {
public:
  Error(const std::string& message, std::string sqlState, long code);

  // The five-character SQLSTATE, empty for errors detected by this layer.
  const std::string& sqlState() const { return sqlState_; }
  // The first GDS error code of the status vector, 0 for errors of this layer.
  long code() const { return code_; }
  // The message split into its status lines.
  std::vector<std::string> lines() const;

private:
  std::string sqlState_;
  long code_;
};

// A misuse of this layer by its caller (a value read as the wrong kind, a
// statement given the wrong number of parameters, a transaction or an
// attachment used after it ended): a fault of the program, never of the
// database, so no write-error capture ever takes it for a refused write.
class UsageError : public std::logic_error {
public:
  using std::logic_error::logic_error;
};

}  // namespace fb
