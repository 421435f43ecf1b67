#include <gtest/gtest.h>

#include <string>

#include "fb/Catalog.h"
#include "fb/Cursor.h"
#include "fb/Error.h"
#include "fb/Statement.h"
#include "fb/Transaction.h"
#include "tests/support/BaseTemporal.h"

namespace {

using fb::Decimal;
using fb::Value;
using norvane::test::BaseTemporal;

constexpr const char* kTipos = R"(
create table tipos (
  id integer not null,
  n152 numeric(15,2),
  n154 numeric(15,4),
  d92 decimal(9,2),
  n42 numeric(4,2),
  sm smallint,
  bi bigint,
  dbl double precision,
  ch char(5),
  vc varchar(20) not null,
  dt date,
  tm time,
  ts timestamp,
  bt blob sub_type text,
  bb blob sub_type binary,
  bo boolean,
  constraint pk_tipos primary key (id)
);
)";

constexpr const char* kInsert =
    "insert into tipos (id, n152, n154, d92, n42, sm, bi, dbl, ch, vc, dt, tm, ts, bt, bb, bo) "
    "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

std::string everyByte() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

class Statement : public ::testing::Test {
protected:
  void SetUp() override { base.run(kTipos); }

  fb::Row selectRow(int id) {
    fb::Transaction t(base.db());
    auto rows = t.query(
        "select id, n152, n154, d92, n42, sm, bi, dbl, ch, vc, dt, tm, ts, bt, bb, bo "
        "from tipos where id = ?",
        {id});
    EXPECT_EQ(rows.size(), 1u);
    return rows.empty() ? fb::Row{} : rows.front();
  }

  BaseTemporal base;
};

TEST_F(Statement, EveryTypeRoundTripsThroughParametersUnchanged) {
  const std::string latin = "\xe1\xe9\xed\xf3\xfa\xf1\xd1\x80\xff";  // bytes above 127
  const fb::Row sent = {
      1,
      Decimal{123456789012345, -2},  // 1234567890123.45, beyond a double's exact cents
      Decimal{-1, -4},               // -0.0001
      Decimal{-9999999, -2},
      Decimal{9999, -2},
      Value(std::int64_t{-32768}),
      Value(std::int64_t{9223372036854775807}),
      Value(0.1),
      Value("ab" + latin.substr(0, 3)),
      Value(latin),
      fb::Date{2024, 2, 29},
      fb::Time{23, 59, 58, 1234},
      fb::Timestamp{{1999, 12, 31}, {0, 0, 1, 0}},
      fb::Blob{std::string(100000, 'x') + latin},
      fb::Blob{everyByte()},
      Value(true),
  };
  fb::Transaction(base.db()).execute(kInsert, sent);

  const fb::Row got = selectRow(1);
  ASSERT_EQ(got.size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) EXPECT_EQ(got[i], sent[i]) << "column " << i;
}

TEST_F(Statement, NullsComeBackAsNullsAndCharKeepsItsBlanks) {
  fb::Row sent(16);
  sent[0] = 2;
  sent[8] = "ab";   // CHAR(5)
  sent[9] = "";     // the NOT NULL varchar, empty but present
  fb::Transaction(base.db()).execute(kInsert, sent);

  const fb::Row got = selectRow(2);
  EXPECT_EQ(got[8].asText(), "ab   ");
  EXPECT_EQ(got[9].asText(), "");
  for (std::size_t i : {1u, 2u, 3u, 5u, 7u, 10u, 11u, 12u, 13u, 14u, 15u})
    EXPECT_TRUE(got[i].isNull()) << "column " << i;
}

TEST_F(Statement, FixedPointLiteralsAreReadExactly) {
  fb::Transaction t(base.db());
  const auto row = t.query(
      "select cast(1234567890123.45 as numeric(18,2)), cast(-0.0001 as numeric(15,4)), "
      "cast(0.1 as numeric(15,4)) from rdb$database")[0];
  EXPECT_EQ(row[0], Value(Decimal{123456789012345, -2}));
  EXPECT_EQ(row[1], Value(Decimal{-1, -4}));
  EXPECT_EQ(row[2], Value(Decimal{1000, -4}));
}

TEST_F(Statement, TextParametersAreConvertedByTheServer) {
  fb::Transaction t(base.db());
  t.execute("insert into tipos (id, n152, vc, dt) values (?, ?, ?, ?)",
            {"7", "12.345", "x", "2024/04/30"});
  const auto row = t.query("select id, n152, dt from tipos")[0];
  EXPECT_EQ(row[0], Value(7));
  EXPECT_EQ(row[1], Value(Decimal{1235, -2}));  // the server rounds half away from zero
  EXPECT_EQ(row[2], Value(fb::Date{2024, 4, 30}));
}

TEST_F(Statement, ColumnMetadataOfSelectStar) {
  fb::Transaction t(base.db());
  fb::Statement s(t, "select * from tipos");
  const auto& c = s.columns();
  ASSERT_EQ(c.size(), 16u);
  EXPECT_TRUE(s.isSelect());

  EXPECT_EQ(c[0].name, "ID");
  EXPECT_EQ(c[0].relation, "TIPOS");
  EXPECT_EQ(c[0].type, fb::SqlType::Long);
  EXPECT_FALSE(c[0].nullable);
  EXPECT_FALSE(c[0].isFixedPoint());

  EXPECT_EQ(c[1].field, "N152");
  EXPECT_EQ(c[1].type, fb::SqlType::Int64);
  EXPECT_EQ(c[1].scale, -2);
  EXPECT_EQ(c[1].subType, 1);  // NUMERIC
  EXPECT_TRUE(c[1].isFixedPoint());
  EXPECT_TRUE(c[1].nullable);
  EXPECT_EQ(c[3].subType, 2);  // DECIMAL
  EXPECT_TRUE(c[4].isFixedPoint());
  EXPECT_EQ(c[4].type, fb::SqlType::Short);

  EXPECT_EQ(c[8].type, fb::SqlType::Text);
  EXPECT_EQ(c[8].length, 5u);
  EXPECT_EQ(c[9].type, fb::SqlType::Varying);
  EXPECT_EQ(c[9].length, 20u);
  EXPECT_FALSE(c[9].nullable);
  EXPECT_EQ(c[13].type, fb::SqlType::Blob);
  EXPECT_EQ(c[13].subType, 1);
  EXPECT_EQ(c[14].subType, 0);
  EXPECT_EQ(c[10].type, fb::SqlType::Date);
  EXPECT_EQ(c[11].type, fb::SqlType::Time);
  EXPECT_EQ(c[12].type, fb::SqlType::Timestamp);
  EXPECT_EQ(c[15].type, fb::SqlType::Boolean);

  fb::Statement alias(t, "select vc as descripcion, 1 + 1 as dos from tipos");
  EXPECT_EQ(alias.columns()[0].name, "DESCRIPCION");
  EXPECT_EQ(alias.columns()[0].field, "VC");
  EXPECT_EQ(alias.columns()[1].relation, "");
}

TEST_F(Statement, PrimaryKeyColumnsInKeyOrder) {
  base.run(
      "create table detalle (b integer not null, a integer not null, c integer, "
      "constraint pk_detalle primary key (a, b));"
      "create table sin_clave (x integer);");
  fb::Transaction t(base.db());
  EXPECT_EQ(fb::primaryKey(t, "DETALLE"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(fb::primaryKey(t, "TIPOS"), (std::vector<std::string>{"ID"}));
  EXPECT_TRUE(fb::primaryKey(t, "SIN_CLAVE").empty());
}

TEST_F(Statement, AffectedRowsOfEachKindOfWrite) {
  fb::Transaction t(base.db());
  EXPECT_EQ(t.execute("insert into tipos (id, vc) values (1, 'a')"), 1u);
  t.execute("insert into tipos (id, vc) values (2, 'b')");
  t.execute("insert into tipos (id, vc) values (3, 'b')");
  EXPECT_EQ(t.execute("update tipos set sm = 1 where vc = 'b'"), 2u);
  EXPECT_EQ(t.execute("update tipos set sm = 1 where id = 99"), 0u);
  EXPECT_EQ(t.execute("delete from tipos where id >= ?", {1}), 3u);
}

TEST_F(Statement, PreparedOnceRunWithManyParameterSets) {
  fb::Transaction t(base.db());
  fb::Statement insert(t, "insert into tipos (id, vc, n154) values (?, ?, ?)");
  ASSERT_EQ(insert.parameters().size(), 3u);
  for (int i = 1; i <= 5; ++i)
    insert.execute(t, {i, "fila " + std::to_string(i), Decimal{i * 10001, -4}});
  fb::Statement select(t, "select sum(n154) from tipos where id <= ?");
  EXPECT_EQ(select.open(t, {2}).fetchAll()[0][0], Value(Decimal{30003, -4}));
  EXPECT_EQ(select.open(t, {5}).fetchAll()[0][0], Value(Decimal{150015, -4}));
  EXPECT_THROW(insert.execute(t, {1}), fb::UsageError);  // too few parameters
}

TEST_F(Statement, ExecuteProcedureAndItsErrors) {
  base.run(R"(
    create exception e_negativo 'valor negativo';
    set term ^ ;
    create procedure duplica (v integer) returns (r integer) as
    begin
      if (v < 0) then exception e_negativo;
      insert into tipos (id, vc) values (:v, 'p');
      r = v * 2;
    end^
    set term ; ^
  )");
  fb::Transaction t(base.db());
  t.execute("execute procedure duplica ?", {4});
  EXPECT_EQ(t.query("select count(*) from tipos where id = 4")[0][0], Value(std::int64_t{1}));
  try {
    t.execute("execute procedure duplica -1");
    FAIL() << "the procedure's exception was not raised";
  } catch (const fb::Error& e) {
    EXPECT_NE(std::string(e.what()).find("valor negativo"), std::string::npos) << e.what();
  }
}

TEST_F(Statement, BadSqlAndConstraintErrorsCarryEveryLine) {
  fb::Transaction t(base.db());
  try {
    t.execute("select * from no_existe");
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_EQ(e.lines().front(), "Dynamic SQL Error") << e.what();
    EXPECT_NE(std::string(e.what()).find("\n-Table unknown\n-NO_EXISTE"), std::string::npos)
        << e.what();
    EXPECT_EQ(e.sqlState(), "42S02");
  }
  t.execute("insert into tipos (id, vc) values (1, 'a')");
  try {
    t.execute("insert into tipos (id, vc) values (1, 'b')");
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_EQ(e.lines().at(0),
              "violation of PRIMARY or UNIQUE KEY constraint \"PK_TIPOS\" on table \"TIPOS\"");
    EXPECT_EQ(e.lines().at(1), "-Problematic key value is (\"ID\" = 1)");
    EXPECT_EQ(e.sqlState(), "23000");
  }
  // The transaction is still usable after a refused statement.
  EXPECT_EQ(t.query("select count(*) from tipos")[0][0], Value(std::int64_t{1}));
}

TEST_F(Statement, CursorReadsRowByRowAndCloses) {
  base.run("insert into tipos (id, vc) values (1, 'a'); insert into tipos (id, vc) values (2, 'b');");
  fb::Transaction t(base.db());
  fb::Cursor c = t.open("select id from tipos order by id");
  EXPECT_EQ(c.fetch()->at(0), Value(1));
  EXPECT_EQ(c.fetch()->at(0), Value(2));
  EXPECT_FALSE(c.fetch().has_value());
  c.close();
  EXPECT_FALSE(c.fetch().has_value());
}

}  // namespace
