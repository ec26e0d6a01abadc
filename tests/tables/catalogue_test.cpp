// The pages, their tables and what the layouts show.
#include "tables/catalogue.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "base/message.h"
#include "tables/workspace.h"

namespace kvitmark::tables {
namespace {

using base::Cp1251ToUtf8;
using base::RenderUtf8;

struct PageCase {
  int page;
  const char* caption;
  int table;
  int records;
  int fields;
  bool intervalOnRead;
};

class CatalogueEntries : public ::testing::TestWithParam<PageCase> {};

TEST_P(CatalogueEntries, HoldTheTablesOfThePages) {
  const TableDescriptor& page = Page(PageAt(GetParam().page));
  EXPECT_EQ(Cp1251ToUtf8(page.caption), GetParam().caption);
  EXPECT_EQ(page.tableNumber, GetParam().table);
  EXPECT_EQ(page.recordCount, GetParam().records);
  EXPECT_EQ(page.FieldCount(), GetParam().fields);
  if (page.shape == PageShape::kGrid) {
    EXPECT_EQ(page.intervalOnRead, GetParam().intervalOnRead);
    EXPECT_EQ(static_cast<int>(page.encodings.size()), page.FieldCount());
    EXPECT_EQ(static_cast<int>(page.headers.size()), page.FieldCount() + 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CatalogueEntries,
    ::testing::Values(
        PageCase{0, "Товары", 0, 14000, 10, true}, PageCase{1, "Операторы", 3, 20, 3, true},
        PageCase{2, "Типы оплат", 9, 5, 5, false}, PageCase{3, "Отделы", 10, 20, 1, true},
        PageCase{4, "Загол. и рекл. текст", 6, 12, 1, false},
        PageCase{5, "Параметры кассы", 2, 1, 13, false},
        PageCase{6, "Параметры чека", 5, 1, 8, false}, PageCase{7, "Служебная", 8, 1, 11, false},
        PageCase{8, "Логотип", -1, 0, 0, false}, PageCase{9, "Названия возвратов", 12, 10, 2, true},
        PageCase{10, "Почтовые параметры", 97, 1, 16, false},
        PageCase{11, "Программ. платежей", 98, 3000, 8, true},
        PageCase{12, "Программ. назначения", 99, 1000, 3, true},
        PageCase{13, "Программ. комиссий", 100, 99, 32, true},
        PageCase{14, "Программ. особ. признаков 1", 101, 20, 20, true},
        PageCase{15, "Программ. особ. признаков 2", 102, 20, 20, true},
        PageCase{16, "Коды сообщений", 103, 9, 1, true},
        PageCase{17, "Дополн. услуги", 104, 99, 1, true},
        PageCase{18, "Названия валют", 105, 20, 1, true},
        PageCase{19, "Обяз. ввод", 106, 1, 11, false},
        PageCase{20, "Программ. нумераторов", 107, 1, 10, false},
        PageCase{21, "Программ. типа соц. помощи", 108, 99, 1, true},
        PageCase{22, "Отчеты", -1, 0, 0, false}));

TEST(Catalogue, EveryPositionHoldsItsOwnPageAndNoOtherPositionAny) {
  for (int index = 0; index < kPageCount; ++index) {
    EXPECT_EQ(PageIndex(Page(PageAt(index)).id), index);
  }
  for (int index : {-1, kPageCount, 1000}) EXPECT_THROW(PageAt(index), std::out_of_range);
  EXPECT_THROW(Page(static_cast<PageId>(kPageCount)), std::out_of_range);
}

TEST(Workspace, AskingAPageForDataOfAnotherShapeFailsLoudly) {
  Workspace workspace;
  EXPECT_THROW(workspace.Grid(PageId::kLogo), std::logic_error);
  EXPECT_THROW(workspace.Grid(PageId::kCashParameters), std::logic_error);
  EXPECT_THROW(workspace.Parameters(PageId::kGoods), std::logic_error);
  EXPECT_THROW(workspace.Parameters(PageId::kReports), std::logic_error);
}

TEST(Catalogue, CommissionHeadersRepeatInThrees) {
  const auto& headers = Page(PageId::kCommissions).headers;
  EXPECT_EQ(Cp1251ToUtf8(headers[3]), "Нач.сум.1");
  EXPECT_EQ(Cp1251ToUtf8(headers[4]), "Тип.ком.1");
  EXPECT_EQ(Cp1251ToUtf8(headers[5]), "Знач.1");
  EXPECT_EQ(Cp1251ToUtf8(headers[30]), "Нач.сум.10");
  EXPECT_EQ(Cp1251ToUtf8(headers[32]), "Знач.10");
}

TEST(Catalogue, ParameterFieldsInRecordOrder) {
  std::vector<std::string> controls;
  for (const auto& field : Page(PageId::kNumerators).fields) controls.push_back(field.control);
  EXPECT_EQ(controls, (std::vector<std::string>{"Edit78", "Edit80", "Edit82", "Edit84", "Edit86",
                                                "Edit79", "Edit81", "Edit83", "Edit85", "Edit87"}));
  EXPECT_EQ(Page(PageId::kCashParameters).fields[12].control, "Edit35");
  EXPECT_EQ(Page(PageId::kPostalParameters).fields[7].control, "Edit64");
}

TEST(Workspace, PrepareGridsNumbersRowsAndLeavesTheData) {
  Workspace workspace;
  workspace.Grid(PageId::kOperators).SetCell(2, 3, "data");
  workspace.Grid(PageId::kOperators).SetCell(0, 3, "x");
  PrepareGrids(workspace);
  EXPECT_EQ(workspace.Grid(PageId::kOperators).Cell(0, 3), "3");
  EXPECT_EQ(workspace.Grid(PageId::kOperators).Cell(2, 3), "data");
  EXPECT_EQ(Cp1251ToUtf8(workspace.Grid(PageId::kOperators).Cell(2, 0)), "Имя");
  EXPECT_EQ(workspace.Grid(PageId::kGoods).Cell(0, 14000), "14000");
  EXPECT_EQ(Cp1251ToUtf8(workspace.Grid(PageId::kHeaderText).Cell(0, 9)), "Сервисный текст 1");
  EXPECT_EQ(workspace.Grid(PageId::kHeaderText).RowCount(), 13);
  EXPECT_EQ(Cp1251ToUtf8(workspace.Parameters(PageId::kCashParameters).captions[1]),
            "Отчет по операторам:");
  EXPECT_FALSE(workspace.Parameters(PageId::kCashParameters).visible[11]);
}

TEST(Workspace, JuniorLayoutShowsSevenHeaderRowsAndItsCaptions) {
  Workspace workspace;
  PrepareGrids(workspace);
  workspace.interval.end = "20";
  ApplyTypeLayout(workspace, 0);
  EXPECT_EQ(RenderUtf8(workspace.windowCaption), "Программирование Datecs MP-50 Junior");
  EXPECT_EQ(workspace.interval.end, "14000");
  EXPECT_EQ(workspace.Grid(PageId::kHeaderText).RowCount(), 8);
  EXPECT_EQ(workspace.Grid(PageId::kGoods).RowCount(), 14001);
  EXPECT_EQ(Cp1251ToUtf8(workspace.Grid(PageId::kHeaderText).Cell(0, 12)), "Сервис 4");
  EXPECT_EQ(Cp1251ToUtf8(workspace.Parameters(PageId::kCashParameters).captions[1]), "Тип:");
  EXPECT_TRUE(workspace.Parameters(PageId::kCashParameters).visible[12]);
  EXPECT_EQ(Cp1251ToUtf8(workspace.Parameters(PageId::kServiceParameters).captions[9]),
            "Яркость матричного индикатора:");
  EXPECT_TRUE(workspace.Parameters(PageId::kServiceParameters).visible[10]);
  EXPECT_FALSE(workspace.Parameters(PageId::kServiceParameters).visible[11])
      << "Edit37 stays hidden";
  EXPECT_FALSE(workspace.Parameters(PageId::kReceiptParameters).visible[7])
      << "Edit23 is hidden in every layout";

  Workspace untouched;
  ApplyTypeLayout(untouched, 1);
  EXPECT_EQ(RenderUtf8(untouched.windowCaption), "");
  EXPECT_EQ(untouched.Grid(PageId::kHeaderText).RowCount(), 13);
}

TEST(GridTable, KeepsCellsBeyondTheShownExtent) {
  GridTable grid(3, 5);
  grid.SetCell(11, 7, "hidden");
  grid.SetCell(-1, 2, "ignored");
  EXPECT_EQ(grid.Cell(11, 7), "hidden");
  EXPECT_EQ(grid.Cell(-1, 2), "");
  EXPECT_EQ(grid.Cell(100, 100), "");
  grid.SetCell(0, 7, "7");
  grid.SetCell(1, 0, "header");
  grid.ClearRows();
  EXPECT_EQ(grid.Cell(11, 7), "");
  EXPECT_EQ(grid.Cell(0, 7), "");
  EXPECT_EQ(grid.Cell(1, 0), "header");
}

}  // namespace
}  // namespace kvitmark::tables
