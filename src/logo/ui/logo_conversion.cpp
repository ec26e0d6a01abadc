#include "logo/ui/logo_conversion.h"

#include <algorithm>
#include <cstdint>

#include "logo/ui/qimage_picture.h"

namespace kvitmark::logo::ui {
namespace {

bool Opaque(const QImage& image) {
  if (!image.hasAlphaChannel()) return true;
  // Premultiplying leaves the alpha as it is: a photograph's pixels are looked at where they
  // lie, not copied.
  const bool argb32 = image.format() == QImage::Format_ARGB32 ||
                      image.format() == QImage::Format_ARGB32_Premultiplied;
  const QImage argb = argb32 ? image : image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    if (!std::all_of(line, line + argb.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; })) {
      return false;
    }
  }
  return true;
}

}  // namespace

LogoSource::LogoSource(PictureFile file) : file_(std::move(file)) {
  const QSize size = file_.size.isEmpty() ? file_.image.size() : file_.size;
  fit_ = FitToLogo(size.width(), size.height());
  // Qt averages all the pixels a dot covers, premultiplied so that transparent ones bring no
  // colour of their own; ARGB32 hands the colours back straight, as the lightness takes them.
  // A vector picture comes drawn at its size on the logo already.
  const QSize fitSize(fit_.width, fit_.height);
  const QImage fitted =
      file_.image.size() != fitSize
          ? file_.image.scaled(fitSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          : file_.image;
  fitted_ = fitted.convertToFormat(QImage::Format_ARGB32);
  grey_ = GreyPicture(fitted_.width(), fitted_.height());
  for (int y = 0; y < grey_.height; ++y) {
    LightnessRow(reinterpret_cast<const uint32_t*>(fitted_.constScanLine(y)), grey_.width,
                 &grey_.At(0, y));
  }
  opaque_ = Opaque(file_.image);
}

LogoChoice DefaultChoice(const LogoSource& source) {
  LogoChoice choice;
  choice.asItStands = source.FromBmp() && !source.Fit().scaled && source.CanStayAsItStands();
  return choice;
}

DotPicture LogoDots(const LogoSource& source, const LogoChoice& choice) {
  if (choice.asItStands) {
    QImage original = source.Original();
    return DotsAsTheyStand(QImagePicture(original));
  }
  return MakeLogo(source.Grey(), source.Fit().left, choice.tone);
}

LogoSpan SpanOf(const LogoSource& source, const LogoChoice& choice) {
  if (choice.asItStands) return {0, std::min(source.Original().width(), kLogoWidth)};
  return {source.Fit().left, source.Fit().width};
}

PagePicture ForPage(const LogoSource& source, const LogoChoice& choice, const DotPicture& dots) {
  if (choice.asItStands) return {source.Original(), source.BitsPerPixel()};
  return {OneBitImage(dots), 1};
}

QImage OneBitImage(const DotPicture& dots) {
  QImage image(dots.Width(), dots.Height(), QImage::Format_Mono);
  image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  image.fill(1);
  for (int y = 0; y < dots.Height(); ++y) {
    for (int x = 0; x < dots.Width(); ++x) {
      if (dots.Black(x, y)) image.setPixel(x, y, 0);
    }
  }
  return image;
}

}  // namespace kvitmark::logo::ui
