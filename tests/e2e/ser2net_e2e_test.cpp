// kvitmark-cli with the register behind ser2net, the server shops run, on the loopback
// address: RFC 2217 and raw TCP, the line speed asked through the network, and the server
// going away in the middle of a read.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "base/cp1251.h"
#include "child_process.h"
#include "ser2net_server.h"

namespace kvitmark {
namespace {

using testing::ChildProcess;
using testing::RunningSer2net;
using testing::RunningSim;
using testing::Ser2netPort;
namespace fs = std::filesystem;
using Seconds = std::chrono::duration<double>;

struct CliRun {
  int status;
  std::string errors;
  std::string output;
  double seconds;
};

class Ser2netTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(::testing::TempDir()) /
             ("ser2net_" + std::to_string(getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    if (server) server->Stop();
    if (sim) sim->Stop();
    fs::remove_all(folder);
  }

  // The simulator, and ser2net with an RFC 2217 port and a raw TCP port on its device, both
  // setting it to `serverSpeed` when a connection opens.
  void Start(std::vector<std::string> simOptions = {}, int serverSpeed = 115200) {
    sim = std::make_unique<RunningSim>(simOptions);
    ASSERT_TRUE(sim->Started()) << sim->ErrorOutput();
    rfc2217Port = testing::FreeLoopbackPort();
    rawPort = testing::FreeLoopbackPort();
    ASSERT_NE(rfc2217Port, rawPort);
    server = std::make_unique<RunningSer2net>(
        folder.string(),
        std::vector<Ser2netPort>{{true, rfc2217Port, sim->DevicePath(), serverSpeed},
                                 {false, rawPort, sim->DevicePath(), serverSpeed}});
    ASSERT_TRUE(server->Started()) << server->ErrorOutput();
  }

  std::string Rfc2217() const { return "rfc2217://127.0.0.1:" + std::to_string(rfc2217Port); }
  std::string RawTcp() const { return "tcp://127.0.0.1:" + std::to_string(rawPort); }

  // Runs the tool in `workFolder` (that of the test itself unless given).
  static CliRun Run(const std::vector<std::string>& arguments, const std::string& workFolder = "") {
    const auto start = std::chrono::steady_clock::now();
    ChildProcess cli(KVITMARK_CLI_PATH, arguments, "/dev/null", workFolder);
    std::string output = cli.AllOutput();
    const int status = cli.Wait();
    return {status, cli.ErrorOutput(), std::move(output),
            Seconds(std::chrono::steady_clock::now() - start).count()};
  }

  std::string File(const char* name) const { return (folder / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path folder;
  std::unique_ptr<RunningSim> sim;
  std::unique_ptr<RunningSer2net> server;
  int rfc2217Port = 0;
  int rawPort = 0;
};

TEST_F(Ser2netTest, ReadAndWrite_ThroughRfc2217AndRawTcp_TheSameFilesAsThroughThePty) {
  Start();
  auto run =
      Run({"--device", sim->DevicePath(), "--speed", "115200", "read", "opr", File("pty.opr")});
  ASSERT_EQ(run.status, 0) << run.errors;
  for (const std::string& device : {Rfc2217(), RawTcp()}) {
    run = Run({"--device", device, "--speed", "115200", "read", "opr", File("net.opr")});
    ASSERT_EQ(run.status, 0) << device << ": " << run.errors;
    EXPECT_EQ(Read(File("net.opr")), Read(File("pty.opr"))) << device;
  }
  // A COM name that Tabulon.ini maps to the network reaches it as well.
  std::ofstream(File("Tabulon.ini"), std::ios::binary)
      << "[Communication]\r\nSpeed=115200\r\nSerialPort=COM5\r\n[Ports]\r\nCOM5=" << Rfc2217()
      << "\r\n";
  run = Run({"read", "opr", File("mapped.opr")}, folder.string());
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(File("mapped.opr")), Read(File("pty.opr")));

  // Written through one, read back through the other: every byte arrives as it was sent,
  // the fill bytes 0xFF (Telnet's escape) and XON/XOFF among them.
  std::string departments;
  for (int n = 1; n <= 20; ++n) {
    departments += base::Cp1251("Відділ я№") + std::to_string(n) + ";\r\n";
  }
  std::ofstream(File("in.otd"), std::ios::binary) << departments;
  run = Run({"--device", Rfc2217(), "--speed", "115200", "write", "otd", File("in.otd"), "--yes"});
  ASSERT_EQ(run.status, 0) << run.errors;
  run = Run({"--device", RawTcp(), "--speed", "115200", "read", "otd", File("out.otd")});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(File("out.otd")), departments);
}

TEST_F(Ser2netTest, SpeedAskedThroughRfc2217_ReachesTheSimulatorsLine) {
  // The register answers at 19200 only; ser2net sets its device to 115200 on every connection,
  // so only a speed that travels through RFC 2217 finds it.
  Start({"--speed", "19200"});
  auto run =
      Run({"--device", Rfc2217(), "--json", "find", "--speeds", "9600,19200", "--registers", "1"});
  ASSERT_EQ(run.status, 0) << run.errors;
  const auto found = nlohmann::json::parse(run.output);
  EXPECT_EQ(found["device"], Rfc2217());
  EXPECT_EQ(found["speed"], 19200) << "9600 went unanswered";
  // Raw TCP carries no settings: the device stays at ser2net's 115200.
  run = Run({"--device", RawTcp(), "find", "--speeds", "19200", "--registers", "1"});
  EXPECT_EQ(run.status, 1) << run.errors;
}

TEST_F(Ser2netTest, Ser2netStoppedMidRead_ExitsOneWithinSecondsAndWritesNoFile) {
  // At the pace of a real line the goods table takes minutes: it is certainly mid-read.
  Start({"--pace"});
  ChildProcess cli(KVITMARK_CLI_PATH, {"read", "art", File("goods.art"), "--device", Rfc2217(),
                                       "--speed", "115200", "--json"});
  ASSERT_TRUE(cli.Spawned());
  // Records are on their way well within a second and a half of the start (a record takes
  // about 15 ms); the object below says how many had come.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  const auto stopped = std::chrono::steady_clock::now();
  server->Stop();  // ser2net ends with status 1 on SIGTERM
  server.reset();

  const std::string output = cli.AllOutput();
  EXPECT_EQ(cli.Wait(), 1) << cli.ErrorOutput();
  EXPECT_LT(Seconds(std::chrono::steady_clock::now() - stopped).count(), 5.0);
  EXPECT_FALSE(fs::exists(File("goods.art"))) << "no partly written table file";
  const auto result = nlohmann::json::parse(output);
  EXPECT_EQ(result["result"], "failed");
  EXPECT_GT(result["records"]["read"].get<int>(), 0) << "it stopped mid-read: " << output;
  EXPECT_LT(result["records"]["read"].get<int>(), 14000);
  EXPECT_FALSE(result["records"]["failed"].empty());
}

TEST_F(Ser2netTest, PortNobodyListensOn_FailsWithinFiveSecondsAndSaysTheConnectionWasRefused) {
  const int port = testing::FreeLoopbackPort();
  for (const std::string scheme : {"rfc2217://", "tcp://"}) {
    const auto run = Run({"--device", scheme + "127.0.0.1:" + std::to_string(port), "presence"});
    EXPECT_EQ(run.status, 1);
    EXPECT_LT(run.seconds, 5.0);
    EXPECT_NE(run.errors.find("Нет соединения с 127.0.0.1:" + std::to_string(port) +
                              ": соединение отклонено"),
              std::string::npos)
        << run.errors;
  }
}

}  // namespace
}  // namespace kvitmark
