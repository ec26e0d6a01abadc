#include "base/text_pattern.h"

namespace kvitmark::base {

std::string FillPlaceholders(std::string_view pattern, std::span<const std::string_view> pieces) {
  std::string text;
  text.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t piece = static_cast<size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && piece < pieces.size()) {
      text += pieces[piece];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

const TextPattern& PatternFor(long long count, const CountedPattern& patterns) {
  return Agreeing(count, patterns.one, patterns.few, patterns.many);
}

}  // namespace kvitmark::base
