#include "tables/grid_table.h"

#include <algorithm>
#include <cstring>

namespace kvitmark::tables {
namespace {
const std::string kEmpty;
}

const std::string& GridTable::Cell(int column, int row) const {
  if (row < 0 || column < 0 || static_cast<size_t>(row) >= rows_.size()) return kEmpty;
  const auto& cells = rows_[row];
  if (static_cast<size_t>(column) >= cells.size()) return kEmpty;
  return cells[column];
}

void GridTable::SetCell(int column, int row, std::string_view text) {
  if (row < 0 || column < 0) return;
  ForgetHeadings(column, row, 1);
  if (static_cast<size_t>(row) >= rows_.size()) {
    if (text.empty()) return;
    rows_.resize(row + 1);
  }
  auto& cells = rows_[row];
  if (static_cast<size_t>(column) >= cells.size()) {
    if (text.empty()) return;
    if (cells.empty()) cells.reserve(std::max(columnCount_, column + 1));
    cells.resize(column + 1);
  }
  cells[column].assign(text);
}

void GridTable::SetRow(int row, int firstColumn, const std::vector<std::string_view>& texts) {
  if (row < 0 || firstColumn < 0 || texts.empty()) return;
  ForgetHeadings(firstColumn, row, texts.size());
  if (static_cast<size_t>(row) >= rows_.size()) rows_.resize(row + 1);
  auto& cells = rows_[row];
  const size_t needed = firstColumn + texts.size();
  if (cells.size() < needed) {
    if (cells.empty()) cells.reserve(std::max<size_t>(columnCount_, needed));
    cells.resize(needed);
  }
  for (size_t i = 0; i < texts.size(); ++i) {
    // A whole table file goes through here: a plain copy into the cell's own storage.
    std::string& cell = cells[firstColumn + i];
    const std::string_view text = texts[i];
    if (cell.size() != text.size()) cell.resize(text.size());
    if (!text.empty()) std::memcpy(cell.data(), text.data(), text.size());
  }
}

void GridTable::SetHeading(int column, int row, const base::Message& heading) {
  if (row < 0 || column < 0 || (row > 0 && column > 0)) return;
  SetCell(column, row, base::RenderCp1251(heading));
  std::vector<base::Message>& headings = row == 0 ? columnHeadings_ : rowHeadings_;
  const size_t index = row == 0 ? column : row;
  if (headings.size() <= index) headings.resize(index + 1);
  headings[index] = heading;
}

const base::Message* GridTable::Heading(int column, int row) const {
  if (row < 0 || column < 0 || (row > 0 && column > 0)) return nullptr;
  const std::vector<base::Message>& headings = row == 0 ? columnHeadings_ : rowHeadings_;
  const size_t index = row == 0 ? column : row;
  if (index >= headings.size() || headings[index].Empty()) return nullptr;
  return &headings[index];
}

void GridTable::ForgetHeadings(int column, int row, size_t cells) {
  if (row == 0) {
    const size_t end = std::min(columnHeadings_.size(), column + cells);
    for (size_t c = column; c < end; ++c) columnHeadings_[c] = {};
  } else if (column == 0 && static_cast<size_t>(row) < rowHeadings_.size()) {
    rowHeadings_[row] = {};
  }
}

void GridTable::ClearRows() {
  if (rows_.size() > 1) rows_.resize(1);
  if (rowHeadings_.size() > 1) rowHeadings_.resize(1);
}

}  // namespace kvitmark::tables
