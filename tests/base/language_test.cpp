#include "base/language.h"

#include <gtest/gtest.h>

#include <string>

namespace kvitmark::base {
namespace {

struct LocaleCase {
  const char* name;
  const char* lcAll;
  const char* lcMessages;
  const char* lang;
  Language expected;
};

class LocaleLanguage : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleLanguage, FollowsThePosixPrecedence) {
  const LocaleCase& c = GetParam();
  EXPECT_EQ(LanguageOfLocale(c.lcAll, c.lcMessages, c.lang), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LocaleLanguage,
    ::testing::Values(
        LocaleCase{"NothingSet", nullptr, nullptr, nullptr, Language::kRussian},
        LocaleCase{"AllEmpty", "", "", "", Language::kRussian},
        LocaleCase{"LangUkrainian", nullptr, nullptr, "uk_UA.UTF-8", Language::kUkrainian},
        LocaleCase{"LangBareCode", nullptr, nullptr, "uk", Language::kUkrainian},
        LocaleCase{"LangWithModifier", nullptr, nullptr, "uk_UA@euro", Language::kUkrainian},
        LocaleCase{"LangRussian", nullptr, nullptr, "ru_RU.UTF-8", Language::kRussian},
        LocaleCase{"LangC", nullptr, nullptr, "C.UTF-8", Language::kRussian},
        LocaleCase{"MessagesOverLang", nullptr, "uk_UA.UTF-8", "ru_RU.UTF-8", Language::kUkrainian},
        LocaleCase{"MessagesRussianOverUkrainianLang", nullptr, "ru_RU.UTF-8", "uk_UA.UTF-8",
                   Language::kRussian},
        LocaleCase{"AllOverMessages", "ru_RU.UTF-8", "uk_UA.UTF-8", "uk_UA.UTF-8",
                   Language::kRussian},
        LocaleCase{"EmptyAllIsUnset", "", "uk_UA.UTF-8", nullptr, Language::kUkrainian},
        // Another language that starts with the same letters is not Ukrainian.
        LocaleCase{"NotAPrefixMatch", nullptr, nullptr, "ukx_YY", Language::kRussian},
        LocaleCase{"English", nullptr, nullptr, "en_US.UTF-8", Language::kRussian}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageCode, ReadsBothCodesInAnyCaseAndNothingElse) {
  EXPECT_EQ(LanguageFromCode("uk"), Language::kUkrainian);
  EXPECT_EQ(LanguageFromCode("UK"), Language::kUkrainian);
  EXPECT_EQ(LanguageFromCode("Ru"), Language::kRussian);
  for (const char* other : {"", "ua", "en", "ukr", "uk_UA", "r"}) {
    EXPECT_EQ(LanguageFromCode(other), std::nullopt) << other;
  }
  EXPECT_EQ(LanguageFromCode(LanguageCode(Language::kUkrainian)), Language::kUkrainian);
  EXPECT_EQ(LanguageFromCode(LanguageCode(Language::kRussian)), Language::kRussian);
}

}  // namespace
}  // namespace kvitmark::base
