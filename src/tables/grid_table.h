#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"

// The data behind one grid page: text cells addressed by (column, row), with the header
// row 0 and the row-number column 0 included. The shown extent (columns x rows) is what
// the window displays; cells beyond it are accepted and kept, just not shown. A cell of the
// header row or of column 0 may hold one of the program's own texts (a column's header, a
// row's label): the cell keeps its Russian text, and each front end shows the text itself
// in its user's language.
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

  // Makes the cell of the header row or column 0 at (column, row) show `heading`; the cell
  // holds its Russian text (code page 1251). Writing the cell again makes it data once more.
  // Cells elsewhere are left as they are.
  void SetHeading(int column, int row, const base::Message& heading);
  // The program's text the cell shows, or null for a cell of data (a record number).
  const base::Message* Heading(int column, int row) const;

  // Empties every cell of the data rows, the row-number column included.
  void ClearRows();

 private:
  // Writing `cells` cells from (column, row) on makes any headings among them data again.
  void ForgetHeadings(int column, int row, size_t cells);

  int columnCount_;
  int rowCount_;
  std::vector<std::vector<std::string>> rows_;  // grown on demand
  // The headings of the header row by column (the corner first) and of column 0 by row; an
  // empty message stands for a cell of data.
  std::vector<base::Message> columnHeadings_;
  std::vector<base::Message> rowHeadings_;
};

}  // namespace kvitmark::tables
