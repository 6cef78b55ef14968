// Linked into every Windows test program: once its tests ran, no window
// procedure of the form layer may have swallowed an exception.
#include <gtest/gtest.h>

#include <cstdio>

#include "vl3Application_win.h"

namespace {

// Names the test during which a window procedure caught something.
class TCaughtExceptionReporter : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    before_ = Application().CaughtExceptionCount();
  }
  void OnTestEnd(const ::testing::TestInfo& info) override {
    if (Application().CaughtExceptionCount() == before_) return;
    std::printf("[ caught   ] %s.%s: a window procedure caught %s\n", info.test_suite_name(),
                info.name(), Application().LastCaughtException().c_str());
  }
  int32_t before_ = 0;
};

class TNoSwallowedExceptions : public ::testing::Environment {
 public:
  void SetUp() override {
    ::testing::UnitTest::GetInstance()->listeners().Append(new TCaughtExceptionReporter);
  }
  void TearDown() override {
    EXPECT_EQ(Application().CaughtExceptionCount(), 0)
        << "a window procedure swallowed an exception; the last: "
        << Application().LastCaughtException();
  }
};

[[maybe_unused]] ::testing::Environment* const noSwallowedExceptions =
    ::testing::AddGlobalTestEnvironment(new TNoSwallowedExceptions);

}  // namespace
