// Loading the sales table from upload.art and sales.art in a folder: which cells each line
// fills, what the user is told when a file is missing, short or malformed, and what stays.
#include "sdcard/sales_load.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/cp1251.h"
#include "card_folder.h"
#include "sdcard/sales_table.h"

namespace kvitmark::sdcard {
namespace {

using base::Cp1251;
using base::Cp1251ToUtf8;
using testing::Lines;
using testing::SalesLine;
using testing::UploadLine;

class SalesLoad : public testing::CardFolderTest {
 protected:
  void WriteCard(const std::string& upload, const std::string& sales) {
    Write(Path("upload.art"), upload);
    Write(Path("sales.art"), sales);
  }
  void WriteFullCard() { WriteCard(Lines(kSalesRows, UploadLine), Lines(kSalesRows, SalesLine)); }
  // Marks cells so that a test can tell which ones a load left alone.
  void Mark(int row) {
    for (int column = 1; column <= kLastSalesColumn; ++column) table.SetCell(column, row, "old");
  }
  void ExpectMarked(int row, int firstColumn, int lastColumn) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
      EXPECT_EQ(table.Cell(column, row), "old") << "row " << row << " column " << column;
    }
  }
  void ExpectLoaded(int row, int line) {
    const std::string k = std::to_string(line);
    EXPECT_EQ(table.Cell(1, row), k);
    EXPECT_EQ(table.Cell(2, row), "Name" + k);
    EXPECT_EQ(table.Cell(3, row), k + ".00");
    EXPECT_EQ(table.Cell(10, row), "77" + k);
    EXPECT_EQ(table.Cell(11, row), "0");
    EXPECT_EQ(table.Cell(12, row), k);
    EXPECT_EQ(table.Cell(13, row), k + ".50");
    EXPECT_EQ(table.Cell(16, row), "0.00");
  }

  tables::GridTable table = MakeSalesTable();
};

TEST_F(SalesLoad, FullCardWithBlankLinesFillsEveryRowAndIgnoresLinesAfterTheLast) {
  std::string upload;
  std::string sales;
  for (int n = 1; n <= kSalesRows + 3; ++n) {
    upload += UploadLine(n) + "\r\n";
    sales += SalesLine(n) + (n % 2 ? "\r\n" : "\n");
    if (n % 1000 == 0) {
      upload += "\r\n\n";
      sales += "\n";
    }
  }
  WriteCard("\r\n" + upload, sales);
  int steps = 0;
  int range = 0;
  int lastPosition = -1;
  Progress progress;
  progress.setRange = [&](int maximum) { range = maximum; };
  progress.setPosition = [&](int position) { lastPosition = position; };
  progress.step = [&] { ++steps; };

  const LoadReport report = LoadSales(table, Folder(), progress);

  EXPECT_EQ(report.outcome, LoadOutcome::kComplete);
  EXPECT_FALSE(report.message);
  for (int row : {1, 999, 1000, 1001, 7000, kSalesRows}) ExpectLoaded(row, row);
  EXPECT_EQ(range, kSalesRows);
  EXPECT_EQ(steps, 2 * kSalesRows);
  EXPECT_EQ(lastPosition, 0);
}

TEST_F(SalesLoad, NameSubstitutesBecomeSpacesAndTheSalesLineNeedsNoTrailingSeparator) {
  std::string upload =
      Cp1251("17;1001;Хлеб") + "\x96" + Cp1251("белый;5.50;0.000;1;1;1;1;0;777;\r\n");
  WriteCard(upload + Lines(kSalesRows - 1, UploadLine),
            "1;0;12;66.00;1;5.50;0.00\r\n" + Lines(kSalesRows - 1, SalesLine));
  ASSERT_EQ(LoadSales(table, Folder()).outcome, LoadOutcome::kComplete);
  const std::vector<std::string> expected = {"1001",  Cp1251("Хлеб белый"),
                                             "5.50",  "0.000",
                                             "1",     "1",
                                             "1",     "1",
                                             "0",     "777",
                                             "0",     "12",
                                             "66.00", "1",
                                             "5.50",  "0.00"};
  for (int column = 1; column <= kLastSalesColumn; ++column) {
    EXPECT_EQ(table.Cell(column, 1), expected[column - 1]) << "column " << column;
  }
  ExpectLoaded(2, 1);
}

struct Spelling {
  const char* name;
  std::string folderEnd;
  std::string upload;
  std::string sales;
};

class CardSpellings : public SalesLoad, public ::testing::WithParamInterface<Spelling> {};

TEST_P(CardSpellings, FindTheFiles) {
  Write(Path(GetParam().upload), Lines(kSalesRows, UploadLine));
  Write(Path(GetParam().sales), Lines(kSalesRows, SalesLine));
  const LoadReport report = LoadSales(table, Folder() + GetParam().folderEnd);
  EXPECT_EQ(report.outcome, LoadOutcome::kComplete);
  ExpectLoaded(kSalesRows, kSalesRows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CardSpellings,
    ::testing::Values(Spelling{"FolderWithoutSeparator", "", "upload.art", "sales.art"},
                      Spelling{"FolderWithSeparator", "/", "upload.art", "sales.art"},
                      Spelling{"NamesInCapitals", "", "UPLOAD.ART", "SALES.ART"},
                      Spelling{"NamesInCapitalsFolderWithSeparator", "/", "UPLOAD.ART",
                               "SALES.ART"},
                      Spelling{"MixedCase", "", "Upload.Art", "sALES.art"}),
    [](const ::testing::TestParamInfo<Spelling>& info) { return std::string(info.param.name); });

TEST_F(SalesLoad, BothSpellingsSideBySide_TheNameAsWrittenWins) {
  Write(Path("upload.art"), "x");
  Write(Path("UPLOAD.ART"), "y");
  EXPECT_EQ(FindCardFile(Folder() + "/", "upload.art"), Path("upload.art"));
  std::filesystem::remove(Path("upload.art"));
  EXPECT_EQ(FindCardFile(Folder() + "/", "upload.art"), Path("UPLOAD.ART"));
  EXPECT_EQ(FindCardFile(Folder() + "/", "sales.art"), std::nullopt);
}

TEST_F(SalesLoad, UploadOneLineShort_FillsTheRowsItHasThenSaysTheFileEndedAndSkipsSales) {
  Mark(1);
  Mark(kSalesRows);
  WriteCard(Lines(kSalesRows - 1, UploadLine) + "\r\n", Lines(kSalesRows, SalesLine));
  const LoadReport report = LoadSales(table, Folder());
  EXPECT_EQ(report.outcome, LoadOutcome::kEarlyEnd);
  EXPECT_EQ(report.file, "upload.art");
  EXPECT_EQ(report.rowsFilled, kSalesRows - 1);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderCp1251(report.message->text),
            Cp1251("Конец файла! \n В файле неверное число записей!"));
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Незапланированный конец файла");
  EXPECT_EQ(table.Cell(1, 1), "1");
  EXPECT_EQ(table.Cell(10, kSalesRows - 1), "77" + std::to_string(kSalesRows - 1));
  ExpectMarked(kSalesRows, 1, kLastSalesColumn);
  ExpectMarked(1, kFirstSalesColumn, kLastSalesColumn);
}

TEST_F(SalesLoad, SalesShort_KeepsTheGoodsOfEveryRowAndTheOldSalesOfRowsNotReached) {
  Mark(101);
  Mark(kSalesRows);
  WriteCard(Lines(kSalesRows, UploadLine), Lines(100, SalesLine));
  const LoadReport report = LoadSales(table, Folder());
  EXPECT_EQ(report.outcome, LoadOutcome::kEarlyEnd);
  EXPECT_EQ(report.file, "sales.art");
  EXPECT_EQ(report.rowsFilled, 100);
  ExpectLoaded(100, 100);
  EXPECT_EQ(table.Cell(2, 101), "Name101");
  EXPECT_EQ(table.Cell(2, kSalesRows), "Name" + std::to_string(kSalesRows));
  ExpectMarked(101, kFirstSalesColumn, kLastSalesColumn);
  ExpectMarked(kSalesRows, kFirstSalesColumn, kLastSalesColumn);
}

struct MissingCase {
  const char* name;
  bool upload;  // write upload.art
  bool sales;   // write sales.art
  bool uploadIsFolder;
  std::string subfolder;  // load from here instead
  std::string text;
};

class MissingFiles : public SalesLoad, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingFiles, SayWhichFileCannotBeOpenedAndChangeNothing) {
  Mark(1);
  if (GetParam().upload) Write(Path("upload.art"), Lines(kSalesRows, UploadLine));
  if (GetParam().sales) Write(Path("sales.art"), Lines(kSalesRows, SalesLine));
  if (GetParam().uploadIsFolder) std::filesystem::create_directory(Path("upload.art"));
  const LoadReport report = LoadSales(table, Folder() + GetParam().subfolder);
  EXPECT_EQ(report.outcome, LoadOutcome::kCannotOpen);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text), GetParam().text);
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Файл отсутствует или неверный формат");
  ExpectMarked(1, 1, kLastSalesColumn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingFiles,
    ::testing::Values(
        MissingCase{"NoUpload", false, true, false, "", "Ошибка открытия файла upload.art"},
        MissingCase{"NoSales", true, false, false, "", "Ошибка открытия файла sales.art"},
        MissingCase{"Neither", false, false, false, "", "Ошибка открытия файла upload.art"},
        MissingCase{"UploadIsAFolder", false, true, true, "", "Ошибка открытия файла upload.art"},
        MissingCase{"FolderNotThere", true, true, false, "/none",
                    "Ошибка открытия файла upload.art"}),
    [](const ::testing::TestParamInfo<MissingCase>& info) { return std::string(info.param.name); });

TEST_F(SalesLoad, EmptyFolder_SaysSoAndChangesNothing) {
  Mark(1);
  // An empty text is no folder at all, not the current one: a card there stays unread.
  WriteFullCard();
  const auto current = std::filesystem::current_path();
  std::filesystem::current_path(Folder());
  const LoadReport report = LoadSales(table, "");
  std::filesystem::current_path(current);
  EXPECT_EQ(report.outcome, LoadOutcome::kNoFolder);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text),
            "Выберите папку с файлами upload.art и sales.art");
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Папка не выбрана");
  ExpectMarked(1, 1, kLastSalesColumn);
}

TEST_F(SalesLoad, LineWithTooFewSeparators_FillsWhatItHasAndEmptiesTheRest) {
  Mark(5);
  std::string upload = Lines(4, UploadLine) + "0;5;Short;5.00\r\n";
  for (int n = 6; n <= kSalesRows; ++n) upload += UploadLine(n) + "\r\n";
  std::string sales = Lines(4, SalesLine) + "1;0;5\r\n";
  for (int n = 6; n <= kSalesRows; ++n) sales += SalesLine(n) + "\r\n";
  WriteCard(upload, sales);
  EXPECT_EQ(LoadSales(table, Folder()).outcome, LoadOutcome::kComplete);
  EXPECT_EQ(table.Cell(1, 5), "5");
  EXPECT_EQ(table.Cell(2, 5), "Short");
  EXPECT_EQ(table.Cell(3, 5), "5.00");
  for (int column = 4; column <= 10; ++column) EXPECT_EQ(table.Cell(column, 5), "") << column;
  EXPECT_EQ(table.Cell(11, 5), "0");
  EXPECT_EQ(table.Cell(12, 5), "5");
  for (int column = 13; column <= 16; ++column) EXPECT_EQ(table.Cell(column, 5), "") << column;
  ExpectLoaded(6, 6);
}

TEST_F(SalesLoad, LongLine_IsOneRowAndTheRowsAfterItStayInPlace) {
  const std::string longName(450, 'N');
  std::string upload = Lines(2, UploadLine) + "0;3;" + longName + ";3.00;0.000;1;2;3;4;0;773;\r\n";
  for (int n = 4; n <= kSalesRows; ++n) upload += UploadLine(n) + "\r\n";
  WriteCard(upload, Lines(kSalesRows, SalesLine));
  EXPECT_EQ(LoadSales(table, Folder()).outcome, LoadOutcome::kComplete);
  EXPECT_EQ(table.Cell(2, 3), longName);
  EXPECT_EQ(table.Cell(10, 3), "773");
  ExpectLoaded(4, 4);
  ExpectLoaded(kSalesRows, kSalesRows);
}

TEST_F(SalesLoad, LineLongerThanAnyCardLine_StopsWithAFormatErrorNamingTheLine) {
  Mark(9);
  std::string sales = Lines(8, SalesLine) + "\r\n1;" + std::string(70000, '9') + ";\r\n";
  WriteCard(Lines(kSalesRows, UploadLine), sales + Lines(kSalesRows, SalesLine));
  const LoadReport report = LoadSales(table, Folder());
  EXPECT_EQ(report.outcome, LoadOutcome::kLineTooLong);
  EXPECT_EQ(report.file, "sales.art");
  EXPECT_EQ(report.rowsFilled, 8);
  EXPECT_EQ(report.line, 10);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text),
            "Строка 10 файла sales.art длиннее 65536 символов");
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Неверный формат файла");
  ExpectLoaded(8, 8);
  ExpectMarked(9, kFirstSalesColumn, kLastSalesColumn);
}

TEST_F(SalesLoad, SecondLoadOverwritesTheFirst) {
  WriteFullCard();
  ASSERT_EQ(LoadSales(table, Folder()).outcome, LoadOutcome::kComplete);
  WriteCard(Lines(kSalesRows, [](int n) { return UploadLine(n + 1); }),
            Lines(kSalesRows, [](int n) { return SalesLine(n + 1); }));
  ASSERT_EQ(LoadSales(table, Folder()).outcome, LoadOutcome::kComplete);
  ExpectLoaded(1, 2);
  ExpectLoaded(kSalesRows, kSalesRows + 1);
}

TEST(SalesTable, PrepareWritesHeadersAndRowNumbersOnly) {
  tables::GridTable table = MakeSalesTable();
  table.SetCell(5, 7, "kept");
  PrepareSalesTable(table);
  const std::vector<std::string> headers = {
      "Ряд",       "Код",      "Название",  "Цена",     "Количество", "Отдел",
      "Группа",    "Налог",    "Тип",       "КНЛ",      "Штрих-код",  "Прз",
      "Клво прод", "Об. прод", "Клво возв", "Об. возв", "Скидки"};
  for (int column = 0; column < kSalesColumns; ++column) {
    EXPECT_EQ(Cp1251ToUtf8(table.Cell(column, 0)), headers[column]);
  }
  EXPECT_EQ(table.Cell(0, 1), "1");
  EXPECT_EQ(table.Cell(0, kSalesRows), "14000");
  EXPECT_EQ(table.Cell(5, 7), "kept");
  EXPECT_EQ(table.Cell(1, 1), "");
  EXPECT_EQ(table.RowCount(), kSalesRows + 1);
  EXPECT_EQ(table.ColumnCount(), kSalesColumns);
}

}  // namespace
}  // namespace kvitmark::sdcard
