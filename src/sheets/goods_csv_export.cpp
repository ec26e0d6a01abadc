#include "sheets/goods_csv_export.h"

#include <vector>

#include "base/cp1251.h"
#include "base/decimal.h"
#include "sheets/csv_writer.h"
#include "sheets/formula_guard.h"
#include "sheets/goods_columns.h"
#include "sheets/sheet_encoding.h"
#include "tables/catalogue.h"

namespace kvitmark::sheets {
namespace {

constexpr char kSeparator = ';';

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// A price or quantity with a decimal comma; a cell that is no number stays as it is.
std::string WithDecimalComma(const std::string& cell) {
  if (!base::RoundDecimal(cell, 3)) return cell;
  std::string text = cell;
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

}  // namespace

bool HoldsGoods(const tables::GridTable& goods, int row) {
  const std::string& code = goods.Cell(kCodeColumn, row);
  const bool noCode = Blank(code) || code.find_first_not_of(" 0") == std::string::npos;
  return !noCode || !Blank(goods.Cell(kNameColumn, row));
}

GoodsSheet GoodsCsv(const tables::GridTable& goods) {
  GoodsSheet sheet;
  sheet.text.append(kUtf8Mark);
  std::vector<std::string> fields;
  for (int column = kRecordColumn; column <= kGoodsColumns; ++column) {
    fields.push_back(base::Cp1251ToUtf8(ColumnCaption(column)));
  }
  AppendCsvLine(sheet.text, fields, kSeparator);
  for (int row = 1; row <= tables::kJuniorGoodsRecords; ++row) {
    if (!HoldsGoods(goods, row)) continue;
    fields.assign(1, std::to_string(row));
    for (int column = 1; column <= kGoodsColumns; ++column) {
      const std::string& cell = goods.Cell(column, row);
      const bool decimal = column == kPriceColumn || column == kQuantityColumn;
      fields.push_back(GuardedCell(base::Cp1251ToUtf8(decimal ? WithDecimalComma(cell) : cell)));
    }
    AppendCsvLine(sheet.text, fields, kSeparator);
    ++sheet.goods;
  }
  return sheet;
}

}  // namespace kvitmark::sheets
