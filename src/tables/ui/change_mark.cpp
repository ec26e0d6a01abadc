#include "tables/ui/change_mark.h"

#include <QGuiApplication>
#include <QPalette>

namespace kvitmark::tables::ui {

QColor ChangedBackground() {
  const QPalette palette = QGuiApplication::palette();
  const QColor base = palette.color(QPalette::Base);
  const QColor tint = palette.color(QPalette::Highlight);
  constexpr double kTint = 0.25;
  auto mix = [](int from, int to) { return static_cast<int>(from + (to - from) * kTint); };
  return QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()),
                mix(base.blue(), tint.blue()));
}

}  // namespace kvitmark::tables::ui
