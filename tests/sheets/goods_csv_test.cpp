// Goods lists to and from spreadsheets: the CSV files Excel and LibreOffice write and read.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/temp_directory.h"
#include "backup/scratch_session.h"
#include "base/cp1251.h"
#include "base/message.h"
#include "files/table_files.h"
#include "sheets/csv_reader.h"
#include "sheets/goods_csv_export.h"
#include "sheets/goods_csv_import.h"

namespace kvitmark::sheets {
namespace {

using base::Cp1251;
using base::Cp1251ToUtf8;
using tables::PageId;

const std::string kBom = "\xEF\xBB\xBF";

// Record number and cells 1 … 10 of each goods row, in UTF-8, "|" between them.
std::vector<std::string> Rows(const GoodsImport& sheet) {
  std::vector<std::string> rows;
  for (const auto& row : sheet.rows) {
    std::string text = std::to_string(row.record);
    for (const auto& cell : row.cells) text += '|' + Cp1251ToUtf8(cell);
    rows.push_back(text);
  }
  return rows;
}

std::vector<std::string> Problems(const GoodsImport& sheet) {
  std::vector<std::string> problems;
  for (const auto& problem : sheet.problems) problems.push_back(base::RenderUtf8(problem.text));
  return problems;
}

struct ImportCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> rows;
};

class GoodsImportCases : public ::testing::TestWithParam<ImportCase> {};

TEST_P(GoodsImportCases, FindsEveryGoodsRow) {
  const GoodsImport sheet = ReadGoodsCsv(GetParam().bytes);
  EXPECT_EQ(Problems(sheet), std::vector<std::string>{});
  EXPECT_EQ(Rows(sheet), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Files, GoodsImportCases,
    ::testing::Values(
        // What a Russian or Ukrainian Excel writes as "CSV (разделители — точка с запятой)".
        ImportCase{"ExcelOnRussianWindows",
                   Cp1251("№;Код;Название;Цена;Количество;Отдел;Группа;Налог;Тип;КНЛ;Штрих-код\r\n"
                          "1;7;Хлеб;12,5;0;1;2;1;0;0;\r\n"
                          "2;8;Молоко 2,5%;1\u00a0234,50;1,5;1;2;1;0;0;4820000000017\r\n"),
                   {"1|7|Хлеб|12.50|0.000|1|2|1|0|0|",
                    "2|8|Молоко 2,5%|1234.50|1.500|1|2|1|0|0|4820000000017"}},
        ImportCase{"QuotesAndSeparatorsInNames",
                   kBom + "Код;Название;Цена\r\n"
                          "1;\"Сок \"\"Садочок\"\"\";20.00\r\n"
                          "2;\"Чай, зелёный\";\"35,10\"\r\n",
                   {"1|1|Сок \"Садочок\"|20.00|||||||", "2|2|Чай, зелёный|35.10|||||||"}},
        ImportCase{"HeaderInAnotherOrderAndLetterCase",
                   kBom + " цена ;НАЗВАНИЕ;код;№\r\n9,99;Сир;3;17\r\n",
                   {"17|3|Сир|9.99|||||||"}},
        ImportCase{"TabSeparatedWithoutByteOrderMark",
                   "Название\tЦена\tКод\n\"Хліб\tбілий\"\t8.5\t1\n\nКава\t120\t2\n",
                   {"1|1|Хліб\tбілий|8.50|||||||", "2|2|Кава|120.00|||||||"}},
        ImportCase{"BlankRowsAndEmptyTrailingColumnsAreNoGoods",
                   kBom + "Код;Название;;\r\n;;;\r\n5;Сіль;;\r\n\r\n",
                   {"1|5|Сіль||||||||"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GoodsImport, CommaSeparated_TheSeparatorComesFromTheHeader) {
  const GoodsImport sheet = ReadGoodsCsv("Код,Название,Цена\r\n1,\"Чай, чорний\",\"12,5\"\r\n");
  EXPECT_EQ(sheet.separator, ',');
  EXPECT_EQ(Problems(sheet), std::vector<std::string>{});
  EXPECT_EQ(Rows(sheet), std::vector<std::string>{"1|1|Чай, чорний|12.50|||||||"});
}

TEST(GoodsImport, EncodingIsToldFromTheBytes) {
  const std::string text = "Название\r\nЁжик\r\n";
  EXPECT_EQ(ReadGoodsCsv(kBom + text).encoding, SheetEncoding::kUtf8);
  EXPECT_EQ(ReadGoodsCsv(text).encoding, SheetEncoding::kUtf8);
  const GoodsImport windows = ReadGoodsCsv(Cp1251(text));
  EXPECT_EQ(windows.encoding, SheetEncoding::kCp1251);
  EXPECT_EQ(Rows(windows), std::vector<std::string>{"1||Ёжик||||||||"});
}

TEST(GoodsImport, EveryProblemIsReportedWithItsLineAndColumn) {
  const GoodsImport sheet = ReadGoodsCsv(kBom +
                                         "№;Код;Название;Цена\r\n"
                                         "1;1;Хлеб;12,50\r\n"
                                         "2;2;Молоко;12 грн\r\n"
                                         "3;3;Название длиной больше тридцати двух символов;1\r\n"
                                         "2;4;Кефир;1\r\n"
                                         "14001;5;Сыр;1\r\n"
                                         "6;x;Чай 🍵;1\r\n");
  EXPECT_EQ(Problems(sheet),
            (std::vector<std::string>{
                "строка 3, столбец 4 (Цена): \"12 грн\" - не число",
                "строка 4, столбец 3 (Название): название длиннее 32 символов (45)",
                "строка 5: запись 2 уже задана в строке 3",
                "строка 6, столбец 1 (№): \"14001\" - не номер записи от 1 до 14000",
                "строка 7, столбец 2 (Код): \"x\" - не целое число",
                "строка 7, столбец 3 (Название): символ U+1F375 не из кодовой страницы 1251: ЭККА "
                "его не напечатает",
            }));
}

TEST(GoodsImport, UnknownColumnsAndUnclosedQuotes) {
  EXPECT_EQ(Problems(ReadGoodsCsv("Код;Название;Цвет;Код\r\n1;a;b;2\r\n")),
            (std::vector<std::string>{
                "строка 1, столбец 3 (Цвет): неизвестный столбец; столбцы товаров: №, Код, "
                "Название, Цена, Количество, Отдел, Группа, Налог, Тип, КНЛ, Штрих-код",
                "строка 1, столбец 4 (Код): этот столбец уже есть (столбец 1)"}));
  EXPECT_EQ(Problems(ReadGoodsCsv("Код;Название\r\n1;\"Хлеб\r\n2;Молоко\r\n")),
            std::vector<std::string>{
                "строка 2: кавычки не закрыты или стоят не на месте; дальше файл не прочитан"});
  EXPECT_EQ(Problems(ReadGoodsCsv("a;b\r\n1;2\r\n")).size(), 2u) << "two unknown captions";
  EXPECT_EQ(Problems(ReadGoodsCsv("Название\r\n\"Excel \"\"quote\"\"\";x\r\n")),
            std::vector<std::string>{"строка 2, столбец 2: значение в столбце без заголовка"});
}

TEST(GoodsImport, WithoutRecordNumbers_AtMost14000Goods) {
  std::string text = "Название\r\n";
  for (int n = 1; n <= 14001; ++n) text += 'G' + std::to_string(n) + "\r\n";
  const GoodsImport sheet = ReadGoodsCsv(text);
  EXPECT_EQ(Problems(sheet),
            std::vector<std::string>{"строка 14002: товаров больше, чем записей в ЭККА (14000)"});
}

// Files from elsewhere that are no honest goods list: each is refused with bounded work, its
// first problems told and the rest counted, and no goods are taken.
struct RefusedCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> firstProblems;  // the first problems told, in order
  size_t problemsKept;
  long long moreProblems;
  std::string more;  // how the rest is told
};

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int n = 0; n < times; ++n) text += piece;
  return text;
}

std::string NumberedRows(int from, int to, const std::string& rest) {
  std::string text;
  for (int n = from; n <= to; ++n) text += std::to_string(n) + rest;
  return text;
}

class RefusedFiles : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFiles, AreToldBoundedAndTakeNoGoods) {
  const RefusedCase& c = GetParam();
  const GoodsImport sheet = ReadGoodsCsv(c.bytes);
  const auto problems = Problems(sheet);
  ASSERT_GE(problems.size(), c.firstProblems.size());
  EXPECT_EQ(std::vector<std::string>(problems.begin(), problems.begin() + c.firstProblems.size()),
            c.firstProblems);
  EXPECT_EQ(problems.size(), c.problemsKept);
  EXPECT_EQ(sheet.moreProblems, c.moreProblems);
  EXPECT_EQ(sheet.ProblemCount(), static_cast<long long>(c.problemsKept) + c.moreProblems);
  EXPECT_EQ(base::RenderUtf8(MoreProblemsText(sheet)), c.more);
  EXPECT_FALSE(sheet.ok());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFiles,
    ::testing::Values(
        RefusedCase{"AHundredProblemsToldTheRestCounted",
                    "Код;Название\r\n" + Repeated("x;a\r\n", 152),
                    {"строка 2, столбец 1 (Код): \"x\" - не целое число",
                     "строка 3, столбец 1 (Код): \"x\" - не целое число"},
                    100,
                    52,
                    "… и ещё 52 ошибки"},
        RefusedCase{"MoreGoodsThanTheRegisterHolds_TheRestIsNotRead",
                    "№;Название\r\n" + NumberedRows(1, 14000, ";a\r\n") + "1;b\r\n2;c\r\n",
                    {"строка 14002: товаров больше, чем записей в ЭККА (14000)"},
                    1,
                    0,
                    ""},
        RefusedCase{
            "RowOfMoreCellsThanAnyGoodsList",
            "Код;Название\r\n1;a\r\n" + Repeated("2;", 45) + "\r\n" + Repeated(";x", 1000) + "\r\n",
            {"строка 3: больше 44 столбцов в строке: это не список товаров",
             "строка 4: больше 44 столбцов в строке: это не список товаров"},
            2,
            0,
            ""},
        RefusedCase{"HeaderOfMoreCellsThanAnyGoodsList",
                    "Код" + Repeated(";x", 100000) + "\r\n1;a\r\n",
                    {"строка 1: больше 44 столбцов в строке: это не список товаров"},
                    1,
                    0,
                    ""},
        // A spreadsheet never means these in a name (a tab it may); the register would take
        // some of them for commands. The other columns take digits alone.
        RefusedCase{"ControlCharactersInCells",
                    "Название;Код\r\nXON\x11;1\r\nXOFF\x13;2\r\nNUL" + std::string(1, '\0') +
                        ";3\r\n\x1b[31m;4\r\n\tтаб;5\r\nSOH\x01;6\r\n",
                    {"строка 2, столбец 1 (Название): управляющий символ 0x11: ЭККА его не "
                     "напечатает",
                     "строка 3, столбец 1 (Название): управляющий символ 0x13: ЭККА его не "
                     "напечатает",
                     "строка 4, столбец 1 (Название): управляющий символ 0x00: ЭККА его не "
                     "напечатает",
                     "строка 5, столбец 1 (Название): управляющий символ 0x1B: ЭККА его не "
                     "напечатает",
                     "строка 7, столбец 1 (Название): управляющий символ 0x01: ЭККА его не "
                     "напечатает"},
                    5,
                    0,
                    ""},
        // The write would refuse the record: refused here, before it can reach a page.
        RefusedCase{"RecordLongerThanARequestCarries",
                    "№;Название;Цена\r\n14000;a;" + std::string(180, '9') + "\r\n",
                    {"строка 2: запись длиной 200 символов, а в запрос ЭККА помещается не более "
                     "187 символов"},
                    1,
                    0,
                    ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GoodsImport, ProgressGoesUpToTheWholeFile) {
  const std::string text = "Код;Название\r\n" + NumberedRows(1, 14000, ";Товар\r\n");
  std::vector<size_t> told;
  const GoodsImport sheet = ReadGoodsCsv(text, [&](size_t done, size_t total) {
    EXPECT_EQ(total, text.size());
    told.push_back(done);
  });
  EXPECT_TRUE(sheet.ok());
  ASSERT_GT(told.size(), 2u) << "told along the way, not only at the end";
  EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
  EXPECT_EQ(told.back(), text.size());
}

// The goods page with a few goods, the rest as a fresh window has it.
tables::Workspace GoodsPage() {
  tables::Workspace workspace;
  backup::PrepareJuniorPages(workspace);
  auto& goods = workspace.Grid(PageId::kGoods);
  goods.SetRow(1, 1, {"7", Cp1251("Хлеб"), "12.50", "0.000", "1", "2", "1", "0", "0", ""});
  goods.SetRow(5, 1,
               {"9", Cp1251("Сок \"Сад\"; 1 л"), "35.10", "2.500", "1", "2", "1", "0", "0",
                "4820000000017"});
  goods.SetRow(6, 1, {"0", " ", "0.00", "0.000", "1", "1", "1", "1", "0", "0"});
  goods.SetRow(14000, 1, {"", Cp1251("Последний"), "", "", "", "", "", "", "", ""});
  return workspace;
}

TEST(GoodsExport, WhatASpreadsheetOpens) {
  const auto workspace = GoodsPage();
  const GoodsSheet sheet = GoodsCsv(workspace.Grid(PageId::kGoods));
  EXPECT_EQ(sheet.goods, 3) << "record 6 holds the register's empty goods";
  EXPECT_EQ(sheet.text,
            kBom +
                "№;Код;Название;Цена;Количество;Отдел;Группа;Налог;Тип;КНЛ;Штрих-код\r\n"
                "1;7;Хлеб;12,50;0,000;1;2;1;0;0;\r\n"
                "5;9;\"Сок \"\"Сад\"\"; 1 л\";35,10;2,500;1;2;1;0;0;4820000000017\r\n"
                "14000;;Последний;;;;;;;;\r\n");
}

TEST(GoodsExport, ImportedBack_TheGoodsFileIsTheOneTheWindowSaves) {
  // Names with ";" cannot be in the register; the rest goes round unchanged.
  auto workspace = GoodsPage();
  workspace.Grid(PageId::kGoods).SetCell(2, 5, Cp1251("Сок \"Сад\", 1 л"));

  const GoodsImport sheet = ReadGoodsCsv(GoodsCsv(workspace.Grid(PageId::kGoods)).text);
  ASSERT_EQ(Problems(sheet), std::vector<std::string>{});
  tables::Workspace imported;
  backup::PrepareJuniorPages(imported);
  PlaceGoods(sheet.rows, imported.Grid(PageId::kGoods));
  // The register's empty goods in record 6 go as the empty rows a fresh page has.
  workspace.Grid(PageId::kGoods).SetRow(6, 1, {"", "", "", "", "", "", "", "", "", ""});
  app::TempDirectory folder;
  ASSERT_FALSE(files::SaveTableFile(workspace, PageId::kGoods, folder.File("typed.art")).message);
  ASSERT_FALSE(files::SaveTableFile(imported, PageId::kGoods, folder.File("sheet.art")).message);
  EXPECT_EQ(app::ReadBytes(folder.File("sheet.art")), app::ReadBytes(folder.File("typed.art")));
}

struct GuardCase {
  const char* name;        // a goods name, UTF-8
  const char* exportedAs;  // its cell in the CSV file, once unquoted
};

// Names a spreadsheet would run as formulas go out as text and come back exactly; numbers and
// everyday names go out as they are.
TEST(GoodsCsv, FormulaLikeNames_AreTextInTheSheetAndComeBackExactly) {
  const std::vector<GuardCase> cases = {
      {"=1+2", "'=1+2"},
      {"@SUM(1)", "'@SUM(1)"},
      {"=HYPERLINK(\"http://x.ua\",\"Клік\")", "'=HYPERLINK(\"http://x.ua\",\"Клік\")"},
      {"-10% скидка", "'-10% скидка"},
      {"+380 телефон", "'+380 телефон"},
      {"\tТаб", "'\tТаб"},
      {"-", "'-"},
      {"'Квант'", "''Квант'"},
      {"''", "'''"},
      {"-5", "-5"},
      {"+3.5", "+3.5"},
      {"-1,50", "-1,50"},
      {"Хлеб = 1+2", "Хлеб = 1+2"},
  };
  tables::Workspace workspace;
  backup::PrepareJuniorPages(workspace);
  for (size_t i = 0; i < cases.size(); ++i) {
    workspace.Grid(PageId::kGoods).SetCell(2, static_cast<int>(i) + 1, Cp1251(cases[i].name));
  }

  const std::string text = GoodsCsv(workspace.Grid(PageId::kGoods)).text;
  const CsvRead exported = ReadCsv(std::string_view(text).substr(kBom.size()), ';');
  const GoodsImport imported = ReadGoodsCsv(text);

  ASSERT_EQ(exported.rows.size(), cases.size() + 1);
  ASSERT_EQ(Problems(imported), std::vector<std::string>{});
  ASSERT_EQ(imported.rows.size(), cases.size());
  for (size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(exported.rows[i + 1].cells[2], cases[i].exportedAs) << cases[i].name;
    EXPECT_EQ(Cp1251ToUtf8(imported.rows[i].cells[1]), cases[i].name);
  }
}

TEST(GoodsImport, PlacedOnAPage_ReplacesAllItsGoods) {
  auto workspace = GoodsPage();
  auto& goods = workspace.Grid(PageId::kGoods);
  goods.SetCell(11, 1, "5");  // the hidden eleventh field
  const GoodsImport sheet = ReadGoodsCsv("№;Название\r\n3;Сіль\r\n");
  PlaceGoods(sheet.rows, goods);
  EXPECT_EQ(goods.Cell(0, 1), "1") << "row numbers stay";
  EXPECT_EQ(goods.Cell(2, 1), "");
  EXPECT_EQ(goods.Cell(11, 1), "");
  EXPECT_EQ(goods.Cell(1, 5), "");
  EXPECT_EQ(Cp1251ToUtf8(goods.Cell(2, 3)), "Сіль");
}

TEST(CsvReader, RowsKnowTheLineTheyStartOn) {
  const CsvRead read = ReadCsv("a;b\r\n\r\n\"multi\nline\";c\r\nlast", ';');
  ASSERT_TRUE(read.ok);
  ASSERT_EQ(read.rows.size(), 3u);
  EXPECT_EQ(read.rows[0].line, 1);
  EXPECT_EQ(read.rows[1].line, 3);
  EXPECT_EQ(read.rows[1].cells, (std::vector<std::string>{"multi\nline", "c"}));
  EXPECT_EQ(read.rows[2].line, 5);
}

}  // namespace
}  // namespace kvitmark::sheets
