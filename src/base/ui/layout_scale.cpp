#include "base/ui/layout_scale.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

namespace kvitmark::base::ui {
namespace {

std::optional<double> fixedScale;

// Room a group box's frame leaves beside its title.
constexpr int kGroupTitleRoom = 16;

int WidestLine(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return widest;
}

// The width `control` needs for its text, and the width it has; nothing for a control whose
// text is not ours to fit.
std::optional<std::pair<int, int>> TextNeed(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    if (label->text().isEmpty() || label->wordWrap()) return std::nullopt;
    return std::pair{WidestLine(label->fontMetrics(), label->text()) + 2 * label->margin(),
                     label->contentsRect().width()};
  }
  if (qobject_cast<const QCheckBox*>(&control) || qobject_cast<const QRadioButton*>(&control) ||
      qobject_cast<const QPushButton*>(&control)) {
    const auto& button = static_cast<const QAbstractButton&>(control);
    if (button.text().isEmpty()) return std::nullopt;
    return std::pair{button.sizeHint().width(), button.width()};
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
    if (group->title().isEmpty()) return std::nullopt;
    return std::pair{group->fontMetrics().horizontalAdvance(group->title()) + kGroupTitleRoom,
                     group->width()};
  }
  return std::nullopt;
}

// Controls whose children Qt places itself, whatever we set.
bool ArrangesItsChildren(const QWidget& parent) {
  return parent.layout() != nullptr || qobject_cast<const QAbstractScrollArea*>(&parent) ||
         qobject_cast<const QComboBox*>(&parent) || qobject_cast<const QTabWidget*>(&parent) ||
         qobject_cast<const QStackedWidget*>(&parent) ||
         qobject_cast<const QAbstractSpinBox*>(&parent) || qobject_cast<const QTabBar*>(&parent);
}

// The controls of `area` (a window, or a part of one), other windows (dialogs it owns) left
// out.
QList<QWidget*> Controls(const QWidget& area) {
  QList<QWidget*> controls;
  for (QWidget* control : area.findChildren<QWidget*>()) {
    if (control->window() == area.window()) controls << control;
  }
  return controls;
}

}  // namespace

double ScaleForTexts(const QWidget& window) {
  if (fixedScale) return *fixedScale;
  double scale = 1;
  for (const QWidget* control : Controls(window)) {
    // A status bar cuts what does not fit its line; it never makes the window grow.
    if (qobject_cast<const QStatusBar*>(control->parentWidget())) continue;
    const auto need = TextNeed(*control);
    if (need && need->second > 0 && need->first > need->second) {
      scale = std::max(scale, static_cast<double>(need->first) / need->second);
    }
  }
  return scale;
}

void ScaleGeometry(QWidget& window, double scale) {
  if (scale == 1) return;
  for (QWidget* control : Controls(window)) {
    const QWidget* parent = control->parentWidget();
    if (!parent || ArrangesItsChildren(*parent)) continue;
    const QRect place = control->geometry();
    control->setGeometry(Scaled(place.x(), scale), Scaled(place.y(), scale),
                         static_cast<int>(std::ceil(place.width() * scale)),
                         static_cast<int>(std::ceil(place.height() * scale)));
  }
  const QSize size(Scaled(window.width(), scale), Scaled(window.height(), scale));
  if (window.minimumSize() == window.maximumSize()) {
    window.setFixedSize(size);
  } else {
    window.resize(size);
  }
}

double FitTexts(QWidget& window) {
  const double scale = ScaleForTexts(window);
  ScaleGeometry(window, scale);
  return scale;
}

int Scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

void FixScaleForTests(std::optional<double> scale) { fixedScale = scale; }

}  // namespace kvitmark::base::ui
