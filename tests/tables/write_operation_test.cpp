// Writing a page into the register: which records go out, what the user is asked and
// told, and that a bad cell never leaves the register with half a table.
#include "base/cp1251.h"
#include "table_fixture.h"
#include "tables/catalogue.h"

namespace kvitmark::testing {
namespace {

using base::Cp1251;
using tables::WriteToRegister;

std::string Utf8(const std::string& cp1251) { return base::Cp1251ToUtf8(cp1251); }

const std::string kConfirmGoods =
    "box Tabulon: Таблица \"Товары\"  в ЭККА будет перезаписана. Продолжить ?";

TEST_F(TablesTest, Write_GoodsRow_GoesOutAsTheDocumentedRequest) {
  Connect();
  workspace.interval = {true, "7", "7", "7"};
  const std::vector<std::string> row = {"7", Cp1251("Хлеб"), "12.5", "", "1", "2", "1", "0", "0",
                                        ""};
  for (size_t i = 0; i < row.size(); ++i)
    workspace.Grid(0).SetCell(static_cast<int>(i) + 1, 7, row[i]);
  WriteToRegister(session, 0);
  EXPECT_EQ(WritesOnTheLine(),
            std::vector<std::string>{Cp1251("W0;7;7;Хлеб;12.50;0.000;1;2;1;0;0;0;")});
  EXPECT_EQ(host.Dialogs(),
            (std::vector<std::string>{kConfirmGoods, "box Tabulon: Операция завершена успешно"}));
}

TEST_F(TablesTest, Write_Departments_SendsEveryRowAndSwitchesTheWindow) {
  Connect();
  host.shownPage = 3;
  WriteToRegister(session, 3);
  const auto writes = WritesOnTheLine();
  ASSERT_EQ(writes.size(), 20u);
  EXPECT_EQ(writes.front(), "W10;1;;");
  EXPECT_EQ(writes.back(), "W10;20;;");
  const std::vector<std::string> expected = {
      "disable Button1", "box Tabulon: Таблица \"Отделы\"  в ЭККА будет перезаписана. Продолжить ?",
      "editing off 3",   "enable Button6",
      "disable Button2", "disable Button3",
      "disable Button4", "disable Button8",
      "disable Button9", "box Tabulon: Операция завершена успешно",
      "editing on 3",    "disable Button6",
      "enable Button4",  "enable Button9",
      "enable Button1",  "enable Button2",
      "enable Button3",  "enable Button10",
      "enable Button8"};
  EXPECT_EQ(host.events, expected);
  EXPECT_EQ(host.counter.front(), "00001");
  EXPECT_EQ(host.counter[19], "00020");
  EXPECT_EQ(host.counter.back(), "");
}

TEST_F(TablesTest, Write_Refused_SendsNothing) {
  Connect();
  host.boxAnswers = {BoxAnswer::kNo};
  WriteToRegister(session, 3);
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_EQ(host.events.back(), "enable Button1");
}

TEST_F(TablesTest, Write_NotConnected_SaysSoAndKeepsTheWindow) {
  WriteToRegister(session, 3);
  EXPECT_EQ(host.Dialogs(), std::vector<std::string>{"message: ЭККА не подключен"});
  EXPECT_EQ(host.events.back(), "enable Button1");
}

TEST_F(TablesTest, Write_GoodsThroughTheInterval_WritesRecords501To600) {
  Connect();
  workspace.interval = {true, "1", "100", "501"};
  WriteToRegister(session, 0);
  const auto writes = WritesOnTheLine();
  ASSERT_EQ(writes.size(), 100u);
  EXPECT_TRUE(writes.front().starts_with("W0;501;"));
  EXPECT_TRUE(writes.back().starts_with("W0;600;"));
  EXPECT_EQ(host.counter.front(), "00501");
  EXPECT_EQ(host.counter[99], "00600");
}

struct PlanCase {
  const char* name;
  int page;
  tables::CodingInterval interval;
  std::string firstWrite;
  std::string lastWrite;
  size_t count;
};

class WritePlan : public TablesTest, public ::testing::WithParamInterface<PlanCase> {};

TEST_P(WritePlan, CoversTheDocumentedRecords) {
  Connect();
  workspace.interval = GetParam().interval;
  WriteToRegister(session, GetParam().page);
  const auto writes = WritesOnTheLine();
  ASSERT_EQ(writes.size(), GetParam().count);
  EXPECT_TRUE(writes.front().starts_with(GetParam().firstWrite)) << writes.front();
  EXPECT_TRUE(writes.back().starts_with(GetParam().lastWrite)) << writes.back();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, WritePlan,
    ::testing::Values(
        // Record 1 of the payment types is never written.
        PlanCase{"PaymentsFromRowTwo", 2, {}, "W9;2;", "W9;5;", 4},
        PlanCase{"PaymentsIgnoreTheInterval", 2, {true, "1", "3", "1"}, "W9;2;", "W9;5;", 4},
        PlanCase{"RefundsIgnoreTheInterval", 9, {true, "2", "3", "1"}, "W12;1;", "W12;10;", 10},
        PlanCase{"HeaderTextTakesTheInterval", 4, {true, "2", "3", "5"}, "W6;5;", "W6;6;", 2},
        PlanCase{"SocialHelp", 21, {}, "W108;1;", "W108;99;", 99}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TablesTest, Write_IntervalTooLongForTheFirstRecord_IsRefused) {
  Connect();
  for (auto interval :
       {tables::CodingInterval{true, "1", "14000", "2"},
        tables::CodingInterval{true, "5", "4", "1"}, tables::CodingInterval{true, "1", "x", "1"}}) {
    host.events.clear();
    workspace.interval = interval;
    WriteToRegister(session, 0);
    EXPECT_EQ(host.Dialogs(), (std::vector<std::string>{
                                  kConfirmGoods, "message: Ошибка! Неверные границы данных!"}));
  }
  EXPECT_TRUE(trace.Chunks().empty());
}

TEST_F(TablesTest, Write_PriceWithAComma_NamesTheCellAndSendsNothing) {
  Connect();
  workspace.Grid(0).SetCell(3, 5, "12,5");
  EXPECT_EQ(WriteToRegister(session, 0), tables::OperationResult::kNotStarted);
  EXPECT_TRUE(trace.Chunks().empty());
  ASSERT_EQ(host.Dialogs().size(), 2u);
  EXPECT_EQ(
      host.Dialogs()[1],
      "message: Строка 5, столбец \"Цена\": \"12,5\" - не число. Таблица в ЭККА не записана.");
  EXPECT_TRUE(host.buttons[CommandButton::kWrite]);
  EXPECT_TRUE(host.buttons[CommandButton::kClose]);
  EXPECT_FALSE(host.buttons[CommandButton::kStop]);
  EXPECT_EQ(host.events[host.events.size() - 9], "editing on 0");
}

TEST_F(TablesTest, Write_RowLongerThanAFrame_NamesTheRowAndSendsNothing) {
  Connect();
  workspace.Grid(11).SetCell(8, 3, std::string(49, 'i'));
  workspace.Grid(11).SetCell(1, 3, std::string(150, '1'));  // "text" has no cut
  WriteToRegister(session, 11);
  EXPECT_TRUE(trace.Chunks().empty());
  ASSERT_EQ(host.Dialogs().size(), 2u);
  EXPECT_TRUE(host.Dialogs()[1].starts_with("message: Строка 3: запись длиной 211 символов"))
      << host.Dialogs()[1];
}

TEST_F(TablesTest, Write_ParameterPage_TrimsAndWritesRecordOne) {
  Connect();
  auto& fields = workspace.Parameters(6).fields;
  for (auto& field : fields) field = " 5 ";
  fields[1] = "";
  WriteToRegister(session, 6);
  EXPECT_EQ(WritesOnTheLine(), std::vector<std::string>{"W5;1;5;;5;5;5;5;5;5;"});
  EXPECT_EQ(host.Dialogs(), std::vector<std::string>{"message: Операция завершена успешно!"});
  EXPECT_EQ(host.events.back(), "enable Button1");
}

TEST_F(TablesTest, Write_ParameterPageTooLong_IsNotSent) {
  Connect();
  workspace.Parameters(10).fields[0] = std::string(200, '9');
  WriteToRegister(session, 10);
  EXPECT_TRUE(trace.Chunks().empty());
  ASSERT_EQ(host.Dialogs().size(), 1u);
  EXPECT_TRUE(host.Dialogs()[0].starts_with("message: Почтовые параметры: запись длиной"));
}

TEST_F(TablesTest, Write_ServicePageSkipped_ReopensAndEndsTheExchange) {
  Connect();
  simRegister.Faults().silent = true;
  host.promptAnswers = {PromptAnswer::kSkip};
  WriteToRegister(session, 7);
  EXPECT_EQ(host.Dialogs(), std::vector<std::string>{"prompt"});
  EXPECT_EQ(wire.opens, 2);
  const auto& chunks = trace.Chunks();
  EXPECT_EQ(chunks[chunks.size() - 2].bytes, "\x13\x13") << "end of exchange after reopening";
}

TEST_F(TablesTest, Write_StopPressed_EndsBeforeTheNextRow) {
  Connect();
  host.onPendingEvents = [this](int call) {
    if (call == 3) workspace.flags.stop = true;
  };
  WriteToRegister(session, 3);
  EXPECT_EQ(WritesOnTheLine().size(), 2u);
  EXPECT_EQ(host.Dialogs().back(), "box Tabulon: Операция прервана");
  EXPECT_FALSE(workspace.flags.stop);
}

TEST_F(TablesTest, Write_FinishInThePrompt_EndsAsAStop) {
  Connect();
  simRegister.Tables().erase(10);  // every write is refused
  host.promptAnswers = {PromptAnswer::kFinish};
  WriteToRegister(session, 3);
  EXPECT_EQ(host.Dialogs().back(), "box Tabulon: Операция прервана");
  EXPECT_EQ(WritesOnTheLine().size(), 100u) << "ten calls of ten attempts at record 1 only";
}

TEST_F(TablesTest, Write_SkippedRecord_IsLeftAndTheRestWritten) {
  Connect();
  const auto departments = simRegister.Tables()[10];
  simRegister.Tables().erase(10);  // record 1 is refused ...
  host.onPendingEvents = [&](int call) {
    if (call == 2) simRegister.Tables()[10] = departments;  // ... the rest is taken
  };
  host.promptAnswers = {PromptAnswer::kSkip};
  for (int row = 1; row <= 20; ++row) workspace.Grid(3).SetCell(1, row, "D" + std::to_string(row));
  WriteToRegister(session, 3);
  EXPECT_EQ(Utf8(simRegister.Tables()[10].records[0]), "Відділ 1;");
  EXPECT_EQ(simRegister.Tables()[10].records[1], "D2;");
  EXPECT_EQ(host.Dialogs().back(), "box Tabulon: Операция завершена успешно");
}

}  // namespace
}  // namespace kvitmark::testing
