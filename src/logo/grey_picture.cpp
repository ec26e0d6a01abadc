#include "logo/grey_picture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kvitmark::logo {
namespace {

// Linear light is kept to one part in 65535: coarser steps would merge the darkest greys,
// which the eye tells apart best.
constexpr int kLinearSteps = 65535;

double Decoded(int value) {
  const double v = value / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Encoded(double linear) {
  return linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

struct Tables {
  std::array<float, 256> linear{};
  std::array<uint8_t, kLinearSteps + 1> lightness{};

  Tables() {
    for (int value = 0; value < 256; ++value) linear[value] = static_cast<float>(Decoded(value));
    for (int step = 0; step <= kLinearSteps; ++step) {
      const double v = Encoded(static_cast<double>(step) / kLinearSteps);
      lightness[step] = static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    }
  }
};

const Tables& Curves() {
  static const Tables tables;
  return tables;
}

uint8_t Lightness(const Tables& tables, uint32_t argb) {
  // The weights of the sRGB primaries in luminance; they add up to one, so a grey keeps its
  // own value.
  const float colour = 0.2126f * tables.linear[(argb >> 16) & 0xFF] +
                       0.7152f * tables.linear[(argb >> 8) & 0xFF] +
                       0.0722f * tables.linear[argb & 0xFF];
  const float opacity = static_cast<float>(argb >> 24) / 255.0f;
  const float light = opacity * colour + (1.0f - opacity);
  const long step = std::lround(std::clamp(light, 0.0f, 1.0f) * kLinearSteps);
  return tables.lightness[static_cast<size_t>(step)];
}

}  // namespace

uint8_t LightnessOf(uint32_t argb) { return Lightness(Curves(), argb); }

void LightnessRow(const uint32_t* argb, int count, uint8_t* light) {
  const Tables& tables = Curves();
  for (int x = 0; x < count; ++x) light[x] = Lightness(tables, argb[x]);
}

}  // namespace kvitmark::logo
