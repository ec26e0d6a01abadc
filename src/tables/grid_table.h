#pragma once

#include <string>
#include <string_view>
#include <vector>

// The data behind one grid page: text cells addressed by (column, row), with the header
// row 0 and the row-number column 0 included. The shown extent (columns x rows) is what
// the window displays; cells beyond it are accepted and kept, just not shown.
namespace kvitmark::tables {

class GridTable {
 public:
  GridTable(int columnCount, int rowCount) : columnCount_(columnCount), rowCount_(rowCount) {}

  // Empty for a cell never written (or outside any extent, negative ones included).
  const std::string& Cell(int column, int row) const;
  // Negative positions are ignored.
  void SetCell(int column, int row, std::string_view text);
  // Sets the cells of `row` from `firstColumn` on, one per text.
  void SetRow(int row, int firstColumn, const std::vector<std::string_view>& texts);

  int ColumnCount() const { return columnCount_; }
  int RowCount() const { return rowCount_; }
  void SetRowCount(int rowCount) { rowCount_ = rowCount; }

  // Empties every cell of the data rows, the row-number column included.
  void ClearRows();

 private:
  int columnCount_;
  int rowCount_;
  std::vector<std::vector<std::string>> rows_;  // grown on demand
};

}  // namespace kvitmark::tables
