#include "logo/logo_fit.h"

#include <algorithm>
#include <cstdint>

#include "logo/logo_picture.h"

namespace kvitmark::logo {
namespace {

// `value` × `numerator` / `denominator`, rounded to the nearest, at least one dot.
int ScaledSide(int64_t value, int64_t numerator, int64_t denominator) {
  return static_cast<int>(
      std::max<int64_t>(1, (2 * value * numerator + denominator) / (2 * denominator)));
}

}  // namespace

LogoFit FitToLogo(int width, int height) {
  if (width <= kLogoWidth && height <= kLogoHeight) return {width, height, 0, false};
  LogoFit fit;
  fit.scaled = true;
  // The side that overflows more decides the scale; in whole numbers, so that a picture of
  // exactly the logo's proportions comes out exactly 192 × 200.
  if (int64_t{width} * kLogoHeight >= int64_t{height} * kLogoWidth) {
    fit.width = kLogoWidth;
    fit.height = std::min(kLogoHeight, ScaledSide(height, kLogoWidth, width));
  } else {
    fit.height = kLogoHeight;
    fit.width = std::min(kLogoWidth, ScaledSide(width, kLogoHeight, height));
  }
  fit.left = (kLogoWidth - fit.width) / 2;
  return fit;
}

}  // namespace kvitmark::logo
