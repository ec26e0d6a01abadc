#include "base/language.h"

#include <cstdlib>

namespace kvitmark::base {
namespace {

bool Equal(std::string_view text, std::string_view lowerCase) {
  if (text.size() != lowerCase.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerCase[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<Language> LanguageFromCode(std::string_view code) {
  if (Equal(code, "uk")) return Language::kUkrainian;
  if (Equal(code, "ru")) return Language::kRussian;
  return std::nullopt;
}

std::string_view LanguageCode(Language language) {
  return language == Language::kUkrainian ? "uk" : "ru";
}

Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value == nullptr || *value == '\0') continue;
    const std::string_view locale(value);
    // "uk", "uk_UA", "uk_UA.UTF-8", "uk_UA@…": the language part alone decides.
    const bool ukrainian = locale.substr(0, 2) == "uk" && (locale.size() == 2 || locale[2] == '_' ||
                                                           locale[2] == '.' || locale[2] == '@');
    return ukrainian ? Language::kUkrainian : Language::kRussian;
  }
  return Language::kRussian;
}

Language SystemLanguage() {
  return LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

}  // namespace kvitmark::base
