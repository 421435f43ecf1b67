#include <gtest/gtest.h>

#include <cstdlib>

#include "fb/Attachment.h"
#include "fb/Error.h"
#include "fb/Transaction.h"
#include "tests/support/BaseTemporal.h"
#include "tests/support/Servidor.h"

namespace {

// These cases need the server on localhost (the test script starts it).
class Server : public ::testing::Test {
protected:
  void SetUp() override {
    if (!norvane::test::servidorDisponible()) {
      if (norvane::test::servidorRequerido()) FAIL() << "no Firebird server on localhost:3050";
      GTEST_SKIP() << "no Firebird server on localhost";
    }
  }
};

TEST_F(Server, RefusedLogInSaysTheUserIsNotDefined) {
  norvane::test::TempDir dir;
  try {
    fb::Attachment::attach({"localhost:" + (dir.path() / "x.fdb").string(), "NADIE", "mala", ""});
    FAIL() << "a wrong password was accepted";
  } catch (const fb::Error& e) {
    EXPECT_NE(std::string(e.what()).find("Your user name and password are not defined"),
              std::string::npos)
        << e.what();
    EXPECT_EQ(e.sqlState(), "28000");
  }
}

TEST_F(Server, UnknownHostIsNamedInDoubleQuotes) {
  try {
    fb::Attachment::attach({"nohost.invalid:/tmp/x.fdb", "SYSDBA", "x", ""});
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_EQ(e.lines().at(0), "Unable to complete network request to host \"nohost.invalid\".")
        << e.what();
  }
}

TEST_F(Server, AttachesThroughTheServerWithTheTestUser) {
  const auto user = norvane::test::usuarioPrueba();
  norvane::test::BaseTemporal base("servidor.fdb", user.usuario);
  base.run("create table t (id integer); insert into t values (1);");
  base.close();  // the server cannot open a file the embedded engine holds
  auto db = fb::Attachment::attach({"localhost:" + base.path(), user.usuario, user.clave, ""});
  fb::Transaction t(db);
  EXPECT_EQ(t.query("select count(*) from t")[0][0], fb::Value(std::int64_t{1}));
}

}  // namespace
