// kvitmark-sim as a user runs it, at the other end of a real pseudo-terminal, against the link
// the program uses: PosixSerialLine through RegisterLink, in real time.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/cp1251.h"
#include "child_process.h"
#include "link/priority.h"
#include "link/register_link.h"
#include "link/result_codes.h"
#include "link/system_lines.h"

namespace kvitmark {
namespace {

using base::Cp1251;
using link::RegisterLink;
using testing::ChildProcess;
using testing::RunningSim;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

class SimE2eTest : public ::testing::Test {
 protected:
  // Starts the simulator with these options and opens COM1 on its device at 115200.
  void StartAndConnect(const std::vector<std::string>& options = {}) {
    sim_ = std::make_unique<RunningSim>(options);
    ASSERT_TRUE(sim_->Started()) << sim_->ErrorOutput();
    link_ = std::make_unique<RegisterLink>(link::SystemLines(), clock_, priority_,
                                           link::PortMap{{1, sim_->DevicePath()}});
    ASSERT_GE(link_->OpenPort(1, 115200), 0) << base::RenderUtf8(link_->LastError());
  }

  // Closes the port and stops the simulator, which must end cleanly.
  void TearDown() override {
    if (link_) link_->ClosePort(1);
    if (sim_ && sim_->Started()) {
      EXPECT_EQ(sim_->Stop(), 0) << sim_->ErrorOutput();
    }
  }

  // The text of a record; fails the test when the read does.
  std::string Read(int registerNumber, int table, int record) {
    std::string text;
    const int result = link_->ReadRecord(registerNumber, table, record, text, 0);
    EXPECT_EQ(result, static_cast<int>(text.size())) << "table " << table << " record " << record;
    return text;
  }

  int ReadResult(int registerNumber, int table, int record) {
    std::string text;
    return link_->ReadRecord(registerNumber, table, record, text, 0);
  }

  base::RealClock clock_;
  link::NicePriority priority_;
  std::unique_ptr<RunningSim> sim_;
  std::unique_ptr<RegisterLink> link_;
};

const std::string kFirstGoodsRecord = "0;1;1;" + Cp1251("Товар1;0.00;0.000;1;1;1;1;0;0;");

// ---- A register that behaves ------------------------------------------------------------

TEST_F(SimE2eTest, CheckPresence_OwnRegisterNumber_Answers) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect());

  EXPECT_EQ(link_->CheckPresence(1), 1);
}

TEST_F(SimE2eTest, ReadRecord_FirstGoodsRecord_ReturnsTheFactoryRecord) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect());

  EXPECT_EQ(Read(1, 0, 1), kFirstGoodsRecord);
}

TEST_F(SimE2eTest, WriteRecord_Department_ReadsBackAsWritten) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect());
  const std::string data = Cp1251("Відділ продажу;");

  EXPECT_EQ(link_->WriteRecord(1, 10, 5, data, 0), static_cast<int>(("W10;5;" + data).size() + 4));

  EXPECT_EQ(Read(1, 10, 5), "10;5;" + data);
}

TEST_F(SimE2eTest, ReadRecord_UnknownTable_IsRefused) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect());

  EXPECT_EQ(ReadResult(1, 7, 1), link::kRefused);
  // The refusals left the line in step.
  EXPECT_EQ(Read(1, 0, 1), kFirstGoodsRecord);
}

TEST_F(SimE2eTest, ReadRecord_RegisterNotOnTheLine_SelectionUnansweredAndLineStaysInStep) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect());

  EXPECT_EQ(ReadResult(2, 0, 1), link::kSelectionUnanswered);
  EXPECT_EQ(Read(1, 0, 1), kFirstGoodsRecord);
}

TEST_F(SimE2eTest, RegisterOption_AnswersToThatNumberOnly) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect({"--register", "7"}));

  EXPECT_EQ(Read(7, 0, 1), kFirstGoodsRecord);
  EXPECT_EQ(ReadResult(1, 0, 1), link::kSelectionUnanswered);
}

// ---- Table files ------------------------------------------------------------------------

class SimTableFileE2eTest : public SimE2eTest {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "kvitmark-e2e-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
    path_ = directory_ + "/departments.txt";
  }

  void TearDown() override {
    SimE2eTest::TearDown();
    unlink(path_.c_str());
    unlink((path_ + ".tmp").c_str());
    rmdir(directory_.c_str());
  }

  std::string directory_;
  std::string path_;
};

TEST_F(SimTableFileE2eTest, TableAndSave_LoadsTheLinesAndWritesTheTableBackOnStop) {
  // Either line end is read; the file is written back with CR LF throughout.
  WriteFile(path_, Cp1251("Каса;") + "\r\n" + Cp1251("Бар;") + "\n" + Cp1251("Кухня;") + "\r\n");
  ASSERT_NO_FATAL_FAILURE(StartAndConnect({"--table", "10=" + path_, "--save"}));

  EXPECT_EQ(Read(1, 10, 1), "10;1;" + Cp1251("Каса;"));
  EXPECT_EQ(Read(1, 10, 2), "10;2;" + Cp1251("Бар;"));
  EXPECT_EQ(Read(1, 10, 3), "10;3;" + Cp1251("Кухня;"));
  ASSERT_GT(link_->WriteRecord(1, 10, 4, Cp1251("Склад;"), 0), 0);

  // The register's whole table as it holds it now, one record per line.
  std::string expected;
  int record = 1;
  for (std::string text; link_->ReadRecord(1, 10, record, text, 0) >= 0; ++record) {
    const std::string head = "10;" + std::to_string(record) + ";";
    ASSERT_EQ(text.substr(0, head.size()), head);
    expected += text.substr(head.size()) + "\r\n";
  }
  ASSERT_GT(record, 4);
  link_->ClosePort(1);
  link_.reset();

  EXPECT_EQ(sim_->Stop(), 0) << sim_->ErrorOutput();
  sim_.reset();

  const std::string saved = ReadFile(path_);
  EXPECT_EQ(saved, expected);
  const std::string firstFour = Cp1251("Каса;") + "\r\n" + Cp1251("Бар;") + "\r\n" +
                                Cp1251("Кухня;") + "\r\n" + Cp1251("Склад;") + "\r\n";
  EXPECT_EQ(saved.substr(0, firstFour.size()), firstFour);
}

// ---- Options it does not take -----------------------------------------------------------

struct BadOptions {
  const char* name;
  std::vector<std::string> options;

  friend void PrintTo(const BadOptions& bad, std::ostream* out) { *out << bad.name; }
};

class SimBadOptionsTest : public ::testing::TestWithParam<BadOptions> {};

TEST_P(SimBadOptionsTest, ExitsWithStatus2BeforeServingAndSaysWhy) {
  ChildProcess sim(KVITMARK_SIM_PATH, GetParam().options);
  ASSERT_TRUE(sim.Spawned()) << sim.ErrorOutput();

  EXPECT_EQ(sim.FirstLine(), "");
  EXPECT_EQ(sim.Wait(), 2);
  EXPECT_NE(sim.ErrorOutput().find("kvitmark-sim: "), std::string::npos) << sim.ErrorOutput();
}

INSTANTIATE_TEST_SUITE_P(
    Options, SimBadOptionsTest,
    ::testing::Values(BadOptions{"UnknownOption", {"--colour"}},
                      BadOptions{"RegisterOutOfRange", {"--register", "100"}},
                      BadOptions{"RegisterMissingValue", {"--register"}},
                      BadOptions{"UnknownFault", {"--fault", "wobble"}},
                      BadOptions{"TableWithoutFile", {"--table", "10"}},
                      BadOptions{"TableTheRegisterLacks", {"--table", "7=/dev/null"}},
                      BadOptions{"TableFileMissing", {"--table", "10=/nonexistent/kvitmark"}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- A register told to misbehave -------------------------------------------------------

TEST_F(SimE2eTest, RefuseFault_ThreeRefusals_ReadStillSucceedsThroughRetries) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect({"--fault", "refuse=3"}));

  EXPECT_EQ(Read(1, 0, 1), kFirstGoodsRecord);
}

TEST_F(SimE2eTest, SilentFault_CheckPresenceFindsNoRegister) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect({"--fault", "silent"}));

  EXPECT_EQ(link_->CheckPresence(1), link::kProbeUnanswered);
}

// The simulator ends in the middle of a reply, as an unplugged adapter does: the read fails at
// once instead of waiting out its time-outs.
TEST_F(SimE2eTest, HangupFault_ReadFailsAtOnceAndTheSimulatorEndsCleanly) {
  ASSERT_NO_FATAL_FAILURE(StartAndConnect({"--fault", "hangup=1"}));
  ASSERT_TRUE(link_->SetReadTimeout(10000));

  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadResult(1, 0, 1), link::kExchangeBroken);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));

  EXPECT_EQ(sim_->Wait(), 0) << sim_->ErrorOutput();
  EXPECT_NE(sim_->ErrorOutput().find("hung up"), std::string::npos) << sim_->ErrorOutput();
  sim_.reset();
}

}  // namespace
}  // namespace kvitmark
