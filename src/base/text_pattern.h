#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/count_forms.h"

// A text the program says is marked where it is written, with the subsystem it belongs to as
// its context: KV_PATTERN marks it for lupdate, which collects it into the catalogue. A text
// that carries numbers or names has placeholders (%1 … %9) for them ("Строка %1, столбец
// \"%2\""), never pieces glued around it, so that a translation can put them where its own
// language wants them.
namespace kvitmark::base {

struct TextPattern {
  const char* context;
  const char* source;  // a literal: Russian, UTF-8; %1 … %9 stand for the pieces
};

#define KV_PATTERN(context, text) \
  ::kvitmark::base::TextPattern { context, text }

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

// `pattern` with %1 … %9 replaced by `pieces` in one pass, so a piece that holds "%2" stays as
// it is; a placeholder without a piece stays as it stands. Any encoding that keeps ASCII as it
// is (code page 1251, UTF-8).
std::string FillPlaceholders(std::string_view pattern, std::span<const std::string_view> pieces);

}  // namespace kvitmark::base
