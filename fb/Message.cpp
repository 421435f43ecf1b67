// Layout of the messages exchanged with the server: describing fields,
// writing parameters and reading column values.

#include <cstring>

#include "fb/State.h"

namespace fb::detail {

namespace {

template <class T>
T load(const unsigned char* data) {
  T value;
  std::memcpy(&value, data, sizeof value);
  return value;
}

template <class T>
void store(unsigned char* data, T value) {
  std::memcpy(data, &value, sizeof value);
}

std::string readBlob(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
                     ISC_QUAD id) {
  Ref<Firebird::IBlob> blob(
      call([&](auto* st) { return attachment->openBlob(st, transaction, &id, 0, nullptr); }));
  std::string bytes;
  std::vector<char> segment(65535);
  for (;;) {
    unsigned got = 0;
    const int result = call([&](auto* st) {
      return blob->getSegment(st, static_cast<unsigned>(segment.size()), segment.data(), &got);
    });
    if (result != Firebird::IStatus::RESULT_OK && result != Firebird::IStatus::RESULT_SEGMENT)
      break;
    bytes.append(segment.data(), got);
  }
  Firebird::IBlob* b = blob.get();
  call([&](auto* st) { b->close(st); });
  blob.release();
  return bytes;
}

ISC_QUAD writeBlob(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
                   const std::string& bytes) {
  ISC_QUAD id{};
  Ref<Firebird::IBlob> blob(
      call([&](auto* st) { return attachment->createBlob(st, transaction, &id, 0, nullptr); }));
  constexpr std::size_t segment = 32768;
  for (std::size_t at = 0; at < bytes.size(); at += segment) {
    const auto n = static_cast<unsigned>(std::min(segment, bytes.size() - at));
    call([&](auto* st) { blob->putSegment(st, n, bytes.data() + at); });
  }
  Firebird::IBlob* b = blob.get();
  call([&](auto* st) { b->close(st); });
  blob.release();
  return id;
}

std::int64_t scaleCheck(const Value& v) {
  return v.kind() == Value::Kind::Integer ? v.asInteger() : v.asDecimal().value;
}

}  // namespace

Columns describe(Firebird::IMessageMetadata* metadata) {
  Columns columns;
  if (!metadata) return columns;
  call([&](auto* st) {
    const unsigned count = metadata->getCount(st);
    for (unsigned i = 0; i < count; ++i) {
      Column c;
      c.name = metadata->getAlias(st, i);
      c.field = metadata->getField(st, i);
      c.relation = metadata->getRelation(st, i);
      c.type = static_cast<SqlType>(metadata->getType(st, i) & ~1u);
      c.subType = metadata->getSubType(st, i);
      c.scale = metadata->getScale(st, i);
      c.length = metadata->getLength(st, i);
      c.nullable = metadata->isNullable(st, i);
      c.charSet = metadata->getCharSet(st, i);
      columns.push_back(std::move(c));
    }
  });
  return columns;
}

InputMessage encode(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
                    Firebird::IMessageMetadata* serverMetadata, const Row& params) {
  const Columns server = describe(serverMetadata);
  if (server.size() != params.size())
    throw UsageError("the statement expects " + std::to_string(server.size()) +
                     " parameters, " + std::to_string(params.size()) + " were given");
  InputMessage message;
  if (server.empty()) return message;

  // Each parameter travels in the type of its value; the server converts it
  // to the column's type with its own rules.
  Ref<Firebird::IMetadataBuilder> builder(
      call([&](auto* st) { return serverMetadata->getBuilder(st); }));
  call([&](auto* st) {
    for (unsigned i = 0; i < params.size(); ++i) {
      const Value& v = params[i];
      const bool toBlob = server[i].isBlob();
      auto set = [&](unsigned type, unsigned length, int scale = 0) {
        builder->setType(st, i, type);
        builder->setLength(st, i, length);
        builder->setScale(st, i, scale);
      };
      switch (v.kind()) {
        case Value::Kind::Null: break;
        case Value::Kind::Integer: set(SQL_INT64, 8); break;
        case Value::Kind::Decimal: set(SQL_INT64, 8, v.asDecimal().scale); break;
        case Value::Kind::Double: set(SQL_DOUBLE, 8); break;
        case Value::Kind::Text:
          if (toBlob) {
            set(SQL_BLOB, sizeof(ISC_QUAD));
          } else {
            if (v.asText().size() > 32765) throw Error("text parameter longer than 32765 bytes", "", 0);
            set(SQL_VARYING, static_cast<unsigned>(std::max<std::size_t>(1, v.asText().size())));
          }
          break;
        case Value::Kind::Date: set(SQL_TYPE_DATE, sizeof(ISC_DATE)); break;
        case Value::Kind::Time: set(SQL_TYPE_TIME, sizeof(ISC_TIME)); break;
        case Value::Kind::Timestamp: set(SQL_TIMESTAMP, sizeof(ISC_TIMESTAMP)); break;
        case Value::Kind::Blob:
          set(SQL_BLOB, sizeof(ISC_QUAD));
          if (!toBlob) builder->setSubType(st, i, 0);
          break;
        case Value::Kind::Boolean: set(SQL_BOOLEAN, 1); break;
      }
    }
    message.metadata = Ref<Firebird::IMessageMetadata>(builder->getMetadata(st));
    message.buffer.assign(message.metadata->getMessageLength(st), 0);
  });

  for (unsigned i = 0; i < params.size(); ++i) {
    const Value& v = params[i];
    unsigned offset = 0;
    unsigned nullOffset = 0;
    call([&](auto* st) {
      offset = message.metadata->getOffset(st, i);
      nullOffset = message.metadata->getNullOffset(st, i);
    });
    unsigned char* data = &message.buffer[offset];
    store<std::int16_t>(&message.buffer[nullOffset], v.isNull() ? -1 : 0);
    switch (v.kind()) {
      case Value::Kind::Null: break;
      case Value::Kind::Integer:
      case Value::Kind::Decimal: store<std::int64_t>(data, scaleCheck(v)); break;
      case Value::Kind::Double: store<double>(data, v.asDouble()); break;
      case Value::Kind::Text:
        if (server[i].isBlob()) {
          store<ISC_QUAD>(data, writeBlob(attachment, transaction, v.asText()));
        } else {
          store<std::uint16_t>(data, static_cast<std::uint16_t>(v.asText().size()));
          std::memcpy(data + 2, v.asText().data(), v.asText().size());
        }
        break;
      case Value::Kind::Date: {
        const Date d = v.asDate();
        store<ISC_DATE>(data, util()->encodeDate(static_cast<unsigned>(d.year), d.month, d.day));
        break;
      }
      case Value::Kind::Time: {
        const Time t = v.asTime();
        store<ISC_TIME>(data, util()->encodeTime(t.hours, t.minutes, t.seconds, t.fractions));
        break;
      }
      case Value::Kind::Timestamp: {
        const Timestamp ts = v.asTimestamp();
        ISC_TIMESTAMP raw;
        raw.timestamp_date = util()->encodeDate(static_cast<unsigned>(ts.date.year),
                                                ts.date.month, ts.date.day);
        raw.timestamp_time =
            util()->encodeTime(ts.time.hours, ts.time.minutes, ts.time.seconds, ts.time.fractions);
        store<ISC_TIMESTAMP>(data, raw);
        break;
      }
      case Value::Kind::Blob:
        store<ISC_QUAD>(data, writeBlob(attachment, transaction, v.asBlob().bytes));
        break;
      case Value::Kind::Boolean: store<FB_BOOLEAN>(data, v.asBoolean() ? FB_TRUE : FB_FALSE); break;
    }
  }
  return message;
}

Value decode(Firebird::IAttachment* attachment, Firebird::ITransaction* transaction,
             const Column& column, const unsigned char* data) {
  auto integer = [&](std::int64_t v) -> Value {
    if (column.isFixedPoint()) return Decimal{v, column.scale};
    return v;
  };
  switch (column.type) {
    case SqlType::Text:
      return std::string(reinterpret_cast<const char*>(data), column.length);
    case SqlType::Varying:
      return std::string(reinterpret_cast<const char*>(data) + 2, load<std::uint16_t>(data));
    case SqlType::Short: return integer(load<std::int16_t>(data));
    case SqlType::Long: return integer(load<std::int32_t>(data));
    case SqlType::Int64: return integer(load<std::int64_t>(data));
    case SqlType::Float: return static_cast<double>(load<float>(data));
    case SqlType::Double:
    case SqlType::DFloat: return load<double>(data);
    case SqlType::Date: {
      unsigned y = 0, m = 0, d = 0;
      util()->decodeDate(load<ISC_DATE>(data), &y, &m, &d);
      return Date{static_cast<int>(y), m, d};
    }
    case SqlType::Time: {
      Time t;
      util()->decodeTime(load<ISC_TIME>(data), &t.hours, &t.minutes, &t.seconds, &t.fractions);
      return t;
    }
    case SqlType::Timestamp: {
      const auto raw = load<ISC_TIMESTAMP>(data);
      unsigned y = 0, m = 0, d = 0;
      Timestamp ts;
      util()->decodeDate(raw.timestamp_date, &y, &m, &d);
      ts.date = Date{static_cast<int>(y), m, d};
      util()->decodeTime(raw.timestamp_time, &ts.time.hours, &ts.time.minutes, &ts.time.seconds,
                         &ts.time.fractions);
      return ts;
    }
    case SqlType::Blob:
      return Blob{readBlob(attachment, transaction, load<ISC_QUAD>(data))};
    case SqlType::Boolean: return load<FB_BOOLEAN>(data) != FB_FALSE;
    case SqlType::Null: return {};
    case SqlType::Array:
    case SqlType::Quad: break;
  }
  throw Error("column " + column.name + " has a type this program does not read (" +
                  std::to_string(static_cast<unsigned>(column.type)) + ")",
              "", 0);
}

}  // namespace fb::detail
