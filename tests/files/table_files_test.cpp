// Loading pages from table files and saving them: what the user is told, what the files
// hold byte for byte, and that a save never leaves half a file behind.
#include "files/table_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/cp1251.h"
#include "files/table_file_kinds.h"
#include "files/table_file_writer.h"
#include "tables/catalogue.h"
#include "tables/workspace.h"

namespace kvitmark::files {
namespace {

using base::Cp1251;
namespace fs = std::filesystem;

class TableFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) /
             ("table_files_" + std::to_string(getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    tables::PrepareGrids(workspace);
    tables::ApplyTypeLayout(workspace, 0);
    workspace.typeIndex = 0;
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string Path(const char* name) { return (folder / name).string(); }
  void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path folder;
  tables::Workspace workspace;
};

TEST_F(TableFilesTest, Load_MissingFile_SaysItCannotBeOpenedAndChangesNothing) {
  workspace.Grid(tables::PageId::kDepartments).SetCell(1, 1, "kept");
  const auto report = LoadTableFile(workspace, tables::PageId::kDepartments, Path("missing.otd"));
  EXPECT_FALSE(report.done);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text), "Ошибка открытия файла");
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Файл отсутствует или неверный формат");
  EXPECT_EQ(workspace.Grid(tables::PageId::kDepartments).Cell(1, 1), "kept");
}

TEST_F(TableFilesTest, Load_ShortFile_KeepsWhatWasPlacedAndSaysTheFileEnded) {
  workspace.Grid(tables::PageId::kOperators).SetCell(2, 20, "kept");
  std::string file;
  for (int n = 1; n <= 19; ++n) file += std::to_string(n) + ";Op" + std::to_string(n) + ";0;\r\n";
  Write(Path("short.opr"), file);
  int steps = 0;
  Progress progress;
  progress.step = [&] { ++steps; };
  const auto report =
      LoadTableFile(workspace, tables::PageId::kOperators, Path("short.opr"), progress);
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderCp1251(report.message->text),
            Cp1251("Конец файла! \n В файле неверное число записей!"));
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Незапланированный конец файла");
  EXPECT_EQ(workspace.Grid(tables::PageId::kOperators).Cell(2, 19), "Op19");
  EXPECT_EQ(workspace.Grid(tables::PageId::kOperators).Cell(2, 20), "kept");
  EXPECT_EQ(steps, 19);
  EXPECT_EQ(report.line, 20);
}

struct TooFewCase {
  const char* line;
  const char* expectedText;  // UTF-8
};

class LoadTooFewFields : public TableFilesTest, public ::testing::WithParamInterface<TooFewCase> {};

TEST_P(LoadTooFewFields, NamesTheFirstCharacterOfTheLine) {
  Write(Path("bad.art"), GetParam().line);
  workspace.Grid(tables::PageId::kGoods).SetCell(10, 1, "kept");
  const auto report = LoadTableFile(workspace, tables::PageId::kGoods, Path("bad.art"));
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text), GetParam().expectedText);
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Неверный формат файла");
  EXPECT_EQ(workspace.Grid(tables::PageId::kGoods).Cell(10, 1), "kept");
  EXPECT_EQ(workspace.Grid(tables::PageId::kGoods).Cell(9, 1), "") << "the ninth is placed, empty";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadTooFewFields,
    ::testing::Values(TooFewCase{"1;2;3;4;5;6;7;8;\r\n", "Ошибка чтения данных в файл 1"},
                      TooFewCase{";2;3;4;5;6;7;8;\r\n", "Ошибка чтения данных в файл "},
                      TooFewCase{"\xD2;2;3;4;5;6;7;8;\r\n", "Ошибка чтения данных в файл Т"}));

TEST_F(TableFilesTest, Load_ServiceLineOfTwelve_ChangesTheElevenRecordFieldsOnly) {
  workspace.Parameters(tables::PageId::kServiceParameters).fields.back() = "extra kept";
  Write(Path("s.slu"), "1;2;3;4;5;6;7;8;9;10;11;12;\r\n");
  EXPECT_TRUE(LoadTableFile(workspace, tables::PageId::kServiceParameters, Path("s.slu")).done);
  EXPECT_EQ(workspace.Parameters(tables::PageId::kServiceParameters).fields[10], "11");
  EXPECT_EQ(workspace.Parameters(tables::PageId::kServiceParameters).fields.back(), "extra kept");
}

TEST_F(TableFilesTest, NoRegisterType_GoodsAndCashParametersTakeTheirOwnRules) {
  workspace.typeIndex = -1;
  Write(Path("g.art"), "1;a;0.00;0.000;1;1;1;1;0;0;\r\n");
  const auto loaded = LoadTableFile(workspace, tables::PageId::kGoods, Path("g.art"));
  EXPECT_TRUE(loaded.done);
  EXPECT_FALSE(loaded.message);
  EXPECT_EQ(workspace.Grid(tables::PageId::kGoods).Cell(2, 1), "")
      << "no goods records without a type";

  Write(Path("c.pak"), "1;2;3;4;5;6;7;8;9;10;11;12;13;\r\n");
  LoadTableFile(workspace, tables::PageId::kCashParameters, Path("c.pak"));
  EXPECT_EQ(workspace.Parameters(tables::PageId::kCashParameters).fields[10], "11");
  EXPECT_EQ(workspace.Parameters(tables::PageId::kCashParameters).fields[11], "")
      << "the first eleven only";

  workspace.Grid(tables::PageId::kGoods).SetCell(1, 1, "x");
  ASSERT_TRUE(SaveTableFile(workspace, tables::PageId::kGoods, Path("out.art")).done);
  EXPECT_EQ(Read(Path("out.art")), "");
  ASSERT_TRUE(SaveTableFile(workspace, tables::PageId::kCashParameters, Path("out.pak")).done);
  EXPECT_EQ(Read(Path("out.pak")), "");
}

TEST_F(TableFilesTest, Save_GoodsWritesEveryRowEmptyOnesIncluded) {
  workspace.Grid(tables::PageId::kGoods).SetCell(2, 2, Cp1251("Хліб"));
  ASSERT_TRUE(SaveTableFile(workspace, tables::PageId::kGoods, Path("g.art")).done);
  const std::string saved = Read(Path("g.art"));
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 14000);
  const std::string firstRows = ";;;;;;;;;;\r\n;" + Cp1251("Хліб") + ";;;;;;;;;\r\n";
  EXPECT_EQ(saved.substr(0, firstRows.size()), firstRows);
}

TEST_F(TableFilesTest, Save_ServicePageWritesTwelveFields) {
  auto& fields = workspace.Parameters(tables::PageId::kServiceParameters).fields;
  for (size_t i = 0; i < fields.size(); ++i) fields[i] = std::to_string(i + 1);
  ASSERT_TRUE(SaveTableFile(workspace, tables::PageId::kServiceParameters, Path("s.slu")).done);
  EXPECT_EQ(Read(Path("s.slu")), "1;2;3;4;5;6;7;8;9;10;11;12;\r\n");
}

TEST_F(TableFilesTest, Save_PagesWithoutAKindLeaveAChosenFileAlone) {
  Write(Path("keep.txt"), "precious");
  for (tables::PageId page : {tables::PageId::kLogo, tables::PageId::kReports}) {
    EXPECT_TRUE(SaveTableFile(workspace, page, Path("keep.txt")).done);
    EXPECT_TRUE(LoadTableFile(workspace, page, Path("keep.txt")).done);
  }
  EXPECT_EQ(Read(Path("keep.txt")), "precious");
}

TEST_F(TableFilesTest, Save_IntoAFolderThatIsNotThere_SaysItCannotOpen) {
  const auto report =
      SaveTableFile(workspace, tables::PageId::kDepartments, (folder / "no" / "x.otd").string());
  ASSERT_TRUE(report.message);
  EXPECT_EQ(base::RenderUtf8(report.message->text), "Ошибка открытия файла");
  EXPECT_EQ(base::RenderUtf8(report.message->caption), "Ошибка работы с файлом");
}

TEST_F(TableFilesTest, SaveFile_WriteFailsHalfway_KeepsTheOldFileAndNoTemporary) {
  const std::string target = Path("old.otd");
  Write(target, "old;\r\n");
  const auto outcome = SaveFile(target, [](std::ostream& out) {
    out << "half of the new;\r\n";
    return false;  // as when the disk fills up
  });
  EXPECT_EQ(outcome, SaveOutcome::kWriteFailed);
  EXPECT_EQ(Read(target), "old;\r\n");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++files;
  EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

TEST_F(TableFilesTest, Save_ReplacesAnExistingFileAndKeepsItsPermissions) {
  const std::string target = Path("p.opr");
  Write(target, "old contents\r\n");
  chmod(target.c_str(), 0640);
  ASSERT_TRUE(SaveTableFile(workspace, tables::PageId::kOperators, target).done);
  EXPECT_EQ(Read(target).substr(0, 5), ";;;\r\n");
  struct stat info {};
  stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// Every kind: save, empty the page, load, and the same cells and fields are back.
class RoundTrip : public TableFilesTest, public ::testing::WithParamInterface<int> {};

TEST_P(RoundTrip, SaveThenLoadGivesBackTheSamePage) {
  const tables::PageId page = tables::PageAt(GetParam());
  const auto* kind = KindForPage(page);
  ASSERT_NE(kind, nullptr);
  const std::string path = Path((std::string("table.") + kind->extension).c_str());
  auto text = [](int a, int b) {
    return Cp1251("Ї") + std::to_string(a) + " " + std::to_string(b);
  };
  if (tables::IsGridPage(page)) {
    const auto& descriptor = tables::Page(page);
    for (int row = 1; row <= descriptor.recordCount; row += 7) {
      for (int column = 1; column <= descriptor.FieldCount(); ++column) {
        workspace.Grid(page).SetCell(column, row, text(row, column));
      }
    }
    const tables::GridTable before = workspace.Grid(page);
    ASSERT_TRUE(SaveTableFile(workspace, page, path).done);
    for (int row = 1; row <= descriptor.recordCount; ++row) {
      for (int column = 1; column <= descriptor.FieldCount(); ++column) {
        workspace.Grid(page).SetCell(column, row, "junk");
      }
    }
    const auto report = LoadTableFile(workspace, page, path);
    EXPECT_TRUE(report.done);
    EXPECT_FALSE(report.message);
    for (int row = 0; row <= descriptor.recordCount; ++row) {
      for (int column = 0; column <= descriptor.FieldCount(); ++column) {
        ASSERT_EQ(workspace.Grid(page).Cell(column, row), before.Cell(column, row))
            << row << "," << column;
      }
    }
  } else {
    auto& fields = workspace.Parameters(page).fields;
    for (size_t field = 0; field < fields.size(); ++field) fields[field] = text(0, field);
    const auto before = fields;
    ASSERT_TRUE(SaveTableFile(workspace, page, path).done);
    for (auto& field : fields) field = "junk";
    EXPECT_TRUE(LoadTableFile(workspace, page, path).done);
    for (int field = 0; field < tables::Page(page).FieldCount(); ++field) {
      EXPECT_EQ(fields[field], before[field]) << field;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RoundTrip,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16,
                                           17, 18, 19, 20, 21),
                         [](const auto& info) { return "Page" + std::to_string(info.param); });

TEST(TableFileKinds, TwentyOneKindsWithTheirExtensions) {
  int kinds = 0;
  for (tables::PageId page : tables::AllPages()) {
    if (KindForPage(page)) ++kinds;
  }
  EXPECT_EQ(kinds, 21);
  EXPECT_EQ(KindForPage(tables::PageId::kLogo), nullptr);
  EXPECT_STREQ(KindForPage(tables::PageId::kCommissions)->extension, "pko");
  EXPECT_EQ(RecordCount(tables::PageId::kHeaderText, true), 12);
  EXPECT_EQ(RecordCount(tables::PageId::kGoods, false), 0);
  EXPECT_EQ(SaveFieldCount(tables::PageId::kServiceParameters, true), 12);
  EXPECT_EQ(LoadFieldCount(tables::PageId::kServiceParameters, false), 10);
}

TEST(ClearPageGrid, EmptiesEveryRowOfTheTableHiddenOnesAndNumbersIncluded) {
  tables::Workspace workspace;
  tables::PrepareGrids(workspace);
  tables::ApplyTypeLayout(workspace, 0);
  workspace.Grid(tables::PageId::kHeaderText).SetCell(1, 12, "hidden row");
  workspace.Grid(tables::PageId::kOperators).SetCell(2, 20, "x");
  ClearPageGrid(workspace, tables::PageId::kHeaderText);
  EXPECT_EQ(workspace.Grid(tables::PageId::kHeaderText).Cell(1, 12), "");
  EXPECT_EQ(workspace.Grid(tables::PageId::kHeaderText).Cell(0, 1), "");
  ClearPageGrid(workspace, tables::PageId::kOperators);
  EXPECT_EQ(workspace.Grid(tables::PageId::kOperators).Cell(2, 20), "");
  EXPECT_EQ(workspace.Grid(tables::PageId::kOperators).Cell(0, 20), "");
  EXPECT_NE(workspace.Grid(tables::PageId::kOperators).Cell(1, 0), "") << "the header row stays";
  workspace.Parameters(tables::PageId::kCashParameters).fields[0] = "stays";
  ClearPageGrid(workspace, tables::PageId::kCashParameters);
  EXPECT_EQ(workspace.Parameters(tables::PageId::kCashParameters).fields[0], "stays");
}

}  // namespace
}  // namespace kvitmark::files
