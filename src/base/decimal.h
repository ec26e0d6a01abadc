#pragma once

#include <optional>
#include <string>
#include <string_view>

// Prices and quantities are converted in decimal, never through binary floating point,
// so that what the user typed is what the register gets (99999.99 stays 99999.99).
// Nothing here looks at the locale: "." is the decimal separator, always.
namespace kvitmark::base {

// Reads an optional sign, digits and an optional "." with more digits, with blanks
// allowed before and after; rounds half away from zero to `places` decimals and writes
// it with at least one integer digit and exactly `places` decimals ("12.5" → "12.50").
// Nothing when the text is not such a number (a comma, letters, two points, no digit).
std::optional<std::string> RoundDecimal(std::string_view text, int places);

// The same, appended to `out`; false (and `out` unchanged) when the text is no number.
bool AppendRoundedDecimal(std::string_view text, int places, std::string& out);

}  // namespace kvitmark::base
