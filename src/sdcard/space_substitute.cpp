#include "sdcard/space_substitute.h"

#include <algorithm>

namespace kvitmark::sdcard {

std::string WithSpaceSubstitutes(std::string_view name) {
  std::string text(name);
  std::replace(text.begin(), text.end(), ' ', kSpaceSubstitute);
  return text;
}

std::string WithSpaces(std::string_view name) {
  std::string text(name);
  std::replace(text.begin(), text.end(), kSpaceSubstitute, ' ');
  return text;
}

}  // namespace kvitmark::sdcard
