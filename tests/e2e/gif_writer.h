#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace kvitmark::testing {

// A GIF of 128 greys, `grey` giving each pixel's from 0 (black) to 127 (white). Qt writes no
// GIF, so it is made here: eight-bit codes, the code table cleared before it grows, so that
// no compression is needed.
inline std::string Gif(int width, int height, const std::function<int(int x, int y)>& grey) {
  std::string bytes = "GIF89a";
  const auto word = [&bytes](int value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
  };
  word(width);
  word(height);
  bytes += "\xF6";  // a colour table of 128 entries
  bytes += std::string(2, '\0');
  for (int entry = 0; entry < 128; ++entry) {
    bytes += std::string(3, static_cast<char>(entry * 255 / 127));
  }
  bytes += ',';
  word(0);
  word(0);
  word(width);
  word(height);
  bytes += '\0';
  bytes += '\x07';
  std::string codes(1, static_cast<char>(128));  // clear
  int sinceClear = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (sinceClear++ == 126) {
        codes += static_cast<char>(128);
        sinceClear = 1;
      }
      codes += static_cast<char>(grey(x, y));
    }
  }
  codes += static_cast<char>(129);  // end of information
  for (size_t at = 0; at < codes.size(); at += 255) {
    const std::string block = codes.substr(at, 255);
    bytes += static_cast<char>(block.size());
    bytes += block;
  }
  bytes += '\0';
  bytes += ';';
  return bytes;
}

}  // namespace kvitmark::testing
