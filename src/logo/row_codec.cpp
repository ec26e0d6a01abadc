#include "logo/row_codec.h"

#include <cstdint>

namespace kvitmark::logo {
namespace {

bool Inside(const LogoPicture& picture, int x, int y) {
  return x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height();
}

// Only the low eight bits of the number are kept as it is read, so no field length can
// overflow; characters that are not digits carry no value.
uint8_t FieldByte(std::string_view field) {
  unsigned value = 0;
  for (char character : field) {
    if (character >= '0' && character <= '9') {
      value = (value * 10 + static_cast<unsigned>(character - '0')) & 0xFFu;
    }
  }
  return static_cast<uint8_t>(value);
}

void PaintByte(LogoPicture& picture, int firstX, int y, uint8_t value) {
  for (int bit = 0; bit < 8; ++bit) {
    const int x = firstX + bit;
    if (Inside(picture, x, y)) picture.Paint(x, y, (value & (0x80u >> bit)) != 0);
  }
}

}  // namespace

bool Printed(const LogoPicture& picture, int x, int y) {
  return Inside(picture, x, y) && (picture.RedAt(x, y) & 1) == 0;
}

std::string EncodeRow(const LogoPicture& picture, int y) {
  std::string text;
  text.reserve(kRowBytes * 4);
  for (int byte = 0; byte < kRowBytes; ++byte) {
    unsigned value = 0;
    for (int bit = 0; bit < 8; ++bit) {
      if (Printed(picture, 8 * byte + bit, y)) value |= 0x80u >> bit;
    }
    text += std::to_string(value);
    text += ';';
  }
  return text;
}

int DecodeRow(std::string_view answer, LogoPicture& picture, int y) {
  const size_t first = answer.find(';');
  if (first == std::string_view::npos) return 0;
  const size_t second = answer.find(';', first + 1);
  if (second == std::string_view::npos) return 0;
  std::string_view rest = answer.substr(second + 1);
  int fields = 0;
  while (fields < kRowBytes) {
    const size_t end = rest.find(';');
    // What follows the last ";" is not a whole field.
    if (end == std::string_view::npos) break;
    PaintByte(picture, 8 * fields, y, FieldByte(rest.substr(0, end)));
    rest.remove_prefix(end + 1);
    ++fields;
  }
  return fields;
}

}  // namespace kvitmark::logo
