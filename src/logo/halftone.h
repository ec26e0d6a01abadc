#pragma once

#include "logo/dot_picture.h"
#include "logo/grey_picture.h"
#include "logo/logo_picture.h"

// From lightness to the register's dots, which are either printed or not.
namespace kvitmark::logo {

enum class DotMethod {
  // A dot where the picture is darker than the threshold: lines and letters stay crisp.
  kThreshold,
  // Error diffusion: a grey becomes dots spread as thickly as it is dark, for photographs and
  // gradients. Floyd–Steinberg passes on all of each dot's error.
  kFloydSteinberg,
  // Atkinson passes on three quarters of it: more contrast, shadows and highlights clean.
  kAtkinson,
};

// The grey the eye puts halfway between black and white.
inline constexpr int kMiddleGrey = 128;

struct ToneSettings {
  DotMethod method = DotMethod::kThreshold;
  int threshold = kMiddleGrey;  // 1 to 255: for kThreshold, a pixel darker than this prints
  int brightness = 0;           // -100 to 100
  int contrast = 0;             // -100 to 100
  bool invert = false;          // dots where the picture is light

  bool operator==(const ToneSettings&) const = default;
};

// The picture's lightness after contrast (around the middle grey), brightness and invert.
GreyPicture Adjusted(const GreyPicture& picture, const ToneSettings& tone);

// The logo the register prints from `picture`: 192 dots wide, a row for each row of the
// picture (up to the table's 200), the picture `left` dots from the edge and paper around
// it. Pure black and pure white come out as they are by every method.
DotPicture MakeLogo(const GreyPicture& picture, int left, const ToneSettings& tone);

// The logo the register gets from a picture sent as it stands, each pixel by the codec's own
// rule: 192 dots wide and as many rows as a write sends.
DotPicture DotsAsTheyStand(const LogoPicture& picture);

}  // namespace kvitmark::logo
