#pragma once

#include <functional>

#include "tables/grid_table.h"

// The SD-card sales table: one row per goods line of the card, the goods fields of
// upload.art beside the sales figures of sales.art. Its grid has the header row and the
// row-number column like every grid page.
namespace kvitmark::sdcard {

inline constexpr int kSalesRows = 14000;
// The row numbers, "Код" … "Штрих-код" (1 … 10) and the six sales columns (11 … 16).
inline constexpr int kSalesColumns = 17;
inline constexpr int kFirstGoodsColumn = 1;
inline constexpr int kFirstSalesColumn = 11;
inline constexpr int kLastSalesColumn = 16;

// An empty table of the sales table's extent; cells come into being as they are written.
tables::GridTable MakeSalesTable();

// Writes the header row and the row numbers "1" … "14000"; no other cell is touched.
void PrepareSalesTable(tables::GridTable& sales);

// What the window's progress bar is told by the load, the save and the goods export.
struct Progress {
  std::function<void(int maximum)> setRange = [](int) {};
  std::function<void(int position)> setPosition = [](int) {};
  std::function<void()> step = [] {};
};

}  // namespace kvitmark::sdcard
