#include "fb/Error.h"

#include <sstream>

namespace fb {

Error::Error(const std::string& message, std::string sqlState, long code)
    : std::runtime_error(message), sqlState_(std::move(sqlState)), code_(code) {}

std::vector<std::string> Error::lines() const {
  std::vector<std::string> out;
  std::istringstream in(what());
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

}  // namespace fb
