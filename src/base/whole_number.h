#pragma once

#include <optional>
#include <string_view>

// The program's one reading of a whole number in decimal. Never through the locale, never
// past the range of int: a number that does not fit is no number.
namespace kvitmark::base {

// Leniencies that some texts have always been read with.
struct WholeNumberRules {
  bool plusSign = false;      // "+12" as well as "-12"
  bool trailingText = false;  // "12abc" is 12, as C's atoi reads it
};

// An optional "-" (and "+" where allowed), at least one digit, and nothing else: no blanks
// on either side, nothing after the digits unless allowed.
std::optional<int> WholeNumber(std::string_view text, WholeNumberRules rules = {});

}  // namespace kvitmark::base
