#pragma once

#include <QColor>

namespace kvitmark::tables::ui {

// The background of a record that would be written by "Записать изменения в ЭККА": the
// theme's base colour with a little of its selection colour, so that the text keeps its
// contrast in light and dark themes alike.
QColor ChangedBackground();

}  // namespace kvitmark::tables::ui
