#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A picture as its lightness, before it becomes dots: 0 is black, 255 white, one byte a
// pixel. Lightness, not light: equal steps of value look like equal steps of grey, so the
// threshold's middle is the grey the eye calls middle.
namespace kvitmark::logo {

struct GreyPicture {
  GreyPicture() = default;
  GreyPicture(int width, int height, uint8_t fill = 255)
      : width(width), height(height), light(static_cast<size_t>(width) * height, fill) {}

  uint8_t At(int x, int y) const { return light[Index(x, y)]; }
  uint8_t& At(int x, int y) { return light[Index(x, y)]; }
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width + x; }

  int width = 0;
  int height = 0;
  std::vector<uint8_t> light;  // row after row, from the top
};

// The lightness of a pixel given as 0xAARRGGBB, its colour not premultiplied by its alpha, as
// it shows on the paper: red, green and blue weighed as the eye weighs them, and a pixel
// that is partly transparent mixed with the white paper by its opacity, both in linear light
// (the way the light itself adds up).
uint8_t LightnessOf(uint32_t argb);

// LightnessOf for `count` pixels of a row.
void LightnessRow(const uint32_t* argb, int count, uint8_t* light);

}  // namespace kvitmark::logo
