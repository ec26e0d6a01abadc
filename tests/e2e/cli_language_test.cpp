// kvitmark-cli in the user's language: --lang, then [Interface] of Tabulon.ini, then the
// locale; Russian when nothing asks for Ukrainian. Scripts see the same options and JSON keys.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "cli_fixture.h"

namespace kvitmark::testing {
namespace {

constexpr const char* kLocaleVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

// The tool's environment for one run: only LANG set, or no locale at all.
class LocaleForChildren {
 public:
  explicit LocaleForChildren(const char* lang) {
    for (const char* name : kLocaleVariables) {
      if (const char* value = std::getenv(name)) saved_.push_back({name, value});
      unsetenv(name);
    }
    if (lang) setenv("LANG", lang, 1);
  }
  ~LocaleForChildren() {
    for (const char* name : kLocaleVariables) unsetenv(name);
    for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
  }

 private:
  std::vector<std::pair<std::string, std::string>> saved_;
};

struct LanguageCase {
  const char* name;
  const char* lang;  // null: no locale set
  const char* ini;   // Tabulon.ini in the folder the tool runs in; null: none
  std::vector<std::string> options;
  bool ukrainian;
  friend void PrintTo(const LanguageCase& language, std::ostream* out) { *out << language.name; }
};

class CliLanguage : public CliFixture, public ::testing::WithParamInterface<LanguageCase> {
 protected:
  nlohmann::ordered_json RunPresence(const LanguageCase& language) {
    if (language.ini) Write(File("Tabulon.ini"), language.ini);
    const LocaleForChildren locale(language.lang);
    std::vector<std::string> arguments = language.options;
    arguments.insert(arguments.end(), {"--json", "presence", "--port", "COM12"});
    ChildProcess cli(KVITMARK_CLI_PATH, arguments, "/dev/null", folder.string());
    const std::string output = cli.AllOutput(kStartStopLimitMs);
    EXPECT_EQ(cli.Wait(kStartStopLimitMs), 1) << cli.ErrorOutput();
    return nlohmann::ordered_json::parse(output, nullptr, false);
  }
};

TEST_P(CliLanguage, MessagesFollowTheChoiceAndTheObjectKeepsItsKeys) {
  const nlohmann::ordered_json told = RunPresence(GetParam());
  ASSERT_TRUE(told.is_object());
  EXPECT_EQ(told.value("message", ""),
            GetParam().ukrainian ? "Неправильний порт: COM12" : "Неверный порт: COM12");
  std::vector<std::string> keys;
  for (const auto& [key, value] : told.items()) keys.push_back(key);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"command", "register", "result", "seconds", "message"}));
}

constexpr const char* kUkrainianLocale = "uk_UA.UTF-8";
constexpr const char* kStatesRussian = "[Interface]\r\nLanguage=ru\r\n";
constexpr const char* kStatesUkrainian = "[Interface]\r\nLanguage=uk\r\n";

INSTANTIATE_TEST_SUITE_P(
    Choices, CliLanguage,
    ::testing::Values(
        LanguageCase{"NoLocale", nullptr, nullptr, {}, false},
        LanguageCase{"RussianLocale", "ru_RU.UTF-8", nullptr, {}, false},
        LanguageCase{"UkrainianLocale", kUkrainianLocale, nullptr, {}, true},
        LanguageCase{"SettingsOverTheLocale", kUkrainianLocale, kStatesRussian, {}, false},
        LanguageCase{"SettingsWithoutLocale", nullptr, kStatesUkrainian, {}, true},
        LanguageCase{"OptionOverTheLocale", nullptr, nullptr, {"--lang", "uk"}, true},
        LanguageCase{
            "OptionOverTheSettings", kUkrainianLocale, kStatesUkrainian, {"--lang", "RU"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A goods file whose price cell holds a word the program also uses for a page's name: the
// message names the cell as the user typed it, in either language.
TEST_F(CliFixture, GoodsCellLikeAPageName_StaysAsTypedInTheMessage) {
  std::string goods = base::Cp1251("1;Товар1;Товары;0.000;1;1;1;1;0;0;\r\n");
  for (int record = 2; record <= 14000; ++record) {
    goods += std::to_string(record) + ";;0.00;0.000;1;1;1;1;0;0;\r\n";
  }
  Write(File("goods.art"), goods);
  struct Said {
    const char* lang;
    const char* line;
  };
  for (const Said& said :
       {Said{"uk",
             "Рядок 1, стовпець \"Ціна\": \"Товары\" - не число. Таблицю в ЕККА не записано."},
        Said{"ru",
             "Строка 1, столбец \"Цена\": \"Товары\" - не число. Таблица в ЭККА не записана."}}) {
    const CliRun run =
        RunCli({"--lang", said.lang, "write", "art", File("goods.art"), "--dry-run"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, std::string(said.line) + "\n") << said.lang;
    EXPECT_EQ(run.output, "");
  }
}

}  // namespace
}  // namespace kvitmark::testing
