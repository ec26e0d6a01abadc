// [Interface] Language= in Tabulon.ini: the user's choice of language over the locale's.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/settings.h"
#include "temp_directory.h"

namespace kvitmark::app {
namespace {

using base::Language;

struct LanguageCase {
  const char* name;
  std::string iniBytes;
  std::optional<Language> stated;
};

class InterfaceLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(InterfaceLanguage, IsReadAndWinsOverAUkrainianLocale) {
  TempDirectory dir;
  WriteBytes(dir.File("Tabulon.ini"), GetParam().iniBytes);
  const Settings settings = ReadSettings(dir.Path());
  EXPECT_EQ(settings.language, GetParam().stated);
  // Under uk_UA the stated language decides; without one, the locale does.
  EXPECT_EQ(base::ChosenLanguage(settings.language, Language::kUkrainian),
            GetParam().stated.value_or(Language::kUkrainian));
}

INSTANTIATE_TEST_SUITE_P(
    Values, InterfaceLanguage,
    ::testing::Values(
        LanguageCase{"Ukrainian", "[Interface]\r\nLanguage=uk\r\n", Language::kUkrainian},
        LanguageCase{"Russian", "[Interface]\r\nLanguage=ru\r\n", Language::kRussian},
        LanguageCase{"AnyCaseAndBlanks", "[interface]\r\nLANGUAGE = RU \r\n", Language::kRussian},
        LanguageCase{"UnknownCode", "[Interface]\r\nLanguage=en\r\n", std::nullopt},
        LanguageCase{"LocaleNameIsNotACode", "[Interface]\r\nLanguage=ru_RU\r\n", std::nullopt},
        LanguageCase{"Empty", "[Interface]\r\nLanguage=\r\n", std::nullopt},
        LanguageCase{"OtherSection", "[TypeECR]\r\nLanguage=uk\r\n", std::nullopt},
        LanguageCase{"NoFile", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InterfaceLanguageFile, IsNeverWrittenAndLeavesTheOtherKeysAsTheyStand) {
  TempDirectory dir;
  const std::string bytes =
      "[Communication]\r\nSpeed=9600\r\nSerialPort=COM2\r\n[Interface]\r\nLanguage=uk\r\n"
      "[TypeECR]\r\nECR=0\r\n";
  WriteBytes(dir.File("Tabulon.ini"), bytes);
  const Settings settings = LoadSettings(dir.Path());
  EXPECT_EQ(settings.language, Language::kUkrainian);
  EXPECT_EQ(ReadBytes(dir.File("Tabulon.ini")), bytes);
}

TEST(InterfaceLanguageFile, NewFileHasNoInterfaceSection) {
  TempDirectory dir;
  LoadSettings(dir.Path());
  EXPECT_EQ(ReadBytes(dir.File("Tabulon.ini")).find("Interface"), std::string::npos);
}

}  // namespace
}  // namespace kvitmark::app
