// The sales table saved as one goods-and-sales file: its bytes, and that a failed save
// leaves an existing file as it was.
#include "sdcard/sales_file.h"

#include <gtest/gtest.h>

#include <string>

#include "base/cp1251.h"
#include "card_folder.h"
#include "files/table_files.h"
#include "rlimit_guard.h"
#include "sdcard/sales_load.h"
#include "sdcard/sales_table.h"
#include "tables/workspace.h"

namespace kvitmark::sdcard {
namespace {

using base::Cp1251;
using base::Cp1251ToUtf8;
using testing::Lines;

class SalesFile : public testing::CardFolderTest {
 protected:
  tables::GridTable table = MakeSalesTable();
};

TEST_F(SalesFile, NothingLoaded_Writes14000LinesOfSixteenEmptyFields) {
  PrepareSalesTable(table);
  ASSERT_TRUE(SaveSalesFile(table, Path("sales.out")).done);
  EXPECT_EQ(Read(Path("sales.out")), Lines(kSalesRows, [](int) { return std::string(16, ';'); }));
}

TEST_F(SalesFile, RowsGoOutCellForCellWithoutTheRowNumber) {
  PrepareSalesTable(table);
  for (int column = 1; column <= kLastSalesColumn; ++column) {
    table.SetCell(column, 2, 'c' + std::to_string(column));
  }
  table.SetCell(2, kSalesRows, Cp1251("Хлеб белый"));
  table.SetCell(13, kSalesRows, " 66.00 ");
  // Beyond the sixteen columns: not part of the file.
  table.SetCell(17, 2, "extra");
  int steps = 0;
  Progress progress;
  progress.step = [&] { ++steps; };
  ASSERT_TRUE(SaveSalesFile(table, Path("sales.out"), progress).done);
  const std::string file = Read(Path("sales.out"));
  const std::string first = std::string(16, ';') + "\r\n";
  const std::string second = "c1;c2;c3;c4;c5;c6;c7;c8;c9;c10;c11;c12;c13;c14;c15;c16;\r\n";
  const std::string last = ';' + Cp1251("Хлеб белый") + ";;;;;;;;;;; 66.00 ;;;;\r\n";
  EXPECT_EQ(file.substr(0, first.size() + second.size()), first + second);
  ASSERT_GE(file.size(), last.size());
  EXPECT_EQ(file.substr(file.size() - last.size()), last);
  EXPECT_EQ(steps, kSalesRows);
}

TEST_F(SalesFile, SavedFileLoadsBackAsAGoodsTableFile) {
  for (int row = 1; row <= kSalesRows; row += 1999) {
    for (int column = 1; column <= kLastSalesColumn; ++column) {
      table.SetCell(column, row, std::to_string(row) + "/" + std::to_string(column));
    }
  }
  ASSERT_TRUE(SaveSalesFile(table, Path("both.art")).done);
  tables::Workspace workspace;
  workspace.typeIndex = 0;
  const auto report = files::LoadTableFile(workspace, tables::PageId::kGoods, Path("both.art"));
  EXPECT_TRUE(report.done);
  EXPECT_FALSE(report.message);
  for (int row = 1; row <= kSalesRows; row += 1999) {
    for (int column = 1; column <= 10; ++column) {
      EXPECT_EQ(workspace.Grid(tables::PageId::kGoods).Cell(column, row), table.Cell(column, row));
    }
  }
}

TEST_F(SalesFile, IntoAFolderThatIsNotThere_SaysItCannotOpen) {
  const auto report = SaveSalesFile(table, Path("none/sales.out"));
  EXPECT_FALSE(report.done);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text), "Ошибка открытия файла");
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Ошибка работы с файлом");
}

TEST_F(SalesFile, WriteFailsPartway_KeepsTheOldFileAndLeavesNoTemporary) {
  Write(Path("sales.out"), "old;\r\n");
  files::FileReport report;
  {
    const testing::FileSizeLimit limit(100 * 1024);
    report = SaveSalesFile(table, Path("sales.out"));
  }
  EXPECT_FALSE(report.done);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text), "Ошибка записи данных в файл");
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Ошибка работы с файлом");
  EXPECT_EQ(Read(Path("sales.out")), "old;\r\n");
  EXPECT_EQ(FilesInFolder(), 1);
}

}  // namespace
}  // namespace kvitmark::sdcard
