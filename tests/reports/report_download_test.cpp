// Reports from the simulated register into their files: what is read, what lands on
// disk, what the user is shown, and how the port is left however a download ends.
#include "reports/report_download.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/settings.h"
#include "app/temp_directory.h"
#include "base/cp1251.h"
#include "reports/report_catalogue.h"
#include "sdcard/rlimit_guard.h"
#include "tables/table_fixture.h"

namespace kvitmark::testing {
namespace {

using base::Cp1251;
using reports::DownloadResult;
using reports::ReportCatalogue;

// Reports by their place in the download order.
constexpr int kGoods = 0;        // table 65, 14000 records
constexpr int kDepartments = 1;  // table 74, 20 records
constexpr int kGroups = 2;       // table 75, 99 records
constexpr int kTaxes = 4;        // table 78, 1 record

constexpr base::Milliseconds kSeconds(int seconds) { return base::Milliseconds(seconds * 1000); }

// Plays the reports page as the download reads it: the test may change its choices at
// any moment.
class PageChoices final : public reports::ReportChoicesSource {
 public:
  reports::DownloadChoices choices;
  reports::DownloadChoices Choices() override { return choices; }
};

// The user as the download meets them, who can also press "Стоп" the moment a condition
// the test sets holds; once pressed it stays pressed.
class ReportUser final : public RecordingObserver {
 public:
  std::function<bool()> pressStopWhen;
  // The dialogs that had been shown when the download stopped listening for "Стоп".
  size_t dialogsWhenFinished = 0;
  // What the displays were told of each report, in order: "file RepOtd.dat" as it starts,
  // "20 records" once its file is made, "at 3" as each record is done.
  std::vector<std::string> progress;
  std::function<void(const std::string&)> onFile;  // as a report's file is named
  std::function<void(int)> onProgress;             // as each record's position is told

  bool StopRequested() override {
    if (pressStopWhen && stopAtQuestion == 0 && pressStopWhen()) {
      stopAtQuestion = stopQuestions + 1;
    }
    return RecordingObserver::StopRequested();
  }
  void PartStarted(const tables::PartStart& part) override {
    progress.push_back("file " + part.fileName);
    if (onFile) onFile(part.fileName);
  }
  void PartReady(int records) override { progress.push_back(std::to_string(records) + " records"); }
  void RecordDone(const tables::RecordStep& step) override {
    RecordingObserver::RecordDone(step);
    progress.push_back("at " + std::to_string(step.progress));
    if (onProgress) onProgress(step.progress);
  }
  void Finished(const tables::OperationSummary& summary) override {
    dialogsWhenFinished = dialogs.size();
    RecordingObserver::Finished(summary);
  }
};

class ReportsTest : public TablesTest {
 protected:
  ReportsTest() {
    page.choices.folder = folder.Path() + "/";
    page.choices.separator = ";";
    for (int report = 0; report < reports::kReportCount; ++report) {
      page.choices.reports[report].fileName =
          std::string(ReportCatalogue()[report].defaultFileName);
    }
  }

  void Check(std::initializer_list<int> checked) {
    for (int report : checked) page.choices.reports[report].checked = true;
  }

  DownloadResult Download() { return reports::DownloadReports(session, user, page); }

  std::string FileOf(int report) const {
    return folder.File(page.choices.reports[report].fileName);
  }

  // The lines of a file; every line must end with CR LF.
  static std::vector<std::string> Lines(const std::string& path) {
    const std::string bytes = app::ReadBytes(path);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << path << " ends without CR LF";
    return lines;
  }

  // What a report file must hold for a record of the simulated register: the record
  // number and the record's fields, with the separator between them.
  std::string ExpectedLine(int table, int record, char separator) {
    const std::string& text = simRegister.Tables().at(table).records.at(record - 1);
    std::string line = std::to_string(record) + ";" + text.substr(0, text.size() - 1);
    std::replace(line.begin(), line.end(), ';', separator);
    return line;
  }

  void ExpectLinesOfTheRegister(int report, int count, char separator) {
    const int table = ReportCatalogue()[report].tableNumber;
    const auto lines = Lines(FileOf(report));
    ASSERT_EQ(lines.size(), static_cast<size_t>(count)) << "table " << table;
    for (int record = 1; record <= count; ++record) {
      ASSERT_EQ(lines[record - 1], ExpectedLine(table, record, separator))
          << "table " << table << " record " << record;
    }
  }

  // The read requests sent ("R74;3;"), in order, repeats included.
  std::vector<std::string> ReadsOnTheLine() const {
    std::vector<std::string> reads;
    for (const auto& chunk : trace.Chunks()) {
      const auto& bytes = chunk.bytes;
      if (chunk.direction == link::LineTrace::Direction::kSent && bytes.size() > 4 &&
          bytes[0] == '\x0A' && bytes[1] == 'R') {
        reads.push_back(bytes.substr(1, bytes.size() - 4));
      }
    }
    return reads;
  }

  long Requests(const std::string& request) const {
    const auto reads = ReadsOnTheLine();
    return std::count(reads.begin(), reads.end(), request);
  }

  long RequestsOfTable(int table) const {
    const std::string prefix = "R" + std::to_string(table) + ";";
    const auto reads = ReadsOnTheLine();
    return std::count_if(reads.begin(), reads.end(),
                         [&](const std::string& read) { return read.starts_with(prefix); });
  }

  // Messages, boxes and prompts, in order.
  const std::vector<std::string>& Shown() const { return user.dialogs; }

  // Nothing is left waiting longer than the port's ordinary 300 ms: the port's time-out
  // is back, and a register that falls silent halfway through a reply fails the read in
  // seconds, not after the long wait of a report record.
  void ExpectPortBackToNormal() {
    EXPECT_EQ(link.ReadTimeout(), 300u);
    EXPECT_EQ(wire.readTimeout, base::Milliseconds(300));
    simRegister.Faults() = sim::SimFaults{};
    clock.Advance(kSeconds(120));  // whatever the register was still sending has arrived
    simRegister.Faults().halfReply = 1;
    const auto start = clock.Now();
    std::string answer;
    EXPECT_LT(link.ReadRecord(1, 74, 1, answer, 0), 0);
    EXPECT_LT(clock.Now() - start, kSeconds(10));
    simRegister.Faults() = sim::SimFaults{};
  }

  app::TempDirectory folder;
  PageChoices page;
  ReportUser user;
};

TEST(ReportCatalogue, KeysAndDefaultNames_AgreeWithTheSettingsFile) {
  ASSERT_EQ(app::kReportFileKeys.size(), static_cast<size_t>(reports::kReportCount));
  for (int report = 0; report < reports::kReportCount; ++report) {
    EXPECT_EQ(ReportCatalogue()[report].settingsKey, app::kReportFileKeys[report].key);
    EXPECT_EQ(ReportCatalogue()[report].defaultFileName, app::kReportFileKeys[report].defaultName);
  }
}

TEST_F(ReportsTest, AllTwelve_EveryLineMatchesTheRegistersRecords) {
  Connect();
  for (auto& choice : page.choices.reports) choice.checked = true;
  page.choices.separator = ",";

  EXPECT_EQ(Download(), DownloadResult::kDone);

  const int counts[reports::kReportCount] = {14000, 20, 99, 20, 1, 1, 1, 1, 1, 1, 1, 1};
  for (int report = 0; report < reports::kReportCount; ++report) {
    ExpectLinesOfTheRegister(report, counts[report], ',');
  }
  const auto goods = Lines(FileOf(kGoods));
  EXPECT_EQ(goods.front(), Cp1251("1,1,Товар1,6.500,37.37"));
  EXPECT_EQ(goods.back(), "14000,0, ,0.000,0.00");
  EXPECT_EQ(Lines(FileOf(kTaxes)),
            std::vector<std::string>{"1,1250.30,208.38,310.00,15.50,395.60,0.00,0.00,0.00"});
  // Each record once, the reports in download order: tax (78) before payments (77).
  std::vector<int> tables;
  for (const auto& read : ReadsOnTheLine()) {
    const int table = std::stoi(read.substr(1));
    if (tables.empty() || tables.back() != table) tables.push_back(table);
  }
  EXPECT_EQ(tables, (std::vector<int>{65, 74, 75, 76, 78, 77, 79, 81, 82, 83, 84, 85}));
  EXPECT_EQ(ReadsOnTheLine().size(), 14000u + 20 + 99 + 20 + 8);
  EXPECT_EQ(Shown(), std::vector<std::string>{"message: Успешно!"});
  // "Стоп" is off again before the message comes up.
  EXPECT_EQ(user.starts.size(), 1u);
  EXPECT_EQ(user.summaries.size(), 1u);
  EXPECT_EQ(user.dialogsWhenFinished, 0u);
  EXPECT_EQ(user.Summary().result, tables::OperationResult::kDone);
  ExpectPortBackToNormal();
}

TEST_F(ReportsTest, Departments_LabelAndProgressFollowTheRecords) {
  Connect();
  Check({kDepartments});
  EXPECT_EQ(Download(), DownloadResult::kDone);
  ExpectLinesOfTheRegister(kDepartments, 20, ';');
  std::vector<std::string> progress{"file RepOtd.dat", "20 records"};
  for (int position = 1; position <= 20; ++position) {
    progress.push_back("at " + std::to_string(position));
  }
  EXPECT_EQ(user.progress, progress);
  // Done: the page empties its label and bar.
  EXPECT_EQ(user.Summary().result, tables::OperationResult::kDone);
}

TEST_F(ReportsTest, TaxesOnly_ReadsOneRecordIntoAOneLineFileReplacingAnOldOne) {
  Connect();
  app::WriteBytes(FileOf(kTaxes), "an older and much longer report\r\nsecond line\r\n");
  Check({kTaxes});
  EXPECT_EQ(Download(), DownloadResult::kDone);
  EXPECT_EQ(app::ReadBytes(FileOf(kTaxes)),
            "1;1250.30;208.38;310.00;15.50;395.60;0.00;0.00;0.00\r\n");
  EXPECT_EQ(ReadsOnTheLine(), std::vector<std::string>{"R78;1;"});
  EXPECT_EQ(folder.Names(), std::set<std::string>{"RepNalog.dat"});
}

TEST_F(ReportsTest, NothingChecked_SaysSuccessAndCreatesNoFile) {
  Connect();
  EXPECT_EQ(Download(), DownloadResult::kDone);
  EXPECT_EQ(Shown(), std::vector<std::string>{"message: Успешно!"});
  EXPECT_TRUE(folder.Names().empty());
  EXPECT_TRUE(ReadsOnTheLine().empty());
}

TEST_F(ReportsTest, NoRegisterType_GoodsTurnoverIsAnEmptyFile) {
  Connect();
  workspace.typeIndex = -1;
  Check({kGoods, kTaxes});
  EXPECT_EQ(Download(), DownloadResult::kDone);
  EXPECT_TRUE(std::filesystem::exists(FileOf(kGoods)));
  EXPECT_TRUE(Lines(FileOf(kGoods)).empty());
  EXPECT_EQ(RequestsOfTable(65), 0);
  EXPECT_EQ(Lines(FileOf(kTaxes)).size(), 1u);
  EXPECT_EQ(user.progress, (std::vector<std::string>{"file RepArt.dat", "0 records",
                                                     "file RepNalog.dat", "1 records", "at 1"}));
}

TEST_F(ReportsTest, FolderWithoutTrailingSlash_IsJoinedToTheNameAsItStands) {
  Connect();
  page.choices.folder = folder.Path() + "/Reports";
  Check({kDepartments});
  EXPECT_EQ(Download(), DownloadResult::kDone);
  EXPECT_EQ(folder.Names(), std::set<std::string>{"ReportsRepOtd.dat"});
  EXPECT_EQ(Lines(folder.File("ReportsRepOtd.dat")).size(), 20u);
}

TEST_F(ReportsTest, ChangesOnThePageDuringADownload_ApplyToTheReportsAfterIt) {
  Connect();
  Check({kDepartments, kGroups, kTaxes});
  user.onFile = [&](const std::string& name) {
    if (name != "RepOtd.dat") return;
    page.choices.reports[kGroups].fileName = "Groups.txt";
    page.choices.reports[kTaxes].checked = false;
    page.choices.separator = ",";
  };
  EXPECT_EQ(Download(), DownloadResult::kDone);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"RepOtd.dat", "Groups.txt"}));
  ExpectLinesOfTheRegister(kDepartments, 20, ';');
  page.choices.reports[kGroups].fileName = "Groups.txt";
  ExpectLinesOfTheRegister(kGroups, 99, ',');
  EXPECT_EQ(RequestsOfTable(78), 0);
}

struct SeparatorCase {
  const char* name;
  const char* separator;
};

class BadSeparators : public ReportsTest, public ::testing::WithParamInterface<SeparatorCase> {};

TEST_P(BadSeparators, AreRefusedBeforeAnythingIsCreatedOrRead) {
  Connect();
  Check({kDepartments, kTaxes});
  page.choices.separator = GetParam().separator;
  EXPECT_EQ(Download(), DownloadResult::kNoSeparator);
  EXPECT_EQ(Shown(),
            std::vector<std::string>{"message: Укажите разделитель между полями: один символ."});
  EXPECT_TRUE(folder.Names().empty());
  EXPECT_TRUE(ReadsOnTheLine().empty());
  // Refused before it started: "Стоп" never came on.
  EXPECT_TRUE(user.starts.empty());
  EXPECT_EQ(user.Summary().result, tables::OperationResult::kNotStarted);
}

INSTANTIATE_TEST_SUITE_P(Separators, BadSeparators,
                         ::testing::Values(SeparatorCase{"Empty", ""},
                                           SeparatorCase{"TwoCharacters", ",,"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportsTest, SeparatorEmptiedDuringADownload_EndsItBeforeTheNextFile) {
  Connect();
  Check({kDepartments, kGroups});
  user.onFile = [&](const std::string&) { page.choices.separator = ""; };
  EXPECT_EQ(Download(), DownloadResult::kNoSeparator);
  ExpectLinesOfTheRegister(kDepartments, 20, ';');
  EXPECT_EQ(folder.Names(), std::set<std::string>{"RepOtd.dat"});
  EXPECT_EQ(Shown(),
            std::vector<std::string>{"message: Укажите разделитель между полями: один символ."});
  EXPECT_EQ(RequestsOfTable(75), 0);
}

struct PathCase {
  const char* name;
  size_t length;
  bool created;
};

class PathLengths : public ReportsTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(PathLengths, OverFourHundredNinetyNineCannotBeCreated) {
  Connect();
  // Folders deep enough that the name fits within the file system's limit on one name.
  std::string deep = folder.Path();
  while (GetParam().length - deep.size() > 200) deep += "/" + std::string(150, 'd');
  deep += "/";
  ASSERT_TRUE(std::filesystem::create_directories(deep));
  page.choices.folder = deep;
  page.choices.reports[kTaxes].fileName = std::string(GetParam().length - deep.size(), 'n');
  Check({kTaxes});

  const auto result = Download();

  const std::string path = deep + page.choices.reports[kTaxes].fileName;
  ASSERT_EQ(path.size(), GetParam().length);
  EXPECT_EQ(std::filesystem::exists(path), GetParam().created);
  if (GetParam().created) {
    EXPECT_EQ(result, DownloadResult::kDone);
    EXPECT_EQ(Lines(path).size(), 1u);
  } else {
    EXPECT_EQ(result, DownloadResult::kFileError);
    EXPECT_EQ(Shown(),
              std::vector<std::string>{"box Ошибка работы с файлом: Ошибка открытия файла"});
    EXPECT_TRUE(ReadsOnTheLine().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, PathLengths,
                         ::testing::Values(PathCase{"FourHundredNinetyNine", 499, true},
                                           PathCase{"FiveHundred", 500, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportsTest, AFileThatCannotBeCreated_EndsTheWholeDownload) {
  Connect();
  Check({kDepartments, kGroups, kTaxes});
  page.choices.reports[kGroups].fileName = "missing/RepGrp.dat";
  EXPECT_EQ(Download(), DownloadResult::kFileError);
  EXPECT_EQ(Shown(), std::vector<std::string>{"box Ошибка работы с файлом: Ошибка открытия файла"});
  ExpectLinesOfTheRegister(kDepartments, 20, ';');
  EXPECT_EQ(folder.Names(), std::set<std::string>{"RepOtd.dat"});
  EXPECT_EQ(RequestsOfTable(75), 0);
  EXPECT_EQ(RequestsOfTable(78), 0);
  // The label names the file that could not be made; the bar stays on the report before.
  ASSERT_GE(user.progress.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(user.progress.end() - 2, user.progress.end()),
            (std::vector<std::string>{"at 20", "file missing/RepGrp.dat"}));
  EXPECT_EQ(user.Summary().result, tables::OperationResult::kStopped);
  EXPECT_EQ(user.Summary().done.size(), 20u);
  ExpectPortBackToNormal();
}

TEST_F(ReportsTest, NulInAFileName_CannotBeCreatedUnderAShorterName) {
  Connect();
  Check({kTaxes});
  page.choices.reports[kTaxes].fileName = std::string("Rep\0Nalog.dat", 13);
  EXPECT_EQ(Download(), DownloadResult::kFileError);
  EXPECT_TRUE(folder.Names().empty());
}

TEST_F(ReportsTest, FileThatCannotBeWritten_SaysSoAndEnds) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  Connect();
  Check({kTaxes});
  page.choices.folder = "/dev/";
  page.choices.reports[kTaxes].fileName = "full";
  EXPECT_EQ(Download(), DownloadResult::kFileError);
  EXPECT_EQ(Shown(),
            std::vector<std::string>{"box Ошибка работы с файлом: Ошибка записи данных в файл"});
  EXPECT_EQ(user.reasons, std::vector<std::string>{"/dev/full: нет места на диске"});
  ExpectPortBackToNormal();
}

TEST_F(ReportsTest, ReportBehindLinks_ReplacesTheFileTheyLeadToAndKeepsThem) {
  // Reports kept in an archive folder under a name of their own, and a second (hard) name.
  std::filesystem::create_directory(folder.File("archive"));
  app::WriteBytes(folder.File("archive/otd-monday.dat"), "old\r\n");
  std::filesystem::create_hard_link(folder.File("archive/otd-monday.dat"),
                                    folder.File("archive/otd-latest.dat"));
  std::filesystem::create_symlink("archive/otd-monday.dat", FileOf(kDepartments));
  Connect();
  Check({kDepartments});
  EXPECT_EQ(Download(), DownloadResult::kDone);
  EXPECT_TRUE(std::filesystem::is_symlink(FileOf(kDepartments)));
  ExpectLinesOfTheRegister(kDepartments, 20, ';');
  EXPECT_EQ(app::ReadBytes(folder.File("archive/otd-latest.dat")),
            app::ReadBytes(FileOf(kDepartments)));
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"RepOtd.dat", "archive"}));
}

TEST_F(ReportsTest, DiskFullingUpDuringAReport_LeavesTheOldReportWhole) {
  app::WriteBytes(FileOf(kGoods), "yesterday\r\n");
  Connect();
  Check({kGoods, kTaxes});
  DownloadResult result;
  {
    sdcard::testing::FileSizeLimit limit(64 * 1024);
    result = Download();
  }
  EXPECT_EQ(result, DownloadResult::kFileError);
  EXPECT_EQ(Shown(),
            std::vector<std::string>{"box Ошибка работы с файлом: Ошибка записи данных в файл"});
  ASSERT_EQ(user.reasons.size(), 1u);
  EXPECT_TRUE(user.reasons[0].starts_with(FileOf(kGoods) + ": ")) << user.reasons[0];
  EXPECT_EQ(app::ReadBytes(FileOf(kGoods)), "yesterday\r\n");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"RepArt.dat"}) << "nothing half written";
  EXPECT_EQ(RequestsOfTable(78), 0);
  ExpectPortBackToNormal();
}

TEST_F(ReportsTest, NoPortOpen_TheTimeOutIsRefusedAndNothingIsRead) {
  session.connectedRegister = 1;
  Check({kTaxes, kGroups});
  EXPECT_EQ(Download(), DownloadResult::kPortError);
  EXPECT_EQ(Shown(), std::vector<std::string>{"box Ошибка чтения из ЭККА: Ошибка чтения отчета"});
  EXPECT_EQ(folder.Names(), std::set<std::string>{"RepGrp.dat"});
  EXPECT_TRUE(Lines(FileOf(kGroups)).empty());
  EXPECT_TRUE(ReadsOnTheLine().empty());
  EXPECT_EQ(user.progress, (std::vector<std::string>{"file RepGrp.dat", "99 records"}));
}

struct UnansweredCase {
  const char* name;
  bool silent;            // the register does not answer at all
  int connectedRegister;  // -1: nobody pressed "Подключить" successfully
};

class UnansweredReads : public ReportsTest, public ::testing::WithParamInterface<UnansweredCase> {};

TEST_P(UnansweredReads, PromptComesWithinSecondsAfterTenAttemptsAtTheFirstRecord) {
  Connect();
  simRegister.Faults().silent = GetParam().silent;
  session.connectedRegister = GetParam().connectedRegister;
  Check({kDepartments, kTaxes});
  user.promptAnswers = {FailureAnswer::kFinish};
  const auto start = clock.Now();

  EXPECT_EQ(Download(), DownloadResult::kGivenUp);

  EXPECT_LT(clock.Now() - start, kSeconds(60));
  EXPECT_EQ(Shown(), std::vector<std::string>{"prompt 1"});
  // The window was let handle its events before each of the ten attempts.
  EXPECT_GE(user.stopQuestions, 10);
  EXPECT_EQ(user.Summary().failed, std::vector<int>{1});
  EXPECT_TRUE(Lines(FileOf(kDepartments)).empty());
  EXPECT_EQ(folder.Names(), std::set<std::string>{"RepOtd.dat"});
  session.connectedRegister = 1;
  ExpectPortBackToNormal();
}

INSTANTIATE_TEST_SUITE_P(Registers, UnansweredReads,
                         ::testing::Values(UnansweredCase{"Silent", true, 1},
                                           UnansweredCase{"NotConnected", false, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AnswerCase {
  const char* name;
  std::vector<FailureAnswer> answers;
  int refusals;  // refused requests from record 3 on; ten make one failed attempt
  DownloadResult result;
  int lines;
  int reopens;
  std::vector<std::string> shown;
  long requestsForRecord3;
};

class PromptAnswers : public ReportsTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(PromptAnswers, DoWhatTheUserChose) {
  const AnswerCase& c = GetParam();
  Connect();
  Check({kDepartments, kTaxes});
  user.promptAnswers.assign(c.answers.begin(), c.answers.end());
  user.onProgress = [&](int position) {
    if (position == 2) simRegister.Faults().refuse = c.refusals;
  };
  const int opensBefore = wire.opens;

  EXPECT_EQ(Download(), c.result);

  EXPECT_EQ(Shown(), c.shown);
  EXPECT_EQ(Requests("R74;3;"), c.requestsForRecord3);
  EXPECT_EQ(wire.opens - opensBefore, c.reopens);
  ExpectLinesOfTheRegister(kDepartments, c.lines, ';');
  EXPECT_EQ(std::filesystem::exists(FileOf(kTaxes)), c.result == DownloadResult::kDone);
  EXPECT_EQ(user.summaries.size(), 1u);
  ExpectPortBackToNormal();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PromptAnswers,
    ::testing::Values(
        AnswerCase{
            "Skip", {FailureAnswer::kSkip}, 100, DownloadResult::kSkipped, 2, 1, {"prompt 3"}, 100},
        AnswerCase{"Finish",
                   {FailureAnswer::kFinish},
                   100,
                   DownloadResult::kGivenUp,
                   2,
                   0,
                   {"prompt 3"},
                   100},
        AnswerCase{"Closed",
                   {FailureAnswer::kClosed},
                   100,
                   DownloadResult::kGivenUp,
                   2,
                   0,
                   {"prompt 3"},
                   100},
        AnswerCase{"Retry",
                   {FailureAnswer::kRetry},
                   100,
                   DownloadResult::kDone,
                   20,
                   1,
                   {"prompt 3", "message: Успешно!"},
                   101},
        AnswerCase{"RetryTwice",
                   {FailureAnswer::kRetry, FailureAnswer::kRetry},
                   200,
                   DownloadResult::kDone,
                   20,
                   2,
                   {"prompt 3", "prompt 3", "message: Успешно!"},
                   201}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportsTest, SlowRecord_IsWaitedForWithoutAPromptWhileTheWindowKeepsRunning) {
  Connect();
  Check({kDepartments});
  // Every reply byte 350 ms after the last, past the port's 300 ms, for ten replies: all
  // ten attempts would fail without the long wait for a report record.
  user.onProgress = [&](int position) {
    if (position == 4) simRegister.Faults().trickleOver = 10;
  };
  EXPECT_EQ(Download(), DownloadResult::kDone);
  ExpectLinesOfTheRegister(kDepartments, 20, ';');
  EXPECT_EQ(Requests("R74;5;"), 1);
  EXPECT_EQ(Shown(), std::vector<std::string>{"message: Успешно!"});
  // Events were handled while the record trickled in, not only once per attempt.
  EXPECT_GT(user.stopQuestions, 20 + 1);
}

struct StopCase {
  const char* name;
  void (*slowDown)(sim::SimFaults&);  // what record 5 meets
  int stopAtQuestion;                 // questions for "Стоп" from record 5's first attempt on
  long requestsForRecord5;
};

class Stops : public ReportsTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(Stops, AbandonTheDownloadWithTheLinesReadSoFar) {
  const StopCase& c = GetParam();
  Connect();
  Check({kDepartments, kTaxes});
  user.onProgress = [&](int position) {
    if (position != 4) return;
    c.slowDown(simRegister.Faults());
    user.stopAtQuestion = user.stopQuestions + c.stopAtQuestion;
  };
  const auto start = clock.Now();

  EXPECT_EQ(Download(), DownloadResult::kStopped);

  EXPECT_LT(clock.Now() - start, kSeconds(60));
  EXPECT_EQ(Requests("R74;5;"), c.requestsForRecord5);
  ExpectLinesOfTheRegister(kDepartments, 4, ';');
  EXPECT_FALSE(std::filesystem::exists(FileOf(kTaxes)));
  EXPECT_EQ(Shown(), std::vector<std::string>{"box Tabulon: Операция прервана"});
  // "Стоп" is off again before the box comes up.
  EXPECT_EQ(user.dialogsWhenFinished, 0u);
  EXPECT_EQ(user.Summary().result, tables::OperationResult::kStopped);
  EXPECT_EQ(user.Summary().done, (std::vector<int>{1, 2, 3, 4}));
  ExpectPortBackToNormal();
}

INSTANTIATE_TEST_SUITE_P(
    Moments, Stops,
    ::testing::Values(StopCase{"BeforeAnAttempt", [](sim::SimFaults&) {}, 1, 0},
                      StopCase{"WhileTheRecordTrickles",
                               [](sim::SimFaults& faults) { faults.trickleOver = 10; }, 3, 1},
                      StopCase{"WhileTheRegisterIsSilentAfterHalfAReply",
                               [](sim::SimFaults& faults) { faults.halfReply = 1; }, 3, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportsTest, StopWhileTheTenthAttemptWaits_EndsWithoutThePrompt) {
  Connect();
  Check({kDepartments});
  // Every attempt trickles in and then fails its check.
  simRegister.Faults().trickleOver = 10;
  simRegister.Faults().corruptCheck = 10;
  user.pressStopWhen = [&] { return Requests("R74;1;") == 10; };
  EXPECT_EQ(Download(), DownloadResult::kStopped);
  EXPECT_EQ(Shown(), std::vector<std::string>{"box Tabulon: Операция прервана"});
  EXPECT_TRUE(Lines(FileOf(kDepartments)).empty());
}

TEST_F(ReportsTest, FirstFileCannotBeCreated_ALongPortTimeOutIsStillPutBack) {
  Connect();
  ASSERT_TRUE(link.SetReadTimeout(108000000));
  Check({kGroups});
  page.choices.reports[kGroups].fileName = "missing/RepGrp.dat";
  EXPECT_EQ(Download(), DownloadResult::kFileError);
  ExpectPortBackToNormal();
}

}  // namespace
}  // namespace kvitmark::testing
