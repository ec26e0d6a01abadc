// What kvitmark-cli writes to a terminal about a file: the file's control characters shown
// escaped, never acted on by the terminal.
#include <gtest/gtest.h>

#include <string>

#include "cli_fixture.h"

namespace kvitmark {
namespace {

using testing::CliRun;

class CliTerminal : public testing::CliFixture {};

TEST_F(CliTerminal, ControlCharactersFromAFileAndItsName_AreShownEscaped) {
  // Values that would hide the rest of the line, wipe the screen and ring the bell.
  const std::string csv = File("goods\x1b[31m.csv");
  Write(csv,
        "Название;Цена\r\n"
        "Хліб;\x1b[8mдорого\x07\r\n"
        "Сіль;1\x7f"
        "2\x1b[2J\r\n");

  const CliRun run = RunCli({"csv-import", csv, File("goods.art")});

  EXPECT_EQ(run.status, 1);
  for (const std::string& problem :
       {File("goods\\x1b[31m.csv") +
            ": строка 2, столбец 2 (Цена): \"\\x1b[8mдорого\\x07\" - не число",
        File("goods\\x1b[31m.csv") +
            ": строка 3, столбец 2 (Цена): \"1\\x7f2\\x1b[2J\" - не число"}) {
    EXPECT_NE(run.errors.find(problem), std::string::npos) << problem << '\n' << run.errors;
  }
  EXPECT_EQ(run.errors.find_first_of("\x1b\x07\x7f\r"), std::string::npos) << run.errors;
}

}  // namespace
}  // namespace kvitmark
