// Connecting: the outcome a front end shows for each way a port opens or does not, on real
// devices where the system decides, and against the simulated register in virtual time.
#include "link/connect.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>

#include "link/posix_serial_line.h"
#include "link/system_lines.h"
#include "link_fixture.h"

namespace kvitmark::testing {
namespace {

using link::ConnectOutcome;

enum class Device { kPty, kMissing, kHeldPty, kPlainFile };

struct OpenCase {
  const char* name;
  Device device;
  int port;
  int speed;
  ConnectOutcome expected;
  bool namesTheDevice;  // the system's error text says which device failed
};

// A pseudo-terminal nobody answers on, and a plain file beside it, for each test.
class ConnectDeviceTest : public ::testing::TestWithParam<OpenCase> {
 protected:
  void SetUp() override {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    ptyPath_ = ptsname(master_);
    std::string pattern = ::testing::TempDir() + "kvitmark-plain-XXXXXX";
    const int file = mkstemp(pattern.data());
    ASSERT_GE(file, 0);
    close(file);
    plainPath_ = pattern;
  }
  void TearDown() override {
    if (master_ >= 0) close(master_);
    if (!plainPath_.empty()) unlink(plainPath_.c_str());
  }

  std::string PathOf(Device device) const {
    switch (device) {
      case Device::kMissing:
        return ptyPath_ + "-missing";
      case Device::kPlainFile:
        return plainPath_;
      default:
        return ptyPath_;
    }
  }

  int master_ = -1;
  std::string ptyPath_;
  std::string plainPath_;
  base::RealClock clock_;
  link::UnchangedPriority priority_;
};

TEST_P(ConnectDeviceTest, OpenRegisterPort_GivesTheOutcomeAndLeavesNothingHeldBehindAFailure) {
  const std::string path = PathOf(GetParam().device);
  link::PosixSerialLine holder(ptyPath_);
  if (GetParam().device == Device::kHeldPty) {
    ASSERT_TRUE(holder.Open()) << base::RenderUtf8(holder.Error());
  }
  link::RegisterLink link(link::SystemLines(), clock_, priority_);

  const auto result = link::OpenRegisterPort(
      link, link::Endpoint::Com(GetParam().port, {{1, path}}), GetParam().speed, 1);

  EXPECT_EQ(result.outcome, GetParam().expected) << base::RenderUtf8(result.error);
  EXPECT_EQ(link::PortOpen(result.outcome), result.handle >= 0);
  EXPECT_EQ(link.OpenPortNumber(), result.handle >= 0 ? 1 : -1);
  const std::string error = base::RenderUtf8(result.error);
  EXPECT_EQ(error.find(path) != std::string::npos, GetParam().namesTheDevice) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, ConnectDeviceTest,
    ::testing::Values(
        OpenCase{"Pty", Device::kPty, 1, 115200, ConnectOutcome::kPortOpened, false},
        OpenCase{"Missing", Device::kMissing, 1, 115200, ConnectOutcome::kPortMissing, true},
        OpenCase{"HeldByAnotherOpen", Device::kHeldPty, 1, 115200, ConnectOutcome::kPortBusy, true},
        OpenCase{"NotATerminal", Device::kPlainFile, 1, 115200, ConnectOutcome::kNotSerial, true},
        OpenCase{"SpeedNotOffered", Device::kPty, 1, 2400, ConnectOutcome::kBadSpeed, false},
        OpenCase{"PortTen", Device::kPty, 10, 115200, ConnectOutcome::kPortOutOfRange, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A device whose opening fails with a given system error: the errors a root test run cannot
// make a real device give.
class RefusingLine final : public link::SerialLine {
 public:
  explicit RefusingLine(int error) : error_(error) {}
  bool Open() override { return false; }
  bool Configure(const link::LineSettings&) override { return false; }
  bool SetReadTimeout(base::Milliseconds) override { return false; }
  bool SetDtr(bool) override { return false; }
  bool SetRts(bool) override { return false; }
  bool Write(std::string_view) override { return false; }
  std::optional<uint8_t> ReadByte() override { return std::nullopt; }
  void Purge() override {}
  void DiscardInput() override {}
  void Drain() override {}
  bool Close() override { return true; }
  int Handle() const override { return -1; }
  base::Message Error() const override {
    return base::Message::DataUtf8("/dev/ttyUSB0: cannot open");
  }
  int ErrorNumber() const override { return error_; }

 private:
  int error_;
};

struct ErrorCase {
  int error;
  ConnectOutcome expected;
};

class ConnectErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ConnectErrorTest, Connect_DeviceRefused_SaysWhyWithTheSystemsWords) {
  base::VirtualClock clock;
  link::UnchangedPriority priority;
  link::RegisterLink link(
      [](const link::Endpoint&) { return std::make_unique<RefusingLine>(GetParam().error); }, clock,
      priority);
  bool toldOpened = false;

  const auto result = link::Connect(link, link::Endpoint::Com(1, {}), 4800, 1,
                                    [&](const auto&) { toldOpened = true; });

  EXPECT_EQ(result.outcome, GetParam().expected);
  EXPECT_EQ(base::RenderUtf8(result.error), "/dev/ttyUSB0: cannot open");
  EXPECT_FALSE(toldOpened);
}

INSTANTIATE_TEST_SUITE_P(SystemErrors, ConnectErrorTest,
                         ::testing::Values(ErrorCase{ENODEV, ConnectOutcome::kPortMissing},
                                           ErrorCase{ENXIO, ConnectOutcome::kPortMissing},
                                           ErrorCase{EACCES, ConnectOutcome::kNoPermission},
                                           ErrorCase{EPERM, ConnectOutcome::kNoPermission},
                                           ErrorCase{ECONNREFUSED, ConnectOutcome::kNoConnection},
                                           ErrorCase{ETIMEDOUT, ConnectOutcome::kNoConnection},
                                           ErrorCase{EADDRNOTAVAIL, ConnectOutcome::kNoConnection},
                                           ErrorCase{EIO, ConnectOutcome::kCannotOpen}));

struct RegisterCase {
  const char* name;
  bool silent;
  int registerNumber;
  ConnectOutcome expected;
};

class ConnectRegisterTest : public LinkTest, public ::testing::WithParamInterface<RegisterCase> {};

TEST_P(ConnectRegisterTest, Connect_TellsThePortOpenedBeforeAskingAndKeepsThePortOpen) {
  simRegister.Faults().silent = GetParam().silent;
  size_t chunksWhenToldOpened = 0;
  int calls = 0;

  const auto result = link::Connect(link, link::Endpoint::Com(1, {}), 115200,
                                    GetParam().registerNumber, [&](const auto& opened) {
                                      ++calls;
                                      chunksWhenToldOpened = trace.Chunks().size();
                                      EXPECT_GE(opened.handle, 0);
                                      EXPECT_EQ(link.OpenPortNumber(), 1);
                                    });

  EXPECT_EQ(result.outcome, GetParam().expected);
  EXPECT_EQ(calls, 1);
  EXPECT_GE(result.handle, 0);
  EXPECT_EQ(link.OpenPortNumber(), 1);
  const auto& chunks = trace.Chunks();
  const auto firstProbe = std::find_if(chunks.begin(), chunks.end(), [](const auto& chunk) {
    return chunk.bytes.starts_with(kXonXon);
  });
  ASSERT_NE(firstProbe, chunks.end());
  EXPECT_GE(static_cast<size_t>(firstProbe - chunks.begin()), chunksWhenToldOpened)
      << "the register is asked only after the front end was told";
}

INSTANTIATE_TEST_SUITE_P(
    Registers, ConnectRegisterTest,
    ::testing::Values(RegisterCase{"Answers", false, 1, ConnectOutcome::kRegisterAnswered},
                      RegisterCase{"Silent", true, 1, ConnectOutcome::kNoRegister},
                      RegisterCase{"AnotherNumber", false, 2, ConnectOutcome::kNoRegister}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::testing
