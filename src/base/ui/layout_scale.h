#pragma once

#include <optional>

class QWidget;

// The windows are drawn in pixels for an 11-pixel dialog font. A desktop font of that size
// is often wider, and a caption drawn in it would be cut. Rather than shrink the font, a
// window grows its controls, positions and own size alike by what its widest text needs, so
// the arrangement stays the design's.
namespace kvitmark::base::ui {

// The factor, at least 1, by which the controls of `window` must grow for every label,
// button, check box and group title in it to show its whole text. (Tabs are not elided, and
// a row of more tabs than fit scrolls.)
double ScaleForTexts(const QWidget& window);

// Multiplies the place and size of every control in `area` (a window or a part of one) that
// the program itself placed (not those a layout or a composite control arranges), and the
// area's own size.
void ScaleGeometry(QWidget& area, double scale);

// ScaleForTexts, then ScaleGeometry: returns the factor applied.
double FitTexts(QWidget& window);

// A design length at `scale`.
int Scaled(int pixels, double scale);

// Tests that check the design's own pixels set the factor; nothing else does.
void FixScaleForTests(std::optional<double> scale);

}  // namespace kvitmark::base::ui
