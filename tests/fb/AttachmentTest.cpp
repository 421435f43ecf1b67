#include <gtest/gtest.h>

#include "fb/Attachment.h"
#include "fb/Error.h"
#include "fb/Transaction.h"
#include "tests/support/BaseTemporal.h"

namespace {

using norvane::test::BaseTemporal;

TEST(Attachment, MissingFileGivesTheServersWholeMessage) {
  norvane::test::TempDir dir;
  const std::string path = (dir.path() / "no" / "existe.fdb").string();
  try {
    fb::Attachment::attach({path, "SYSDBA", "x", ""});
    FAIL() << "attaching a missing file succeeded";
  } catch (const fb::Error& e) {
    const auto lines = e.lines();
    ASSERT_GE(lines.size(), 2u) << e.what();
    EXPECT_EQ(lines[0], "I/O error during \"open\" operation for file \"" + path + "\"");
    EXPECT_EQ(lines[1], "-Error while trying to open file");
    EXPECT_EQ(e.sqlState(), "08001");
    EXPECT_NE(e.code(), 0);
  }
}

TEST(Attachment, ClosingCommitsOpenTransactions) {
  BaseTemporal base;
  base.run("create table t (id integer not null primary key)");
  {
    fb::Transaction pending(base.db());
    pending.execute("insert into t values (1)");
    fb::Transaction other(base.db(), fb::Isolation::ReadCommitted);
    other.execute("insert into t values (2)");
    base.close();  // both still open: closing must commit them, not roll back
    EXPECT_FALSE(pending.active());
    EXPECT_FALSE(other.active());
  }
  base.reopen();
  EXPECT_EQ(base.count("t"), 2);
}

TEST(Transaction, DestroyedWithoutEndingCommits) {
  BaseTemporal base;
  base.run("create table t (id integer)");
  { fb::Transaction(base.db()).execute("insert into t values (1)"); }
  EXPECT_EQ(base.count("t"), 1);
}

TEST(Transaction, RollbackUndoesAndCommitRetainingKeepsGoing) {
  BaseTemporal base;
  base.run("create table t (id integer)");
  fb::Transaction t(base.db());
  t.execute("insert into t values (1)");
  t.commitRetaining();
  EXPECT_TRUE(t.active());
  t.execute("insert into t values (2)");
  t.rollback();
  EXPECT_FALSE(t.active());
  EXPECT_EQ(base.count("t"), 1);
  EXPECT_THROW(t.commit(), fb::UsageError);  // ended transactions stay ended
}

TEST(Transaction, ReadCommittedSeesOthersCommitsSnapshotDoesNot) {
  BaseTemporal base;
  base.run("create table t (id integer)");
  fb::Transaction snapshot(base.db());
  fb::Transaction readCommitted(base.db(), fb::Isolation::ReadCommitted);
  // Both have started before the insert below is committed.
  EXPECT_EQ(snapshot.query("select count(*) from t")[0][0].asInteger(), 0);
  EXPECT_EQ(readCommitted.query("select count(*) from t")[0][0].asInteger(), 0);
  base.db().execute("insert into t values (1)");
  EXPECT_EQ(snapshot.query("select count(*) from t")[0][0].asInteger(), 0);
  EXPECT_EQ(readCommitted.query("select count(*) from t")[0][0].asInteger(), 1);
}

TEST(Attachment, RoleThatDoesNotExistDoesNotFailTheAttachment) {
  BaseTemporal base;
  base.close();
  auto params = base.params();
  params.role = "RoleName";
  auto db = fb::Attachment::attach(params);
  fb::Transaction t(db);
  EXPECT_EQ(t.query("select current_role from rdb$database")[0][0].asText().substr(0, 4), "NONE");
}

}  // namespace
