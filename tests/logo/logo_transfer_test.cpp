// Writing the logo into table 136 of the simulated register and reading it back.
#include "logo/logo_transfer.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "logo/row_codec.h"
#include "tables/silent_host.h"
#include "tables/table_fixture.h"
#include "test_picture.h"

namespace kvitmark::logo {
namespace {

using testing::Repeat;
using testing::TestPicture;

const char kDone[] = "Успешно!";
const char kWriteFailed[] = "Ошибка записи логотипа!";
const char kReadFailed[] = "Ошибка чтения логотипа! Чтение остановлено.";

// The window as the logo transfers see it: messages (in UTF-8, so tests read plainly),
// the progress bar and repaints. The transfers never ask, never prompt and never let
// events run.
class LogoHost final : public testing::SilentHost {
 public:
  std::vector<std::string> messages;
  int progressMaximum = -1;
  std::vector<int> positions;
  // The progress bar's position at each repaint.
  std::vector<int> repaintedAt;
  int pendingEventsCalls = 0;
  // Runs at every repaint, with the number of that repaint (from 1).
  std::function<void(int)> onRepaint;

  void ShowMessage(const std::string& text) override {
    messages.push_back(base::Cp1251ToUtf8(text));
  }
  tables::BoxAnswer ShowMessageBox(const std::string& text, const std::string&, tables::BoxButtons,
                                   tables::BoxIcon) override {
    ADD_FAILURE() << "message box " << base::Cp1251ToUtf8(text);
    return tables::BoxAnswer::kOk;
  }
  tables::PromptAnswer AskExchangeError() override {
    ADD_FAILURE() << "the exchange error prompt came up";
    return tables::PromptAnswer::kFinish;
  }
  void ProcessPendingEvents() override { ++pendingEventsCalls; }
  void SetProgressRange(int maximum) override { progressMaximum = maximum; }
  void SetProgressPosition(int position) override { positions.push_back(position); }
  int ShownPage() override { return 8; }
  void Repaint() override {
    repaintedAt.push_back(positions.empty() ? -1 : positions.back());
    if (onRepaint) onRepaint(static_cast<int>(repaintedAt.size()));
  }
};

// Pixels of every kind: black and white, and other reds whose lowest bit decides.
int PatternRed(int x, int y) {
  const int reds[] = {0, 255, 254, 1, 128, 77};
  return reds[(x * 7 + y * 13 + (x * y) % 11) % 6];
}

TestPicture Pattern(int width, int height) {
  TestPicture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.SetRed(x, y, PatternRed(x, y));
  }
  return picture;
}

std::vector<int> Range(int first, int last, int step = 1) {
  std::vector<int> values;
  for (int value = first; value <= last; value += step) values.push_back(value);
  return values;
}

class LogoTransferTest : public testing::TablesTest {
 protected:
  LogoTransferTest() : logoSession{link, clock, workspace, logoHost} {}

  void SetUp() override {
    Connect();
    logoSession.connectedRegister = 1;
  }

  std::vector<std::string>& LogoRecords() { return simRegister.Tables()[kLogoTable].records; }

  // The record numbers of the write requests on the line, in order, link retries included.
  std::vector<int> WrittenRecords() const {
    std::vector<int> records;
    for (const auto& request : WritesOnTheLine()) {
      EXPECT_TRUE(request.starts_with("W136;")) << request;
      records.push_back(std::stoi(request.substr(5)));
    }
    return records;
  }

  // How many refusals the link takes before one read call gives up.
  int RefusalsPerFailedRead() {
    const int before = simRegister.Counters().refusals;
    simRegister.Faults().refuse = 1000;
    std::string answer;
    EXPECT_LT(link.ReadRecord(1, kLogoTable, 1, answer, 0), 0);
    simRegister.Faults().refuse = 0;
    return simRegister.Counters().refusals - before;
  }

  LogoHost logoHost;
  tables::TableSession logoSession;
};

TEST_F(LogoTransferTest, WriteThenRead_ReproducesThePicturePixelForPixel) {
  const TestPicture written = Pattern(kLogoWidth, kLogoHeight);
  const TransferResult write = WriteLogo(logoSession, written);
  EXPECT_TRUE(write.succeeded);
  EXPECT_EQ(write.rows, 200);
  ASSERT_EQ(LogoRecords().size(), 200u);
  for (int y = 0; y < kLogoHeight; ++y) ASSERT_EQ(LogoRecords()[y], EncodeRow(written, y));

  TestPicture read(kLogoWidth, kLogoHeight);
  const TransferResult result = ReadLogo(logoSession, read);
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(result.rows, 200);
  for (int y = 0; y < kLogoHeight; ++y) {
    for (int x = 0; x < kLogoWidth; ++x) {
      const bool printed = (written.Red(x, y) & 1) == 0;
      ASSERT_EQ(read.Red(x, y), printed ? 0 : 255) << "pixel " << x << "," << y;
    }
  }
  EXPECT_EQ(logoHost.messages, (std::vector<std::string>{kDone, kDone}));
  EXPECT_EQ(logoHost.pendingEventsCalls, 0);
}

TEST_F(LogoTransferTest, Write_SendsEachRowAsItsRecordTextByteForByte) {
  TestPicture picture(kLogoWidth, 3, 255);
  picture.SetRed(0, 1, 0);
  picture.SetByte(0, 2, 105);
  picture.SetByte(1, 2, 200);
  const std::string fourth = LogoRecords()[3];
  WriteLogo(logoSession, picture);
  EXPECT_EQ(WritesOnTheLine(), (std::vector<std::string>{
                                   "W136;1;" + Repeat("0;", 24),
                                   "W136;2;128;" + Repeat("0;", 23),
                                   "W136;3;105;200;" + Repeat("0;", 22),
                               }));
  EXPECT_EQ(LogoRecords()[3], fourth) << "rows the picture lacks stay as they were";
  EXPECT_EQ(logoHost.messages, std::vector<std::string>{kDone});
}

TEST_F(LogoTransferTest, Write_ProgressFollowsTheRowsWithARepaintEveryTenthRow) {
  WriteLogo(logoSession, Pattern(kLogoWidth, 25));
  EXPECT_EQ(logoHost.progressMaximum, 200);
  std::vector<int> expected = Range(0, 25);
  expected.push_back(0);
  EXPECT_EQ(logoHost.positions, expected);
  EXPECT_EQ(logoHost.repaintedAt, (std::vector<int>{1, 11, 21}));
  EXPECT_EQ(logoHost.pendingEventsCalls, 0);
}

TEST_F(LogoTransferTest, Read_ProgressFollowsTheRowsWithARepaintEveryTenthRow) {
  TestPicture picture(kLogoWidth, kLogoHeight);
  ReadLogo(logoSession, picture);
  EXPECT_EQ(logoHost.progressMaximum, 200);
  std::vector<int> expected = Range(0, 200);
  expected.push_back(0);
  EXPECT_EQ(logoHost.positions, expected);
  EXPECT_EQ(logoHost.repaintedAt, Range(0, 190, 10));
  EXPECT_EQ(logoHost.pendingEventsCalls, 0);
}

class WriteRefusedTest : public LogoTransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(WriteRefusedTest, StopsAtTheRefusedRecordWithOnlyTheWriteError) {
  const int refusedRecord = GetParam();
  // A table one record short of the refused one: the register refuses it and any later.
  LogoRecords().resize(refusedRecord - 1);
  const TransferResult result = WriteLogo(logoSession, Pattern(kLogoWidth, kLogoHeight));
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.rows, refusedRecord - 1);
  EXPECT_EQ(simRegister.Counters().writes, refusedRecord - 1);
  EXPECT_EQ(logoHost.messages, std::vector<std::string>{kWriteFailed});
  // The records before it once each; the refused one only as often as one link call
  // repeats it; nothing after it.
  std::vector<int> records = WrittenRecords();
  ASSERT_GE(records.size(), static_cast<size_t>(refusedRecord));
  EXPECT_EQ(std::vector<int>(records.begin(), records.begin() + refusedRecord - 1),
            Range(1, refusedRecord - 1));
  for (size_t i = refusedRecord - 1; i < records.size(); ++i) EXPECT_EQ(records[i], refusedRecord);
  EXPECT_EQ(logoHost.positions.back(), 0);
}

INSTANTIATE_TEST_SUITE_P(Records, WriteRefusedTest, ::testing::Values(1, 5, 200),
                         [](const auto& info) { return "Record" + std::to_string(info.param); });

TEST_F(LogoTransferTest, Write_LogoTableMissing_ShowsOnlyTheWriteError) {
  simRegister.Tables().erase(kLogoTable);
  const TransferResult result = WriteLogo(logoSession, Pattern(kLogoWidth, kLogoHeight));
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(logoHost.messages, std::vector<std::string>{kWriteFailed});
  for (int record : WrittenRecords()) EXPECT_EQ(record, 1);
}

class TallPictureTest : public LogoTransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(TallPictureTest, WritesTheTableFullAndNoRecordBeyondIt) {
  const TransferResult result = WriteLogo(logoSession, Pattern(kLogoWidth, GetParam()));
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(result.rows, 200);
  EXPECT_EQ(WrittenRecords(), Range(1, 200));
  EXPECT_EQ(logoHost.messages, std::vector<std::string>{kDone});
  EXPECT_EQ(logoHost.positions[logoHost.positions.size() - 2], 200);
}

INSTANTIATE_TEST_SUITE_P(Heights, TallPictureTest, ::testing::Values(200, 201, 480),
                         [](const auto& info) { return "Rows" + std::to_string(info.param); });

TEST_F(LogoTransferTest, Write_GoesToTheConnectedRegister) {
  // Another register on the line, connected as number 7: only a write addressed to it is
  // answered.
  simRegister.Faults().answerAs = 7;
  logoSession.connectedRegister = 7;
  const TestPicture picture = Pattern(kLogoWidth, kLogoHeight);
  const TransferResult result = WriteLogo(logoSession, picture);
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(simRegister.Counters().writes, 200);
  EXPECT_EQ(LogoRecords()[199], EncodeRow(picture, 199));
  EXPECT_EQ(logoHost.messages, std::vector<std::string>{kDone});
}

TEST_F(LogoTransferTest, Read_RecordThirtySevenFailsForGood_KeepsRowsReadAndShowsOnlyTheError) {
  const std::vector<std::string> factory = LogoRecords();
  LogoRecords().resize(36);
  TestPicture picture(kLogoWidth, kLogoHeight);
  const TransferResult result = ReadLogo(logoSession, picture);
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.rows, 36);
  EXPECT_EQ(logoHost.messages, std::vector<std::string>{kReadFailed});
  for (int y = 0; y < 36; ++y) ASSERT_EQ(EncodeRow(picture, y), factory[y]) << "row " << y;
  for (int y = 36; y < kLogoHeight; ++y) {
    for (int x = 0; x < kLogoWidth; ++x) {
      ASSERT_EQ(picture.Red(x, y), TestPicture::kUntouched) << "pixel " << x << "," << y;
    }
  }
  EXPECT_EQ(logoHost.positions.back(), 0);
}

struct AttemptsCase {
  const char* name;
  int failedCallsOnRecord1;
  int failedCallsOnRecord11;
  bool succeeded;
  int rows;
};

void PrintTo(const AttemptsCase& c, std::ostream* out) { *out << c.name; }

class ReadAttemptsTest : public LogoTransferTest,
                         public ::testing::WithParamInterface<AttemptsCase> {};

TEST_P(ReadAttemptsTest, TenFailedRequestsInARowStopTheRead) {
  const AttemptsCase& c = GetParam();
  const int perCall = RefusalsPerFailedRead();
  ASSERT_GT(perCall, 0);
  simRegister.Faults().refuse = c.failedCallsOnRecord1 * perCall;
  // The second repaint comes just before record 11 is asked for.
  logoHost.onRepaint = [&](int repaint) {
    if (repaint == 2) simRegister.Faults().refuse = c.failedCallsOnRecord11 * perCall;
  };
  TestPicture picture(kLogoWidth, kLogoHeight);
  const TransferResult result = ReadLogo(logoSession, picture);
  EXPECT_EQ(result.succeeded, c.succeeded);
  EXPECT_EQ(result.rows, c.rows);
  EXPECT_EQ(logoHost.messages, std::vector<std::string>{c.succeeded ? kDone : kReadFailed});
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ReadAttemptsTest,
    ::testing::Values(AttemptsCase{"NineFailuresThenAnAnswer", 9, 0, true, 200},
                      AttemptsCase{"TenFailures", 10, 0, false, 0},
                      AttemptsCase{"AnAnswerStartsTheCountAgain", 9, 9, true, 200},
                      AttemptsCase{"TenFailuresLater", 0, 10, false, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogoTransferTest, Read_IntoASmallerPicture_PaintsOnlyThePixelsItHas) {
  TestPicture picture(100, 50);
  const TransferResult result = ReadLogo(logoSession, picture);
  EXPECT_TRUE(result.succeeded);
  for (int y = 0; y < 50; ++y) {
    TestPicture full(kLogoWidth, 1);
    DecodeRow("136;1;" + LogoRecords()[y], full, 0);
    for (int x = 0; x < 100; ++x) ASSERT_EQ(picture.Red(x, y), full.Red(x, 0));
  }
}

TEST_F(LogoTransferTest, NotConnected_WriteAndReadEachShowTheirError) {
  logoSession.connectedRegister = -1;
  TestPicture picture(kLogoWidth, kLogoHeight);
  EXPECT_FALSE(WriteLogo(logoSession, picture).succeeded);
  EXPECT_FALSE(ReadLogo(logoSession, picture).succeeded);
  EXPECT_EQ(logoHost.messages, (std::vector<std::string>{kWriteFailed, kReadFailed}));
  EXPECT_EQ(simRegister.Counters().writes, 0);
}

}  // namespace
}  // namespace kvitmark::logo
