#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/count_forms.h"

// A text that carries numbers or names is made from a pattern with placeholders ("Строка %1,
// столбец \"%2\""), never glued from pieces, so that the window can put the same numbers and
// names into the pattern's translation. KV_PATTERN marks the pattern for lupdate, under the
// subsystem's context as KV_TR does.
namespace kvitmark::base {

struct TextPattern {
  const char* context;
  const char* source;  // a literal: Russian, UTF-8; %1 … %9 stand for the pieces
};

#define KV_PATTERN(context, text) \
  ::kvitmark::base::TextPattern { context, text }

// The pattern with %1 … %9 replaced by `pieces` (code page 1251) in one pass, so a piece that
// holds "%2" stays as it is; code page 1251. A placeholder without a piece stays as it stands.
std::string Format(TextPattern pattern, std::initializer_list<std::string_view> pieces);

// As Format, in UTF-8: for texts whose pieces may hold what code page 1251 lacks (a device
// path, a program's name, the system's own words).
std::string FormatUtf8(TextPattern pattern, std::initializer_list<std::string_view> pieces);

// The three patterns of a sentence whose words agree with a count ("будет записана %1
// запись", "будут записаны %1 записи", "будет записано %1 записей"). Ukrainian agrees by the
// same rule, so each pattern's translation keeps its form.
struct CountedPattern {
  TextPattern one;
  TextPattern few;
  TextPattern many;
};

// The one of the three that agrees with `count`.
const TextPattern& PatternFor(long long count, const CountedPattern& patterns);

// The pattern that agrees with `count`, formatted; the count is the first piece (%1).
std::string FormatCount(long long count, const CountedPattern& patterns,
                        std::initializer_list<std::string_view> otherPieces = {});

// `pattern` with %1 … %9 replaced by `pieces` in one pass; any encoding that keeps ASCII as it
// is (code page 1251, UTF-8). What Format does, for a pattern already translated.
std::string FillPlaceholders(std::string_view pattern, std::span<const std::string_view> pieces);

// Every pattern a text has been made from so far in this process, each once, in the order of
// first use: what the window matches a Russian text against to find its translation.
std::vector<TextPattern> PatternsInUse();

}  // namespace kvitmark::base
