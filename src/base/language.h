#pragma once

#include <optional>
#include <string_view>

// The language the program speaks to its user. Russian is the source language of every text;
// Ukrainian is a translation of it. Nothing that goes on the line or into a file depends on it.
namespace kvitmark::base {

enum class Language { kRussian, kUkrainian };

// "uk" or "ru" in any case, as Tabulon.ini's [Interface] Language= and kvitmark-cli's --lang
// take them; nothing for anything else.
std::optional<Language> LanguageFromCode(std::string_view code);

std::string_view LanguageCode(Language language);

// The language the locale asks for, with the POSIX precedence: LC_ALL, then LC_MESSAGES, then
// LANG, the first that is set and not empty. A "uk…" locale asks for Ukrainian; any other, or
// none ("C", "POSIX", nothing set), leaves the program in Russian. Null stands for unset.
Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// LanguageOfLocale from the process's environment.
Language SystemLanguage();

// A language stated by the user (the settings file, an option) wins over the locale's.
inline Language ChosenLanguage(std::optional<Language> stated, Language system) {
  return stated ? *stated : system;
}

}  // namespace kvitmark::base
