#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "child_process.h"

namespace kvitmark::testing {

struct CliRun {
  int status;
  std::string errors;  // standard error, UTF-8
  std::string output;  // standard output
};

// A test of kvitmark-cli as a shell script runs it: a folder of the test's own, kvitmark-sim on
// a pseudo-terminal when the test starts one, and the tool as a child process.
class CliFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::path(::testing::TempDir()) /
             ("cli_" + std::to_string(getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  void StartSim(std::vector<std::string> options = {}) {
    sim = std::make_unique<RunningSim>(options);
    ASSERT_TRUE(sim->Started()) << sim->ErrorOutput();
  }

  // kvitmark-cli with these arguments alone.
  static CliRun RunCli(const std::vector<std::string>& arguments,
                       const std::string& input = "/dev/null", int limitMs = kStartStopLimitMs) {
    ChildProcess cli(KVITMARK_CLI_PATH, arguments, input);
    std::string output = cli.AllOutput(limitMs);
    const int status = cli.Wait(limitMs);
    return {status, cli.ErrorOutput(), std::move(output)};
  }

  // kvitmark-cli on the simulator (a device that is not there when none runs).
  CliRun RunOnSim(const std::vector<std::string>& arguments, const std::string& input = "/dev/null",
                  int limitMs = kStartStopLimitMs) {
    std::vector<std::string> all = {"--device", sim ? sim->DevicePath() : "/nonexistent", "--speed",
                                    cliSpeed};
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunCli(all, input, limitMs);
  }

  std::string File(const std::string& name) const { return (folder / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::filesystem::path folder;
  std::string cliSpeed = "115200";
  std::unique_ptr<RunningSim> sim;
};

}  // namespace kvitmark::testing
