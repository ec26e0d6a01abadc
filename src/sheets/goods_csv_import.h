#pragma once

#include <array>
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
namespace kvitmark::sheets {

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
  std::vector<GoodsRow> rows;  // in file order
  std::vector<CsvProblem> problems;
  SheetEncoding encoding = SheetEncoding::kUtf8;
  char separator = ';';
  bool ok() const { return problems.empty(); }
};

GoodsImport ReadGoodsCsv(std::string_view bytes);

// The goods page holding exactly these goods: every record's cells are emptied first (the
// row numbers stay), then each row fills its record's.
void PlaceGoods(const std::vector<GoodsRow>& rows, tables::GridTable& goods);

}  // namespace kvitmark::sheets
