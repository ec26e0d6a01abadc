// PosixSerialLine and RegisterLink's port control against a real pseudo-terminal: the test holds
// the master side, the line under test opens the slave side by its path.
//
// The line's settings are read back with TCGETS2, which reports the speed as a number for
// standard and custom speeds alike; that is why this file uses the kernel's termios and never
// includes <termios.h>, which clashes with it.
#include "link/posix_serial_line.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "base/clock.h"
#include "link/priority.h"
#include "link/register_link.h"
#include "link/result_codes.h"
#include "link/system_lines.h"

namespace kvitmark::link {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;
using namespace std::chrono_literals;

// Bounds that only prove a call came back instead of hanging.
constexpr auto kDidNotHang = 3s;

milliseconds Since(steady_clock::time_point start) {
  return std::chrono::duration_cast<milliseconds>(steady_clock::now() - start);
}

std::string AllByteValues() {
  std::string bytes;
  for (int value = 0; value < 256; ++value) bytes.push_back(static_cast<char>(value));
  return bytes;
}

struct termios2 ReadSettings(int fd) {
  struct termios2 settings {};
  EXPECT_EQ(ioctl(fd, TCGETS2, &settings), 0) << "fd " << fd;
  return settings;
}

LineSettings AtSpeed(int speed) {
  LineSettings settings;
  settings.speed = speed;
  return settings;
}

// A null device of the test's own. A device's lock belongs to its inode, and tests run side by
// side, so they must not contend for the lock of the one /dev/null; where no device node can be
// made (not root), /dev/null it is.
class NullDevice {
 public:
  NullDevice() {
    std::string pattern = ::testing::TempDir() + "kvitmark-null-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return;
    directory_ = pattern;
    const std::string node = directory_ + "/null";
    if (mknod(node.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) path_ = node;
  }
  ~NullDevice() {
    if (path_ != "/dev/null") unlink(path_.c_str());
    if (!directory_.empty()) rmdir(directory_.c_str());
  }
  const std::string& Path() const { return path_; }

 private:
  std::string directory_;
  std::string path_ = "/dev/null";
};

// A fresh pseudo-terminal per test; the test talks through its master side.
class PtyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    const char* name = ptsname(master_);
    ASSERT_NE(name, nullptr);
    slavePath_ = name;
  }

  void TearDown() override { CloseMaster(); }

  void CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
  }

  // A line on the slave side, opened and set up as the link sets it up.
  std::unique_ptr<PosixSerialLine> OpenLine() {
    auto line = std::make_unique<PosixSerialLine>(slavePath_);
    EXPECT_TRUE(line->Open()) << base::RenderUtf8(line->Error());
    EXPECT_TRUE(line->Configure(AtSpeed(115200))) << base::RenderUtf8(line->Error());
    return line;
  }

  void SendFromMaster(const std::string& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  // What reaches the master side within `wait`, at most `count` bytes.
  std::string ReceiveAtMaster(size_t count, milliseconds wait = kDidNotHang) {
    std::string received;
    const auto deadline = steady_clock::now() + wait;
    while (received.size() < count) {
      const auto left =
          std::chrono::duration_cast<milliseconds>(deadline - steady_clock::now()).count();
      if (left <= 0) break;
      pollfd ready{master_, POLLIN, 0};
      if (poll(&ready, 1, static_cast<int>(left)) <= 0) break;
      char buffer[512];
      const ssize_t got = read(master_, buffer, std::min(sizeof buffer, count - received.size()));
      if (got <= 0) break;
      received.append(buffer, static_cast<size_t>(got));
    }
    return received;
  }

  // What the line reads, byte by byte, until it reads nothing.
  static std::string ReadAll(SerialLine& line, size_t count) {
    std::string received;
    while (received.size() < count) {
      const auto byte = line.ReadByte();
      if (!byte) break;
      received.push_back(static_cast<char>(*byte));
    }
    return received;
  }

  int master_ = -1;
  std::string slavePath_;
};

// ---- Line settings ------------------------------------------------------------------------

using PosixSerialLineSettingsTest = PtyTest;

TEST_F(PosixSerialLineSettingsTest,
       Configure_SetsRawEightDataBitsNoParityTwoStopBitsNoFlowControl) {
  const auto line = OpenLine();
  const struct termios2 settings = ReadSettings(line->Handle());

  EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_NE(settings.c_cflag & CSTOPB, 0u);
  EXPECT_EQ(settings.c_cflag & (PARENB | PARODD), 0u);
  EXPECT_EQ(settings.c_cflag & CRTSCTS, 0u);
  EXPECT_EQ(settings.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));

  EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | IXANY), 0u);
  EXPECT_EQ(settings.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP | IGNBRK | BRKINT | PARMRK), 0u);
  EXPECT_EQ(settings.c_oflag & OPOST, 0u);
  EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ECHONL | ISIG | IEXTEN), 0u);
  // Waits are poll()'s business; a read itself never blocks.
  EXPECT_EQ(settings.c_cc[VMIN], 0);
  EXPECT_EQ(settings.c_cc[VTIME], 0);
}

class PosixSerialLineSpeedTest : public PtyTest, public ::testing::WithParamInterface<int> {};

TEST_P(PosixSerialLineSpeedTest, Configure_ReadsBackAsThatSpeedBothWays) {
  const int speed = GetParam();
  PosixSerialLine line(slavePath_);
  ASSERT_TRUE(line.Open()) << base::RenderUtf8(line.Error());

  ASSERT_TRUE(line.Configure(AtSpeed(speed))) << base::RenderUtf8(line.Error());

  const struct termios2 settings = ReadSettings(line.Handle());
  EXPECT_EQ(settings.c_ospeed, static_cast<speed_t>(speed));
  EXPECT_EQ(settings.c_ispeed, static_cast<speed_t>(speed));
}

std::string SpeedName(const ::testing::TestParamInfo<int>& info) {
  return "At" + std::to_string(info.param);
}

INSTANTIATE_TEST_SUITE_P(Standard, PosixSerialLineSpeedTest,
                         ::testing::Values(4800, 9600, 19200, 38400, 57600, 115200), SpeedName);
// No B constant exists for these; they go through the kernel's "other speed".
INSTANTIATE_TEST_SUITE_P(Custom, PosixSerialLineSpeedTest,
                         ::testing::Values(14400, 28800, 56000, 57700), SpeedName);

// A device keeps its settings from one open to the next, so a line set to a custom speed by an
// earlier run must still come out at the standard speed asked for now, in both directions.
// Disabled until Configure clears the input speed left behind by a custom speed.
TEST_F(PosixSerialLineSettingsTest, Configure_StandardAfterCustom_InputSpeedFollows) {
  PosixSerialLine line(slavePath_);
  ASSERT_TRUE(line.Open()) << base::RenderUtf8(line.Error());
  ASSERT_TRUE(line.Configure(AtSpeed(14400))) << base::RenderUtf8(line.Error());

  ASSERT_TRUE(line.Configure(AtSpeed(19200))) << base::RenderUtf8(line.Error());

  const struct termios2 settings = ReadSettings(line.Handle());
  EXPECT_EQ(settings.c_ospeed, 19200u);
  EXPECT_EQ(settings.c_ispeed, 19200u);
}

TEST_F(PosixSerialLineSettingsTest, Configure_NotATerminal_FailsNamingTheDevice) {
  const NullDevice nullDevice;
  PosixSerialLine line(nullDevice.Path());
  ASSERT_TRUE(line.Open()) << base::RenderUtf8(line.Error());

  EXPECT_FALSE(line.Configure(AtSpeed(115200)));
  EXPECT_EQ(base::RenderUtf8(line.Error()), nullDevice.Path() +
                                                ": не удалось прочитать настройки линии: это не "
                                                "последовательный порт");
}

// ---- Bytes on the line --------------------------------------------------------------------

using PosixSerialLineBytesTest = PtyTest;

TEST_F(PosixSerialLineBytesTest, Write_EveryByteValue_ArrivesUntouched) {
  const auto line = OpenLine();
  const std::string bytes = AllByteValues();

  ASSERT_TRUE(line->Write(bytes)) << base::RenderUtf8(line->Error());

  EXPECT_EQ(ReceiveAtMaster(bytes.size() + 1, 300ms), bytes);
}

TEST_F(PosixSerialLineBytesTest, ReadByte_EveryByteValue_ArrivesUntouchedAndIsNotEchoed) {
  const auto line = OpenLine();
  ASSERT_TRUE(line->SetReadTimeout(base::Milliseconds(300)));
  const std::string bytes = AllByteValues();

  SendFromMaster(bytes);

  EXPECT_EQ(ReadAll(*line, bytes.size() + 1), bytes);
  EXPECT_EQ(ReceiveAtMaster(1, 100ms), "");
}

// XON and XOFF open and close every message of the protocol: they must be data both ways, and
// an XOFF that arrives must not stop what the program sends afterwards.
TEST_F(PosixSerialLineBytesTest, FlowControlBytes_PassBothWaysAndStopNothing) {
  const auto line = OpenLine();
  ASSERT_TRUE(line->SetReadTimeout(base::Milliseconds(300)));
  const std::string bytes("\x11\x13\xFF\x00\x13\x13", 6);

  SendFromMaster(bytes);
  EXPECT_EQ(ReadAll(*line, bytes.size() + 1), bytes);

  ASSERT_TRUE(line->Write(bytes)) << base::RenderUtf8(line->Error());
  EXPECT_EQ(ReceiveAtMaster(bytes.size() + 1, 300ms), bytes);
}

// ---- Waiting and failing ------------------------------------------------------------------

using PosixSerialLineWaitTest = PtyTest;

TEST_F(PosixSerialLineWaitTest, ReadByte_NothingSent_ReturnsNothingOnceTheTimeoutHasPassed) {
  const auto line = OpenLine();
  ASSERT_TRUE(line->SetReadTimeout(base::Milliseconds(150)));

  const auto start = steady_clock::now();
  const auto byte = line->ReadByte();
  const auto elapsed = Since(start);

  EXPECT_FALSE(byte.has_value());
  // The deadline is kept in whole milliseconds, so it may come up to one early.
  EXPECT_GE(elapsed, 148ms);
  EXPECT_LT(elapsed, kDidNotHang);
}

TEST_F(PosixSerialLineWaitTest, ReadByte_ByteArrivesDuringTheWait_ReturnsItWithoutWaitingOut) {
  const auto line = OpenLine();
  ASSERT_TRUE(line->SetReadTimeout(base::Milliseconds(10000)));
  std::thread sender([this] {
    std::this_thread::sleep_for(100ms);
    SendFromMaster("\x06");
  });

  const auto start = steady_clock::now();
  const auto byte = line->ReadByte();
  const auto elapsed = Since(start);
  sender.join();

  EXPECT_EQ(byte, std::optional<uint8_t>(0x06));
  EXPECT_LT(elapsed, kDidNotHang);
}

TEST_F(PosixSerialLineWaitTest, ReadByte_OtherSideClosed_FailsAtOnceEveryTime) {
  const auto line = OpenLine();
  ASSERT_TRUE(line->SetReadTimeout(base::Milliseconds(10000)));

  CloseMaster();

  // A hung-up tty reads "ready" and 0 bytes for ever: each read must fail rather than wait out
  // the 10 s, and none may spin.
  const auto start = steady_clock::now();
  for (int read = 0; read < 3; ++read) EXPECT_FALSE(line->ReadByte().has_value()) << read;
  EXPECT_LT(Since(start), kDidNotHang);
}

TEST_F(PosixSerialLineWaitTest, Write_OtherSideClosed_FailsAtOnce) {
  const auto line = OpenLine();

  CloseMaster();

  const auto start = steady_clock::now();
  EXPECT_FALSE(line->Write(std::string(18, '\xFF')));
  EXPECT_LT(Since(start), kDidNotHang);
  EXPECT_FALSE(base::RenderUtf8(line->Error()).empty());
}

// The master never reads, so the pty's buffer fills and stays full, as behind a stalled adapter.
TEST_F(PosixSerialLineWaitTest, Write_OtherSideNeverReads_FailsAfterTheStallLimit) {
  const auto line = OpenLine();

  const auto start = steady_clock::now();
  const bool written = line->Write(std::string(64 * 1024, 'x'));
  const auto elapsed = Since(start);

  EXPECT_FALSE(written);
  EXPECT_NE(base::RenderUtf8(line->Error()).find(slavePath_), std::string::npos)
      << base::RenderUtf8(line->Error());
  EXPECT_GE(elapsed, kWriteStallLimit - 2ms);
  EXPECT_LT(elapsed, kWriteStallLimit + kDidNotHang);
}

// ---- Opening and holding the device -------------------------------------------------------

using PosixSerialLineOpenTest = PtyTest;

// Root passes TIOCEXCL, so the lock is what keeps a second line out.
TEST_F(PosixSerialLineOpenTest, Open_WhileAnotherLineHoldsTheDevice_FailsUntilThatOneCloses) {
  PosixSerialLine holder(slavePath_);
  ASSERT_TRUE(holder.Open()) << base::RenderUtf8(holder.Error());
  PosixSerialLine second(slavePath_);

  EXPECT_FALSE(second.Open());
  EXPECT_NE(base::RenderUtf8(second.Error()).find(slavePath_), std::string::npos)
      << base::RenderUtf8(second.Error());

  ASSERT_TRUE(holder.Close());
  EXPECT_TRUE(second.Open()) << base::RenderUtf8(second.Error());
}

TEST_F(PosixSerialLineOpenTest, Open_LineDestroyedWithoutClose_ReleasesTheDevice) {
  { ASSERT_TRUE(PosixSerialLine(slavePath_).Open()); }

  PosixSerialLine next(slavePath_);
  EXPECT_TRUE(next.Open()) << base::RenderUtf8(next.Error());
}

TEST_F(PosixSerialLineOpenTest, Open_MissingDevice_FailsNamingTheDevice) {
  const std::string missing = slavePath_ + "-missing";
  PosixSerialLine line(missing);

  EXPECT_FALSE(line.Open());
  EXPECT_NE(base::RenderUtf8(line.Error()).find(missing), std::string::npos)
      << base::RenderUtf8(line.Error());
}

// ---- Through the register link ------------------------------------------------------------

class PtyRegisterLinkTest : public PtyTest {
 protected:
  // A link whose COM1 is `device`.
  std::unique_ptr<RegisterLink> LinkOnPort1(const std::string& device) {
    return std::make_unique<RegisterLink>(link::SystemLines(), clock_, priority_,
                                          link::PortMap{{1, device}});
  }

  base::RealClock clock_;
  NicePriority priority_;
};

struct UnopenableDevice {
  const char* name;
  bool heldByAnotherLine;  // else: the device does not exist

  friend void PrintTo(const UnopenableDevice& device, std::ostream* out) { *out << device.name; }
};

class RegisterLinkUnopenableTest : public PtyRegisterLinkTest,
                                   public ::testing::WithParamInterface<UnopenableDevice> {};

TEST_P(RegisterLinkUnopenableTest, OpenPort_ReturnsMinus3AndNamesTheDevice) {
  const std::string device = GetParam().heldByAnotherLine ? slavePath_ : slavePath_ + "-missing";
  PosixSerialLine holder(slavePath_);
  if (GetParam().heldByAnotherLine) {
    ASSERT_TRUE(holder.Open()) << base::RenderUtf8(holder.Error());
  }
  const auto link = LinkOnPort1(device);

  EXPECT_EQ(link->OpenPort(1, 115200), kCannotOpenDevice);
  EXPECT_EQ(link->OpenPortNumber(), -1);
  EXPECT_NE(base::RenderUtf8(link->LastError()).find(device), std::string::npos)
      << base::RenderUtf8(link->LastError());
}

INSTANTIATE_TEST_SUITE_P(Devices, RegisterLinkUnopenableTest,
                         ::testing::Values(UnopenableDevice{"HeldByAnotherLine", true},
                                           UnopenableDevice{"Missing", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PtyRegisterLinkTest, OpenPort_NotATerminal_ReturnsMinus5AndReleasesTheDevice) {
  const NullDevice nullDevice;
  const auto link = LinkOnPort1(nullDevice.Path());

  EXPECT_EQ(link->OpenPort(1, 115200), kCannotConfigure);
  EXPECT_EQ(link->OpenPortNumber(), -1);

  // Released: another line can take the device, and another link gets as far as before.
  {
    PosixSerialLine other(nullDevice.Path());
    EXPECT_TRUE(other.Open()) << base::RenderUtf8(other.Error());
  }
  EXPECT_EQ(LinkOnPort1(nullDevice.Path())->OpenPort(1, 115200), kCannotConfigure);
}

TEST_F(PtyRegisterLinkTest, OpenPort_StaleBytesWaiting_LineStartsEmpty) {
  SendFromMaster("\x06\x0A\x55\x0D");
  const auto link = LinkOnPort1(slavePath_);

  const int handle = link->OpenPort(1, 115200);
  ASSERT_GE(handle, 0) << base::RenderUtf8(link->LastError());

  pollfd waiting{handle, POLLIN, 0};
  EXPECT_EQ(poll(&waiting, 1, 50), 0);
}

TEST_F(PtyRegisterLinkTest, ClosePort_SendsClosingSequenceAndReleasesTheDevice) {
  const auto link = LinkOnPort1(slavePath_);
  ASSERT_GE(link->OpenPort(1, 115200), 0) << base::RenderUtf8(link->LastError());

  EXPECT_EQ(link->ClosePort(1), 1);

  const std::string closing = std::string(8, '\xFF') + "\x13\x13" + std::string(8, '\xFF');
  EXPECT_EQ(ReceiveAtMaster(closing.size() + 1, 300ms), closing);
  PosixSerialLine next(slavePath_);
  EXPECT_TRUE(next.Open()) << base::RenderUtf8(next.Error());
}

class RegisterLinkSpeedTest : public PtyRegisterLinkTest,
                              public ::testing::WithParamInterface<int> {};

TEST_P(RegisterLinkSpeedTest, OpenPort_OpensAtThatSpeedAndKeepsItsModeString) {
  const int speed = GetParam();
  const auto link = LinkOnPort1(slavePath_);

  const int handle = link->OpenPort(1, speed);
  ASSERT_GE(handle, 0) << base::RenderUtf8(link->LastError());

  EXPECT_EQ(link->ModeString(), "COM1:" + std::to_string(speed) + ",N,8,2");
  EXPECT_EQ(link->OpenPortNumber(), 1);
  const struct termios2 settings = ReadSettings(handle);
  EXPECT_EQ(settings.c_ospeed, static_cast<speed_t>(speed));
  EXPECT_NE(settings.c_cflag & CSTOPB, 0u);
}

INSTANTIATE_TEST_SUITE_P(Speeds, RegisterLinkSpeedTest, ::testing::Values(57600, 57700), SpeedName);

}  // namespace
}  // namespace kvitmark::link
