#include <gtest/gtest.h>

#include "fb/Api.h"

namespace {

// The embedded engine must be shut down before the process exits, or its
// threads outlive the test runner's statics.
class FirebirdEnvironment final : public ::testing::Environment {
public:
  void TearDown() override { fb::shutdown(); }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new FirebirdEnvironment);
  return RUN_ALL_TESTS();
}
