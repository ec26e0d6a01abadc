// Reading a page from the register: which rows get which records, what the user sees, and
// what each answer of the error prompt does.
#include "base/cp1251.h"
#include "table_fixture.h"
#include "tables/catalogue.h"

namespace kvitmark::testing {
namespace {

using base::Cp1251;
using tables::ReadFromRegister;

std::string Utf8(const std::string& cp1251) { return base::Cp1251ToUtf8(cp1251); }

TEST_F(TablesTest, Read_Operators_FillsTwentyRowsAndCountsThem) {
  Connect();
  workspace.Grid(1).SetCell(0, 20, "");  // an empty number cell gets the record number
  EXPECT_EQ(ReadFromRegister(session, 1), tables::OperationResult::kDone);
  const auto& grid = workspace.Grid(1);
  EXPECT_EQ(Utf8(grid.Cell(2, 1)), "Оператор1");
  EXPECT_EQ(grid.Cell(1, 20), "20");
  EXPECT_EQ(grid.Cell(0, 20), "20");
  ASSERT_EQ(host.counter.size(), 21u);
  EXPECT_EQ(host.counter.front(), "00001");
  EXPECT_EQ(host.counter[19], "00020");
  EXPECT_EQ(host.counter.back(), "") << "emptied at the end";
  EXPECT_EQ(host.progressMaximum, 19);
  EXPECT_EQ(host.progressPosition, 0);
  EXPECT_EQ(host.Dialogs(), std::vector<std::string>{"box Tabulon: Операция завершена успешно"});
}

TEST_F(TablesTest, Read_GridPage_SwitchesTheWindowAsDocumented) {
  Connect();
  host.shownPage = 3;
  ReadFromRegister(session, 3);
  const std::vector<std::string> expected = {
      "disable Button1", "enable Button6",  "disable Button2",
      "disable Button3", "disable Button4", "disable Button8",
      "disable Button9", "editing off 3",   "box Tabulon: Операция завершена успешно",
      "editing on 3",    "disable Button6", "enable Button4",
      "enable Button9",  "enable Button1",  "enable Button10",
      "enable Button8",  "enable Button2",  "enable Button3"};
  EXPECT_EQ(host.events, expected);
  EXPECT_EQ(host.pendingEventsCalls, 21) << "once per row, and once to see the end";
}

TEST_F(TablesTest, Read_NotConnected_SaysSoAndKeepsTheWindow) {
  EXPECT_EQ(ReadFromRegister(session, 0), tables::OperationResult::kNotStarted);
  EXPECT_EQ(host.events, (std::vector<std::string>{"disable Button1", "message: ЭККА не подключен",
                                                   "enable Button1"}));
  EXPECT_TRUE(trace.Chunks().empty());
}

TEST_F(TablesTest, Read_GoodsThroughTheInterval_MapsRowsOntoRecords) {
  Connect();
  for (int n = 501; n <= 600; ++n) {
    simRegister.Tables()[0].records[n - 1] =
        std::to_string(n) + ";G" + std::to_string(n) + ";1.00;2.000;1;1;1;1;0;0;";
  }
  workspace.interval = {true, "1", "100", "501"};
  ReadFromRegister(session, 0);
  EXPECT_EQ(workspace.Grid(0).Cell(2, 1), "G501");
  EXPECT_EQ(workspace.Grid(0).Cell(2, 100), "G600");
  EXPECT_EQ(workspace.Grid(0).Cell(2, 101), "") << "nothing beyond the interval";
  EXPECT_EQ(host.counter.front(), "00501");
  EXPECT_EQ(host.counter[99], "00600");
  EXPECT_EQ(host.progressMaximum, 99);
}

struct IntervalCase {
  const char* name;
  tables::CodingInterval interval;
  bool accepted;
};

class ReadInterval : public TablesTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(ReadInterval, IsCheckedBeforeAnythingIsRead) {
  Connect();
  workspace.interval = GetParam().interval;
  host.promptAnswers = {PromptAnswer::kFinish};  // past the operators' twenty records
  ReadFromRegister(session, 1);
  if (GetParam().accepted) {
    EXPECT_NE(host.Dialogs().front(), "message: Ошибка! Неверные границы данных!");
  } else {
    EXPECT_EQ(host.Dialogs(),
              std::vector<std::string>{"message: Ошибка! Неверные границы данных!"});
    EXPECT_TRUE(trace.Chunks().empty());
    EXPECT_TRUE(host.buttons[CommandButton::kClose]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ReadInterval,
    ::testing::Values(IntervalCase{"Plain", {true, "1", "20", "1"}, true},
                      IntervalCase{"EndBeforeStartReadsNothing", {true, "10", "5", "1"}, true},
                      IntervalCase{"LongestFromRecordTwo", {true, "1", "13999", "2"}, true},
                      IntervalCase{"TooLongFromRecordTwo", {true, "1", "14000", "2"}, false},
                      IntervalCase{"FirstRecordEmpty", {true, "1", "20", ""}, false},
                      IntervalCase{"StartZero", {true, "0", "20", "1"}, false},
                      IntervalCase{"End14001", {true, "1", "14001", "1"}, false},
                      IntervalCase{"NotANumber", {true, "1", "2x", "1"}, false},
                      IntervalCase{"Fraction", {true, "1.5", "20", "1"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TablesTest, Read_EndBeforeStart_ReadsNothingAndSucceeds) {
  Connect();
  workspace.interval = {true, "10", "5", "1"};
  ReadFromRegister(session, 1);
  EXPECT_EQ(host.Dialogs(), std::vector<std::string>{"box Tabulon: Операция завершена успешно"});
  EXPECT_TRUE(trace.Chunks().empty()) << "no exchange at all";
}

TEST_F(TablesTest, Read_HeaderTextWithInterval_StillReadsTwelveRows) {
  Connect();
  workspace.interval = {true, "3", "5", "1"};
  ReadFromRegister(session, 4);
  EXPECT_EQ(Utf8(workspace.Grid(4).Cell(1, 1)), "            Україна");
  EXPECT_EQ(workspace.Grid(4).Cell(1, 12), "");
  EXPECT_EQ(host.counter.size(), 13u);
  EXPECT_EQ(Utf8(workspace.Grid(4).Cell(0, 12)), "Сервис 4") << "labels stay";
}

TEST_F(TablesTest, Read_StopPressed_EndsBeforeTheNextRowAndEndsTheExchange) {
  Connect();
  host.onPendingEvents = [this](int call) {
    if (call == 4) workspace.flags.stop = true;
  };
  EXPECT_EQ(ReadFromRegister(session, 3), tables::OperationResult::kStopped);
  EXPECT_EQ(host.Dialogs(), std::vector<std::string>{"box Tabulon: Операция прервана"});
  EXPECT_EQ(Utf8(workspace.Grid(3).Cell(1, 3)), "Відділ 3");
  EXPECT_EQ(workspace.Grid(3).Cell(1, 4), "");
  EXPECT_FALSE(workspace.flags.stop) << "cleared at the end";
  // The end of exchange closes the conversation after the last read.
  const auto& last = trace.Chunks();
  EXPECT_EQ(last[last.size() - 2].bytes, "\x13\x13");
  EXPECT_EQ(host.events.back(), "enable Button3");
}

TEST_F(TablesTest, Read_AnswerWithTooManyFields_StopsAfterThatRow) {
  Connect();
  simRegister.Tables()[10].records[1] = "Two;Fields;";
  ReadFromRegister(session, 3);
  EXPECT_EQ(host.Dialogs(),
            (std::vector<std::string>{
                "message: Приняты некорректные данные из ЭККА! Ошибка! Операция прерана!",
                "box Tabulon: Операция прервана"}));
  EXPECT_EQ(workspace.Grid(3).Cell(1, 2), "Two") << "what came before the extra field stays";
  EXPECT_EQ(workspace.Grid(3).Cell(1, 3), "");
}

// The error prompt after ten failed attempts at one record.
using ReadPrompt = TablesTest;

TEST_F(ReadPrompt, Skip_LeavesTheRowReopensThePortAndGoesOn) {
  Connect();
  workspace.Grid(3).SetCell(1, 7, "kept");
  simRegister.Tables().erase(10);  // every read of the table is refused ...
  host.promptAnswers = {PromptAnswer::kSkip};
  host.onPendingEvents = [this](int call) {
    if (call == 2) simRegister.Tables()[10].records.assign(20, "Back;");  // ... from record 2 on
  };
  // Record 1 fails ten times while the table is gone.
  ReadFromRegister(session, 3);
  EXPECT_EQ(host.Dialogs(),
            (std::vector<std::string>{"prompt", "box Tabulon: Операция завершена успешно"}));
  EXPECT_EQ(workspace.Grid(3).Cell(1, 1), "");
  EXPECT_EQ(workspace.Grid(3).Cell(1, 7), "Back");
  EXPECT_EQ(wire.opens, 2) << "the port was reopened";
  EXPECT_FALSE(workspace.flags.skip);
}

TEST_F(ReadPrompt, RetryTwice_AsksThreeTimesForTheSameRecord) {
  Connect();
  simRegister.Faults().silent = true;
  host.promptAnswers = {PromptAnswer::kRetry, PromptAnswer::kRetry, PromptAnswer::kFinish};
  ReadFromRegister(session, 3);
  EXPECT_EQ(host.Dialogs(), (std::vector<std::string>{"prompt", "prompt", "prompt",
                                                      "box Tabulon: Операция прервана"}));
  EXPECT_EQ(wire.opens, 3) << "reopened after each retry";
  EXPECT_EQ(host.counter.front(), "00001");
  EXPECT_EQ(host.counter.size(), 2u) << "one record, then emptied";
}

TEST_F(ReadPrompt, ClosedWithoutAnswer_GoesOnWithoutReopening) {
  Connect();
  simRegister.Faults().silent = true;
  host.promptAnswers.assign(20, PromptAnswer::kClosed);
  ReadFromRegister(session, 3);
  EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "prompt"), 20);
  EXPECT_EQ(wire.opens, 1);
  EXPECT_EQ(host.Dialogs().back(), "box Tabulon: Операция завершена успешно");
}

TEST_F(ReadPrompt, SkipAfterTheSelectorsMoved_ReopensThePortThatWasOpened) {
  Connect();
  simRegister.Faults().silent = true;
  host.promptAnswers = {PromptAnswer::kSkip, PromptAnswer::kFinish};
  ReadFromRegister(session, 3);
  EXPECT_EQ(wire.settings.speed, 115200);
  EXPECT_EQ(link.OpenPortNumber(), 1);
  EXPECT_EQ(link.ModeString(), "COM1:115200,N,8,2");
}

TEST_F(TablesTest, Read_ParameterPage_FillsItsFieldsAndSaysSoWithBang) {
  Connect();
  ReadFromRegister(session, 10);
  const auto& fields = workspace.Parameters(10).fields;
  for (const auto& field : fields) EXPECT_FALSE(field.empty());
  EXPECT_EQ(host.Dialogs(), std::vector<std::string>{"message: Операция завершена успешно!"});
  EXPECT_EQ(host.events.back(), "enable Button1");
}

TEST_F(TablesTest, Read_ParameterPageFinished_ChangesNothingAndSaysNothing) {
  Connect();
  simRegister.Faults().silent = true;
  workspace.Parameters(5).fields[0] = "kept";
  host.promptAnswers = {PromptAnswer::kFinish};
  EXPECT_EQ(ReadFromRegister(session, 5), tables::OperationResult::kStopped);
  EXPECT_EQ(host.Dialogs(), std::vector<std::string>{"prompt"});
  EXPECT_EQ(workspace.Parameters(5).fields[0], "kept");
}

TEST_F(TablesTest, Read_PagesWithoutATable_DoNothing) {
  Connect();
  for (int page : {tables::kLogoPage, tables::kReportsPage}) {
    host.events.clear();
    ReadFromRegister(session, page);
    EXPECT_EQ(host.events, (std::vector<std::string>{"disable Button1", "enable Button1"}));
  }
  EXPECT_TRUE(trace.Chunks().empty());
}

}  // namespace
}  // namespace kvitmark::testing
