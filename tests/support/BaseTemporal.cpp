#include "tests/support/BaseTemporal.h"

#include "fb/Script.h"
#include "fb/Transaction.h"

namespace norvane::test {

BaseTemporal::BaseTemporal(const std::string& name, std::string owner)
    : path_((dir_.path() / name).string()),
      owner_(std::move(owner)),
      db_(fb::Attachment::create(params(), fb::CreateOptions{8192, false})) {}

void BaseTemporal::run(std::string_view script) { fb::runScript(db_, script); }

fb::Value BaseTemporal::scalar(std::string_view sql) {
  fb::Transaction t(db_);
  auto rows = t.query(sql);
  t.commit();
  return rows.empty() ? fb::Value{} : rows.front().at(0);
}

std::int64_t BaseTemporal::count(std::string_view table) {
  return scalar("select count(*) from " + std::string(table)).asInteger();
}

}  // namespace norvane::test
