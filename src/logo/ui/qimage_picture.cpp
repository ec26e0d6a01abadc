#include "logo/ui/qimage_picture.h"

namespace kvitmark::logo::ui {
namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

bool IsIndexed(const QImage& image) {
  return image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB ||
         image.format() == QImage::Format_Indexed8;
}

int PaletteCapacity(const QImage& image) {
  return image.format() == QImage::Format_Indexed8 ? 256 : 2;
}

bool SameColour(QRgb a, QRgb b) {
  return qRed(a) == qRed(b) && qGreen(a) == qGreen(b) && qBlue(a) == qBlue(b);
}

}  // namespace

int QImagePicture::RedAt(int x, int y) const {
  if (!image_.valid(x, y)) return 255;
  return qRed(image_.pixel(x, y));
}

int QImagePicture::PaletteIndex(QRgb colour) {
  int& cached = colour == kBlack ? blackIndex_ : whiteIndex_;
  if (cached != kUnknown) return cached;
  for (int index = 0; index < image_.colorCount(); ++index) {
    if (SameColour(image_.color(index), colour)) return cached = index;
  }
  if (image_.colorCount() < PaletteCapacity(image_)) {
    const int index = image_.colorCount();
    image_.setColorCount(index + 1);
    image_.setColor(index, colour);
    return cached = index;
  }
  return cached = -1;
}

void QImagePicture::Paint(int x, int y, bool black) {
  if (!image_.valid(x, y)) return;
  const QRgb colour = black ? kBlack : kWhite;
  if (IsIndexed(image_)) {
    int index = PaletteIndex(colour);
    if (index < 0 && image_.format() != QImage::Format_Indexed8) {
      // A two-colour palette without black or white: eight bits leave room for both.
      image_.convertTo(QImage::Format_Indexed8);
      ForgetPaletteIndices();
      index = PaletteIndex(colour);
    }
    if (index >= 0) {
      image_.setPixel(x, y, static_cast<uint>(index));
      return;
    }
    // A full palette of 256 other colours.
    image_.convertTo(image_.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    ForgetPaletteIndices();
  }
  image_.setPixel(x, y, colour);
}

}  // namespace kvitmark::logo::ui
