#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fb {

class Transaction;

// The primary-key columns of `table` in key order; empty when it has none.
// The name is compared as the catalogue stores it (upper case for names that
// were not quoted).
std::vector<std::string> primaryKey(Transaction& transaction, std::string_view table);

}  // namespace fb
