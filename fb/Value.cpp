#include "fb/Value.h"

#include <cstdio>
#include <ostream>

#include "fb/Error.h"

namespace fb {

namespace {

template <class T>
const T& get(const auto& v, const char* what) {
  if (const T* p = std::get_if<T>(&v)) return *p;
  throw UsageError(std::string("value is not ") + what);
}

}  // namespace

std::int64_t Value::asInteger() const { return get<std::int64_t>(v_, "an integer"); }
Decimal Value::asDecimal() const { return get<Decimal>(v_, "a decimal"); }
double Value::asDouble() const { return get<double>(v_, "a double"); }
const std::string& Value::asText() const { return get<std::string>(v_, "a text"); }
Date Value::asDate() const { return get<Date>(v_, "a date"); }
Time Value::asTime() const { return get<Time>(v_, "a time"); }
Timestamp Value::asTimestamp() const { return get<Timestamp>(v_, "a timestamp"); }
const Blob& Value::asBlob() const { return get<Blob>(v_, "a blob"); }
bool Value::asBoolean() const { return get<bool>(v_, "a boolean"); }

std::string toString(Decimal d) {
  // Work on the magnitude as unsigned so that INT64_MIN is representable.
  const bool negative = d.value < 0;
  std::uint64_t magnitude = negative ? ~static_cast<std::uint64_t>(d.value) + 1
                                     : static_cast<std::uint64_t>(d.value);
  std::string digits = std::to_string(magnitude);
  const auto places = static_cast<std::size_t>(d.scale < 0 ? -d.scale : 0);
  if (places > 0) {
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, 1, '.');
  }
  for (int i = 0; i < d.scale; ++i) digits += '0';
  return negative ? "-" + digits : digits;
}

std::string toString(Date d) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02u/%02u", d.year, d.month, d.day);
  return text;
}

namespace {

std::string timeText(Time t) {
  char text[32];
  if (t.fractions)
    std::snprintf(text, sizeof text, "%02u:%02u:%02u.%04u", t.hours, t.minutes, t.seconds,
                  t.fractions);
  else
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", t.hours, t.minutes, t.seconds);
  return text;
}

}  // namespace

std::string Value::toString() const {
  switch (kind()) {
    case Kind::Null: return {};
    case Kind::Integer: return std::to_string(asInteger());
    case Kind::Decimal: return fb::toString(asDecimal());
    case Kind::Double: {
      char text[64];
      std::snprintf(text, sizeof text, "%.17g", asDouble());
      return text;
    }
    case Kind::Text: return asText();
    case Kind::Date: return fb::toString(asDate());
    case Kind::Time: return timeText(asTime());
    case Kind::Timestamp: return fb::toString(asTimestamp().date) + " " + timeText(asTimestamp().time);
    case Kind::Blob: return asBlob().bytes;
    case Kind::Boolean: return asBoolean() ? "TRUE" : "FALSE";
  }
  return {};
}

std::ostream& operator<<(std::ostream& out, const Decimal& d) { return out << toString(d); }

std::ostream& operator<<(std::ostream& out, const Value& v) {
  static const char* const nombres[] = {"null", "integer", "decimal", "double", "text",
                                        "date", "time", "timestamp", "blob", "boolean"};
  out << nombres[static_cast<int>(v.kind())];
  if (!v.isNull()) out << " '" << v.toString() << "'";
  return out;
}

}  // namespace fb
