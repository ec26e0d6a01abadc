#include "tables/ui/string_grid.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <algorithm>

#include "tables/ui/record_text_validator.h"

namespace kvitmark::tables::ui {
namespace {

// Every row has the same height so the view never asks 14000 rows for their size.
constexpr int kRowHeight = 19;

}  // namespace

// In-place cell editor: a line edit that lets in only what a record can carry. It keeps
// the open editor so that switching editing off can close it.
class StringGrid::CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
      lineEdit->setValidator(new RecordTextValidator(lineEdit));
    }
    openEditor_ = editor;
    return editor;
  }

  QWidget* OpenEditor() const { return openEditor_; }

 private:
  mutable QPointer<QWidget> openEditor_;
};

StringGrid::StringGrid(GridTable& table, QWidget* parent)
    : QTableView(parent), model_(new GridModel(table, this)), delegate_(new CellDelegate(this)) {
  setModel(model_);
  setItemDelegate(delegate_);

  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setEditTriggers(kEditTriggers);

  QHeaderView* rows = verticalHeader();
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(kRowHeight);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setSectionsClickable(false);
  rows->setHighlightSections(false);

  QHeaderView* columns = horizontalHeader();
  columns->setSectionResizeMode(QHeaderView::Interactive);
  columns->setStretchLastSection(false);
  columns->setSectionsClickable(false);
  columns->setHighlightSections(false);

  // The corner is grid cell (0, 0); Qt's corner button paints no text, so it is painted here.
  corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (corner_ != nullptr) corner_->installEventFilter(this);
  connect(model_, &QAbstractItemModel::headerDataChanged, this,
          [this](Qt::Orientation orientation) {
            if (orientation == Qt::Horizontal && corner_ != nullptr) corner_->update();
          });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    if (corner_ != nullptr) corner_->update();
  });
}

void StringGrid::SetEditingEnabled(bool enabled) {
  editingEnabled_ = enabled;
  setEditTriggers(enabled ? kEditTriggers : QAbstractItemView::NoEditTriggers);
  if (!enabled && state() == QAbstractItemView::EditingState) {
    if (QWidget* editor = delegate_->OpenEditor()) {
      // Keep what the user typed: an operation that follows may overwrite it, but it
      // should not silently vanish.
      commitData(editor);
      closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
  }
}

void StringGrid::ScrollToTopRow(int gridRow) {
  const int rows = model_->rowCount();
  if (rows == 0) return;
  const int row = std::clamp(gridRow - 1, 0, rows - 1);
  // After a reload the view lays itself out only when the event loop gets to it; a grid on a
  // page not shown would otherwise forget the request.
  executeDelayedItemsLayout();
  scrollTo(model_->index(row, 0), QAbstractItemView::PositionAtTop);
}

int StringGrid::TopRow() const {
  const int row = rowAt(0);
  return row < 0 ? 1 : row + 1;
}

void StringGrid::SetColumnWidths(const std::vector<int>& widths) {
  if (widths.empty()) return;
  verticalHeader()->setFixedWidth(widths[0]);
  const int columns = model_->columnCount();
  for (int column = 0; column < columns && column + 1 < static_cast<int>(widths.size()); ++column) {
    horizontalHeader()->resizeSection(column, widths[column + 1]);
  }
}

std::vector<int> StringGrid::ColumnWidths() const {
  const QHeaderView* rows = verticalHeader();
  // The same width the view gives its row-number column.
  std::vector<int> widths{
      std::clamp(rows->sizeHint().width(), rows->minimumWidth(), rows->maximumWidth())};
  const int columns = model_->columnCount();
  for (int column = 0; column < columns; ++column) {
    widths.push_back(horizontalHeader()->sectionSize(column));
  }
  return widths;
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == corner_ && event->type() == QEvent::Paint) {
    PaintCorner();
    return true;
  }
  return QTableView::eventFilter(watched, event);
}

void StringGrid::PaintCorner() {
  // Drawn like a header section, which is what the corner is, with the corner cell's text.
  QStyleOptionHeader option;
  option.initFrom(corner_);
  QStyle::State state = QStyle::State_None;
  if (corner_->isEnabled()) state |= QStyle::State_Enabled;
  if (corner_->isActiveWindow()) state |= QStyle::State_Active;
  if (corner_->isDown()) state |= QStyle::State_Sunken;
  option.state = state;
  option.rect = corner_->rect();
  option.position = QStyleOptionHeader::OnlyOneSection;
  option.text = model_->CornerText();
  option.textAlignment = Qt::AlignCenter;
  QPainter painter(corner_);
  corner_->style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
}

}  // namespace kvitmark::tables::ui
