#pragma once

// The receipt logo as the register keeps it: table 136, one record per pixel row of a
// black-and-white picture 192 dots wide and 200 rows high, eight dots to a byte.
namespace kvitmark::logo {

inline constexpr int kLogoTable = 136;
inline constexpr int kLogoWidth = 192;
inline constexpr int kLogoHeight = 200;
inline constexpr int kRowBytes = kLogoWidth / 8;

// Whatever holds the page's picture: a Qt image in the window, plain memory in tests and
// the command-line tool. The codec only ever asks for pixels inside Width() × Height().
class LogoPicture {
 public:
  virtual ~LogoPicture() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The red component of the pixel's colour, 0 to 255.
  virtual int RedAt(int x, int y) const = 0;
  // Paints the pixel black, RGB(0, 0, 0), or white, RGB(255, 255, 255).
  virtual void Paint(int x, int y, bool black) = 0;
};

}  // namespace kvitmark::logo
