#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "base/clock.h"
#include "link/priority.h"
#include "link/register_link.h"
#include "sim/memory_line.h"
#include "sim/sim_tables.h"
#include "sim/table_files.h"

namespace kvitmark::sim {
namespace {

TEST(SimOptions, ReadsEveryOption) {
  std::string error;
  const auto options = ParseSimOptions(
      {"--register",   "12",        "--tty",     "/dev/ttyUSB0", "--speed", "9600",
       "--link",       "/tmp/com1", "--table",   "10=otd.txt",   "--table", "0=art.txt",
       "--save",       "--fault",   "refuse=3",  "--fault",      "silent",  "--fault",
       "trickle-over", "--fault",   "stale=xyz", "--pace"},
      error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(options.registerNumber, 12);
  EXPECT_EQ(options.tty, "/dev/ttyUSB0");
  EXPECT_EQ(options.speed, 9600);
  EXPECT_EQ(options.link, "/tmp/com1");
  ASSERT_EQ(options.tableFiles.size(), 2u);
  EXPECT_EQ(options.tableFiles[0], (std::pair<int, std::string>{10, "otd.txt"}));
  EXPECT_TRUE(options.save);
  EXPECT_TRUE(options.pace);
  EXPECT_EQ(options.faults.refuse, 3);
  EXPECT_TRUE(options.faults.silent);
  EXPECT_EQ(options.faults.trickleOver, 1);
  EXPECT_EQ(options.faults.staleBytes, "xyz");
}

TEST(SimOptions, RefusesWhatItDoesNotUnderstand) {
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--register", "0"},
                                              {"--register", "100"},
                                              {"--register"},
                                              {"--register", "x"},
                                              {"--table", "10"},
                                              {"--table", "x=f"},
                                              {"--table", "10="},
                                              {"--fault", "explode"},
                                              {"--fault", "refuse=-1"},
                                              {"--fault", "refuse=x"},
                                              {"--speed", "fast"},
                                              {"--speed", "0"},
                                              {"--speed", "-19200"},
                                              {"--speed"},
                                              {"--verbose"}}) {
    std::string error;
    ParseSimOptions(bad, error);
    EXPECT_NE(error, "") << bad[0];
  }
}

struct SpeedCase {
  const char* name;
  std::vector<std::string> arguments;
  int lineSpeed;  // the client's
  bool answers;
};

class SimSpeed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SimSpeed, TheRegisterIsFoundOnlyAtTheSpeedItWasGiven) {
  std::string error;
  const SimOptions options = ParseSimOptions(GetParam().arguments, error);
  ASSERT_EQ(error, "");
  SimRegister simRegister(options.registerNumber, FactoryTables());
  simRegister.AnswerOnlyAt(options.answerSpeed);
  base::VirtualClock clock;
  MemoryWire wire(simRegister, clock);
  link::UnchangedPriority priority;
  link::RegisterLink link(wire.Factory(), clock, priority);
  ASSERT_GE(link.OpenPort(1, GetParam().lineSpeed), 0);
  EXPECT_EQ(link.CheckPresence(options.registerNumber) == 1, GetParam().answers);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimSpeed,
    ::testing::Values(SpeedCase{"AtItsSpeed", {"--speed", "19200", "--register", "3"}, 19200, true},
                      SpeedCase{"Slower", {"--speed", "19200"}, 9600, false},
                      SpeedCase{"Faster", {"--speed", "19200"}, 115200, false},
                      SpeedCase{"WithoutABConstant", {"--speed", "14400"}, 14400, true},
                      SpeedCase{"AnySpeedWithoutTheOption", {}, 9600, true},
                      SpeedCase{"AnyOtherWithoutTheOption", {}, 57700, true}),
    [](const auto& info) { return std::string(info.param.name); });

class SimTableFile : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(path.c_str()); }
  std::string path = ::testing::TempDir() + "sim_table_file_test.txt";
};

TEST_F(SimTableFile, LoadTakesLinesAsRecordsAndSaveWritesCrLf) {
  {
    std::ofstream out(path, std::ios::binary);
    out << "one;\r\ntwo;\nthree;\r\nfour;\r\n";
  }
  SimTable table{{"a;", "b;", "c;"}, false};
  std::string error;
  ASSERT_TRUE(LoadTableFile(path, table, error)) << error;
  EXPECT_EQ(table.records, (std::vector<std::string>{"one;", "two;", "three;"}));

  table.records[1] = "\xC2\xB3;";
  ASSERT_TRUE(SaveTableFile(path, table, error)) << error;
  std::ifstream in(path, std::ios::binary);
  const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(saved, "one;\r\n\xC2\xB3;\r\nthree;\r\n");
}

TEST_F(SimTableFile, ShortFileLeavesTheRestAndMissingFileChangesNothing) {
  {
    std::ofstream out(path, std::ios::binary);
    out << "one;";
  }
  SimTable table{{"a;", "b;"}, false};
  std::string error;
  ASSERT_TRUE(LoadTableFile(path, table, error));
  EXPECT_EQ(table.records, (std::vector<std::string>{"one;", "b;"}));
  EXPECT_FALSE(LoadTableFile(path + ".missing", table, error));
  EXPECT_NE(error.find(".missing"), std::string::npos);
  EXPECT_EQ(table.records, (std::vector<std::string>{"one;", "b;"}));
}

TEST_F(SimTableFile, SaveToAFolderThatIsNotThere_SaysWhy) {
  SimTable table{{"a;"}, false};
  std::string error;
  EXPECT_FALSE(SaveTableFile("/nonexistent-dir/table.txt", table, error));
  EXPECT_NE(error, "");
}

}  // namespace
}  // namespace kvitmark::sim
