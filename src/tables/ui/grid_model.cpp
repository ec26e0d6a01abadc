#include "tables/ui/grid_model.h"

#include <QBrush>
#include <algorithm>

#include "base/ui/qt_text.h"
#include "base/ui/translation.h"
#include "tables/ui/change_mark.h"
#include "tables/ui/record_text_validator.h"

namespace kvitmark::tables::ui {
namespace {

// The grid's header row and row-number column are not model cells, so the model is one
// smaller than the grid in each direction; an empty grid must not give negative counts.
int ShownDataRows(const GridTable& table) { return std::max(0, table.RowCount() - 1); }
int ShownDataColumns(const GridTable& table) { return std::max(0, table.ColumnCount() - 1); }

}  // namespace

GridModel::GridModel(GridTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), shownRows_(ShownDataRows(table)) {}

bool GridModel::IsShownCell(const QModelIndex& index) const {
  return index.isValid() && index.model() == this && index.row() < shownRows_ &&
         index.column() < columnCount();
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ShownDataColumns(table_);
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!IsShownCell(index)) return {};
  if (role == Qt::BackgroundRole) {
    if (!marked_ || !marked_(index.row() + 1)) return {};
    return QBrush(ChangedBackground());
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return base::ui::FromCp1251(table_.Cell(index.column() + 1, index.row() + 1));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !IsShownCell(index)) return false;
  const QString text = value.toString();
  // The editor already refuses such text; this guards every other way into the table.
  if (!RecordTextValidator::Acceptable(text)) return false;
  table_.SetCell(index.column() + 1, index.row() + 1, base::ui::ToCp1251(text));
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  // The edit may have made the whole row changed, or unchanged again.
  if (marked_) {
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1),
                     {Qt::BackgroundRole});
  }
  return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QString GridModel::HeaderCell(int column, int row) const {
  // The program's own words in the language now chosen; a record number as it stands.
  if (const base::Message* heading = table_.Heading(column, row)) {
    return base::ui::Render(*heading);
  }
  return base::ui::FromCp1251(table_.Cell(column, row));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Horizontal) {
    if (section >= columnCount()) return {};
    return HeaderCell(section + 1, 0);
  }
  if (section >= shownRows_) return {};
  return HeaderCell(0, section + 1);
}

QString GridModel::CornerText() const { return HeaderCell(0, 0); }

void GridModel::GridRowChanged(int gridRow) {
  // A changed row count cannot be announced row by row.
  if (ShownDataRows(table_) != shownRows_) {
    Reload();
    return;
  }
  const int columns = columnCount();
  if (gridRow == 0) {
    // The header row, the corner included (the corner listens for header changes).
    if (columns > 0) emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
    return;
  }
  const int row = gridRow - 1;
  if (row < 0 || row >= shownRows_) return;  // kept in the table, but not shown
  emit headerDataChanged(Qt::Vertical, row, row);
  if (columns > 0) emit dataChanged(index(row, 0), index(row, columns - 1));
}

void GridModel::Reload() {
  beginResetModel();
  shownRows_ = ShownDataRows(table_);
  endResetModel();
}

}  // namespace kvitmark::tables::ui
