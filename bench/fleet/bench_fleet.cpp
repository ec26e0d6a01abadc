// A fleet from one machine: sixteen registers, each a simulated register at the pace of a real
// 9600 bit/s line behind its own ser2net port (RFC 2217 on the loopback address), each sent the
// same operators table by its own kvitmark-cli, all at once; against one register alone. The
// work is the lines' and overlaps, so the ratio shows what our own software adds.
//
// Last line: "fleet: 16 registers in Ts, one register alone Ss, ratio T/S".
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "sim/sim_tables.h"
#include "tests/e2e/child_process.h"
#include "tests/e2e/ser2net_server.h"

namespace {

using namespace kvitmark;
using testing::ChildProcess;
using testing::RunningSer2net;
using testing::RunningSim;
using testing::Ser2netPort;

constexpr int kRegisters = 16;
constexpr int kSpeed = 9600;
constexpr int kRounds = 3;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Writes `file` into the registers at `ports`, one kvitmark-cli each, all started at once:
// the seconds until the last has ended, or a negative number when one did not succeed.
double WriteAtOnce(const std::vector<int>& ports, const std::string& file) {
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::unique_ptr<ChildProcess>> tools;
  for (const int port : ports) {
    tools.push_back(std::make_unique<ChildProcess>(
        KVITMARK_CLI_PATH, std::vector<std::string>{
                               "--device", "rfc2217://127.0.0.1:" + std::to_string(port), "--speed",
                               std::to_string(kSpeed), "--json", "write", "opr", file, "--yes"}));
  }
  bool allDone = true;
  for (auto& tool : tools) {
    const std::string output = tool->AllOutput();
    const int status = tool->Wait();
    const auto result = nlohmann::json::parse(output, nullptr, false);
    if (status != 0 || result.is_discarded() || result["result"] != "done" ||
        result["records"]["written"] != result["records"]["total"]) {
      std::fprintf(stderr, "a write did not succeed (status %d): %s%s\n", status, output.c_str(),
                   tool->ErrorOutput().c_str());
      allDone = false;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return allDone ? seconds : -1;
}

}  // namespace

int main() {
  char folderTemplate[] = "/tmp/kvitmark-fleet-XXXXXX";
  if (!mkdtemp(folderTemplate)) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::filesystem::path folder = folderTemplate;
  const std::string file = (folder / "operators.opr").string();
  {
    std::ofstream operators(file, std::ios::binary);
    const sim::SimTables tables = sim::FactoryTables();
    for (const auto& record : tables.at(3).records) operators << record << "\r\n";
  }

  std::vector<std::unique_ptr<RunningSim>> registers;
  std::vector<Ser2netPort> served;
  std::vector<int> ports;
  for (int n = 0; n < kRegisters; ++n) {
    registers.push_back(std::make_unique<RunningSim>(std::vector<std::string>{"--pace"}));
    if (!registers.back()->Started()) {
      std::fprintf(stderr, "the simulator did not start: %s\n",
                   registers.back()->ErrorOutput().c_str());
      return 1;
    }
    // Free ports are looked for while the ones found are not yet taken: no two alike.
    int port = 0;
    do {
      port = testing::FreeLoopbackPort();
    } while (std::find(ports.begin(), ports.end(), port) != ports.end());
    ports.push_back(port);
    served.push_back({true, port, registers.back()->DevicePath(), kSpeed});
  }
  RunningSer2net server(folder.string(), served);
  int status = 0;
  if (!server.Started()) {
    std::fprintf(stderr, "%s\n", server.ErrorOutput().c_str());
    status = 1;
  }

  std::vector<double> alone;
  std::vector<double> fleet;
  for (int round = 0; round < kRounds && status == 0; ++round) {
    alone.push_back(WriteAtOnce({ports.front()}, file));
    fleet.push_back(WriteAtOnce(ports, file));
    std::printf("round %d: one register %.2fs, %d registers %.2fs\n", round + 1, alone.back(),
                kRegisters, fleet.back());
    std::fflush(stdout);
    if (alone.back() < 0 || fleet.back() < 0) status = 1;
  }

  server.Stop();
  for (auto& simulated : registers) simulated->Stop();
  std::filesystem::remove_all(folder);
  if (status != 0) return status;
  const double single = Median(alone);
  const double all = Median(fleet);
  std::printf("fleet: %d registers in %.1fs, one register alone %.1fs, ratio %.2f\n", kRegisters,
              all, single, all / single);
  return 0;
}
