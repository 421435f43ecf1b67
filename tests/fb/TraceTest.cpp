#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fb/Cursor.h"
#include "fb/Error.h"
#include "fb/Statement.h"
#include "fb/Trace.h"
#include "fb/Transaction.h"
#include "tests/support/BaseTemporal.h"
#include "tests/support/TempDir.h"

namespace fb {
namespace {

using K = TraceEvent::Kind;

// Values whose text holds what the trace's own format uses: tabs, ends of
// line, backslashes, control bytes and bytes above 127.
class TraceValue : public ::testing::TestWithParam<Value> {};

TEST_P(TraceValue, SurvivesTheTraceLine) {
  TraceEvent e;
  e.kind = K::Execute;
  e.statement = 7;
  e.transaction = 3;
  e.count = 2;
  e.params = {GetParam(), Value("after")};
  const std::string line = formatTraceEvent(e);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  const TraceEvent back = parseTraceEvent(line);
  EXPECT_EQ(back.params, e.params);
  EXPECT_EQ(back.statement, 7u);
  EXPECT_EQ(back.transaction, 3u);
  EXPECT_EQ(back.count, 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TraceValue,
    ::testing::Values(Value(), Value(std::int64_t{-9223372036854775807LL - 1}),
                      Value(Decimal{-12345, -4}), Value(0.1), Value(-1e300), Value(""),
                      Value("a\tb\nc\rd\\e\\tf"), Value(std::string("\x01\x7f\xe1\xf1", 4)),
                      Value(std::string("nul\0byte", 8)), Value(Date{2024, 2, 29}),
                      Value(Time{23, 59, 58, 9999}), Value(Timestamp{{1, 1, 1}, {0, 0, 0, 1}}),
                      Value(Blob{std::string("\\x00\t\n", 6)}), Value(true), Value(false)));

TEST(TraceLine, MalformedLinesAreRefused) {
  for (const std::string line : {"", "Q\t1", "X\t1", "X\tuno\t2\t3", "F\t1\t2", "X\t1\t2\t3\tz",
                                 "X\t1\t2\t3\ts\\q", "X\t1\t2\t3\ts\\x4", "C!!\t1"})
    EXPECT_THROW(parseTraceEvent(line), std::runtime_error) << line;
}

// The calls of a short session, in the order they reached the server.
TEST(Trace, RecordsEveryCallInOrderWithItsOutcome) {
  norvane::test::BaseTemporal base;
  base.run("create table t (id integer not null primary key, nombre varchar(10));");
  base.close();
  const std::string path = (base.dir().path() / "traza.txt").string();

  startTrace(path);
  {
    Attachment db = Attachment::attach(base.params());
    Transaction t(db, Isolation::ReadCommitted, 5);
    Statement insert(t, "insert into t values (?, ?)");
    insert.execute(t, {1, "uno"});
    insert.execute(t, {2, "dos"});
    EXPECT_THROW(insert.execute(t, {1, "otra"}), Error);
    t.commitRetaining();
    Cursor c = t.open("select nombre from t where id >= ? order by id", {1});
    while (c.fetch()) {
    }
    c.close();
    t.rollback();
  }
  stopTrace();

  TraceReader reader(path);
  std::vector<TraceEvent> events;
  while (auto e = reader.next()) events.push_back(*e);
  std::vector<K> kinds;
  for (const auto& e : events) kinds.push_back(e.kind);
  EXPECT_EQ(kinds, (std::vector<K>{K::Attach, K::Start, K::Prepare, K::Execute, K::Execute,
                                   K::Execute, K::CommitRetaining, K::Prepare, K::Open, K::Fetch,
                                   K::Close, K::Rollback, K::Detach}));
  ASSERT_EQ(events.size(), 13u);
  EXPECT_EQ(events[0].text, base.path());
  EXPECT_EQ(events[1].attachment, events[0].attachment);
  EXPECT_TRUE(events[1].readCommitted);
  EXPECT_EQ(events[1].lockTimeout, 5);
  EXPECT_EQ(events[2].text, "insert into t values (?, ?)");
  EXPECT_EQ(events[3].params, (Row{1, "uno"}));
  EXPECT_EQ(events[3].count, 1u);
  EXPECT_EQ(events[3].statement, events[2].statement);
  EXPECT_FALSE(events[4].failed);
  EXPECT_TRUE(events[5].failed);  // the repeated key
  EXPECT_EQ(events[8].params, (Row{1}));
  EXPECT_EQ(events[9].cursor, events[8].cursor);
  EXPECT_EQ(events[9].count, 2u);  // both rows, in one event
  EXPECT_TRUE(events[9].end);
  EXPECT_EQ(events[0].user, "SYSDBA");
  EXPECT_EQ(norvane::test::TempDir::LeerArchivo(path).find("masterkey"), std::string::npos)
      << "the trace holds no password";
}

TEST(Trace, NothingIsRecordedAfterItStops) {
  norvane::test::BaseTemporal base;
  const std::string path = (base.dir().path() / "traza.txt").string();
  startTrace(path);
  stopTrace();
  base.db().execute("create table t (id integer)");
  TraceReader reader(path);
  EXPECT_FALSE(reader.next());
}

}  // namespace
}  // namespace fb
