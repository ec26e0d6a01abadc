// Opening and closing the port, the end-of-exchange pause and the read time-out.
#include "link/mode_string.h"
#include "link_fixture.h"

namespace kvitmark::testing {
namespace {

struct OpenCase {
  int port;
  int speed;
  int expected;  // 0: the handle (non-negative)
  const char* modeString;
};

class OpenPortCases : public LinkTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenPortCases, ReturnTheDocumentedCode) {
  const int result = link.OpenPort(GetParam().port, GetParam().speed);
  if (GetParam().expected == 0) {
    EXPECT_GE(result, 0);
    EXPECT_EQ(link.ModeString(), GetParam().modeString);
    EXPECT_EQ(link.OpenPortNumber(), GetParam().port);
    EXPECT_EQ(wire.settings.speed, GetParam().speed);
  } else {
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(link.OpenPortNumber(), -1);
    EXPECT_EQ(wire.opens, 0) << "the device is not touched";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpenPortCases,
    ::testing::Values(
        OpenCase{0, 9600, link::kPortOutOfRange, ""}, OpenCase{10, 9600, link::kPortOutOfRange, ""},
        OpenCase{-1, 4800, link::kPortOutOfRange, ""},
        OpenCase{1, 57601, link::kSpeedNotOffered, ""}, OpenCase{1, 0, link::kSpeedNotOffered, ""},
        OpenCase{1, 2400, link::kSpeedNotOffered, ""}, OpenCase{1, 4800, 0, "COM1:4800,N,8,2"},
        OpenCase{2, 9600, 0, "COM2:9600,N,8,2"}, OpenCase{3, 14400, 0, "COM3:14400,N,8,2"},
        OpenCase{4, 19200, 0, "COM4:19200,N,8,2"}, OpenCase{5, 28800, 0, "COM5:28800,N,8,2"},
        OpenCase{6, 38400, 0, "COM6:38400,N,8,2"}, OpenCase{7, 56000, 0, "COM7:56000,N,8,2"},
        OpenCase{8, 57600, 0, "COM8:57600,N,8,2"}, OpenCase{9, 57700, 0, "COM9:57700,N,8,2"},
        OpenCase{1, 115200, 0, "COM1:115200,N,8,2"}));

TEST_F(LinkTest, OpenPort_SetsUpTheLineAndEmptiesIt) {
  simRegister.Faults().staleBytes = "\x06\x0A junk";
  ASSERT_GE(link.OpenPort(1, 4800), 0);
  EXPECT_EQ(wire.settings.dataBits, 8);
  EXPECT_EQ(wire.settings.parity, 'N');
  EXPECT_EQ(wire.settings.stopBits, 2);
  EXPECT_TRUE(wire.settings.dtrEnabled);
  EXPECT_TRUE(wire.dtr);
  EXPECT_FALSE(wire.rts);
  EXPECT_EQ(wire.readTimeout, base::Milliseconds(300));
  EXPECT_EQ(wire.purges, 1);
  EXPECT_EQ(link.ReadTimeout(), 300u);
  // The stale bytes are gone: the first exchange is clean.
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 10, 1, out, 0), 0);
}

TEST_F(LinkTest, OpenPort_BadPortOrSpeed_LeavesAnOpenPortOpen) {
  ASSERT_GE(link.OpenPort(1, 9600), 0);
  EXPECT_EQ(link.OpenPort(10, 9600), link::kPortOutOfRange);
  EXPECT_EQ(link.OpenPort(2, 57601), link::kSpeedNotOffered);
  EXPECT_EQ(link.OpenPortNumber(), 1);
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 10, 1, out, 0), 0);
}

TEST_F(LinkTest, OpenPort_DeviceCannotBeOpened_ReturnsMinus3WithTheReason) {
  wire.failOpen = true;
  EXPECT_EQ(link.OpenPort(1, 9600), link::kCannotOpenDevice);
  EXPECT_EQ(link.OpenPortNumber(), -1);
  EXPECT_FALSE(base::RenderUtf8(link.LastError()).empty());
}

TEST_F(LinkTest, OpenPort_DeviceRefusesSettings_ReturnsMinus5AndReleasesIt) {
  wire.failConfigure = true;
  EXPECT_EQ(link.OpenPort(1, 9600), link::kCannotConfigure);
  EXPECT_EQ(wire.opens, 1);
  EXPECT_EQ(wire.closes, 1) << "nothing stays held behind a failure";
  EXPECT_EQ(link.OpenPortNumber(), -1);
  EXPECT_FALSE(base::RenderUtf8(link.LastError()).empty());
}

TEST_F(LinkTest, OpenPort_FailedReopen_LeavesTheOpenPortOpen) {
  ASSERT_GE(link.OpenPort(3, 9600), 0);
  wire.failOpen = true;
  EXPECT_EQ(link.OpenPort(3, 9600), link::kCannotOpenDevice);
  EXPECT_EQ(link.OpenPortNumber(), 3);
  std::string out;
  EXPECT_GT(link.ReadRecord(1, 10, 1, out, 0), 0);
  EXPECT_EQ(link.ClosePort(3), 1) << "the port that stayed open can still be closed";
}

TEST_F(LinkTest, ClosePort_AnotherNumber_SendsNothingAndKeepsThePortOpen) {
  Connect();
  EXPECT_EQ(link.ClosePort(2), link::kNotTheOpenPort);
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_EQ(link.OpenPortNumber(), 1);
  EXPECT_EQ(wire.closes, 0);
}

TEST_F(LinkTest, ClosePort_TheOpenPort_SendsTheClosingAndCloses) {
  Connect();
  EXPECT_EQ(link.ClosePort(1), 1);
  EXPECT_EQ(SentChunks(), (std::vector<std::string>{Fill(8), kXoffXoff, Fill(8)}));
  EXPECT_EQ(link.OpenPortNumber(), -1);
  EXPECT_EQ(wire.closes, 1);
  EXPECT_EQ(link.ClosePort(1), link::kNotTheOpenPort);
}

TEST_F(LinkTest, EndExchange_NoPort_ReturnsAtOnceWithoutSending) {
  EXPECT_EQ(link.EndExchange(), link::kNoPortOpen);
  EXPECT_EQ(clock.Now(), base::Milliseconds(0));
  EXPECT_TRUE(trace.Chunks().empty());
}

TEST_F(LinkTest, EndExchange_OpenPort_SendsTheClosingThenPausesJustOverASecond) {
  Connect();
  const auto start = clock.Now();
  EXPECT_EQ(link.EndExchange(), 1);
  EXPECT_GE(clock.Now() - start, base::Milliseconds(1001));
  EXPECT_LT(clock.Now() - start, base::Milliseconds(1100));
  EXPECT_EQ(SentChunks(), (std::vector<std::string>{Fill(8), kXoffXoff, Fill(8)}));
  EXPECT_EQ(priority.nice, 0);
  EXPECT_LT(priority.lowest, 0);
  EXPECT_EQ(link.OpenPortNumber(), 1);
}

TEST_F(LinkTest, SetReadTimeout_LongReportWait_ReachesTheLine) {
  EXPECT_FALSE(link.SetReadTimeout(108000000)) << "no port to apply it to";
  Connect();
  EXPECT_TRUE(link.SetReadTimeout(108000000));
  EXPECT_EQ(wire.readTimeout, base::Milliseconds(108000000));
  EXPECT_EQ(link.ReadTimeout(), 108000000u);
  EXPECT_TRUE(link.SetReadTimeout(300));
  EXPECT_EQ(wire.readTimeout, base::Milliseconds(300));
}

TEST(ModeString, ParsesWhatItBuildsAndRefusesWhatIsNotALine) {
  const auto settings = link::ParseModeString("COM1:57700,N,8,2");
  ASSERT_TRUE(settings.has_value());
  EXPECT_EQ(settings->speed, 57700);
  EXPECT_EQ(settings->parity, 'N');
  EXPECT_EQ(settings->dataBits, 8);
  EXPECT_EQ(settings->stopBits, 2);
  for (const char* bad :
       {"COM1", "COM1:", "COM1:4800,N,8", "COM1:4800,X,8,2", "COM1:x,N,8,2", "COM1:4800,N,9,2",
        "COM1:4800,N,8,3", "LPT1:4800,N,8,2", "COM1:4800,N,8,2,1"}) {
    EXPECT_FALSE(link::ParseModeString(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace kvitmark::testing
