// Reading one record: the byte conversation, the link's own retries, and every way a
// reply can go wrong.
#include "base/cp1251.h"
#include "link_fixture.h"
#include "scripted_line.h"

namespace kvitmark::testing {
namespace {

using link::LineTrace;
using Direction = link::LineTrace::Direction;

std::string Greeting() { return link::BuildFrame("DATECS MP-50 JUNIOR 01"); }

TEST_F(LinkTest, ReadRecord_Table3Record12_FollowsTheDocumentedConversation) {
  Connect();
  std::string out;
  const int result = link.ReadRecord(1, 3, 12, out, 0);

  const std::string record = base::Cp1251("12;Оператор12;0;");
  EXPECT_EQ(out, "3;12;" + record);
  EXPECT_EQ(result, static_cast<int>(out.size()));
  const std::vector<LineTrace::Chunk> expected = {
      {Direction::kSent, Fill(11)},
      {Direction::kSent, Fill(10)},
      {Direction::kSent, kXonXon + "01"},
      {Direction::kSent, Fill(10)},
      {Direction::kReceived, Greeting()},
      {Direction::kSent, Fill(3)},
      {Direction::kSent, "\x06"},
      {Direction::kSent, Fill(3)},
      {Direction::kSent, Fill(11)},
      {Direction::kSent, "\x0AR3;12;\x0D" + link::BuildFrame("R3;12;").substr(8)},
      {Direction::kReceived, "\x06" + link::BuildFrame("3;12;" + record)},
      {Direction::kSent, Fill(3)},
      {Direction::kSent, "\x06"},
      {Direction::kSent, Fill(3)},
      {Direction::kSent, Fill(5)},
      {Direction::kSent, kXoffXoff},
      {Direction::kSent, Fill(5)},
  };
  ASSERT_EQ(trace.Chunks().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(trace.Chunks()[i].direction, expected[i].direction) << "chunk " << i;
    EXPECT_EQ(trace.Chunks()[i].bytes, expected[i].bytes) << "chunk " << i;
  }
  EXPECT_EQ(priority.nice, 0) << "priority restored";
  EXPECT_LT(priority.lowest, 0) << "priority raised during the exchange";
}

TEST_F(LinkTest, ReadRecord_TwoDigitRegisterNumber_SelectsWithItsDigits) {
  sim::SimRegister register12(12, sim::FactoryTables());
  sim::MemoryWire wire12(register12, clock);
  link::RegisterLink link12(link::TracedLineFactory(wire12.Factory(), trace), clock, priority);
  ASSERT_GE(link12.OpenPort(1, 9600), 0);
  std::string out;
  EXPECT_GT(link12.ReadRecord(12, 10, 1, out, 0), 0);
  EXPECT_NE(trace.AllSent().find(kXonXon + "12"), std::string::npos);
}

// Calls that are refused before anything is sent.
struct Refusal {
  const char* name;
  int registerNumber;
  int mode;
  int expected;
};

class ReadRecordRefused : public LinkTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ReadRecordRefused, SendsNothingAndKeepsTheBuffer) {
  Connect();
  std::string out = "before";
  EXPECT_EQ(link.ReadRecord(GetParam().registerNumber, 0, 1, out, GetParam().mode),
            GetParam().expected);
  EXPECT_EQ(out, "before");
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_EQ(priority.changes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ReadRecordRefused,
    ::testing::Values(Refusal{"ModeTwo", 1, 2, link::kBadMode},
                      Refusal{"ModeMinusOne", 1, -1, link::kBadMode},
                      Refusal{"RegisterZero", 0, 0, link::kRegisterOutOfRange},
                      Refusal{"Register100", 100, 0, link::kRegisterOutOfRange},
                      Refusal{"BadModeWinsOverBadRegister", 0, 5, link::kBadMode}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkTest, ReadRecord_ModeOne_IsAcceptedLikeZero) {
  Connect();
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 10, 1, out, 1), 0);
}

TEST_F(LinkTest, ReadRecord_NoPortOpen_FailsLikeAnUnansweredSelection) {
  std::string out = "kept";
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), link::kSelectionUnanswered);
  EXPECT_EQ(out, "kept");
  EXPECT_EQ(clock.Now(), base::Milliseconds(0)) << "nothing to wait for";
}

TEST_F(LinkTest, ReadRecord_SilentRegister_FiveSelectionsThenClosing) {
  Connect();
  simRegister.Faults().silent = true;
  const auto start = clock.Now();
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), link::kSelectionUnanswered);
  const auto sent = SentChunks();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), kXonXon + "01"), 5);
  EXPECT_TRUE(EndsWithWrites({Fill(8), kXoffXoff, Fill(8)}));
  EXPECT_EQ(clock.Now() - start, base::Milliseconds(5 * 300));
  EXPECT_EQ(priority.nice, 0);
}

TEST_F(LinkTest, ReadRecord_AnotherRegisterOnTheLine_IsNotSelected) {
  Connect();
  simRegister.Faults().answerAs = 2;
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), link::kSelectionUnanswered);
  EXPECT_EQ(simRegister.Counters().selections, 0);
}

TEST_F(LinkTest, ReadRecord_RefusedTenTimes_ReturnsMinus15AfterShortClose) {
  Connect();
  simRegister.Faults().refuse = 10;
  std::string out = "kept";
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), link::kRefused);
  EXPECT_EQ(out, "kept");
  EXPECT_EQ(simRegister.Counters().selections, 10) << "selected again for every attempt";
  EXPECT_EQ(simRegister.Counters().refusals, 10);
  // Each greeting and each refusal is acknowledged.
  EXPECT_EQ(simRegister.Counters().acknowledgements, 20);
  EXPECT_TRUE(EndsWithWrites({Fill(3), "\x06", Fill(3), Fill(5), kXoffXoff, Fill(5)}));
}

TEST_F(LinkTest, ReadRecord_RefusedNineTimes_TheTenthAnswerCounts) {
  Connect();
  simRegister.Faults().refuse = 9;
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 0, 1, out, 0), 0);
  EXPECT_EQ(out, "0;1;" + base::Cp1251("1;Товар1;0.00;0.000;1;1;1;1;0;0;"));
}

TEST_F(LinkTest, ReadRecord_UnknownTableOrRecord_IsRefusedByTheRegister) {
  Connect();
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 7, 1, out, 0), link::kRefused);
  EXPECT_EQ(link.ReadRecord(1, 10, 21, out, 0), link::kRefused);
  EXPECT_EQ(link.ReadRecord(1, 10, 0, out, 0), link::kRefused);
  EXPECT_GT(link.ReadRecord(1, 10, 20, out, 0), 0);
}

TEST_F(LinkTest, ReadRecord_CorruptedCheck_ReturnsMinus1000AndSendsNothingMore) {
  Connect();
  simRegister.Faults().corruptCheck = 1;
  std::string out = "kept";
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), link::kBadCheck);
  EXPECT_EQ(out, "kept");
  EXPECT_EQ(trace.Chunks().back().direction, Direction::kReceived);
  EXPECT_EQ(priority.nice, 0);
}

// Replies that break off or arrive in a shape the link cannot take: the call ends with
// -12 and without acknowledgement, and the next call finds the line in step.
struct BrokenReply {
  const char* name;
  int sim::SimFaults::*fault;
  int expected;
};

class ReadRecordBrokenReply : public LinkTest, public ::testing::WithParamInterface<BrokenReply> {};

TEST_P(ReadRecordBrokenReply, FailsAndTheCallersRetriesRecover) {
  Connect();
  simRegister.Faults().*(GetParam().fault) = 1;
  std::string out = "kept";
  EXPECT_EQ(link.ReadRecord(1, 10, 1, out, 0), GetParam().expected);
  EXPECT_EQ(out, "kept");
  EXPECT_EQ(priority.nice, 0);
  // What is left of the broken reply may still be on its way; the ten calls a caller
  // makes for one record get through it.
  int calls = 1;
  while (link.ReadRecord(1, 10, 2, out, 0) < 0 && calls < 10) ++calls;
  EXPECT_EQ(out, "10;2;" + base::Cp1251("Відділ 2;"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadRecordBrokenReply,
    ::testing::Values(
        BrokenReply{"FrameNotAcknowledged", &sim::SimFaults::nak, link::kExchangeBroken},
        BrokenReply{"HalfAReply", &sim::SimFaults::halfReply, link::kExchangeBroken},
        BrokenReply{"BytesSlowerThanTheWait", &sim::SimFaults::trickleOver, link::kExchangeBroken},
        BrokenReply{"OverlongWithoutCr", &sim::SimFaults::overlongReply, link::kExchangeBroken},
        // The byte taken for the LF is not examined, so junk before it
        // shifts the reply and the check catches it.
        BrokenReply{"GarbageBeforeLf", &sim::SimFaults::garbageBeforeLf, link::kBadCheck},
        BrokenReply{"AckTwice", &sim::SimFaults::doubleAck, link::kBadCheck}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkTest, ReadRecord_BytesJustInsideTheWait_AreCollected) {
  Connect();
  simRegister.Faults().trickleUnder = 1;
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 10, 3, out, 0), 0);
  EXPECT_EQ(out, "10;3;" + base::Cp1251("Відділ 3;"));
}

TEST_F(LinkTest, ReadRecord_RegisterHangsUp_FailsWithoutWaitingOutTimeouts) {
  Connect();
  simRegister.Faults().hangup = 1;
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 10, 1, out, 0), link::kExchangeBroken);
  const auto afterHangup = clock.Now();
  EXPECT_EQ(link.ReadRecord(1, 10, 1, out, 0), link::kSelectionUnanswered);
  EXPECT_EQ(clock.Now(), afterHangup);
}

TEST_F(LinkTest, ReadRecord_LetterYa_StaysInTextAndCheck) {
  Connect();
  simRegister.Tables()[10].records[0] = "\xFF\xFF" + base::Cp1251("сна;");  // "яясна;"
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 10, 1, out, 0), 0);
  EXPECT_EQ(out, "10;1;\xFF\xFF" + base::Cp1251("сна;"));
}

TEST_F(LinkTest, ReadRecord_LongestReplyTheCallersBufferHolds_Fits) {
  Connect();
  const std::string head = "100;1;";
  simRegister.Tables()[100].records[0] = std::string(link::kMaxReadReplyText - head.size(), '7');
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 100, 1, out, 0), static_cast<int>(link::kMaxReadReplyText));
  EXPECT_EQ(out.size(), link::kMaxReadReplyText);

  simRegister.Tables()[100].records[1] =
      std::string(link::kMaxReadReplyText - head.size() + 1, '7');
  out = "kept";
  EXPECT_EQ(link.ReadRecord(1, 100, 2, out, 0), link::kExchangeBroken);
  EXPECT_EQ(out, "kept") << "an overlong reply is never copied out";
  EXPECT_GT(link.ReadRecord(1, 100, 3, out, 0), 0) << "the line stays in step";
}

TEST_F(ScriptedLinkTest, ReadRecord_ReplyOfOnlyCr_ReturnsZeroAndEmptyText) {
  script = Framed("HELLO") + "\x06" + Framed("");
  std::string out = "kept";
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), 0);
  EXPECT_EQ(out, "");
}

TEST_F(ScriptedLinkTest, ReadRecord_FirstByteNotAck_ReturnsMinus12WithoutAcknowledging) {
  script = Framed("HELLO") + "\x15" + Framed("0;1;x;");
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), link::kExchangeBroken);
  const std::string sent = trace.AllSent();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), '\x06'), 1) << "only the greeting's";
}

TEST_F(ScriptedLinkTest, ReadRecord_EndlessReplyWithoutCr_GivesUpAfterAFewKilobytes) {
  script = Framed("HELLO") + "\x06\x0A" + std::string(100000, 'A');
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), link::kExchangeBroken);
  EXPECT_GT(script.size(), 90000u) << "stopped reading long before the end";
}

TEST_F(ScriptedLinkTest, Selection_FillBytesInTheGreeting_AreDropped) {
  // The greeting's check bytes are not verified, so zeros do.
  script = "\x0A\xFFHE\xFFLLO\x0D" + std::string(2, '\0') + "\x06" + Framed("0;1;x;");
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), 6);
  EXPECT_EQ(link.LastReply(), "HELLO\x0D");
}

TEST_F(ScriptedLinkTest, Selection_GreetingNotStartingWithLf_IsAnotherAttempt) {
  script = "X" + Framed("HELLO") + "\x06" + Framed("0;1;x;");
  std::string out;
  EXPECT_EQ(link.ReadRecord(1, 0, 1, out, 0), 6);
  const auto& chunks = trace.Chunks();
  const auto selections = std::count_if(chunks.begin(), chunks.end(), [](const auto& chunk) {
    return chunk.bytes == kXonXon + "01";
  });
  EXPECT_EQ(selections, 2);
}

}  // namespace
}  // namespace kvitmark::testing
