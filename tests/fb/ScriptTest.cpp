#include <gtest/gtest.h>

#include "fb/Error.h"
#include "fb/Script.h"

namespace {

using Statements = std::vector<std::string>;

TEST(Script, SplitsOnTerminatorsOutsideQuotesAndComments) {
  EXPECT_EQ(fb::splitScript("create table a (x int);\n-- a comment; with a terminator\n"
                            "insert into a values (1); /* ; */ insert into \"A;\" values ('x;''y');"),
            (Statements{"create table a (x int)", "insert into a values (1)",
                        "insert into \"A;\" values ('x;''y')"}));
}

TEST(Script, SetTermChangesTheTerminatorForProcedureBodies) {
  const auto s = fb::splitScript(
      "SET TERM ^ ;\ncreate procedure p as begin\n  exit;\nend^\nset  term ; ^\nselect 1 from rdb$database;");
  EXPECT_EQ(s, (Statements{"create procedure p as begin\n  exit;\nend", "select 1 from rdb$database"}));
}

TEST(Script, RejectsUnfinishedQuotesAndComments) {
  EXPECT_EQ(fb::splitScript("select 1 from rdb$database"), (Statements{"select 1 from rdb$database"}));
  EXPECT_THROW(fb::splitScript("select 'abc from x;"), fb::Error);
  EXPECT_THROW(fb::splitScript("/* never closed ;"), fb::Error);
  EXPECT_TRUE(fb::splitScript("  -- only a comment\n").empty());
}

}  // namespace
