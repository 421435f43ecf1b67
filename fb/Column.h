#pragma once

#include <string>
#include <vector>

namespace fb {

// SQL types as the client library reports them (the values of ibase.h).
enum class SqlType : unsigned {
  Varying = 448,
  Text = 452,
  Double = 480,
  Float = 482,
  Long = 496,
  Short = 500,
  Timestamp = 510,
  Blob = 520,
  DFloat = 530,
  Array = 540,
  Quad = 550,
  Time = 560,
  Date = 570,
  Int64 = 580,
  Boolean = 32764,
  Null = 32766,
};

// What the server says about one column of a result set or one parameter.
struct Column {
  std::string name;      // the alias, as "select *" names the column
  std::string field;     // the table's column name
  std::string relation;  // the table, empty for an expression
  SqlType type = SqlType::Null;
  int subType = 0;       // NUMERIC 1, DECIMAL 2; blob: 1 text, 0 binary
  int scale = 0;         // negative for fixed point
  unsigned length = 0;   // bytes
  bool nullable = true;  // false for NOT NULL table columns
  unsigned charSet = 0;

  bool isFixedPoint() const {
    return (type == SqlType::Short || type == SqlType::Long || type == SqlType::Int64) &&
           (scale < 0 || subType == 1 || subType == 2);
  }
  bool isBlob() const { return type == SqlType::Blob; }
  bool isText() const { return type == SqlType::Text || type == SqlType::Varying; }
};

using Columns = std::vector<Column>;

}  // namespace fb
