#include "base/whole_number.h"

#include <cstdint>
#include <limits>

namespace kvitmark::base {

std::optional<int> WholeNumber(std::string_view text, WholeNumberRules rules) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || (rules.plusSign && text.front() == '+'))) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // One more than the largest int, so that the smallest one can be told.
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int>::max()} + 1;
  int64_t magnitude = 0;
  size_t digits = 0;
  for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
    magnitude = magnitude * 10 + (text[digits] - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (digits == 0 || (digits < text.size() && !rules.trailingText)) return std::nullopt;
  if (!negative && magnitude == kLimit) return std::nullopt;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace kvitmark::base
