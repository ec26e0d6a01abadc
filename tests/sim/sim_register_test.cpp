// The simulated register as a client written from the line protocol alone would see it.
#include "sim/sim_register.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "link/frame.h"
#include "sim/sim_tables.h"

namespace kvitmark::sim {
namespace {

class SimRegisterTest : public ::testing::Test {
 protected:
  SimRegisterTest() : simRegister(3, FactoryTables()) {}

  std::string Send(const std::string& bytes) {
    for (char byte : bytes) simRegister.Receive(byte);
    std::string out;
    for (const SimByte& sent : simRegister.TakeOutput()) out.push_back(sent.byte);
    return out;
  }
  std::string Select(const char* digits = "03") {
    return Send(std::string(10, '\xFF') + "\x11\x11" + digits + std::string(10, '\xFF'));
  }
  // The reply to one framed request after a selection: ACK, then the framed answer.
  std::string Request(const std::string& text) {
    Select();
    return Send(std::string(11, '\xFF') + link::BuildFrame(text));
  }

  SimRegister simRegister;
};

TEST_F(SimRegisterTest, AnswersOnlyItsOwnNumber) {
  EXPECT_EQ(Select("03"), link::BuildFrame("DATECS MP-50 JUNIOR 03"));
  EXPECT_EQ(Select("01"), "");
  EXPECT_EQ(Select("30"), "");
  simRegister.Faults().answerAs = 1;
  EXPECT_EQ(Select("03"), "");
  EXPECT_NE(Select("01"), "");
}

TEST_F(SimRegisterTest, FramesAreIgnoredUntilSelectedAndAfterXoff) {
  EXPECT_EQ(Send(link::BuildFrame("R10;1;")), "");
  Select();
  Send("\xFF\x13\x13\xFF");
  EXPECT_EQ(Send(link::BuildFrame("R10;1;")), "");
}

TEST_F(SimRegisterTest, ReadAnswersTableRecordAndRecordText) {
  EXPECT_EQ(Request("R10;7;"), "\x06" + link::BuildFrame("10;7;" + base::Cp1251("Відділ 7;")));
}

TEST_F(SimRegisterTest, WriteIsStoredAndReadBack) {
  EXPECT_EQ(Request("W3;2;77;Ivan;1;"), "\x06" + link::BuildFrame("3;2;"));
  EXPECT_EQ(simRegister.Tables()[3].records[1], "77;Ivan;1;");
  EXPECT_EQ(Request("R3;2;"), "\x06" + link::BuildFrame("3;2;77;Ivan;1;"));
  EXPECT_EQ(simRegister.Counters().writes, 1);
}

struct RefusedRequest {
  const char* request;
  const char* reply;
};

class SimRegisterRefuses : public SimRegisterTest,
                           public ::testing::WithParamInterface<RefusedRequest> {};

TEST_P(SimRegisterRefuses, WithAnEReply) {
  EXPECT_EQ(Request(GetParam().request), "\x06" + link::BuildFrame(GetParam().reply));
  EXPECT_EQ(simRegister.Counters().refusals, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, SimRegisterRefuses,
    ::testing::Values(RefusedRequest{"R7;1;", "E1"}, RefusedRequest{"R10;21;", "E2"},
                      RefusedRequest{"R10;0;", "E2"}, RefusedRequest{"W65;1;x;", "E3"},
                      RefusedRequest{"W74;1;x;", "E3"}, RefusedRequest{"X10;1;", "E4"},
                      RefusedRequest{"R10;1;junk", "E4"}, RefusedRequest{"R;1;", "E4"},
                      RefusedRequest{"", "E4"}));

TEST_F(SimRegisterTest, ReportTablesCanBeRead) {
  const std::string reply = Request("R78;1;");
  EXPECT_EQ(reply.substr(0, 6),
            "\x06\x0A"
            "78;1");
}

TEST_F(SimRegisterTest, FrameWithABadCheckIsAnsweredWithNakAndNotDone) {
  Select();
  std::string frame = link::BuildFrame("W10;1;x;");
  frame.back() = static_cast<char>(frame.back() ^ 1);
  EXPECT_EQ(Send(frame), "\x15");
  EXPECT_EQ(simRegister.Counters().badFrames, 1);
  EXPECT_NE(simRegister.Tables()[10].records[0], "x;");
}

TEST_F(SimRegisterTest, FaultsAreUsedUpOneReplyAtATime) {
  simRegister.Faults().refuse = 2;
  EXPECT_EQ(Request("R10;1;"), "\x06" + link::BuildFrame("E9"));
  EXPECT_EQ(Request("R10;1;"), "\x06" + link::BuildFrame("E9"));
  EXPECT_NE(Request("R10;1;"), "\x06" + link::BuildFrame("E9"));
}

TEST_F(SimRegisterTest, HangupStopsHalfwayAndForGood) {
  simRegister.Faults().hangup = 1;
  const std::string full = "\x06" + link::BuildFrame("10;1;" + base::Cp1251("Відділ 1;"));
  const std::string half = Request("R10;1;");
  EXPECT_LT(half.size(), full.size());
  EXPECT_EQ(full.substr(0, half.size()), half);
  EXPECT_TRUE(simRegister.HungUp());
  EXPECT_EQ(Select(), "");
}

TEST_F(SimRegisterTest, TrickledRepliesCarryTheirDelays) {
  simRegister.Faults().trickleOver = 1;
  Select();
  for (char byte : std::string(11, '\xFF') + link::BuildFrame("R10;1;")) simRegister.Receive(byte);
  const auto sent = simRegister.TakeOutput();
  ASSERT_GT(sent.size(), 2u);
  EXPECT_EQ(sent[0].delayMs, 0) << "the ACK comes at once";
  for (size_t i = 1; i < sent.size(); ++i) EXPECT_EQ(sent[i].delayMs, 350);
}

TEST_F(SimRegisterTest, StaleBytesWaitForThePortToOpen) {
  simRegister.Faults().staleBytes = "abc";
  EXPECT_FALSE(simRegister.HasOutput());
  simRegister.PortOpened();
  EXPECT_EQ(Send(""), "abc");
  simRegister.PortOpened();
  EXPECT_EQ(Send(""), "") << "only once";
}

TEST_F(SimRegisterTest, SilentRegisterSaysNothing) {
  simRegister.Faults().silent = true;
  EXPECT_EQ(Select(), "");
  EXPECT_EQ(Send(link::BuildFrame("R10;1;")), "");
}

}  // namespace
}  // namespace kvitmark::sim
