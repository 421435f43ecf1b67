#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

namespace fb {

struct Date {
  int year = 0;
  unsigned month = 0;
  unsigned day = 0;
  friend bool operator==(const Date&, const Date&) = default;
};

// Time of day; fractions are ten-thousandths of a second, as Firebird keeps them.
struct Time {
  unsigned hours = 0;
  unsigned minutes = 0;
  unsigned seconds = 0;
  unsigned fractions = 0;
  friend bool operator==(const Time&, const Time&) = default;
};

struct Timestamp {
  Date date;
  Time time;
  friend bool operator==(const Timestamp&, const Timestamp&) = default;
};

// An exact fixed-point number: value * 10^scale, scale <= 0 (NUMERIC/DECIMAL).
struct Decimal {
  std::int64_t value = 0;
  int scale = 0;
  friend bool operator==(const Decimal&, const Decimal&) = default;
};

// The bytes of a blob, read or written whole.
struct Blob {
  std::string bytes;
  friend bool operator==(const Blob&, const Blob&) = default;
};

// One value of a column or a parameter. Text is a byte string: the connection
// names no character set, so bytes travel unchanged and CHAR values keep their
// trailing blanks.
class Value {
public:
  enum class Kind { Null, Integer, Decimal, Double, Text, Date, Time, Timestamp, Blob, Boolean };

  Value() = default;
  Value(std::int64_t v) : v_(v) {}
  Value(int v) : v_(static_cast<std::int64_t>(v)) {}
  Value(Decimal v) : v_(v) {}
  Value(double v) : v_(v) {}
  Value(std::string v) : v_(std::move(v)) {}
  Value(const char* v) : v_(std::string(v)) {}
  Value(Date v) : v_(v) {}
  Value(Time v) : v_(v) {}
  Value(Timestamp v) : v_(v) {}
  Value(Blob v) : v_(std::move(v)) {}
  Value(bool v) : v_(v) {}

  Kind kind() const { return static_cast<Kind>(v_.index()); }
  bool isNull() const { return kind() == Kind::Null; }

  std::int64_t asInteger() const;
  Decimal asDecimal() const;
  double asDouble() const;
  const std::string& asText() const;
  Date asDate() const;
  Time asTime() const;
  Timestamp asTimestamp() const;
  const Blob& asBlob() const;
  bool asBoolean() const;

  // The value as text: integers and decimals in plain decimal notation
  // ("1234.50"), dates "yyyy/mm/dd", times "hh:mm:ss" (".ffff" when there
  // are fractions), text and blob bytes unchanged, null as the empty text.
  std::string toString() const;

  friend bool operator==(const Value&, const Value&) = default;

private:
  std::variant<std::monostate, std::int64_t, Decimal, double, std::string, Date, Time, Timestamp,
               Blob, bool>
      v_;
};

using Row = std::vector<Value>;

// For diagnostics: the kind and the text of the value.
std::ostream& operator<<(std::ostream& out, const Value& v);
std::ostream& operator<<(std::ostream& out, const Decimal& d);

// Text of a decimal in plain notation: {-1, 4} gives "-0.0001".
std::string toString(Decimal d);
// "yyyy/mm/dd"
std::string toString(Date d);

}  // namespace fb
