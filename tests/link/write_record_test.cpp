// Writing one record: the conversation, the shared count of ten attempts, and the rule
// that a record the register did not take is never reported as written.
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "link/write_request.h"
#include "link_fixture.h"
#include "scripted_line.h"

namespace kvitmark::testing {
namespace {

using Direction = link::LineTrace::Direction;

const std::vector<std::string> kLongClosing = {Fill(10), kXoffXoff, Fill(15)};
const std::vector<std::string> kLongClosingThenClosing = {Fill(10), kXoffXoff, Fill(15),
                                                          Fill(8),  kXoffXoff, Fill(8)};

TEST_F(LinkTest, WriteRecord_Department_IsStoredAndEndsWithTheLongClosing) {
  Connect();
  const std::string data = base::Cp1251("Відділ 1;");
  const std::string request = "W10;1;" + data;
  EXPECT_EQ(link.WriteRecord(1, 10, 1, data, 0), static_cast<int>(request.size() + 4));
  EXPECT_EQ(simRegister.Tables()[10].records[0], data);

  const auto sent = SentChunks();
  const std::vector<std::string> expected = {Fill(11), Fill(10),  kXonXon + "01",
                                             Fill(10), Fill(3),   "\x06",
                                             Fill(3),  Fill(11),  link::BuildFrame(request),
                                             Fill(3),  "\x06",    Fill(3),
                                             Fill(10), kXoffXoff, Fill(15)};
  EXPECT_EQ(sent, expected);
  EXPECT_EQ(trace.AllReceived(),
            link::BuildFrame("DATECS MP-50 JUNIOR 01") + "\x06" + link::BuildFrame("10;1;"));
  EXPECT_EQ(priority.nice, 0);
}

TEST_F(LinkTest, WriteRecord_GoodsExample_GoesOutAsTheDocumentedRequest) {
  Connect();
  const std::string data = base::Cp1251("7;Хлеб;12.50;0.000;1;2;1;0;0;0;");
  EXPECT_GT(link.WriteRecord(1, 0, 7, data, 0), 0);
  EXPECT_NE(trace.AllSent().find(link::BuildFrame("W0;7;" + data)), std::string::npos);
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 0, 7, out, 0), 0);
  EXPECT_EQ(out, "0;7;" + data);
}

TEST_F(LinkTest, WriteRecord_RequestLengthLimit_196GoesOut197IsNotSent) {
  Connect();
  const std::string head = "W98;1;";
  const std::string fits(link::kMaxWriteRequestText - head.size(), 'x');
  EXPECT_EQ(link.WriteRecord(1, 98, 1, fits, 0), static_cast<int>(link::kMaxWriteRequestText + 4));
  trace.Clear();
  EXPECT_EQ(link.WriteRecord(1, 98, 2, fits + "x", 0), link::kRequestTooLong);
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_NE(simRegister.Tables()[98].records[1], fits + "x");
}

TEST_F(LinkTest, WriteRecord_DataThatCannotBeFramed_IsNotSent) {
  Connect();
  EXPECT_EQ(link.WriteRecord(1, 10, 1, "a\rb;", 0), link::kUnframeableText);
  EXPECT_EQ(link.WriteRecord(1, 10, 1, std::string("a\0b;", 4), 0), link::kUnframeableText);
  EXPECT_TRUE(trace.Chunks().empty());
}

struct RefusalCase {
  int table;
  int record;
  std::string data;
  link::WriteRefusal::Reason reason;
  size_t limit;
  size_t position;
};

// What the write refuses, as everything that checks a record before it is sent asks it.
TEST(RefusedWrite, LeavesRoomForTheRequestHeadAndRefusesWhatCannotBeFramed) {
  using Reason = link::WriteRefusal::Reason;
  const std::vector<RefusalCase> cases = {
      {0, 7, std::string(196 - 5, 'x'), Reason::kNone, 191, 0},  // "W0;7;"
      {0, 7, std::string(196 - 5 + 1, 'x'), Reason::kTooLong, 191, 0},
      {98, 3000, std::string(196 - 9, 'x'), Reason::kNone, 187, 0},  // "W98;3000;"
      {98, 3000, std::string(196 - 9 + 1, 'x'), Reason::kTooLong, 187, 0},
      {10, 1, "ab;c\rd;", Reason::kUnframeable, 190, 4},
      {10, 1, std::string("ab;\0;", 5), Reason::kUnframeable, 190, 3},
      // XON, XOFF, the other control characters and the fill byte are data to the frame.
      {10, 1, "\x11\x13\x1b\t\n\xff;", Reason::kNone, 190, 0},
  };
  for (const RefusalCase& c : cases) {
    const link::WriteRefusal refusal = link::RefusedWrite(c.table, c.record, c.data);
    EXPECT_EQ(refusal.reason, c.reason) << c.table << ";" << c.record << ";" << c.data;
    EXPECT_EQ(refusal.limit, c.limit) << c.data;
    EXPECT_EQ(refusal.position, c.position) << c.data;
  }
}

TEST_F(LinkTest, WriteRecord_BadArguments_SendNothing) {
  Connect();
  EXPECT_EQ(link.WriteRecord(1, 10, 1, "x;", 2), link::kBadMode);
  EXPECT_EQ(link.WriteRecord(0, 10, 1, "x;", 0), link::kRegisterOutOfRange);
  EXPECT_EQ(link.WriteRecord(100, 10, 1, "x;", 0), link::kRegisterOutOfRange);
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_EQ(priority.changes, 0);
}

// How the ten attempts of one write end, by what the register does with each frame.
struct WriteOutcome {
  const char* name;
  int naks;
  int refusals;
  int expected;  // 0: the frame length
  int selections;
  std::vector<std::string> ending;
};

class WriteRecordAttempts : public LinkTest, public ::testing::WithParamInterface<WriteOutcome> {};

TEST_P(WriteRecordAttempts, EndAsTheLastAttemptEnded) {
  Connect();
  const std::string before = simRegister.Tables()[10].records[4];
  simRegister.Faults().nak = GetParam().naks;
  simRegister.Faults().refuse = GetParam().refusals;
  const int result = link.WriteRecord(1, 10, 5, "New;", 0);
  if (GetParam().expected == 0) {
    EXPECT_EQ(result, static_cast<int>(link::BuildFrame("W10;5;New;").size()));
    EXPECT_EQ(simRegister.Tables()[10].records[4], "New;");
  } else {
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(simRegister.Tables()[10].records[4], before);
  }
  EXPECT_EQ(simRegister.Counters().selections, GetParam().selections);
  EXPECT_TRUE(EndsWithWrites(GetParam().ending));
  EXPECT_EQ(priority.nice, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Register, WriteRecordAttempts,
    ::testing::Values(
        WriteOutcome{"TakenAtOnce", 0, 0, 0, 1, kLongClosing},
        WriteOutcome{"NineNaksThenTaken", 9, 0, 0, 10, kLongClosing},
        WriteOutcome{"NineRefusalsThenTaken", 0, 9, 0, 10, kLongClosing},
        WriteOutcome{"NaksAndRefusalsShareTheCount", 5, 4, 0, 10, kLongClosing},
        // The greeting of the last selection must not pass for an acceptance.
        WriteOutcome{"NeverAcknowledged", 10, 0, link::kExchangeBroken, 10, kLongClosing},
        WriteOutcome{"RefusedTenTimes", 0, 10, link::kRefused, 10, kLongClosingThenClosing},
        WriteOutcome{"LastAttemptRefused", 9, 1, link::kRefused, 10, kLongClosingThenClosing}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkTest, WriteRecord_ReportTable_IsRefused) {
  Connect();
  EXPECT_EQ(link.WriteRecord(1, 65, 1, "x;", 0), link::kRefused) << "report tables are read-only";
  EXPECT_EQ(simRegister.Counters().refusals, 10);
}

TEST_F(LinkTest, WriteRecord_SilentRegister_ReturnsMinus1AfterFiveSelections) {
  Connect();
  simRegister.Faults().silent = true;
  EXPECT_EQ(link.WriteRecord(1, 10, 1, "x;", 0), link::kSelectionUnanswered);
  EXPECT_TRUE(EndsWithWrites({Fill(8), kXoffXoff, Fill(8)}));
}

TEST_F(LinkTest, WriteRecord_ReplyBreaksOff_ReturnsMinus12AfterTheClosing) {
  Connect();
  simRegister.Faults().halfReply = 1;
  EXPECT_EQ(link.WriteRecord(1, 10, 1, "x;", 0), link::kExchangeBroken);
  EXPECT_TRUE(EndsWithWrites({Fill(8), kXoffXoff, Fill(8)}));
  EXPECT_EQ(priority.nice, 0);
}

TEST_F(ScriptedLinkTest, WriteRecord_FillBytesInTheReply_AreDroppedBeforeItIsJudged) {
  // "\xFF" "E1" is a refusal once the fill byte is gone.
  const std::string oneRefusal = Framed("HELLO") +
                                 "\x06\x0A\xFF"
                                 "E1\x0D" +
                                 std::string(2, '\0');
  for (int i = 0; i < 10; ++i) script += oneRefusal;
  EXPECT_EQ(link.WriteRecord(1, 10, 1, "x;", 0), link::kRefused);
  EXPECT_EQ(link.LastReply(), "E1\x0D");
}

TEST_F(ScriptedLinkTest, WriteRecord_NoAcknowledgementByteAtAll_ReturnsMinus12AfterTheClosing) {
  script = Framed("HELLO");
  EXPECT_EQ(link.WriteRecord(1, 10, 1, "x;", 0), link::kExchangeBroken);
  EXPECT_TRUE(trace.Chunks().back().bytes == Fill(8));
  EXPECT_EQ(trace.Chunks()[trace.Chunks().size() - 2].bytes, kXoffXoff);
}

}  // namespace
}  // namespace kvitmark::testing

namespace kvitmark::testing {
namespace {

TEST_F(ScriptedLinkTest, WriteRecord_RefusedNineTimesThenNotAcknowledged_IsNotWritten) {
  for (int i = 0; i < 9; ++i) script += Framed("HELLO") + "\x06" + Framed("E9");
  script += Framed("HELLO") + "\x15";
  EXPECT_EQ(link.WriteRecord(1, 10, 1, "x;", 0), link::kExchangeBroken);
  const std::vector<std::string> ending = {Fill(10), kXoffXoff, Fill(15)};
  const auto& chunks = trace.Chunks();
  ASSERT_GE(chunks.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(chunks[chunks.size() - 3 + i].bytes, ending[i]);
}

}  // namespace
}  // namespace kvitmark::testing
