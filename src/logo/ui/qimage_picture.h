#pragma once

#include <QImage>

#include "logo/logo_picture.h"

namespace kvitmark::logo::ui {

// The page's QImage as the row codec sees it. Colours are read and painted through the
// palette of an indexed picture, whatever index black and white happen to have. When the
// palette has neither room nor an entry for the colour to paint, the image is converted to
// a format that holds it; every pixel keeps the colour it had.
class QImagePicture final : public LogoPicture {
 public:
  explicit QImagePicture(QImage& image) : image_(image) {}

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  int RedAt(int x, int y) const override;
  void Paint(int x, int y, bool black) override;

 private:
  // The palette index of `colour`, added to the palette when there is room; -1 when the
  // palette is full without it.
  int PaletteIndex(QRgb colour);
  void ForgetPaletteIndices() { blackIndex_ = whiteIndex_ = kUnknown; }

  static constexpr int kUnknown = -2;
  QImage& image_;
  // Looked up once per colour, not for each of the 38 400 pixels of a read.
  int blackIndex_ = kUnknown;
  int whiteIndex_ = kUnknown;
};

}  // namespace kvitmark::logo::ui
