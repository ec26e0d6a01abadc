#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "logo/logo_picture.h"

namespace kvitmark::testing {

// A picture in plain memory. Every pixel starts with a red value of its own choosing, so a
// test tells painted black (0), painted white (255) and untouched pixels apart, and any
// access outside the picture fails the test.
class TestPicture final : public logo::LogoPicture {
 public:
  // Odd, so that an untouched pixel does not print; neither black nor white.
  static constexpr int kUntouched = 77;

  TestPicture(int width, int height, int red = kUntouched)
      : width_(width), height_(height), red_(static_cast<size_t>(width) * height, red) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int RedAt(int x, int y) const override {
    if (!Inside(x, y)) {
      ADD_FAILURE() << "read outside the picture at " << x << "," << y;
      return 255;
    }
    return red_[Index(x, y)];
  }
  void Paint(int x, int y, bool black) override {
    if (!Inside(x, y)) {
      ADD_FAILURE() << "painted outside the picture at " << x << "," << y;
      return;
    }
    red_[Index(x, y)] = black ? 0 : 255;
  }

  int Red(int x, int y) const { return red_[Index(x, y)]; }
  void SetRed(int x, int y, int red) { red_[Index(x, y)] = red; }
  // Sets the eight pixels of byte `byte` of row `y` from a value, black for a set bit.
  void SetByte(int byte, int y, int value) {
    for (int bit = 0; bit < 8; ++bit) SetRed(8 * byte + bit, y, (value & (0x80 >> bit)) ? 0 : 255);
  }

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<int> red_;
};

inline std::string Repeat(const std::string& text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

}  // namespace kvitmark::testing
