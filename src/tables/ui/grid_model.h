#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "tables/grid_table.h"

namespace kvitmark::tables::ui {

// A view's window onto a core grid table; it keeps no copy of the cells. Model row r is
// grid row r + 1 and model column c is grid column c + 1: the grid's header row and
// row-number column are the view's headers.
class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  GridModel(GridTable& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  GridTable& Table() { return table_; }
  // The text of the corner (grid cell 0, 0).
  QString CornerText() const;

  // Rows `marked` tells (by grid row) are shown on a pale background: those that would be
  // written by "Записать изменения в ЭККА".
  void SetRowMarker(std::function<bool(int gridRow)> marked) { marked_ = std::move(marked); }

  // The core table changed: one grid row, or everything (shown row count included).
  void GridRowChanged(int gridRow);
  void Reload();

 private:
  bool IsShownCell(const QModelIndex& index) const;
  QString HeaderCell(int column, int row) const;

  GridTable& table_;
  int shownRows_;
  std::function<bool(int)> marked_;
};

}  // namespace kvitmark::tables::ui
