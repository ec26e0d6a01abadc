#pragma once

#include <QImage>

#include "logo/dot_picture.h"
#include "logo/grey_picture.h"
#include "logo/halftone.h"
#include "logo/logo_fit.h"
#include "logo/ui/picture_file.h"

// A loaded picture on its way to the logo, shared by the window's preview and kvitmark-cli.
namespace kvitmark::logo::ui {

// How the picture becomes dots: as it stands, each pixel by the codec's rule (what the
// register has always been given), or through the tone settings.
struct LogoChoice {
  bool asItStands = false;
  ToneSettings tone;

  bool operator==(const LogoChoice&) const = default;
};

// The picture made ready once: fitted to the logo and turned into lightness. Every choice
// then costs only the making of 192 × 200 dots at most, quick enough to follow a slider.
class LogoSource {
 public:
  explicit LogoSource(PictureFile file);

  const QImage& Original() const { return file_.image; }
  // The picture at the size it takes on the logo, in its colours.
  const QImage& Fitted() const { return fitted_; }
  const LogoFit& Fit() const { return fit_; }
  const GreyPicture& Grey() const { return grey_; }
  bool FromBmp() const { return file_.bmp; }
  int BitsPerPixel() const { return file_.bitsPerPixel; }
  // A picture with transparent parts cannot go as it stands: those would print by the
  // colour hidden under the transparency, not as paper.
  bool CanStayAsItStands() const { return opaque_; }

 private:
  PictureFile file_;
  LogoFit fit_;
  QImage fitted_;
  GreyPicture grey_;
  bool opaque_ = true;
};

// What a picture becomes unless told otherwise: a BMP that fits goes as it stands, dot for
// dot as the register has always got it; any other picture through the threshold at the
// middle grey, which a black-and-white picture passes unchanged.
LogoChoice DefaultChoice(const LogoSource& source);

// The logo's dots: 192 wide, a row for each row the register gets.
DotPicture LogoDots(const LogoSource& source, const LogoChoice& choice);

// The dots across that the picture itself takes on the logo, from its left edge: the part a
// coverage is judged on.
struct LogoSpan {
  int left = 0;
  int width = 0;
};
LogoSpan SpanOf(const LogoSource& source, const LogoChoice& choice);

// The picture the logo page keeps: the original itself when it stays as it stands, so that it
// is saved again as the file it came from; otherwise the dots, one bit each.
struct PagePicture {
  QImage image;
  int bitsPerPixel = 0;
};
PagePicture ForPage(const LogoSource& source, const LogoChoice& choice, const DotPicture& dots);

// The dots as a one-bit picture, black at palette index 0: the picture a read of the
// register makes.
QImage OneBitImage(const DotPicture& dots);

}  // namespace kvitmark::logo::ui
