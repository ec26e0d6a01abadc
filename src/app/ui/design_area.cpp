#include "app/ui/design_area.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabWidget>

#include "base/ui/layout_scale.h"
#include "tables/ui/page_widgets.h"
#include "tables/ui/string_grid.h"

namespace kvitmark::app::ui {
namespace {

constexpr int kDesignWidth = 776;
constexpr int kDesignHeight = 541;
constexpr int kSmallestWidth = 601;
constexpr int kSmallestHeight = 380;

}  // namespace

DesignArea::DesignArea(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DesignArea"));
}

void DesignArea::Place(DesignControls controls) {
  controls_ = std::move(controls);
  const DesignControls& c = controls_;
  c.pages->setGeometry(8, 8, 753, 305);
  c.fileName->setGeometry(16, 268, 400, 13);
  c.interval->setGeometry(8, 312, 753, 49);
  c.connection->setGeometry(8, 368, 281, 161);
  c.progress->setGeometry(296, 376, 377, 16);
  c.recordCounter->setGeometry(680, 373, 89, 21);
  c.stop->setGeometry(440, 408, 75, 25);
  c.write->setGeometry(520, 408, 137, 25);
  c.clear->setGeometry(664, 408, 75, 25);
  c.open->setGeometry(440, 448, 75, 25);
  c.read->setGeometry(520, 448, 137, 25);
  c.clearGrid->setGeometry(296, 488, 137, 25);
  c.save->setGeometry(440, 488, 75, 25);
  c.about->setGeometry(608, 504, 75, 25);
  c.close->setGeometry(688, 504, 75, 25);
  c.fileName->raise();
  setFixedSize(kDesignWidth, kDesignHeight);
  // Column widths follow the goods grid as it stands at the design size.
  ApplyColumnWeights();
}

void DesignArea::FitTexts(const QWidget& window) {
  const double grown = base::ui::ScaleForTexts(window);
  if (grown <= 1) return;
  base::ui::ScaleGeometry(*this, grown);
  scale_ *= grown;
  ApplyColumnWeights();
}

void DesignArea::RequestSize(int width, int height) {
  setFixedSize(width, height);
  // The window takes the area's new size at once, not at the next turn of the event loop.
  if (QLayout* bars = parentWidget()->layout()) bars->activate();
}

void DesignArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The first size the area gets is its design size, with every control where the design
  // puts it; the rules apply to the changes after that.
  if (!rulesApply_ || applyingOwnSize_ || !event->oldSize().isValid()) return;
  int width = event->size().width();
  int height = event->size().height();
  if (event->oldSize().width() < base::ui::Scaled(kSmallestWidth, scale_)) {
    width = base::ui::Scaled(kSmallestWidth, scale_);
  }
  if (event->oldSize().height() < base::ui::Scaled(kSmallestHeight, scale_)) {
    height = base::ui::Scaled(kSmallestHeight, scale_);
  }
  if (width != event->size().width() || height != event->size().height()) {
    applyingOwnSize_ = true;
    setFixedSize(width, height);
    applyingOwnSize_ = false;
  }
  ApplyResizeRules(width, height);
}

void DesignArea::ApplyColumnWeights() {
  const int goodsWidth = controls_.grid(tables::PageId::kGoods)->width();
  for (tables::PageId id : tables::AllPages()) {
    tables::ui::StringGrid* grid = controls_.grid(id);
    if (!grid) continue;
    const tables::ui::PageWidgets& page = tables::ui::WidgetsOf(id);
    const int reference = page.columnsFollowGoods ? goodsWidth : grid->width();
    std::vector<int> widths;
    for (int weight : page.columnWeights) widths.push_back(reference * weight / 580);
    grid->SetColumnWidths(widths);
  }
}

void DesignArea::ApplyResizeRules(int width, int height) {
  auto* goods = controls_.grid(tables::PageId::kGoods);
  goods->resize(width * 577 / kSmallestWidth, goods->height());
  // The distances from the bottom grew with the window's texts.
  const auto fromBottom = [&](int pixels) { return height - base::ui::Scaled(pixels, scale_); };
  ApplyColumnWeights();
  const DesignControls& c = controls_;
  auto top = [](QWidget* control, int y) { control->move(control->x(), y); };
  top(c.stop, fromBottom(138));
  top(c.read, fromBottom(138));
  top(c.open, fromBottom(108));
  top(c.clear, fromBottom(108));
  top(c.write, fromBottom(108));
  top(c.close, fromBottom(56));
  top(c.save, fromBottom(56));
  top(c.clearGrid, fromBottom(56));
  top(c.about, fromBottom(56));
  top(c.recordCounter, fromBottom(140));
  top(c.progress, fromBottom(172));
  top(c.connection, fromBottom(177));
}

}  // namespace kvitmark::app::ui
