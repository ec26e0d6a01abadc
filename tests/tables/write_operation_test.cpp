// Writing a page into the register: which records go out, what the user is asked and
// told, and that a bad cell never leaves the register with half a table.
#include "base/cp1251.h"
#include "table_fixture.h"
#include "tables/catalogue.h"

namespace kvitmark::testing {
namespace {

using base::Cp1251;
using tables::OperationResult;
using tables::PageId;
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
    workspace.Grid(PageId::kGoods).SetCell(static_cast<int>(i) + 1, 7, row[i]);
  WriteToRegister(session, observer, PageId::kGoods);
  EXPECT_EQ(WritesOnTheLine(),
            std::vector<std::string>{Cp1251("W0;7;7;Хлеб;12.50;0.000;1;2;1;0;0;0;")});
  EXPECT_EQ(observer.dialogs,
            (std::vector<std::string>{kConfirmGoods, "box Tabulon: Операция завершена успешно"}));
}

TEST_F(TablesTest, Write_Departments_SendsEveryRowAfterAskingFirst) {
  Connect();
  WriteToRegister(session, observer, PageId::kDepartments);
  const auto writes = WritesOnTheLine();
  ASSERT_EQ(writes.size(), 20u);
  EXPECT_EQ(writes.front(), "W10;1;;");
  EXPECT_EQ(writes.back(), "W10;20;;");
  EXPECT_EQ(observer.dialogs,
            (std::vector<std::string>{
                "box Tabulon: Таблица \"Отделы\"  в ЭККА будет перезаписана. Продолжить ?",
                "box Tabulon: Операция завершена успешно"}));
  ASSERT_EQ(observer.steps.size(), 20u);
  EXPECT_EQ(observer.steps.front().record, 1);
  EXPECT_EQ(observer.steps[19].record, 20);
  EXPECT_EQ(observer.Summary().done.size(), 20u);
}

TEST_F(TablesTest, Write_Refused_SendsNothing) {
  Connect();
  observer.confirmAnswers = {false};
  EXPECT_EQ(WriteToRegister(session, observer, PageId::kDepartments).result,
            OperationResult::kNotStarted);
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_TRUE(observer.starts.empty());
}

TEST_F(TablesTest, Write_NotConnected_SaysSoAndKeepsTheWindow) {
  WriteToRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"message: ЭККА не подключен"});
}

TEST_F(TablesTest, Write_GoodsThroughTheInterval_WritesRecords501To600) {
  Connect();
  workspace.interval = {true, "1", "100", "501"};
  WriteToRegister(session, observer, PageId::kGoods);
  const auto writes = WritesOnTheLine();
  ASSERT_EQ(writes.size(), 100u);
  EXPECT_TRUE(writes.front().starts_with("W0;501;"));
  EXPECT_TRUE(writes.back().starts_with("W0;600;"));
  EXPECT_EQ(observer.steps.front().record, 501);
  EXPECT_EQ(observer.steps[99].record, 600);
}

struct PlanCase {
  const char* name;
  PageId page;
  tables::CodingInterval interval;
  std::string firstWrite;
  std::string lastWrite;
  size_t count;
};

class WritePlan : public TablesTest, public ::testing::WithParamInterface<PlanCase> {};

TEST_P(WritePlan, CoversTheDocumentedRecords) {
  Connect();
  workspace.interval = GetParam().interval;
  WriteToRegister(session, observer, GetParam().page);
  const auto writes = WritesOnTheLine();
  ASSERT_EQ(writes.size(), GetParam().count);
  EXPECT_TRUE(writes.front().starts_with(GetParam().firstWrite)) << writes.front();
  EXPECT_TRUE(writes.back().starts_with(GetParam().lastWrite)) << writes.back();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, WritePlan,
    ::testing::Values(
        // Record 1 of the payment types is never written.
        PlanCase{"PaymentsFromRowTwo", PageId::kPaymentTypes, {}, "W9;2;", "W9;5;", 4},
        PlanCase{"PaymentsIgnoreTheInterval",
                 PageId::kPaymentTypes,
                 {true, "1", "3", "1"},
                 "W9;2;",
                 "W9;5;",
                 4},
        PlanCase{"RefundsIgnoreTheInterval",
                 PageId::kRefundNames,
                 {true, "2", "3", "1"},
                 "W12;1;",
                 "W12;10;",
                 10},
        PlanCase{"HeaderTextTakesTheInterval",
                 PageId::kHeaderText,
                 {true, "2", "3", "5"},
                 "W6;5;",
                 "W6;6;",
                 2},
        PlanCase{"SocialHelp", PageId::kSocialHelp, {}, "W108;1;", "W108;99;", 99}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TablesTest, Write_IntervalTooLongForTheFirstRecord_IsRefused) {
  Connect();
  for (auto interval :
       {tables::CodingInterval{true, "1", "14000", "2"},
        tables::CodingInterval{true, "5", "4", "1"}, tables::CodingInterval{true, "1", "x", "1"}}) {
    observer.dialogs.clear();
    workspace.interval = interval;
    WriteToRegister(session, observer, PageId::kGoods);
    EXPECT_EQ(observer.dialogs, (std::vector<std::string>{
                                    kConfirmGoods, "message: Ошибка! Неверные границы данных!"}));
  }
  EXPECT_TRUE(trace.Chunks().empty());
}

TEST_F(TablesTest, Write_PriceWithAComma_NamesTheCellAndSendsNothing) {
  Connect();
  workspace.Grid(PageId::kGoods).SetCell(3, 5, "12,5");
  EXPECT_EQ(WriteToRegister(session, observer, PageId::kGoods).result,
            OperationResult::kNotStarted);
  EXPECT_TRUE(trace.Chunks().empty());
  ASSERT_EQ(observer.dialogs.size(), 2u);
  EXPECT_EQ(
      observer.dialogs[1],
      "message: Строка 5, столбец \"Цена\": \"12,5\" - не число. Таблица в ЭККА не записана.");
  EXPECT_TRUE(observer.starts.empty()) << "nothing was started";
  EXPECT_EQ(observer.summaries.size(), 1u);
}

TEST_F(TablesTest, Write_RowLongerThanAFrame_NamesTheRowAndSendsNothing) {
  Connect();
  workspace.Grid(PageId::kPayments).SetCell(8, 3, std::string(49, 'i'));
  workspace.Grid(PageId::kPayments).SetCell(1, 3, std::string(150, '1'));  // "text" has no cut
  WriteToRegister(session, observer, PageId::kPayments);
  EXPECT_TRUE(trace.Chunks().empty());
  ASSERT_EQ(observer.dialogs.size(), 2u);
  EXPECT_TRUE(observer.dialogs[1].starts_with("message: Строка 3: запись длиной 211 символов"))
      << observer.dialogs[1];
}

// A CR would end the frame early and a NUL cannot be framed: the link would refuse the record
// halfway through the table, so the write refuses the table before its first record.
TEST_F(TablesTest, Write_ByteTheLinkCannotFrame_NamesTheFieldAndSendsNothing) {
  Connect();
  workspace.Grid(PageId::kGoods).SetCell(2, 5, "Tea\rCoffee");
  WriteToRegister(session, observer, PageId::kGoods);
  workspace.Parameters(PageId::kReceiptParameters).fields[2] = std::string(
      "1\0"
      "2",
      3);
  WriteToRegister(session, observer, PageId::kReceiptParameters);
  EXPECT_TRUE(trace.Chunks().empty());
  ASSERT_EQ(observer.dialogs.size(), 3u);  // the goods write's question first
  EXPECT_EQ(observer.dialogs[1],
            "message: Строка 5, столбец \"Название\": символ 0x0D не передаётся в ЭККА. Таблица "
            "в ЭККА не записана.");
  EXPECT_EQ(observer.dialogs[2],
            "message: Параметры чека, поле 3: символ 0x00 не передаётся в ЭККА. Таблица в ЭККА "
            "не записана.");
}

TEST_F(TablesTest, Write_ParameterPage_TrimsAndWritesRecordOne) {
  Connect();
  auto& fields = workspace.Parameters(PageId::kReceiptParameters).fields;
  for (auto& field : fields) field = " 5 ";
  fields[1] = "";
  WriteToRegister(session, observer, PageId::kReceiptParameters);
  EXPECT_EQ(WritesOnTheLine(), std::vector<std::string>{"W5;1;5;;5;5;5;5;5;5;"});
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"message: Операция завершена успешно!"});
}

TEST_F(TablesTest, Write_ParameterPageTooLong_IsNotSent) {
  Connect();
  workspace.Parameters(PageId::kPostalParameters).fields[0] = std::string(200, '9');
  WriteToRegister(session, observer, PageId::kPostalParameters);
  EXPECT_TRUE(trace.Chunks().empty());
  ASSERT_EQ(observer.dialogs.size(), 1u);
  EXPECT_TRUE(observer.dialogs[0].starts_with("message: Почтовые параметры: запись длиной"));
}

TEST_F(TablesTest, Write_ServicePageSkipped_ReopensAndEndsTheExchange) {
  Connect();
  simRegister.Faults().silent = true;
  observer.promptAnswers = {FailureAnswer::kSkip};
  WriteToRegister(session, observer, PageId::kServiceParameters);
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"prompt 1"});
  EXPECT_EQ(wire.opens, 2);
  const auto& chunks = trace.Chunks();
  EXPECT_EQ(chunks[chunks.size() - 2].bytes, "\x13\x13") << "end of exchange after reopening";
}

TEST_F(TablesTest, Write_StopPressed_EndsBeforeTheNextRow) {
  Connect();
  observer.stopAtQuestion = 3;
  EXPECT_EQ(WriteToRegister(session, observer, PageId::kDepartments).result,
            OperationResult::kStopped);
  EXPECT_EQ(WritesOnTheLine().size(), 2u);
  EXPECT_EQ(observer.dialogs.back(), "box Tabulon: Операция прервана");
}

TEST_F(TablesTest, Write_FinishInThePrompt_EndsAsAStop) {
  Connect();
  simRegister.Tables().erase(10);  // every write is refused
  observer.promptAnswers = {FailureAnswer::kFinish};
  WriteToRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(observer.dialogs.back(), "box Tabulon: Операция прервана");
  EXPECT_EQ(WritesOnTheLine().size(), 100u) << "ten calls of ten attempts at record 1 only";
}

TEST_F(TablesTest, Write_SkippedRecord_IsLeftAndTheRestWritten) {
  Connect();
  const auto departments = simRegister.Tables()[10];
  simRegister.Tables().erase(10);  // record 1 is refused ...
  // ... the rest is taken once the user has been asked about it.
  observer.onPrompt = [&] { simRegister.Tables()[10] = departments; };
  observer.promptAnswers = {FailureAnswer::kSkip};
  for (int row = 1; row <= 20; ++row)
    workspace.Grid(PageId::kDepartments).SetCell(1, row, "D" + std::to_string(row));
  WriteToRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(Utf8(simRegister.Tables()[10].records[0]), "Відділ 1;");
  EXPECT_EQ(simRegister.Tables()[10].records[1], "D2;");
  EXPECT_EQ(observer.dialogs.back(), "box Tabulon: Операция завершена успешно");
  EXPECT_EQ(observer.Summary().skipped, std::vector<int>{1});
}

}  // namespace
}  // namespace kvitmark::testing
