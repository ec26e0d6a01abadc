#include "logo/halftone.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "logo/row_codec.h"

namespace kvitmark::logo {
namespace {

// Error diffusion decides each dot halfway between black and white.
constexpr float kHalfway = 127.5f;

std::array<uint8_t, 256> ToneCurve(const ToneSettings& tone) {
  const int contrast = std::clamp(tone.contrast, -100, 100);
  // Up to five times the contrast, down to one flat grey.
  const double factor = contrast >= 0 ? 1 + contrast / 25.0 : (100 + contrast) / 100.0;
  const double shift = std::clamp(tone.brightness, -100, 100) * 255 / 100.0;
  std::array<uint8_t, 256> curve{};
  for (int value = 0; value < 256; ++value) {
    const double adjusted = (value - kHalfway) * factor + kHalfway + shift;
    const auto light = static_cast<uint8_t>(std::lround(std::clamp(adjusted, 0.0, 255.0)));
    curve[value] = tone.invert ? static_cast<uint8_t>(255 - light) : light;
  }
  return curve;
}

// The part of the picture the logo shows: what lies right of the 192nd dot is cut.
int ShownWidth(const GreyPicture& picture, int left) {
  return std::clamp(kLogoWidth - left, 0, picture.width);
}

void Threshold(const GreyPicture& grey, int left, int width, int threshold, DotPicture& logo) {
  for (int y = 0; y < logo.Height(); ++y) {
    for (int x = 0; x < width; ++x) logo.Paint(left + x, y, grey.At(x, y) < threshold);
  }
}

// Each dot's error goes 7/16 ahead, 3/16, 5/16 and 1/16 to the row below; every other row
// runs backwards, so that the error does not pile up towards one side.
void FloydSteinberg(const GreyPicture& grey, int left, int width, DotPicture& logo) {
  // Index x + 1 holds pixel x; the ends take what falls off the picture.
  std::vector<float> row(static_cast<size_t>(width) + 2, 0.0f);
  std::vector<float> below(row.size(), 0.0f);
  for (int y = 0; y < logo.Height(); ++y) {
    const bool backwards = y % 2 == 1;
    const int step = backwards ? -1 : 1;
    std::fill(below.begin(), below.end(), 0.0f);
    for (int i = 0; i < width; ++i) {
      const int x = backwards ? width - 1 - i : i;
      const size_t at = static_cast<size_t>(x) + 1;
      const float value = grey.At(x, y) + row[at];
      const bool dot = value < kHalfway;
      logo.Paint(left + x, y, dot);
      const float error = value - (dot ? 0.0f : 255.0f);
      row[at + step] += error * (7.0f / 16);
      below[at - step] += error * (3.0f / 16);
      below[at] += error * (5.0f / 16);
      below[at + step] += error * (1.0f / 16);
    }
    std::swap(row, below);
  }
}

// An eighth of each dot's error to two pixels ahead, three below and one two rows down; the
// last quarter is let go.
void Atkinson(const GreyPicture& grey, int left, int width, DotPicture& logo) {
  // Index x + 1 holds pixel x; one pixel before the row and two after it take what falls off.
  const size_t size = static_cast<size_t>(width) + 3;
  std::vector<float> row(size, 0.0f);
  std::vector<float> below(size, 0.0f);
  std::vector<float> twoBelow(size, 0.0f);
  for (int y = 0; y < logo.Height(); ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t at = static_cast<size_t>(x) + 1;
      const float value = grey.At(x, y) + row[at];
      const bool dot = value < kHalfway;
      logo.Paint(left + x, y, dot);
      const float share = (value - (dot ? 0.0f : 255.0f)) / 8;
      row[at + 1] += share;
      row[at + 2] += share;
      below[at - 1] += share;
      below[at] += share;
      below[at + 1] += share;
      twoBelow[at] += share;
    }
    std::swap(row, below);
    std::swap(below, twoBelow);
    std::fill(twoBelow.begin(), twoBelow.end(), 0.0f);
  }
}

}  // namespace

GreyPicture Adjusted(const GreyPicture& picture, const ToneSettings& tone) {
  const std::array<uint8_t, 256> curve = ToneCurve(tone);
  GreyPicture adjusted = picture;
  for (uint8_t& light : adjusted.light) light = curve[light];
  return adjusted;
}

DotPicture MakeLogo(const GreyPicture& picture, int left, const ToneSettings& tone) {
  DotPicture logo(kLogoWidth, std::clamp(picture.height, 0, kLogoHeight));
  left = std::clamp(left, 0, kLogoWidth);
  const int width = ShownWidth(picture, left);
  const GreyPicture grey = Adjusted(picture, tone);
  switch (tone.method) {
    case DotMethod::kThreshold:
      Threshold(grey, left, width, std::clamp(tone.threshold, 1, 255), logo);
      break;
    case DotMethod::kFloydSteinberg:
      FloydSteinberg(grey, left, width, logo);
      break;
    case DotMethod::kAtkinson:
      Atkinson(grey, left, width, logo);
      break;
  }
  return logo;
}

DotPicture DotsAsTheyStand(const LogoPicture& picture) {
  DotPicture logo(kLogoWidth, std::clamp(picture.Height(), 0, kLogoHeight));
  for (int y = 0; y < logo.Height(); ++y) {
    for (int x = 0; x < kLogoWidth; ++x) logo.Paint(x, y, Printed(picture, x, y));
  }
  return logo;
}

}  // namespace kvitmark::logo
