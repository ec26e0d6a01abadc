#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "sheets/goods_columns.h"
#include "sheets/sheet_encoding.h"
#include "tables/grid_table.h"

// A goods list from a spreadsheet's CSV file. The encoding, the separator (";", "," or a
// tab) and the columns are found from the file itself: the columns by their captions in the
// first line, in any order; without a "№" column the rows go to records 1, 2, 3, … in
// file order. Every value is checked the way the register will take it, and every problem
// is reported, not only the first: a file with any is not loaded at all.
//
// A file from elsewhere may be anything: its size, its rows, the cells of a row and the
// problems kept are all bounded, so that no file takes more than a few times its own size
// in memory, nor more than moments to refuse.
namespace kvitmark::sheets {

// The largest file taken for a goods list. The widest honest row (every column, a name of
// 32 Cyrillic letters in UTF-8, quoted, with doubled quotes, spreadsheet blanks in the
// numbers) is under 250 bytes; 14000 of them are under 3.5 MiB.
inline constexpr size_t kLargestGoodsSheet = 8 * 1024 * 1024;
// Problems kept with their text; those after are only counted.
inline constexpr size_t kProblemsKept = 100;
// Cells a row may have: a few times the goods columns and "№", far beyond any sheet with
// empty columns around its goods.
inline constexpr size_t kMostCellsInRow = 4 * (kGoodsColumns + 1);

struct CsvProblem {
  int line = 0;        // the file's line, from 1
  int column = 0;      // the CSV column, from 1; 0 when the whole line is meant
  base::Message text;  // "строка 5, столбец 3 (Цена): …"
};

// One goods record: its cells for the goods page's columns 1 … 10, as "Сохранить" would
// keep them had they been typed in (prices with two decimals, quantities with three, "."
// as the decimal point).
struct GoodsRow {
  int record = 0;
  int line = 0;
  std::array<std::string, kGoodsColumns> cells;
};

struct GoodsImport {
  std::vector<GoodsRow> rows;        // in file order
  std::vector<CsvProblem> problems;  // the first kProblemsKept, in file order
  long long moreProblems = 0;        // found after those
  SheetEncoding encoding = SheetEncoding::kUtf8;
  char separator = ';';
  bool ok() const { return problems.empty(); }
  long long ProblemCount() const { return static_cast<long long>(problems.size()) + moreProblems; }
};

// "… и ещё 3 ошибки": the problems found after those kept; empty when there are none.
base::Message MoreProblemsText(const GoodsImport& sheet);

// How far the reading has come: bytes of the file read, of `total`.
using ImportProgress = std::function<void(size_t done, size_t total)>;

GoodsImport ReadGoodsCsv(std::string_view bytes, const ImportProgress& progress = {});

// The goods page holding exactly these goods: every record's cells are emptied first (the
// row numbers stay), then each row fills its record's.
void PlaceGoods(const std::vector<GoodsRow>& rows, tables::GridTable& goods);

}  // namespace kvitmark::sheets
