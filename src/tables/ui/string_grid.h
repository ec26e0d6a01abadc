#pragma once

#include <QTableView>
#include <vector>

#include "tables/grid_table.h"
#include "tables/ui/grid_model.h"

class QAbstractButton;

namespace kvitmark::tables::ui {

// A grid page: the core table shown with its header row as a fixed header and its
// row-number column as a fixed column, edited in place (Tab moves between cells), with
// the record text rules enforced in the editor. The object name is the grid's control
// name ("StringGrid1").
class StringGrid : public QTableView {
  Q_OBJECT

 public:
  StringGrid(GridTable& table, QWidget* parent = nullptr);

  GridModel* Model() { return model_; }
  void SetEditingEnabled(bool enabled);
  bool EditingEnabled() const { return editingEnabled_; }
  // Makes grid row `gridRow` (1 is the first data row) the top row shown.
  void ScrollToTopRow(int gridRow);
  // The first data row shown at the top.
  int TopRow() const;
  // Widths in pixels, grid column 0 (the row numbers) first.
  void SetColumnWidths(const std::vector<int>& widths);
  std::vector<int> ColumnWidths() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class CellDelegate;

  static constexpr EditTriggers kEditTriggers =
      QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
      QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

  void PaintCorner();

  GridModel* model_;
  CellDelegate* delegate_;
  QAbstractButton* corner_ = nullptr;
  bool editingEnabled_ = true;
};

}  // namespace kvitmark::tables::ui
