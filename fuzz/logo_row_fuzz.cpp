// Any answer as a logo row: only the row asked for is painted, only black or white, and
// never outside the picture, whatever its size.
//
// Input: [0] picture width, [1] picture height, [2] the row; then the answer.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "logo/logo_picture.h"
#include "logo/row_codec.h"

namespace {

using namespace kvitmark;

class MemoryPicture final : public logo::LogoPicture {
 public:
  static constexpr int kUntouched = 77;

  MemoryPicture(int width, int height)
      : width_(width), height_(height), red_(static_cast<size_t>(width) * height, kUntouched) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int RedAt(int x, int y) const override { return red_.at(Index(x, y)); }
  void Paint(int x, int y, bool black) override { red_.at(Index(x, y)) = black ? 0 : 255; }

 private:
  size_t Index(int x, int y) const {
    FUZZ_REQUIRE(x >= 0 && x < width_ && y >= 0 && y < height_);
    return static_cast<size_t>(y) * width_ + x;
  }
  int width_;
  int height_;
  std::vector<int> red_;
};

constexpr size_t kHeader = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeader) return 0;
  const int width = data[0];
  const int height = data[1] % 8;
  const int y = data[2] % 10 - 1;  // rows above, inside and below the picture
  const std::string_view answer(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);

  MemoryPicture picture(width, height);
  const int taken = logo::DecodeRow(answer, picture, y);
  FUZZ_REQUIRE(taken >= 0 && taken <= logo::kRowBytes);
  for (int row = 0; row < height; ++row) {
    for (int x = 0; x < width; ++x) {
      const int red = picture.RedAt(x, row);
      if (row != y || x >= 8 * taken) {
        FUZZ_REQUIRE(red == MemoryPicture::kUntouched);
      } else {
        FUZZ_REQUIRE(red == 0 || red == 255);
      }
    }
  }
  if (y >= 0 && y < height) logo::EncodeRow(picture, y);
  return 0;
}
