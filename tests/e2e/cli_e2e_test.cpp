// kvitmark-cli as a shell script runs it, against kvitmark-sim on a pseudo-terminal.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/cp1251.h"
#include "cli_fixture.h"
#include "sim/sim_tables.h"

namespace kvitmark {
namespace {

using base::Cp1251;
using testing::CliRun;
namespace fs = std::filesystem;

class CliTest : public testing::CliFixture {
 protected:
  CliRun Run(const std::vector<std::string>& arguments, const std::string& input = "/dev/null") {
    return RunOnSim(arguments, input);
  }

  // What the register's table looks like as a table file.
  static std::string AsTableFile(const std::vector<std::string>& records,
                                 const std::string& extraField = "") {
    std::string text;
    for (const auto& record : records) text += record + extraField + "\r\n";
    return text;
  }

  const sim::SimTables factory = sim::FactoryTables();
};

struct KindCase {
  const char* kind;
  int table;
};

class CliReadEveryKind : public CliTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(CliReadEveryKind, WritesTheTableFileTheWindowWouldSaveAndWritesItBack) {
  StartSim();
  const std::string path = File("table");
  auto run = Run({"read", GetParam().kind, path});
  ASSERT_EQ(run.status, 0) << run.errors;
  const auto& records = factory.at(GetParam().table).records;
  // The service page carries its hidden extra field, empty, as a twelfth.
  EXPECT_EQ(Read(path), AsTableFile(records, GetParam().table == 8 ? ";" : ""));
  // Written back, it reads back the same.
  run = Run({"write", GetParam().kind, path, "--yes"});
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(Run({"read", GetParam().kind, File("again")}).status, 0);
  EXPECT_EQ(Read(File("again")), Read(path));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CliReadEveryKind,
    ::testing::Values(KindCase{"art", 0}, KindCase{"opr", 3}, KindCase{"opl", 9},
                      KindCase{"otd", 10}, KindCase{"hft", 6}, KindCase{"pak", 2},
                      KindCase{"pac", 5}, KindCase{"slu", 8}, KindCase{"ret", 12},
                      KindCase{"par", 97}, KindCase{"ppl", 98}, KindCase{"ppn", 99},
                      KindCase{"pko", 100}, KindCase{"op1", 101}, KindCase{"op2", 102},
                      KindCase{"kso", 103}, KindCase{"pdu", 104}, KindCase{"pnv", 105},
                      KindCase{"pov", 106}, KindCase{"pnu", 107}, KindCase{"tsp", 108}),
    [](const auto& info) { return std::string(info.param.kind); });

// The table file's lines, CR LF cut.
std::vector<std::string> Lines(const std::string& file) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < file.size();) {
    const size_t end = file.find("\r\n", start);
    lines.push_back(file.substr(start, end - start));
    start = end == std::string::npos ? file.size() : end + 2;
  }
  return lines;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST_F(CliTest, WriteChangedFrom_SendsOnlyTheChangedGoodsAndADryRunOpensNothing) {
  StartSim();
  ASSERT_EQ(Run({"read", "art", File("base.art")}).status, 0);
  auto lines = Lines(Read(File("base.art")));
  ASSERT_EQ(lines.size(), 14000u);
  for (int record : {5, 700, 14000}) {
    // The price 0.00 becomes 9.99.
    auto& line = lines[record - 1];
    const size_t price = line.find(";0.00;") + 1;
    line[price] = line[price + 2] = line[price + 3] = '9';
  }
  Write(File("new.art"), AsTableFile(lines));

  sim->Stop();
  sim.reset();
  auto run =
      Run({"write", "art", File("new.art"), "--changed-from", File("base.art"), "--dry-run"});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output,
            "record 5\nrecord 700\nrecord 14000\n"
            "3 records would be written (about 0 s at 115200 bit/s)\n");

  StartSim();
  run = Run(
      {"--trace", "write", "art", File("new.art"), "--changed-from", File("base.art"), "--yes"});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Count(run.errors, "> 0A 57"), 3u) << "three write requests on the line";
  EXPECT_NE(run.errors.find("wrote 3 of 14000 records (13997 unchanged skipped)"),
            std::string::npos)
      << run.errors;
  ASSERT_EQ(Run({"read", "art", File("after.art")}).status, 0);
  EXPECT_EQ(Read(File("after.art")), Read(File("new.art")));
}

struct BadBaseCase {
  const char* name;
  const char* file;
  std::string bytes;  // written to `file` first unless empty
};

class CliBadBase : public CliTest, public ::testing::WithParamInterface<BadBaseCase> {};

TEST_P(CliBadBase, IsRefusedWithStatusTwoAndNothingSent) {
  StartSim();
  ASSERT_EQ(Run({"read", "opr", File("new.opr")}).status, 0);
  if (!GetParam().bytes.empty()) Write(File(GetParam().file), GetParam().bytes);
  const auto run = Run({"--trace", "write", "opr", File("new.opr"), "--changed-from",
                        File(GetParam().file), "--yes"});
  EXPECT_EQ(run.status, 2) << run.errors;
  EXPECT_EQ(run.errors.find("> 0A 57"), std::string::npos) << "nothing sent";
}

INSTANTIATE_TEST_SUITE_P(Files, CliBadBase,
                         ::testing::Values(BadBaseCase{"Missing", "none.opr", ""},
                                           BadBaseCase{"AnotherKind", "departments.otd", "1;\r\n"},
                                           BadBaseCase{"TooFewFields", "broken.opr",
                                                       "1;\r\n2;\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliTest, Find_NamesWhereTheRegisterAnswersOrHowMuchWasTried) {
  StartSim({"--speed", "19200", "--register", "3"});
  auto run = Run({"find", "--speeds", "9600,19200"});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output, sim->DevicePath() + " 19200 3\n");
  run = Run({"find", "--speeds", "9600", "--registers", "1,2"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("no register found (1 ports, 2 speeds, 2 numbers tried)"),
            std::string::npos)
      << run.errors;
  EXPECT_EQ(Run({"find", "--registers", "two"}).status, 2);
}

TEST_F(CliTest, Presence_AnswersOrNot) {
  StartSim();
  auto run = Run({"presence"});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.errors.find("отвечает"), std::string::npos);
  sim->Stop();
  StartSim({"--fault", "silent"});
  run = Run({"presence"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("Касса не обнаружена"), std::string::npos);
}

TEST_F(CliTest, DeviceThatIsNotThere_SaysSoInsteadOfTheSystemsText) {
  const auto run = Run({"presence"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("Ошибка подключения: Устройство /nonexistent не найдено."),
            std::string::npos)
      << run.errors;
}

TEST_F(CliTest, Ports_OneLinePerDeviceEvenWhenThereAreNone) {
  const auto run = Run({"ports"});
  EXPECT_EQ(run.status, 0) << run.errors;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(line.starts_with("/dev/")) << line;
    EXPECT_NE(line.find('\t'), std::string::npos) << line;
  }
}

TEST_F(CliTest, Presence_OnlyAtTheSpeedTheRegisterAnswersAt) {
  // 14400 has no B constant: the simulator must read it through termios2.
  for (const auto& [simSpeed, speed, status] :
       {std::tuple{"19200", "9600", 1}, {"19200", "19200", 0}, {"14400", "14400", 0}}) {
    StartSim({"--speed", simSpeed});
    cliSpeed = speed;
    const auto run = Run({"presence"});
    EXPECT_EQ(run.status, status) << simSpeed << ' ' << speed << ' ' << run.errors;
    EXPECT_EQ(run.errors.find("Касса не обнаружена") != std::string::npos, status == 1);
    sim->Stop();
  }
}

TEST_F(CliTest, PacedSimulator_ARunLastsAsLongAsTheLineNeeds) {
  // Reading the operators crosses about 2660 bytes of 11 bits: 3 s at 9600 bit/s, a fifth of
  // a second at 115200, and next to nothing unpaced.
  const auto seconds = [&](const char* speed) {
    cliSpeed = speed;
    const auto start = std::chrono::steady_clock::now();
    const auto run = Run({"read", "opr", File("ops.opr")});
    EXPECT_EQ(run.status, 0) << run.errors;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  StartSim({"--pace"});
  EXPECT_GT(seconds("9600"), 2.5);
  EXPECT_LT(seconds("115200"), 1.5);
  sim->Stop();
  StartSim();
  EXPECT_LT(seconds("9600"), 1.5) << "unpaced, as fast as the terminal carries";
}

TEST_F(CliTest, WriteThenRead_TheRegisterHoldsTheFile) {
  StartSim();
  std::string departments;
  for (int n = 1; n <= 20; ++n) departments += Cp1251("Відділ №") + std::to_string(n) + ";\r\n";
  Write(File("in.otd"), departments);
  auto run = Run({"write", "otd", File("in.otd"), "--yes"});
  ASSERT_EQ(run.status, 0) << run.errors;
  run = Run({"read", "otd", File("out.otd")});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(File("out.otd")), departments);
}

TEST_F(CliTest, IntervalOptions_MapRowsOntoRecordsAsTheWindowDoes) {
  StartSim();
  std::string goods;
  for (int n = 1; n <= 14000; ++n) {
    goods += n <= 3 ? std::to_string(n) + ";G" + std::to_string(n) + ";1.50;2.000;1;1;1;1;0;0;\r\n"
                    : std::string(";;;;;;;;;;\r\n");
  }
  Write(File("in.art"), goods);
  auto run = Run(
      {"write", "art", File("in.art"), "--first", "1", "--last", "3", "--record", "501", "--yes"});
  ASSERT_EQ(run.status, 0) << run.errors;
  run = Run({"read", "art", File("out.art"), "--first", "501", "--last", "502"});
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string read = Read(File("out.art"));
  std::vector<std::string> lines;
  for (size_t start = 0; start < read.size();) {
    const size_t end = read.find("\r\n", start);
    lines.push_back(read.substr(start, end - start));
    start = end + 2;
  }
  ASSERT_EQ(lines.size(), 14000u);
  EXPECT_EQ(lines[500], "1;G1;1.50;2.000;1;1;1;1;0;0;");
  EXPECT_EQ(lines[501], "2;G2;1.50;2.000;1;1;1;1;0;0;");
  EXPECT_EQ(lines[499], ";;;;;;;;;;") << "rows outside the interval stay empty";
}

TEST_F(CliTest, Write_FileThatEndsEarly_IsRefusedBeforeAnythingIsSent) {
  StartSim();
  Write(File("short.opr"), "1;A;0;\r\n2;B;0;\r\n");
  const auto run = Run({"write", "opr", File("short.opr"), "--yes"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("Конец файла!"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("строка 3"), std::string::npos) << run.errors;
}

TEST_F(CliTest, Clear_AsksOrRefusesWithoutYes) {
  StartSim();
  auto run = Run({"clear", "otd"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("--yes"), std::string::npos);
  std::string mine;
  for (int n = 1; n <= 20; ++n) mine += 'D' + std::to_string(n) + ";\r\n";
  Write(File("mine.otd"), mine);
  ASSERT_EQ(Run({"write", "otd", File("mine.otd"), "--yes"}).status, 0);
  run = Run({"clear", "otd", "--yes"});
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(Run({"read", "otd", File("after.otd")}).status, 0);
  EXPECT_EQ(Read(File("after.otd")).substr(0, 11), Cp1251("Відділ 1;\r\n"));
}

TEST_F(CliTest, RecordThatFailsTenTimes_StopEndsSkipGoesOn) {
  // A hundred refusals are ten calls of ten refusals each: record 1 fails for good.
  StartSim({"--fault", "refuse=100"});
  auto run = Run({"read", "kso", File("stop.kso")});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(fs::exists(File("stop.kso"))) << "a stopped read writes no file";
  sim->Stop();
  StartSim({"--fault", "refuse=100"});
  run = Run({"--on-error", "skip", "read", "kso", File("skip.kso")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find(": 1"), std::string::npos) << run.errors;
  const std::string read = Read(File("skip.kso"));
  EXPECT_EQ(read.substr(0, 3), ";\r\n") << "record 1 skipped";
  EXPECT_EQ(std::count(read.begin(), read.end(), '\n'), 9);
}

TEST_F(CliTest, Reports_WithASeparator_OneLinePerRecord) {
  StartSim();
  const auto run = Run({"reports", folder.string(), "--only", "Otd,Nalog", "--separator", ","});
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string departments = Read(File("RepOtd.dat"));
  const auto& records = factory.at(74).records;
  std::string expected;
  for (size_t n = 1; n <= records.size(); ++n) {
    std::string line = std::to_string(n) + ";" + records[n - 1];
    line.pop_back();  // the last ";" of the record is not part of the line
    std::replace(line.begin(), line.end(), ';', ',');
    expected += line + "\r\n";
  }
  EXPECT_EQ(departments, expected);
  EXPECT_TRUE(fs::exists(File("RepNalog.dat")));
  EXPECT_FALSE(fs::exists(File("RepArt.dat")));
}

TEST_F(CliTest, Logo_BothWays_ThePictureComesBackDotForDot) {
  StartSim();
  auto run = Run({"logo-read", File("factory.bmp")});
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string factoryLogo = Read(File("factory.bmp"));
  ASSERT_EQ(factoryLogo.size(), 62u + 200u * 24u) << "a 192 x 200 black-and-white picture";
  // The negative of the factory logo: every dot the other way round.
  std::string negative = factoryLogo;
  for (size_t i = 62; i < negative.size(); ++i) negative[i] = static_cast<char>(~negative[i]);
  Write(File("negative.bmp"), negative);
  run = Run({"logo-write", File("negative.bmp")});
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(Run({"logo-read", File("back.bmp")}).status, 0);
  EXPECT_EQ(Read(File("back.bmp")), negative);
}

TEST_F(CliTest, LogoWrite_FileThatIsNoPicture_IsRefused) {
  StartSim();
  Write(File("not.bmp"), "hello");
  const auto run = Run({"logo-write", File("not.bmp")});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(run.errors.empty());
}

TEST_F(CliTest, SdExport_GoodsFileForTheCard_NamesCarryTheSubstitute) {
  std::string goods = "1;Two words;1.00;0.000;1;1;1;1;0;0;\r\n";
  for (int n = 2; n <= 14000; ++n) goods += ";;;;;;;;;;\r\n";
  Write(File("goods.art"), goods);
  auto run = Run({"sd-export", File("goods.art"), File("goodbase.art")});
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string card = Read(File("goodbase.art"));
  EXPECT_NE(card.find("Two\x96words"), std::string::npos);
  // The same goods give the same card file, byte for byte.
  ASSERT_EQ(Run({"sd-export", File("goods.art"), File("again.art")}).status, 0);
  EXPECT_EQ(Read(File("again.art")), card);
  Write(File("short.art"), "1;x;\r\n");
  run = Run({"sd-export", File("short.art"), File("never.art")});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(fs::exists(File("never.art")));
}

TEST_F(CliTest, SdSales_CardFilesBecomeOneSalesFile) {
  fs::create_directories(folder / "card");
  std::string upload;
  std::string sales;
  for (int n = 1; n <= 14000; ++n) {
    const std::string k = std::to_string(n);
    upload += "0;" + k + ";Name" + k + ";" + k + ".00;0.000;1;2;3;4;0;77" + k + ";\r\n";
    sales += "1;0;" + k + ";" + k + ".50;0;0.00;0.00;\r\n";
  }
  // A card may show its file names in capitals.
  Write((folder / "card" / "UPLOAD.ART").string(), upload);
  Write((folder / "card" / "sales.art").string(), sales);
  auto run = Run({"sd-sales", (folder / "card").string(), File("sales.txt")});
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string joined = Read(File("sales.txt"));
  EXPECT_EQ(std::count(joined.begin(), joined.end(), '\n'), 14000);
  EXPECT_NE(joined.find("Name1;"), std::string::npos);
  fs::remove(folder / "card" / "sales.art");
  run = Run({"sd-sales", (folder / "card").string(), File("none.txt")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("sales.art"), std::string::npos) << run.errors;
}

struct BadUsage {
  const char* name;
  std::vector<std::string> arguments;
};

class CliBadUsage : public CliTest, public ::testing::WithParamInterface<BadUsage> {};

TEST_P(CliBadUsage, ExitsWithStatus2) {
  const auto run = Run(GetParam().arguments);
  EXPECT_EQ(run.status, 2) << run.errors;
  EXPECT_FALSE(run.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliBadUsage,
    ::testing::Values(BadUsage{"NoCommand", {}}, BadUsage{"UnknownKind", {"read", "xyz", "f"}},
                      BadUsage{"ClearOfAKindWithoutDefaults", {"clear", "pak"}},
                      BadUsage{"RegisterOutOfRange", {"--register", "100", "presence"}},
                      BadUsage{"WriteOfAMissingFile", {"write", "otd", "/no/such/file"}},
                      BadUsage{"IntervalOutOfRange", {"read", "art", "f", "--first", "0"}},
                      BadUsage{"UnknownOption", {"--colour", "presence"}},
                      BadUsage{"OnErrorOther", {"--on-error", "retry", "presence"}},
                      BadUsage{"UnknownReport", {"reports", "/tmp", "--only", "Art,Nope"}},
                      BadUsage{"ReportsIntoNoFolder", {"reports", "/no/such/folder"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark
