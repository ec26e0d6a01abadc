// Does register N answer: two end-of-exchange pauses around up to sixteen probes.
#include "link_fixture.h"
#include "scripted_line.h"

namespace kvitmark::testing {
namespace {

const std::vector<std::string> kClosing = {Fill(8), kXoffXoff, Fill(8)};

TEST_F(LinkTest, CheckPresence_RegisterAnswers_ProbesOnceBetweenTwoPauses) {
  Connect();
  const auto start = clock.Now();
  EXPECT_EQ(link.CheckPresence(1), 1);
  EXPECT_GE(clock.Now() - start, base::Milliseconds(2002));
  const std::vector<std::string> expected = {
      Fill(8), kXoffXoff, Fill(8),         // end of exchange
      Fill(5), Fill(10),  kXonXon + "01",  // probe preamble, one probe
      Fill(3), "\x06",    Fill(3),         // greeting acknowledged
      Fill(8), kXoffXoff, Fill(8)};        // end of exchange
  EXPECT_EQ(SentChunks(), expected);
  EXPECT_EQ(priority.nice, 0);
}

TEST_F(LinkTest, CheckPresence_NoRegister_ReturnsMinus3AfterSixteenProbes) {
  Connect();
  simRegister.Faults().silent = true;
  const auto start = clock.Now();
  EXPECT_EQ(link.CheckPresence(1), link::kProbeUnanswered);
  EXPECT_EQ(clock.Now() - start, base::Milliseconds(2 * 1001 + 16 * 300));
  const auto sent = SentChunks();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), kXonXon + "01"), 16);
  EXPECT_TRUE(EndsWithWrites(kClosing));
  EXPECT_EQ(priority.nice, 0);
}

TEST_F(LinkTest, CheckPresence_OtherRegisterNumber_IsNotPresent) {
  Connect();
  EXPECT_EQ(link.CheckPresence(2), link::kProbeUnanswered);
  EXPECT_NE(trace.AllSent().find(kXonXon + "02"), std::string::npos);
}

TEST_F(LinkTest, CheckPresence_NoPort_ReturnsMinus1AtOnce) {
  EXPECT_EQ(link.CheckPresence(1), link::kSelectionUnanswered);
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_EQ(clock.Now(), base::Milliseconds(0));
  EXPECT_EQ(priority.nice, 0);
}

TEST_F(LinkTest, CheckPresence_RegisterNumberOutOfRange_ReturnsMinus2) {
  Connect();
  EXPECT_EQ(link.CheckPresence(0), link::kRegisterOutOfRange);
  EXPECT_EQ(link.CheckPresence(100), link::kRegisterOutOfRange);
  EXPECT_TRUE(trace.Chunks().empty());
}

TEST_F(ScriptedLinkTest, CheckPresence_MissedProbes_AreRepeatedUntilOneIsAnswered) {
  // A wrong first byte, then a greeting that breaks off, then a whole one.
  script = 'X' +
           std::string(
               "\x0A"
               "abc") +
           Framed("HI");
  silences = {5};  // the line goes quiet after "abc"
  EXPECT_EQ(link.CheckPresence(1), 1);
  const auto& chunks = trace.Chunks();
  const auto probes = std::count_if(chunks.begin(), chunks.end(), [](const auto& chunk) {
    return chunk.bytes == kXonXon + "01";
  });
  EXPECT_EQ(probes, 3);
  EXPECT_EQ(link.LastReply(), "HI\x0D");
}

}  // namespace
}  // namespace kvitmark::testing
