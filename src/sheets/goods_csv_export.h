#pragma once

#include <string>

#include "tables/grid_table.h"

// The goods page as a spreadsheet opens it: UTF-8 with a byte-order mark (so that Excel
// takes it for UTF-8), ";" between fields, CR LF after each line, quoting as RFC 4180
// has it. The first line holds the captions, "№" (the record number) first; then one line
// per goods record, those with neither a code nor a name left out. Prices and quantities
// carry a decimal comma, as a Russian or Ukrainian Excel reads numbers.
namespace kvitmark::sheets {

struct GoodsSheet {
  std::string text;  // the file's bytes
  int goods = 0;     // the goods lines in it
};

GoodsSheet GoodsCsv(const tables::GridTable& goods);

// Whether a goods row holds a record worth keeping: a code other than 0, or a name. The
// register's empty places read "0; ;0.00;…".
bool HoldsGoods(const tables::GridTable& goods, int row);

}  // namespace kvitmark::sheets
