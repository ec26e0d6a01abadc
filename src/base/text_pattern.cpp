#include "base/text_pattern.h"

#include <cstring>
#include <mutex>
#include <span>

#include "base/cp1251.h"

namespace kvitmark::base {
namespace {

// Texts are made on the operations' threads and matched on the window's.
struct PatternBook {
  std::mutex mutex;
  std::vector<TextPattern> patterns;
};

PatternBook& Book() {
  static PatternBook book;
  return book;
}

void Remember(TextPattern pattern) {
  PatternBook& book = Book();
  const std::lock_guard lock(book.mutex);
  for (const TextPattern& known : book.patterns) {
    // Pattern literals can be merged by the linker or not; the texts decide.
    if (std::strcmp(known.context, pattern.context) == 0 &&
        std::strcmp(known.source, pattern.source) == 0)
      return;
  }
  book.patterns.push_back(pattern);
}

std::string FormatPieces(TextPattern pattern, std::span<const std::string_view> pieces) {
  Remember(pattern);
  return FillPlaceholders(Cp1251(pattern.source), pieces);
}

}  // namespace

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

std::string Format(TextPattern pattern, std::initializer_list<std::string_view> pieces) {
  return FormatPieces(pattern, std::span(pieces.begin(), pieces.size()));
}

std::string FormatUtf8(TextPattern pattern, std::initializer_list<std::string_view> pieces) {
  Remember(pattern);
  return FillPlaceholders(pattern.source, std::span(pieces.begin(), pieces.size()));
}

const TextPattern& PatternFor(long long count, const CountedPattern& patterns) {
  return Agreeing(count, patterns.one, patterns.few, patterns.many);
}

std::string FormatCount(long long count, const CountedPattern& patterns,
                        std::initializer_list<std::string_view> otherPieces) {
  const std::string number = std::to_string(count);
  std::vector<std::string_view> pieces{number};
  pieces.insert(pieces.end(), otherPieces.begin(), otherPieces.end());
  return FormatPieces(PatternFor(count, patterns), pieces);
}

std::vector<TextPattern> PatternsInUse() {
  PatternBook& book = Book();
  const std::lock_guard lock(book.mutex);
  return book.patterns;
}

}  // namespace kvitmark::base
