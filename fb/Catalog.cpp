#include "fb/Catalog.h"

#include "fb/Transaction.h"

namespace fb {

std::vector<std::string> primaryKey(Transaction& transaction, std::string_view table) {
  const auto rows = transaction.query(
      "select trim(s.rdb$field_name) from rdb$relation_constraints c "
      "join rdb$index_segments s on s.rdb$index_name = c.rdb$index_name "
      "where c.rdb$relation_name = ? and c.rdb$constraint_type = 'PRIMARY KEY' "
      "order by s.rdb$field_position",
      {std::string(table)});
  std::vector<std::string> columns;
  for (const auto& row : rows) columns.push_back(row.at(0).asText());
  return columns;
}

}  // namespace fb
