// The goods page written as the goods file for the SD card: its bytes, the space
// substitutes in the names (in the file and then on the page), and failed exports.
#include "sdcard/goods_export.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

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

const std::string kEmptyGoodsLine = std::string(10, ';') + "\r\n";

std::vector<std::string> FileLines(const std::string& file) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(file.substr(start, end - start));
  }
  EXPECT_EQ(start, file.size()) << "every line ends with CR LF";
  return lines;
}

class GoodsExport : public testing::CardFolderTest {
 protected:
  void SetUp() override {
    CardFolderTest::SetUp();
    tables::PrepareGrids(workspace);
    tables::ApplyTypeLayout(workspace, 0);
    workspace.typeIndex = 0;
  }
  tables::GridTable& Goods() { return workspace.Grid(tables::PageId::kGoods); }
  void SetGoodsRow(int row, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      Goods().SetCell(static_cast<int>(i) + 1, row, fields[i]);
    }
  }

  tables::Workspace workspace;
};

struct NameCase {
  const char* name;
  std::string name1251;
  std::string substituted;
};

class ExportedNames : public GoodsExport, public ::testing::WithParamInterface<NameCase> {};

TEST_P(ExportedNames, AreWrittenAndThenShownWithSubstitutesForSpaces) {
  SetGoodsRow(3, {"5", GetParam().name1251, "1.00", "0.000", "1", "1", "1", "1", "0", "12"});
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("goodbase.art")).done);
  const auto lines = FileLines(Read(Path("goodbase.art")));
  ASSERT_EQ(lines.size(), 14000u);
  EXPECT_EQ(lines[2], "5;" + GetParam().substituted + ";1.00;0.000;1;1;1;1;0;12;");
  EXPECT_EQ(Goods().Cell(2, 3), GetParam().substituted);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExportedNames,
                         ::testing::Values(NameCase{"TwoWords", Cp1251("Хлеб белый"),
                                                    Cp1251("Хлеб") + "\x96" + Cp1251("белый")},
                                           NameCase{"ThreeSpaces", Cp1251("Сок яблочный 1 л"),
                                                    Cp1251("Сок") + "\x96" + Cp1251("яблочный") +
                                                        "\x96"
                                                        "1\x96" +
                                                        Cp1251("л")},
                                           NameCase{"SpacesAtTheEnds", " a ",
                                                    "\x96"
                                                    "a\x96"},
                                           NameCase{"NoSpace", Cp1251("Молоко"), Cp1251("Молоко")},
                                           NameCase{"Empty", "", ""}),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(GoodsExport, SpacesOutsideTheNameAndEmptyRowsAreWrittenAsTheyAre) {
  SetGoodsRow(1, {" 1 ", "a", "2 00", "0", "1", "1", "1", "1", "0", "77 7"});
  Goods().SetCell(11, 1, "beyond the goods fields");
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("goodbase.art")).done);
  const auto lines = FileLines(Read(Path("goodbase.art")));
  ASSERT_EQ(lines.size(), 14000u);
  EXPECT_EQ(lines[0], " 1 ;a;2 00;0;1;1;1;1;0;77 7;");
  EXPECT_EQ(lines[1] + "\r\n", kEmptyGoodsLine);
  EXPECT_EQ(lines[13999] + "\r\n", kEmptyGoodsLine);
  EXPECT_EQ(Goods().Cell(1, 1), " 1 ");
  EXPECT_EQ(Goods().Cell(10, 1), "77 7");
}

TEST_F(GoodsExport, NoRegisterTypeSelected_StillWrites14000Lines) {
  workspace.typeIndex = -1;
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("goodbase.art")).done);
  EXPECT_EQ(Read(Path("goodbase.art")), Lines(14000, [](int) { return std::string(10, ';'); }));
}

TEST_F(GoodsExport, ExportingTwice_WritesTheSameBytes) {
  for (int row = 1; row <= 14000; row += 7) {
    SetGoodsRow(row, {std::to_string(row), Cp1251("Товар номер ") + std::to_string(row), "1.50",
                      "2.000", "1", "2", "3", "0", "0", std::to_string(4800000 + row)});
  }
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("first.art")).done);
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("second.art")).done);
  const std::string first = Read(Path("first.art"));
  EXPECT_EQ(first.find(Cp1251("Товар номер")), std::string::npos);
  EXPECT_EQ(first, Read(Path("second.art")));
}

TEST_F(GoodsExport, SavingTheGoodsPageAfterAnExport_WritesTheSubstitutes) {
  SetGoodsRow(1, {"1", Cp1251("Хлеб белый"), "1", "1", "1", "1", "1", "1", "0", "1"});
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("goodbase.art")).done);
  ASSERT_TRUE(files::SaveTableFile(workspace, tables::PageId::kGoods, Path("goods.art")).done);
  EXPECT_EQ(FileLines(Read(Path("goods.art")))[0],
            "1;" + Cp1251("Хлеб") + "\x96" + Cp1251("белый") + ";1;1;1;1;1;1;0;1;");
}

TEST_F(GoodsExport, ExportedFileLoadsBackAsTheGoodsPage) {
  for (int row = 1; row <= 14000; row += 13) {
    SetGoodsRow(row, {std::to_string(row), Cp1251("Имя ") + std::to_string(row) + " x", "0.10",
                      "1.000", "1", "1", "2", "0", "1", ' ' + std::to_string(row)});
  }
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("goodbase.art")).done);
  tables::Workspace loaded;
  loaded.typeIndex = 0;
  const auto report = files::LoadTableFile(loaded, tables::PageId::kGoods, Path("goodbase.art"));
  EXPECT_TRUE(report.done);
  EXPECT_FALSE(report.message);
  for (int row = 1; row <= 14000; ++row) {
    for (int column = 1; column <= kGoodsFields; ++column) {
      ASSERT_EQ(loaded.Grid(tables::PageId::kGoods).Cell(column, row), Goods().Cell(column, row))
          << "row " << row << " column " << column;
    }
  }
}

TEST_F(GoodsExport, ExportedGoodsComeBackFromTheCardWithTheirSpaces) {
  const std::string name = Cp1251("Хлеб белый нарезной");
  SetGoodsRow(1, {"1001", name, "5.50", "0.000", "1", "1", "1", "1", "0", "777"});
  SetGoodsRow(14000, {"9", "a b", "1", "1", "1", "1", "1", "1", "0", "9"});
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("goodbase.art")).done);
  // The register puts a field of its own in front of each goods line on the card.
  std::istringstream exported(Read(Path("goodbase.art")));
  std::string upload;
  for (std::string line; std::getline(exported, line);) upload += "17;" + line + "\n";
  Write(Path("upload.art"), upload);
  Write(Path("sales.art"), Lines(14000, [](int) { return std::string("1;0;0;0;0;0;0;"); }));

  tables::GridTable sales = MakeSalesTable();
  ASSERT_EQ(LoadSales(sales, Folder()).outcome, LoadOutcome::kComplete);
  const std::vector<std::string> first = {"1001", name, "5.50", "0.000", "1",
                                          "1",    "1",  "1",    "0",     "777"};
  for (int column = 1; column <= kGoodsFields; ++column) {
    EXPECT_EQ(sales.Cell(column, 1), first[column - 1]) << "column " << column;
  }
  EXPECT_EQ(sales.Cell(2, 14000), "a b");
  EXPECT_EQ(sales.Cell(2, 2), "");
}

TEST_F(GoodsExport, ProgressRunsOverEveryLineAndEndsAtZero) {
  int range = 0;
  int steps = 0;
  std::vector<int> positions;
  Progress progress;
  progress.setRange = [&](int maximum) { range = maximum; };
  progress.setPosition = [&](int position) { positions.push_back(position); };
  progress.step = [&] { ++steps; };
  ASSERT_TRUE(ExportGoodsForSd(workspace, Path("goodbase.art"), progress).done);
  EXPECT_EQ(range, 14000);
  EXPECT_EQ(steps, 14000);
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(positions.back(), 0);
}

struct FailureCase {
  const char* name;
  bool fillTheDisk;
  const char* fileName;
  const char* text;
};

class FailedExports : public GoodsExport, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedExports, SayWhatFailedAndChangeNeitherTheOldFileNorTheNames) {
  SetGoodsRow(1, {"1", Cp1251("Хлеб белый"), "1", "1", "1", "1", "1", "1", "0", "1"});
  Write(Path("goodbase.art"), "old;\r\n");
  files::FileReport report;
  {
    std::optional<testing::FileSizeLimit> limit;
    if (GetParam().fillTheDisk) limit.emplace(64 * 1024);
    report = ExportGoodsForSd(workspace, Path(GetParam().fileName));
  }
  EXPECT_FALSE(report.done);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text), GetParam().text);
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Ошибка работы с файлом");
  EXPECT_EQ(Read(Path("goodbase.art")), "old;\r\n");
  EXPECT_EQ(FilesInFolder(), 1);
  EXPECT_EQ(Goods().Cell(2, 1), Cp1251("Хлеб белый"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedExports,
    ::testing::Values(FailureCase{"DiskFull", true, "goodbase.art", "Ошибка записи данных в файл"},
                      FailureCase{"FolderNotThere", false, "none/goodbase.art",
                                  "Ошибка открытия файла"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::sdcard
