// kvitmark-cli --json, as a script driving many registers reads it: one object on standard
// output at the end of every command, whatever else the command says.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "child_process.h"
#include "sim/sim_tables.h"

namespace kvitmark {
namespace {

using testing::ChildProcess;
using testing::RunningSim;
namespace fs = std::filesystem;

struct JsonCase {
  const char* name;
  std::vector<std::string> arguments;  // {DEVICE} and {DIR} stand for the simulator and a folder
  int status;
  const char* result;
  const char* doneKey;  // "read" or "written" when records are told, else empty
  int records;          // their total and how many were done
};

class CliJson : public ::testing::TestWithParam<JsonCase> {
 protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) /
             ("json_" + std::to_string(getpid()) + "_" + std::to_string(GetParam().status) + "_" +
              GetParam().name);
    fs::remove_all(folder);
    fs::create_directories(folder / "card");
    sim = std::make_unique<RunningSim>(std::vector<std::string>{});
    ASSERT_TRUE(sim->Started()) << sim->ErrorOutput();
    const auto tables = sim::FactoryTables();
    std::ofstream operators(folder / "ops.opr", std::ios::binary);
    for (const auto& record : tables.at(3).records) operators << record << "\r\n";
    std::ofstream goods(folder / "goods.art", std::ios::binary);
    for (int n = 1; n <= 14000; ++n) goods << ";;;;;;;;;;\r\n";
    std::ofstream upload(folder / "card" / "upload.art", std::ios::binary);
    std::ofstream sales(folder / "card" / "sales.art", std::ios::binary);
    for (int n = 1; n <= 14000; ++n) {
      upload << "0;" << n << ";Name;1.00;0.000;1;2;3;4;0;77" << n << ";\r\n";
      sales << "1;0;" << n << ";1.50;0;0.00;0.00;\r\n";
    }
  }
  void TearDown() override {
    sim->Stop();
    fs::remove_all(folder);
  }

  std::vector<std::string> Arguments() const {
    std::vector<std::string> arguments = GetParam().arguments;
    for (auto& argument : arguments) {
      for (const auto& [mark, value] :
           {std::pair<std::string, std::string>{"{DEVICE}", sim->DevicePath()},
            {"{DIR}", folder.string()}}) {
        if (const auto at = argument.find(mark); at != std::string::npos) {
          argument.replace(at, mark.size(), value);
        }
      }
    }
    return arguments;
  }

  fs::path folder;
  std::unique_ptr<RunningSim> sim;
};

TEST_P(CliJson, PrintsOneObjectAndNothingElseOnStandardOutput) {
  ChildProcess cli(KVITMARK_CLI_PATH, Arguments());
  const std::string output = cli.AllOutput();
  const int status = cli.Wait();
  EXPECT_EQ(status, GetParam().status) << cli.ErrorOutput();

  ASSERT_FALSE(output.empty()) << cli.ErrorOutput();
  EXPECT_EQ(output.find('\n'), output.size() - 1) << "one line: " << output;
  nlohmann::json result;
  ASSERT_NO_THROW(result = nlohmann::json::parse(output)) << output;
  ASSERT_TRUE(result.is_object()) << output;
  EXPECT_EQ(result["command"], GetParam().arguments.front().starts_with("-")
                                   ? result["command"]
                                   : nlohmann::json(GetParam().arguments.front()));
  EXPECT_EQ(result["result"], GetParam().result) << output;
  EXPECT_TRUE(result["seconds"].is_number()) << output;
  if (*GetParam().doneKey) {
    ASSERT_TRUE(result.contains("records")) << output;
    EXPECT_EQ(result["records"]["total"], GetParam().records) << output;
    EXPECT_EQ(result["records"][GetParam().doneKey], GetParam().records) << output;
    EXPECT_TRUE(result["records"]["skipped"].empty()) << output;
    EXPECT_TRUE(result["records"]["failed"].empty()) << output;
  }
}

// The options of the connection come after the command, as users type them.
const std::vector<std::string> kAfter = {"--device", "{DEVICE}", "--speed", "115200", "--json"};

std::vector<std::string> With(std::vector<std::string> command) {
  command.insert(command.end(), kAfter.begin(), kAfter.end());
  return command;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliJson,
    ::testing::Values(
        JsonCase{"Ports", {"ports", "--json"}, 0, "done", "", 0},
        JsonCase{"Presence", With({"presence"}), 0, "done", "", 0},
        JsonCase{"Find", With({"find", "--speeds", "115200", "--registers", "1"}), 0, "done", "",
                 0},
        JsonCase{"Read", With({"read", "opr", "{DIR}/read.opr"}), 0, "done", "read", 20},
        JsonCase{"ReadInterval",
                 With({"read", "art", "{DIR}/a.art", "--first", "3", "--last", "7"}), 0, "done",
                 "read", 5},
        JsonCase{"Write", With({"write", "opr", "{DIR}/ops.opr", "--yes"}), 0, "done", "written",
                 20},
        JsonCase{"WriteWithoutYes", With({"write", "opr", "{DIR}/ops.opr"}), 1, "failed", "", 0},
        JsonCase{"DryRun", With({"write", "opr", "{DIR}/ops.opr", "--dry-run"}), 0, "done", "", 0},
        JsonCase{"Clear", With({"clear", "otd", "--yes"}), 0, "done", "written", 20},
        JsonCase{"Reports", With({"reports", "{DIR}", "--only", "Otd"}), 0, "done", "read", 20},
        JsonCase{"LogoRead", With({"logo-read", "{DIR}/logo.bmp"}), 0, "done", "read", 200},
        JsonCase{"SdExport",
                 {"sd-export", "{DIR}/goods.art", "{DIR}/goodbase.art", "--json"},
                 0,
                 "done",
                 "",
                 0},
        JsonCase{
            "SdSales", {"sd-sales", "{DIR}/card", "{DIR}/sales.txt", "--json"}, 0, "done", "", 0},
        JsonCase{"CsvExport",
                 {"csv-export", "{DIR}/goods.art", "{DIR}/goods.csv", "--json"},
                 0,
                 "done",
                 "",
                 0},
        JsonCase{"RestoreOfNoBackup",
                 {"restore", "{DIR}/none", "--dry-run", "--json"},
                 2,
                 "failed",
                 "",
                 0},
        JsonCase{"NoDevice", {"presence", "--device", "{DIR}/none", "--json"}, 1, "failed", "", 0},
        JsonCase{"BadUsage", {"read", "xyz", "f", "--json"}, 2, "failed", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliJsonRecords, Write_CountsWrittenSkippedAndFailedRecordsFromTheOperation) {
  // A hundred refusals are ten calls of ten: record 1 fails for good, the rest are written.
  RunningSim sim({"--fault", "refuse=100"});
  ASSERT_TRUE(sim.Started()) << sim.ErrorOutput();
  const fs::path file = fs::path(::testing::TempDir()) / ("json_skip_" + std::to_string(getpid()));
  std::ofstream(file, std::ios::binary) << "1;\r\n2;\r\n3;\r\n4;\r\n5;\r\n6;\r\n7;\r\n8;\r\n"
                                           "9;\r\n10;\r\n11;\r\n12;\r\n13;\r\n14;\r\n15;\r\n"
                                           "16;\r\n17;\r\n18;\r\n19;\r\n20;\r\n";
  ChildProcess cli(KVITMARK_CLI_PATH,
                   {"write", "otd", file.string(), "--yes", "--on-error", "skip", "--device",
                    sim.DevicePath(), "--speed", "115200", "--json"});
  const auto result = nlohmann::json::parse(cli.AllOutput());
  EXPECT_EQ(cli.Wait(), 1);
  EXPECT_EQ(result["result"], "failed");
  EXPECT_EQ(result["records"]["total"], 20);
  EXPECT_EQ(result["records"]["written"], 19);
  EXPECT_EQ(result["records"]["skipped"], nlohmann::json::array({1}));
  EXPECT_TRUE(result["records"]["failed"].empty());
  fs::remove(file);
  sim.Stop();
}

}  // namespace
}  // namespace kvitmark
