// The trace file: one line per call, fields separated by tabs. The first
// field is the kind of call, with "!" appended when the server refused it;
// texts are escaped so that a field never holds a tab or an end of line.

#include "fb/Trace.h"

#include <atomic>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <stdio.h>
#include <mutex>
#include <stdexcept>
#include <utility>
#include <vector>

#include "fb/TraceRecorder.h"

namespace fb {

namespace {

void escape(std::string& out, std::string_view text) {
  static const char* hex = "0123456789abcdef";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default:
        if (c < 0x20 || c == 0x7f) {
          out += "\\x";
          out += hex[c >> 4];
          out += hex[c & 15];
        } else {
          out += ch;
        }
    }
  }
}

[[noreturn]] void malformed(const std::string& why) {
  throw std::runtime_error("malformed trace line: " + why);
}

std::string unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i >= text.size()) malformed("a lone backslash");
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 'x': {
        if (i + 2 >= text.size()) malformed("a short \\x escape");
        unsigned v = 0;
        const auto [p, ec] = std::from_chars(text.data() + i + 1, text.data() + i + 3, v, 16);
        if (ec != std::errc() || p != text.data() + i + 3) malformed("a bad \\x escape");
        out += static_cast<char>(v);
        i += 2;
        break;
      }
      default: malformed("an unknown escape");
    }
  }
  return out;
}

template <class T>
T number(std::string_view text) {
  T v{};
  const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || p != text.data() + text.size())
    malformed("\"" + std::string(text) + "\" is not a number");
  return v;
}

void formatValue(std::string& out, const Value& v) {
  char buffer[64];
  switch (v.kind()) {
    case Value::Kind::Null: out += '~'; return;
    case Value::Kind::Integer: out += 'i' + std::to_string(v.asInteger()); return;
    case Value::Kind::Decimal:
      out += 'n' + std::to_string(v.asDecimal().value) + 'e' + std::to_string(v.asDecimal().scale);
      return;
    case Value::Kind::Double:
      std::snprintf(buffer, sizeof buffer, "f%a", v.asDouble());
      out += buffer;
      return;
    case Value::Kind::Text: out += 's'; escape(out, v.asText()); return;
    case Value::Kind::Date: {
      const Date d = v.asDate();
      std::snprintf(buffer, sizeof buffer, "d%d/%u/%u", d.year, d.month, d.day);
      out += buffer;
      return;
    }
    case Value::Kind::Time: {
      const Time t = v.asTime();
      std::snprintf(buffer, sizeof buffer, "t%u:%u:%u.%u", t.hours, t.minutes, t.seconds,
                    t.fractions);
      out += buffer;
      return;
    }
    case Value::Kind::Timestamp: {
      const Timestamp s = v.asTimestamp();
      std::snprintf(buffer, sizeof buffer, "p%d/%u/%u %u:%u:%u.%u", s.date.year, s.date.month,
                    s.date.day, s.time.hours, s.time.minutes, s.time.seconds, s.time.fractions);
      out += buffer;
      return;
    }
    case Value::Kind::Blob: out += 'b'; escape(out, v.asBlob().bytes); return;
    case Value::Kind::Boolean: out += v.asBoolean() ? "o1" : "o0"; return;
  }
}

Value parseValue(std::string_view text) {
  if (text.empty()) malformed("an empty value");
  const std::string_view rest = text.substr(1);
  switch (text[0]) {
    case '~': return {};
    case 'i': return Value(number<std::int64_t>(rest));
    case 'n': {
      const auto e = rest.find('e');
      if (e == std::string_view::npos) malformed("a decimal without scale");
      return Value(Decimal{number<std::int64_t>(rest.substr(0, e)), number<int>(rest.substr(e + 1))});
    }
    case 'f': {
      const std::string s(rest);
      char* end = nullptr;
      const double d = std::strtod(s.c_str(), &end);
      if (end != s.c_str() + s.size()) malformed("a bad double");
      return Value(d);
    }
    case 's': return Value(unescape(rest));
    case 'b': return Value(Blob{unescape(rest)});
    case 'o': return Value(rest == "1");
    case 'd': {
      Date d;
      if (std::sscanf(std::string(rest).c_str(), "%d/%u/%u", &d.year, &d.month, &d.day) != 3)
        malformed("a bad date");
      return Value(d);
    }
    case 't': {
      Time t;
      if (std::sscanf(std::string(rest).c_str(), "%u:%u:%u.%u", &t.hours, &t.minutes, &t.seconds,
                      &t.fractions) != 4)
        malformed("a bad time");
      return Value(t);
    }
    case 'p': {
      Timestamp s;
      if (std::sscanf(std::string(rest).c_str(), "%d/%u/%u %u:%u:%u.%u", &s.date.year,
                      &s.date.month, &s.date.day, &s.time.hours, &s.time.minutes,
                      &s.time.seconds, &s.time.fractions) != 7)
        malformed("a bad timestamp");
      return Value(s);
    }
    default: malformed("an unknown kind of value");
  }
}

struct KindName {
  TraceEvent::Kind kind;
  char letter;
};
constexpr KindName kKinds[] = {
    {TraceEvent::Kind::Attach, 'A'},   {TraceEvent::Kind::Create, 'N'},
    {TraceEvent::Kind::Detach, 'D'},   {TraceEvent::Kind::Start, 'S'},
    {TraceEvent::Kind::Commit, 'C'},   {TraceEvent::Kind::CommitRetaining, 'K'},
    {TraceEvent::Kind::Rollback, 'R'}, {TraceEvent::Kind::Prepare, 'P'},
    {TraceEvent::Kind::Execute, 'X'},  {TraceEvent::Kind::Open, 'O'},
    {TraceEvent::Kind::Fetch, 'F'},    {TraceEvent::Kind::Close, 'Z'},
};

std::vector<std::string_view> split(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

// The trace being recorded, if any.
struct Recorder {
  std::FILE* file = nullptr;
  std::vector<char> buffer = std::vector<char>(1 << 20);
  std::uint64_t fetchCursor = 0;
  std::uint64_t fetchRows = 0;
  bool fetchEnd = false;
  bool fetchPending = false;
  bool writeFailed = false;

  void write(const TraceEvent& event) {
    std::string line = formatTraceEvent(event);
    line += '\n';
    if (std::fwrite(line.data(), 1, line.size(), file) != line.size()) writeFailed = true;
  }
  void flushFetch() {
    if (!fetchPending) return;
    TraceEvent e;
    e.kind = TraceEvent::Kind::Fetch;
    e.cursor = fetchCursor;
    e.count = fetchRows;
    e.end = fetchEnd;
    fetchPending = false;
    write(e);
  }
};

std::mutex recorderMutex;
Recorder* theRecorder = nullptr;
std::atomic<bool> active{false};
std::atomic<std::uint64_t> lastId{0};

}  // namespace

namespace detail {

bool tracing() { return active.load(std::memory_order_relaxed); }

std::uint64_t nextTraceId() { return ++lastId; }

void record(TraceEvent event) {
  std::lock_guard lock(recorderMutex);
  if (!theRecorder) return;
  theRecorder->flushFetch();
  theRecorder->write(event);
}

void recordFetch(std::uint64_t cursor, bool row) {
  std::lock_guard lock(recorderMutex);
  if (!theRecorder) return;
  Recorder& r = *theRecorder;
  if (r.fetchPending && r.fetchCursor != cursor) r.flushFetch();
  if (!r.fetchPending) {
    r.fetchPending = true;
    r.fetchCursor = cursor;
    r.fetchRows = 0;
    r.fetchEnd = false;
  }
  if (row)
    ++r.fetchRows;
  else
    r.fetchEnd = true;
}

}  // namespace detail

void startTrace(const std::string& path) {
  std::lock_guard lock(recorderMutex);
  if (theRecorder) throw std::runtime_error("a trace is already being recorded");
  auto recorder = std::make_unique<Recorder>();
  recorder->file = std::fopen(path.c_str(), "wb");
  if (!recorder->file) throw std::runtime_error("cannot create the trace file " + path);
  std::setvbuf(recorder->file, recorder->buffer.data(), _IOFBF, recorder->buffer.size());
  theRecorder = recorder.release();
  active = true;
}

void stopTrace() {
  std::unique_ptr<Recorder> recorder;
  {
    std::lock_guard lock(recorderMutex);
    if (!theRecorder) return;
    theRecorder->flushFetch();
    recorder.reset(std::exchange(theRecorder, nullptr));
    active = false;
  }
  const bool closed = std::fclose(recorder->file) == 0;
  if (recorder->writeFailed || !closed) throw std::runtime_error("the trace file could not be written");
}

std::string formatTraceEvent(const TraceEvent& e) {
  using K = TraceEvent::Kind;
  std::string out;
  for (const auto& k : kKinds)
    if (k.kind == e.kind) out += k.letter;
  if (e.failed) out += '!';
  auto field = [&](std::uint64_t v) { out += '\t' + std::to_string(v); };
  auto text = [&](std::string_view t) {
    out += '\t';
    escape(out, t);
  };
  switch (e.kind) {
    case K::Attach:
    case K::Create:
      field(e.attachment);
      text(e.text);
      text(e.user);
      text(e.role);
      break;
    case K::Detach: field(e.attachment); break;
    case K::Start:
      field(e.attachment);
      field(e.transaction);
      out += e.readCommitted ? "\tR" : "\tD";
      out += '\t';
      if (e.lockTimeout) out += std::to_string(*e.lockTimeout);
      break;
    case K::Commit:
    case K::CommitRetaining:
    case K::Rollback: field(e.transaction); break;
    case K::Prepare:
      field(e.attachment);
      field(e.transaction);
      field(e.statement);
      text(e.text);
      break;
    case K::Execute:
    case K::Open:
      field(e.statement);
      field(e.transaction);
      field(e.kind == K::Execute ? e.count : e.cursor);
      for (const auto& p : e.params) {
        out += '\t';
        formatValue(out, p);
      }
      break;
    case K::Fetch:
      field(e.cursor);
      field(e.count);
      out += e.end ? "\t1" : "\t0";
      break;
    case K::Close: field(e.cursor); break;
  }
  return out;
}

TraceEvent parseTraceEvent(const std::string& line) {
  using K = TraceEvent::Kind;
  const auto f = split(line);
  if (f[0].empty()) malformed("no kind");
  TraceEvent e;
  bool known = false;
  for (const auto& k : kKinds)
    if (k.letter == f[0][0]) {
      e.kind = k.kind;
      known = true;
    }
  if (!known || f[0].size() > 2 || (f[0].size() == 2 && f[0][1] != '!'))
    malformed("unknown kind \"" + std::string(f[0]) + "\"");
  e.failed = f[0].size() == 2;
  auto need = [&](std::size_t n) {
    if (f.size() < n) malformed("too few fields");
  };
  auto id = [&](std::size_t i) { return number<std::uint64_t>(f[i]); };
  switch (e.kind) {
    case K::Attach:
    case K::Create:
      need(5);
      e.attachment = id(1);
      e.text = unescape(f[2]);
      e.user = unescape(f[3]);
      e.role = unescape(f[4]);
      break;
    case K::Detach: need(2); e.attachment = id(1); break;
    case K::Start:
      need(5);
      e.attachment = id(1);
      e.transaction = id(2);
      e.readCommitted = f[3] == "R";
      if (!f[4].empty()) e.lockTimeout = number<int>(f[4]);
      break;
    case K::Commit:
    case K::CommitRetaining:
    case K::Rollback: need(2); e.transaction = id(1); break;
    case K::Prepare:
      need(5);
      e.attachment = id(1);
      e.transaction = id(2);
      e.statement = id(3);
      e.text = unescape(f[4]);
      break;
    case K::Execute:
    case K::Open:
      need(4);
      e.statement = id(1);
      e.transaction = id(2);
      if (e.kind == K::Execute)
        e.count = id(3);
      else
        e.cursor = id(3);
      for (std::size_t i = 4; i < f.size(); ++i) e.params.push_back(parseValue(f[i]));
      break;
    case K::Fetch:
      need(4);
      e.cursor = id(1);
      e.count = id(2);
      e.end = f[3] == "1";
      break;
    case K::Close: need(2); e.cursor = id(1); break;
  }
  return e;
}

TraceReader::TraceReader(const std::string& path)
    : file_(std::fopen(path.c_str(), "rb"), &std::fclose) {
  if (!file_) throw std::runtime_error("cannot open the trace file " + path);
}

TraceReader::~TraceReader() = default;

std::optional<TraceEvent> TraceReader::next() {
  char* data = nullptr;
  std::size_t capacity = 0;
  const ssize_t got = ::getline(&data, &capacity, file_.get());
  if (got < 0) {
    std::free(data);
    return std::nullopt;
  }
  line_.assign(data, static_cast<std::size_t>(got));
  std::free(data);
  if (!line_.empty() && line_.back() == '\n') line_.pop_back();
  ++lineNumber_;
  try {
    return parseTraceEvent(line_);
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(std::string(e.what()) + " (line " + std::to_string(lineNumber_) + ")");
  }
}

}  // namespace fb
