// Writing the logo into table 136 of the simulated register and reading it back.
#include "logo/logo_transfer.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "logo/row_codec.h"
#include "tables/table_fixture.h"
#include "test_picture.h"

namespace kvitmark::logo {
namespace {

using testing::Repeat;
using testing::TestPicture;

const char kDone[] = "message: Успешно!";
const char kWriteFailed[] = "message: Ошибка записи логотипа!";
const char kReadFailed[] = "message: Ошибка чтения логотипа! Чтение остановлено.";

// The user as the logo transfers meet them; a test can act after a row has gone through.
// The transfers should only tell: a box or a prompt shows among the dialogs, and the
// prompt fails the test.
class LogoUser final : public testing::RecordingObserver {
 public:
  std::function<void(int record)> afterRecord;

  void RecordDone(const tables::RecordStep& step) override {
    RecordingObserver::RecordDone(step);
    if (afterRecord) afterRecord(step.record);
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
  void SetUp() override { Connect(); }

  TransferResult Write(const LogoPicture& picture) { return WriteLogo(session, user, picture); }
  TransferResult Read(LogoPicture& picture) { return ReadLogo(session, user, picture); }

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

  LogoUser user;
};

TEST_F(LogoTransferTest, WriteThenRead_ReproducesThePicturePixelForPixel) {
  const TestPicture written = Pattern(kLogoWidth, kLogoHeight);
  const TransferResult write = Write(written);
  EXPECT_TRUE(write.succeeded);
  EXPECT_EQ(write.rows, 200);
  ASSERT_EQ(LogoRecords().size(), 200u);
  for (int y = 0; y < kLogoHeight; ++y) ASSERT_EQ(LogoRecords()[y], EncodeRow(written, y));

  TestPicture read(kLogoWidth, kLogoHeight);
  const TransferResult result = Read(read);
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(result.rows, 200);
  for (int y = 0; y < kLogoHeight; ++y) {
    for (int x = 0; x < kLogoWidth; ++x) {
      const bool printed = (written.Red(x, y) & 1) == 0;
      ASSERT_EQ(read.Red(x, y), printed ? 0 : 255) << "pixel " << x << "," << y;
    }
  }
  EXPECT_EQ(user.dialogs, (std::vector<std::string>{kDone, kDone}));
  // Neither transfer listens for "Стоп".
  EXPECT_EQ(user.stopQuestions, 0);
}

TEST_F(LogoTransferTest, Write_SendsEachRowAsItsRecordTextByteForByte) {
  TestPicture picture(kLogoWidth, 3, 255);
  picture.SetRed(0, 1, 0);
  picture.SetByte(0, 2, 105);
  picture.SetByte(1, 2, 200);
  const std::string fourth = LogoRecords()[3];
  Write(picture);
  EXPECT_EQ(WritesOnTheLine(), (std::vector<std::string>{
                                   "W136;1;" + Repeat("0;", 24),
                                   "W136;2;128;" + Repeat("0;", 23),
                                   "W136;3;105;200;" + Repeat("0;", 22),
                               }));
  EXPECT_EQ(LogoRecords()[3], fourth) << "rows the picture lacks stay as they were";
  EXPECT_EQ(user.dialogs, std::vector<std::string>{kDone});
}

// The progress bar's positions, one for each row that went through.
std::vector<int> ProgressOf(const testing::RecordingObserver& user) {
  std::vector<int> progress;
  for (const auto& step : user.steps) progress.push_back(step.progress);
  return progress;
}

TEST_F(LogoTransferTest, Write_ProgressFollowsTheRowsOfTheTable) {
  Write(Pattern(kLogoWidth, 25));
  ASSERT_EQ(user.starts.size(), 1u);
  EXPECT_EQ(user.starts[0].progressMaximum, 200);
  EXPECT_EQ(user.starts[0].progressPosition, 0);
  EXPECT_EQ(ProgressOf(user), Range(1, 25));
  EXPECT_EQ(user.Records(), Range(1, 25));
  EXPECT_EQ(user.Summary().result, tables::OperationResult::kDone);
  EXPECT_EQ(user.stopQuestions, 0);
}

TEST_F(LogoTransferTest, Read_ProgressFollowsTheRowsOfTheTable) {
  TestPicture picture(kLogoWidth, kLogoHeight);
  Read(picture);
  ASSERT_EQ(user.starts.size(), 1u);
  EXPECT_EQ(user.starts[0].progressMaximum, 200);
  EXPECT_EQ(user.starts[0].progressPosition, 0);
  EXPECT_EQ(ProgressOf(user), Range(1, 200));
  EXPECT_EQ(user.Records(), Range(1, 200));
  EXPECT_EQ(user.Summary().result, tables::OperationResult::kDone);
  EXPECT_EQ(user.stopQuestions, 0);
}

class WriteRefusedTest : public LogoTransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(WriteRefusedTest, StopsAtTheRefusedRecordWithOnlyTheWriteError) {
  const int refusedRecord = GetParam();
  // A table one record short of the refused one: the register refuses it and any later.
  LogoRecords().resize(refusedRecord - 1);
  const TransferResult result = Write(Pattern(kLogoWidth, kLogoHeight));
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.rows, refusedRecord - 1);
  EXPECT_EQ(simRegister.Counters().writes, refusedRecord - 1);
  EXPECT_EQ(user.dialogs, std::vector<std::string>{kWriteFailed});
  // The records before it once each; the refused one only as often as one link call
  // repeats it; nothing after it.
  std::vector<int> records = WrittenRecords();
  ASSERT_GE(records.size(), static_cast<size_t>(refusedRecord));
  EXPECT_EQ(std::vector<int>(records.begin(), records.begin() + refusedRecord - 1),
            Range(1, refusedRecord - 1));
  for (size_t i = refusedRecord - 1; i < records.size(); ++i) EXPECT_EQ(records[i], refusedRecord);
  EXPECT_EQ(user.Summary().done, Range(1, refusedRecord - 1));
  EXPECT_EQ(user.Summary().failed, std::vector<int>{refusedRecord});
}

INSTANTIATE_TEST_SUITE_P(Records, WriteRefusedTest, ::testing::Values(1, 5, 200),
                         [](const auto& info) { return "Record" + std::to_string(info.param); });

TEST_F(LogoTransferTest, Write_LogoTableMissing_ShowsOnlyTheWriteError) {
  simRegister.Tables().erase(kLogoTable);
  const TransferResult result = Write(Pattern(kLogoWidth, kLogoHeight));
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(user.dialogs, std::vector<std::string>{kWriteFailed});
  for (int record : WrittenRecords()) EXPECT_EQ(record, 1);
}

class TallPictureTest : public LogoTransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(TallPictureTest, WritesTheTableFullAndNoRecordBeyondIt) {
  const TransferResult result = Write(Pattern(kLogoWidth, GetParam()));
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(result.rows, 200);
  EXPECT_EQ(WrittenRecords(), Range(1, 200));
  EXPECT_EQ(user.dialogs, std::vector<std::string>{kDone});
  EXPECT_EQ(ProgressOf(user).back(), 200);
}

INSTANTIATE_TEST_SUITE_P(Heights, TallPictureTest, ::testing::Values(200, 201, 480),
                         [](const auto& info) { return "Rows" + std::to_string(info.param); });

TEST_F(LogoTransferTest, Write_GoesToTheConnectedRegister) {
  // Another register on the line, connected as number 7: only a write addressed to it is
  // answered.
  simRegister.Faults().answerAs = 7;
  session.connectedRegister = 7;
  const TestPicture picture = Pattern(kLogoWidth, kLogoHeight);
  const TransferResult result = Write(picture);
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(simRegister.Counters().writes, 200);
  EXPECT_EQ(LogoRecords()[199], EncodeRow(picture, 199));
  EXPECT_EQ(user.dialogs, std::vector<std::string>{kDone});
}

TEST_F(LogoTransferTest, Read_RecordThirtySevenFailsForGood_KeepsRowsReadAndShowsOnlyTheError) {
  const std::vector<std::string> factory = LogoRecords();
  LogoRecords().resize(36);
  TestPicture picture(kLogoWidth, kLogoHeight);
  const TransferResult result = Read(picture);
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.rows, 36);
  EXPECT_EQ(user.dialogs, std::vector<std::string>{kReadFailed});
  for (int y = 0; y < 36; ++y) ASSERT_EQ(EncodeRow(picture, y), factory[y]) << "row " << y;
  for (int y = 36; y < kLogoHeight; ++y) {
    for (int x = 0; x < kLogoWidth; ++x) {
      ASSERT_EQ(picture.Red(x, y), TestPicture::kUntouched) << "pixel " << x << "," << y;
    }
  }
  EXPECT_EQ(user.Summary().failed, std::vector<int>{37});
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
  user.afterRecord = [&](int record) {
    if (record == 10) simRegister.Faults().refuse = c.failedCallsOnRecord11 * perCall;
  };
  TestPicture picture(kLogoWidth, kLogoHeight);
  const TransferResult result = Read(picture);
  EXPECT_EQ(result.succeeded, c.succeeded);
  EXPECT_EQ(result.rows, c.rows);
  EXPECT_EQ(user.dialogs, std::vector<std::string>{c.succeeded ? kDone : kReadFailed});
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
  const TransferResult result = Read(picture);
  EXPECT_TRUE(result.succeeded);
  for (int y = 0; y < 50; ++y) {
    TestPicture full(kLogoWidth, 1);
    DecodeRow("136;1;" + LogoRecords()[y], full, 0);
    for (int x = 0; x < 100; ++x) ASSERT_EQ(picture.Red(x, y), full.Red(x, 0));
  }
}

TEST_F(LogoTransferTest, NotConnected_WriteAndReadEachShowTheirError) {
  session.connectedRegister = -1;
  TestPicture picture(kLogoWidth, kLogoHeight);
  EXPECT_FALSE(Write(picture).succeeded);
  EXPECT_FALSE(Read(picture).succeeded);
  EXPECT_EQ(user.dialogs, (std::vector<std::string>{kWriteFailed, kReadFailed}));
  EXPECT_EQ(simRegister.Counters().writes, 0);
}

}  // namespace
}  // namespace kvitmark::logo
