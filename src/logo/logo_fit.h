#pragma once

// Where a picture goes on the logo. One that fits the 192 × 200 dots is taken dot for dot
// from the top-left corner, as the register has always been given its pictures; a larger
// one is made smaller, keeping its proportions, until it fits, and is centred across the
// paper.
namespace kvitmark::logo {

struct LogoFit {
  int width = 0;   // the picture's dots across, on the logo
  int height = 0;  // its rows: the rows the logo takes
  int left = 0;    // dots of paper before it
  bool scaled = false;

  bool operator==(const LogoFit&) const = default;
};

// The place of a picture `width` × `height` pixels (each at least 1).
LogoFit FitToLogo(int width, int height);

}  // namespace kvitmark::logo
