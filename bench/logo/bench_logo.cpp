// What making the logo of a photograph costs: a 4000 × 3000 picture (made here, with the
// gradients and grain of a photograph) made smaller to fit, turned into lightness and
// dithered, the way the window's preview opens and logo-write sends it. Decoding the file is
// the image plugin's and left out.
//
// Last line: "logo: convert 4000x3000 in N ms" (the best of five runs).
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "logo/ui/logo_conversion.h"

namespace {

using namespace kvitmark;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kRounds = 5;

QImage Photograph() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  uint32_t grain = 12345;
  for (int y = 0; y < kHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      grain = grain * 1664525u + 1013904223u;
      const int noise = static_cast<int>(grain >> 28) - 8;
      const int dx = x - kWidth / 2;
      const int dy = y - kHeight / 3;
      const int glow = 255 - std::min(255, (dx * dx + dy * dy) / 40000);
      line[x] = qRgb(std::clamp(glow + noise, 0, 255), std::clamp(x * 255 / kWidth + noise, 0, 255),
                     std::clamp(y * 255 / kHeight - noise, 0, 255));
    }
  }
  return image;
}

}  // namespace

int main() {
  const QImage photograph = Photograph();
  logo::ui::LogoChoice choice;
  choice.tone.method = logo::DotMethod::kFloydSteinberg;
  double best = 0;
  int rows = 0;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    const logo::ui::LogoSource source(logo::ui::PictureFile{photograph, 32, false, {}});
    const logo::DotPicture dots = logo::ui::LogoDots(source, choice);
    const double took = Milliseconds(std::chrono::steady_clock::now() - start).count();
    rows = dots.Height();
    best = round == 0 ? took : std::min(best, took);
    std::printf("round %d: %.1f ms, %d rows\n", round + 1, took, rows);
  }
  std::printf("logo: convert %dx%d in %.0f ms\n", kWidth, kHeight, best);
  return rows == 144 ? 0 : 1;
}
