// A message is said in the user's language with its data exactly as it came: the program's
// words are translated, a user's words never are, however much they look like the program's.
#include "base/message.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/cp1251.h"

namespace kvitmark::base {
namespace {

// A small Ukrainian catalogue that also knows "Ряд" and "Название", the words a user typed.
std::string Ukrainian(const TextPattern& pattern) {
  static const std::map<std::string, std::string> catalogue = {
      {"Ряд", "Рядок"},
      {"Название", "Назва"},
      {"Строка %1, столбец \"%2\": \"%3\" - не число",
       "Рядок %1, стовпець \"%2\": \"%3\" - не число"},
      {"%1 запись", "%1 запис"},
      {"%1 записи", "%1 записи"},
      {"%1 записей", "%1 записів"},
      {"%1: %2", "%1: %2"},
      {"Таблица \"%2\": будут записаны %1 изменённые записи. Продолжить ?",
       "Таблиця \"%2\": буде записано %1 змінені записи. Продовжити?"},
      {"Товары", "Товари"},
  };
  const auto found = catalogue.find(pattern.source);
  return found == catalogue.end() ? std::string() : found->second;
}

const CountedPattern kRecords{KV_PATTERN("backup", "%1 запись"), KV_PATTERN("backup", "%1 записи"),
                              KV_PATTERN("backup", "%1 записей")};

struct RenderCase {
  const char* name;
  Message message;
  const char* russian;
  const char* ukrainian;
};

class MessageRendering : public ::testing::TestWithParam<RenderCase> {};

TEST_P(MessageRendering, RussianIsTheSourceAndUkrainianKeepsTheData) {
  const RenderCase& c = GetParam();
  EXPECT_EQ(RenderCp1251(c.message), Cp1251(c.russian));
  EXPECT_EQ(RenderUtf8(c.message), c.russian);
  EXPECT_EQ(RenderUtf8(c.message, Ukrainian), c.ukrainian);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MessageRendering,
    ::testing::Values(
        RenderCase{"cells_that_look_like_catalogue_words",
                   Message(KV_PATTERN("sheets", "Строка %1, столбец \"%2\": \"%3\" - не число"))
                       .Arg(7)
                       .Arg(Cp1251("Название"))
                       .Arg(Cp1251("Ряд")),
                   "Строка 7, столбец \"Название\": \"Ряд\" - не число",
                   "Рядок 7, стовпець \"Название\": \"Ряд\" - не число"},
        RenderCase{"data_holding_a_placeholder_stays_as_typed",
                   Message(KV_PATTERN("sheets", "%1: %2")).Arg("%2").Arg("x"), "%2: x", "%2: x"},
        RenderCase{"counted_and_nested_out_of_order",
                   Message::Counted(23, {KV_PATTERN("tables", "-"),
                                         KV_PATTERN("tables",
                                                    "Таблица \"%2\": будут записаны %1 изменённые "
                                                    "записи. Продолжить ?"),
                                         KV_PATTERN("tables", "-")})
                       .Arg(Message(KV_PATTERN("tables", "Товары"))),
                   "Таблица \"Товары\": будут записаны 23 изменённые записи. Продолжить ?",
                   "Таблиця \"Товари\": буде записано 23 змінені записи. Продовжити?"},
        RenderCase{"count_forms_nested_in_a_sentence",
                   Message(KV_PATTERN("backup", "%1: %2"))
                       .ArgUtf8("/tmp/копия")
                       .Arg(Message::Counted(5, kRecords)),
                   "/tmp/копия: 5 записей", "/tmp/копия: 5 записів"},
        RenderCase{"data_alone", Message::Data(Cp1251("Ряд")), "Ряд", "Ряд"},
        RenderCase{"a_pattern_without_translation_is_its_source",
                   Message(KV_PATTERN("link", "нет ответа")), "нет ответа", "нет ответа"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageList, EachMessageOnItsOwnLineEvenWhenItsDataHoldsABreak) {
  const MessageList lines = {Message::Counted(1, kRecords),
                             Message(KV_PATTERN("backup", "%1: %2")).Arg("a\nb").Arg("c")};
  EXPECT_EQ(RenderUtf8(lines, Ukrainian), "1 запис\na\nb: c");
  EXPECT_EQ(RenderCp1251(lines), Cp1251("1 запись\na\nb: c"));
}

TEST(MessageEquality, ComparesPatternsByTextAndArgumentsByValue) {
  const std::string source = "Товары";  // another copy of the literal's text
  EXPECT_EQ(Message(KV_PATTERN("tables", "Товары")).Arg(1),
            Message(TextPattern{"tables", source.c_str()}).Arg(1));
  EXPECT_NE(Message(KV_PATTERN("tables", "Товары")).Arg(1),
            Message(KV_PATTERN("tables", "Товары")).Arg(2));
  EXPECT_NE(Message::Data("x"), Message::DataUtf8("x"));
  EXPECT_TRUE(Message().Empty());
}

}  // namespace
}  // namespace kvitmark::base
