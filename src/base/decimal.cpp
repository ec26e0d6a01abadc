#include "base/decimal.h"

namespace kvitmark::base {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::string> RoundDecimal(std::string_view text, int places) {
  std::string result;
  if (!AppendRoundedDecimal(text, places, result)) return std::nullopt;
  return result;
}

bool AppendRoundedDecimal(std::string_view text, int places, std::string& out) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  size_t pos = 0;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  const std::string_view whole = text.substr(0, pos);
  std::string_view fraction;
  if (pos < text.size() && text[pos] == '.') {
    const size_t begin = ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    fraction = text.substr(begin, pos - begin);
  }
  if (pos != text.size() || (whole.empty() && fraction.empty())) return false;

  // The digits of the number scaled by 10^places, with one spare place in front for a
  // carry; rounded on the first digit dropped.
  const size_t kept = static_cast<size_t>(places);
  std::string digits;
  digits.reserve(whole.size() + kept + 1);
  digits.push_back('0');
  digits.append(whole);
  digits.append(fraction.substr(0, kept));
  if (fraction.size() < kept) digits.append(kept - fraction.size(), '0');
  if (fraction.size() > kept && fraction[kept] >= '5') {
    size_t i = digits.size();
    while (digits[i - 1] == '9') digits[--i] = '0';
    ++digits[i - 1];
  }
  // Leading zeros go, but one integer digit always stays.
  const size_t integerEnd = digits.size() - kept;
  size_t first = 0;
  while (first + 1 < integerEnd && digits[first] == '0') ++first;
  const bool zero = digits.find_first_not_of('0') == std::string::npos;

  if (negative && !zero) out.push_back('-');
  out.append(digits, first, integerEnd - first);
  if (kept > 0) {
    out.push_back('.');
    out.append(digits, integerEnd, kept);
  }
  return true;
}

}  // namespace kvitmark::base
