#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "base/language.h"
#include "base/text_pattern.h"

// kvitmark-cli speaks the language its user reads, as the window does; its option names,
// JSON keys and help stay as they are, since scripts rely on them.
namespace kvitmark::cli {

// `stated` (--lang), else Language= of Tabulon.ini's [Interface] in the current folder, else
// the locale. Russian when the Ukrainian catalogue cannot be loaded.
void ChooseLanguage(std::optional<base::Language> stated);

// One of the tool's own messages (context "cli"), translated, with its pieces (UTF-8) put in.
std::string Text(base::TextPattern pattern, std::initializer_list<std::string_view> pieces = {});

// The pattern that agrees with `count` (%1), translated, with the other pieces put in.
std::string CountText(long long count, const base::CountedPattern& patterns,
                      std::initializer_list<std::string_view> otherPieces = {});

}  // namespace kvitmark::cli
