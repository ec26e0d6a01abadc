// What the command-line tool shows of a file's or a register's text on a terminal.
#include "base/control_characters.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kvitmark::base {
namespace {

using namespace std::string_literals;

struct EscapeCase {
  const char* name;
  std::string text;
  std::string shown;
};

void PrintTo(const EscapeCase& c, std::ostream* out) { *out << c.name; }

class ControlCharacters : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(ControlCharacters, AreShownEscapedAndEverythingElseAsItIs) {
  EXPECT_EQ(EscapeControlCharacters(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ControlCharacters,
    ::testing::Values(EscapeCase{"PlainText", "Хліб житній; 12,50 грн", "Хліб житній; 12,50 грн"},
                      EscapeCase{"LinesAndTabsStay", "Таблицы:\n\tart\n\topr",
                                 "Таблицы:\n\tart\n\topr"},
                      EscapeCase{"EscapeSequence", "2024-05-01\x1b[8m hidden\x1b[0m",
                                 "2024-05-01\\x1b[8m hidden\\x1b[0m"},
                      EscapeCase{"WindowTitle", "\x1b]0;root\x07", "\\x1b]0;root\\x07"},
                      EscapeCase{"CarriageReturnOverwrites", "bad\rgood", "bad\\x0dgood"},
                      EscapeCase{"CrLfLineEnd", "line\r\n", "line\\x0d\n"},
                      EscapeCase{"NulAndUnitSeparator", "a\0b\x1f"s, "a\\x00b\\x1f"},
                      EscapeCase{"Delete", "x\x7f", "x\\x7f"},
                      // Code page 1251 and UTF-8 letters are no control characters.
                      EscapeCase{"HighBytes", "\xCF\xF0\xE8\xE2\xB3\xF2 \x98\xFF",
                                 "\xCF\xF0\xE8\xE2\xB3\xF2 \x98\xFF"},
                      EscapeCase{"BackslashesStay", "C:\\x1b\\", "C:\\x1b\\"},
                      EscapeCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::base
