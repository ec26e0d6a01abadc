#include "base/clock.h"

#include <gtest/gtest.h>

namespace kvitmark::base {
namespace {

TEST(VirtualClock, MovesOnlyWhenToldAndNeverBack) {
  VirtualClock clock;
  EXPECT_EQ(clock.Now(), Milliseconds(0));
  clock.Sleep(Milliseconds(1001));
  EXPECT_EQ(clock.Now(), Milliseconds(1001));
  clock.AdvanceTo(Milliseconds(500));
  EXPECT_EQ(clock.Now(), Milliseconds(1001));
  clock.Advance(Milliseconds(-5));
  EXPECT_EQ(clock.Now(), Milliseconds(1001));
}

TEST(RealClock, SleepLastsAtLeastItsDuration) {
  RealClock clock;
  const auto start = clock.Now();
  clock.Sleep(Milliseconds(20));
  EXPECT_GE(clock.Now() - start, Milliseconds(20));
}

}  // namespace
}  // namespace kvitmark::base
