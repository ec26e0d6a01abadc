#include "base/decimal.h"

namespace kvitmark::base {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::string> RoundDecimal(std::string_view text, int places) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::string whole;
  std::string fraction;
  size_t pos = 0;
  while (pos < text.size() && IsDigit(text[pos])) whole.push_back(text[pos++]);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && IsDigit(text[pos])) fraction.push_back(text[pos++]);
  }
  if (pos != text.size() || (whole.empty() && fraction.empty())) return std::nullopt;

  // All digits as one integer scaled by 10^places, rounded on the first dropped digit.
  const bool roundUp = fraction.size() > static_cast<size_t>(places) && fraction[places] >= '5';
  fraction.resize(places, '0');
  std::string digits = whole + fraction;
  if (roundUp) {
    size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  const size_t firstNonZero = digits.find_first_not_of('0');
  const size_t integerDigits = digits.size() - places;
  std::string integerPart = digits.substr(0, integerDigits);
  const size_t leading = integerPart.find_first_not_of('0');
  integerPart = leading == std::string::npos ? "0" : integerPart.substr(leading);

  std::string result;
  if (negative && firstNonZero != std::string::npos) result.push_back('-');
  result += integerPart;
  if (places > 0) {
    result.push_back('.');
    result += digits.substr(integerDigits);
  }
  return result;
}

}  // namespace kvitmark::base
