// kvitmark-cli in the user's language: --lang, then [Interface] of Tabulon.ini, then the
// locale; Russian when nothing asks for Ukrainian. Scripts see the same options and JSON keys,
// and a command line it cannot take ends with status 2 in either language.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <tuple>
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

// A command line the tool cannot take is told in the language asked for, with the same exit
// status in either; {DIR} stands for the test's folder, which holds picture.bmp.
struct UsageCase {
  const char* name;
  std::vector<std::string> arguments;
  const char* russian;
  const char* ukrainian;
  const char* command;  // whose help the tip names; empty: the tool's
  friend void PrintTo(const UsageCase& usage, std::ostream* out) { *out << usage.name; }
};

class CliUsage : public CliFixture, public ::testing::WithParamInterface<UsageCase> {
 protected:
  std::string InFolder(std::string text) const {
    for (size_t at = text.find("{DIR}"); at != std::string::npos; at = text.find("{DIR}")) {
      text.replace(at, 5, folder.string());
    }
    return text;
  }
};

TEST_P(CliUsage, IsToldInTheChosenLanguageWithStatus2) {
  const UsageCase& usage = GetParam();
  Write(File("picture.bmp"), "BM");
  const std::string help =
      std::string("kvitmark-cli") + (*usage.command ? " " : "") + usage.command + " --help";
  for (const auto& [lang, line, tip] : {std::tuple{"ru", usage.russian, "Подробнее: " + help},
                                        std::tuple{"uk", usage.ukrainian, "Докладніше: " + help}}) {
    std::vector<std::string> arguments = {"--lang", lang};
    for (const std::string& argument : usage.arguments) arguments.push_back(InFolder(argument));
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 2) << lang;
    EXPECT_EQ(run.errors, InFolder(line) + "\n" + tip + "\n") << lang;
    EXPECT_EQ(run.output, "") << lang;
  }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CliUsage,
    ::testing::Values(
        UsageCase{"NoCommand", {}, "Не указана команда", "Не вказано команду", ""},
        UsageCase{"UnknownCommand",
                  {"frobnicate"},
                  "Нет такой команды: frobnicate",
                  "Немає такої команди: frobnicate",
                  ""},
        UsageCase{"UnknownKind",
                  {"read", "xyz", "{DIR}/f"},
                  "Нет такого вида таблиц: xyz (можно: art, hft, kso, op1, op2, opl, opr, otd, "
                  "pac, pak, par, pdu, pko, pnu, pnv, pov, ppl, ppn, ret, slu, tsp)",
                  "Немає такого виду таблиць: xyz (можна: art, hft, kso, op1, op2, opl, opr, otd, "
                  "pac, pak, par, pdu, pko, pnu, pnv, pov, ppl, ppn, ret, slu, tsp)",
                  "read"},
        UsageCase{"KindWithoutDefaults",
                  {"clear", "pak"},
                  "Таблицу вида pak очистить нельзя (можно: art, hft, opl, opr, otd)",
                  "Таблицю виду pak не можна очистити (можна: art, hft, opl, opr, otd)",
                  "clear"},
        UsageCase{"MissingFile",
                  {"write", "otd", "{DIR}/none.otd"},
                  "Нет такого файла: {DIR}/none.otd",
                  "Немає такого файлу: {DIR}/none.otd",
                  "write"},
        UsageCase{"FolderForAFile",
                  {"csv-import", "{DIR}", "{DIR}/goods.art"},
                  "{DIR} — это папка, а не файл",
                  "{DIR} — це тека, а не файл",
                  "csv-import"},
        UsageCase{"FileForAFolder",
                  {"reports", "{DIR}/picture.bmp"},
                  "{DIR}/picture.bmp — это файл, а не папка",
                  "{DIR}/picture.bmp — це файл, а не тека",
                  "reports"},
        UsageCase{"UnknownOption",
                  {"--colour", "presence"},
                  "Неизвестный параметр: --colour",
                  "Невідомий параметр: --colour",
                  "presence"},
        UsageCase{"OptionOfAnotherCommand",
                  {"presence", "--yes"},
                  "Команда presence не принимает параметр --yes",
                  "Команда presence не приймає параметра --yes",
                  "presence"},
        UsageCase{"MissingArgument",
                  {"read", "art"},
                  "Не указан аргумент FILE",
                  "Не вказано аргумент FILE",
                  "read"},
        UsageCase{"MissingValue",
                  {"presence", "--port"},
                  "После --port нужно значение",
                  "Після --port потрібне значення",
                  "presence"},
        UsageCase{"NumberOutOfRange",
                  {"--register", "100", "presence"},
                  "Неверное значение --register: 100 (нужно целое число от 1 до 99)",
                  "Неправильне значення --register: 100 (потрібне ціле число від 1 до 99)",
                  "presence"},
        UsageCase{"NotANumber",
                  {"--speed", "fast", "presence"},
                  "Неверное значение --speed: fast (нужно целое число)",
                  "Неправильне значення --speed: fast (потрібне ціле число)",
                  "presence"},
        UsageCase{"NotOneOfTheValues",
                  {"--on-error", "retry", "presence"},
                  "Неверное значение --on-error: retry (можно: stop, skip)",
                  "Неправильне значення --on-error: retry (можна: stop, skip)",
                  "presence"},
        UsageCase{
            "OptionsThatExcludeEachOther",
            {"logo-convert", "{DIR}/picture.bmp", "{DIR}/out.bmp", "--threshold", "5", "--dither"},
            "Параметры --dither и --threshold нельзя указывать вместе",
            "Параметри --dither і --threshold не можна вказувати разом",
            "logo-convert"}),
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
