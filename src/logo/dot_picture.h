#pragma once

#include <cstddef>
#include <vector>

#include "logo/logo_picture.h"

namespace kvitmark::logo {

// A logo in plain memory, dots only, all white to begin with: what a backup reads the
// register's logo into when no window holds a picture.
class DotPicture final : public LogoPicture {
 public:
  explicit DotPicture(int width = kLogoWidth, int height = kLogoHeight)
      : width_(width), height_(height), black_(static_cast<size_t>(width) * height, false) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int RedAt(int x, int y) const override { return Black(x, y) ? 0 : 255; }
  void Paint(int x, int y, bool black) override {
    if (Inside(x, y)) black_[Index(x, y)] = black;
  }
  bool Black(int x, int y) const { return Inside(x, y) && black_[Index(x, y)]; }

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<bool> black_;
};

}  // namespace kvitmark::logo
