// A register preparing a report record may take its time: the reply wait stretches the
// wait for a reply, never for a selection, and can be abandoned between slices.
#include "base/cp1251.h"
#include "link_fixture.h"

namespace kvitmark::testing {
namespace {

TEST_F(LinkTest, ReplyWait_SlowReplyBytes_AreWaitedFor) {
  Connect();
  simRegister.Faults().trickleOver = 1;  // every reply byte 350 ms after the last
  int asked = 0;
  link.SetReplyWait(base::Milliseconds(10000), [&] {
    ++asked;
    return true;
  });
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 10, 1, out, 0), 0);
  EXPECT_EQ(out, "10;1;" + base::Cp1251("Відділ 1;"));
  EXPECT_GT(asked, 0);
}

TEST_F(LinkTest, ReplyWait_SilentRegister_StillFailsItsSelectionsInSeconds) {
  Connect();
  simRegister.Faults().silent = true;
  link.SetReplyWait(base::Milliseconds(108000000), [] { return true; });
  const auto start = clock.Now();
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 10, 1, out, 0), link::kSelectionUnanswered);
  EXPECT_EQ(clock.Now() - start, base::Milliseconds(5 * 300));
}

TEST_F(LinkTest, ReplyWait_EndsAfterItsLength) {
  Connect();
  simRegister.Faults().halfReply = 1;  // half a reply, then nothing
  link.SetReplyWait(base::Milliseconds(3000), [] { return true; });
  const auto start = clock.Now();
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 10, 1, out, 0), link::kExchangeBroken);
  EXPECT_GE(clock.Now() - start, base::Milliseconds(3000));
  EXPECT_LT(clock.Now() - start, base::Milliseconds(4000));
}

TEST_F(LinkTest, ReplyWait_AbandonedBetweenSlices) {
  Connect();
  simRegister.Faults().halfReply = 1;
  int asked = 0;
  link.SetReplyWait(base::Milliseconds(108000000), [&] { return ++asked < 3; });
  const auto start = clock.Now();
  std::string out = "kept";
  EXPECT_EQ(link.ReadRecord(1, 10, 1, out, 0), link::kExchangeBroken);
  EXPECT_EQ(asked, 3);
  EXPECT_LT(clock.Now() - start, base::Milliseconds(2000));
  EXPECT_EQ(out, "kept");
}

TEST_F(LinkTest, ReplyWait_LineGone_FailsAtOnceInsteadOfSpinning) {
  Connect();
  simRegister.Faults().hangup = 1;
  int asked = 0;
  link.SetReplyWait(base::Milliseconds(108000000), [&] { return ++asked < 1000; });
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 10, 1, out, 0), link::kExchangeBroken);
  EXPECT_EQ(asked, 0);
}

TEST_F(LinkTest, ReplyWait_Cleared_BackToThePortTimeOut) {
  Connect();
  link.SetReplyWait(base::Milliseconds(108000000), [] { return true; });
  link.ClearReplyWait();
  simRegister.Faults().trickleOver = 1;
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 10, 1, out, 0), link::kExchangeBroken);
}

}  // namespace
}  // namespace kvitmark::testing
