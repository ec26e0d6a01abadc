// What a port's name leads to, and what the link then opens under which name: COM names
// through the settings' [Ports], devices by their own or their stable name, network addresses.
#include "link/endpoint.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "link/port_list.h"
#include "link/result_codes.h"
#include "link_fixture.h"

namespace kvitmark::testing {
namespace {

using link::Endpoint;

const link::PortMap kShop = {{3, "/dev/ttyUSB0"}, {10, "rfc2217://10.0.0.7:4001"}};
const std::string kById = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";

struct Leads {
  std::string name;
  std::string opened;
  int comNumber;
  bool onNetwork;
};

struct ParseCase {
  const char* label;
  std::string text;
  link::PortMap ports;
  std::optional<Leads> expected;  // nothing: the text names nothing to open
};

class ParseEndpointTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseEndpointTest, LeadsWhereTheSettingsSayOrNowhere) {
  const auto endpoint = link::ParseEndpoint(GetParam().text, GetParam().ports);
  ASSERT_EQ(endpoint.has_value(), GetParam().expected.has_value());
  if (!endpoint) return;
  const Leads& expected = *GetParam().expected;
  EXPECT_EQ(endpoint->Name(), expected.name);
  EXPECT_EQ(endpoint->Opened(), expected.opened);
  EXPECT_EQ(endpoint->ComNumber(), expected.comNumber);
  EXPECT_EQ(endpoint->OnNetwork(), expected.onNetwork);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ParseEndpointTest,
    ::testing::Values(
        ParseCase{"ComOnBoard", "COM3", {}, Leads{"COM3", "/dev/ttyS2", 3, false}},
        ParseCase{"ComInAnyCase", "com9", {}, Leads{"COM9", "/dev/ttyS8", 9, false}},
        ParseCase{"ComMapped", "COM3", kShop, Leads{"COM3", "/dev/ttyUSB0", 3, false}},
        ParseCase{"ComBesideTheMapped", "COM1", kShop, Leads{"COM1", "/dev/ttyS0", 1, false}},
        ParseCase{"FurtherComMappedToTheNetwork", "COM10", kShop,
                  Leads{"COM10", "rfc2217://10.0.0.7:4001", 10, true}},
        ParseCase{"ByIdPath", kById, kShop, Leads{kById, kById, 0, false}},
        ParseCase{"DevicePath", "/dev/ttyUSB1", kShop,
                  Leads{"/dev/ttyUSB1", "/dev/ttyUSB1", 0, false}},
        ParseCase{"Rfc2217",
                  "rfc2217://[fe80::1]:4001",
                  {},
                  Leads{"rfc2217://[fe80::1]:4001", "rfc2217://[fe80::1]:4001", 0, true}},
        ParseCase{"RawTcpInAnyCase",
                  "TCP://shop7.local:23",
                  {},
                  Leads{"TCP://shop7.local:23", "TCP://shop7.local:23", 0, true}},
        // Opening it says what is wrong with it, as for an address the settings map.
        ParseCase{"MalformedAddressIsLeftToTheOpening",
                  "rfc2217://shop7",
                  {},
                  Leads{"rfc2217://shop7", "rfc2217://shop7", 0, true}},
        ParseCase{"FurtherComNotMapped", "COM12", kShop, std::nullopt},
        ParseCase{"ComZero", "COM0", {}, std::nullopt},
        ParseCase{"ComPastTheLast", "COM256", {}, std::nullopt},
        ParseCase{"ComWithALeadingZero", "COM03", {}, std::nullopt},
        ParseCase{"ComWithoutANumber", "COM", {}, std::nullopt},
        ParseCase{"ComWithLetters", "COMx", {}, std::nullopt},
        ParseCase{"Empty", "", {}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DetectedEndpoint, ShownByItsDeviceOpenedByItsStableNameWhereItHasOne) {
  const auto adapter = link::DetectedEndpoint({"/dev/ttyUSB0", kById, {}});
  EXPECT_EQ(adapter.Name(), "/dev/ttyUSB0");
  EXPECT_EQ(adapter.Opened(), kById);
  const auto onBoard = link::DetectedEndpoint({"/dev/ttyS0", "", {}});
  EXPECT_EQ(onBoard.Name(), "/dev/ttyS0");
  EXPECT_EQ(onBoard.Opened(), "/dev/ttyS0");
}

// A link whose line factory notes what each line is made for; every line reaches the
// simulated register.
class EndpointLink : public ::testing::Test {
 protected:
  EndpointLink()
      : simRegister(1, sim::FactoryTables()),
        wire(simRegister, clock),
        link(
            [this](const Endpoint& endpoint) {
              asked.push_back(endpoint.Opened());
              return wire.Factory()(endpoint);
            },
            clock, priority, kShop) {}

  base::VirtualClock clock;
  sim::SimRegister simRegister;
  sim::MemoryWire wire;
  link::UnchangedPriority priority;
  std::vector<std::string> asked;
  link::RegisterLink link;
};

struct OpenCase {
  const char* label;
  Endpoint endpoint;
  int result;  // 0: opened
  std::string opened;
  std::string modeString;
  int portNumber;
};

class OpenEndpointTest : public EndpointLink, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenEndpointTest, OpensWhatItLeadsToUnderTheNameTheUserKnows) {
  const int result = link.Open(GetParam().endpoint, 9600);
  if (GetParam().result != 0) {
    EXPECT_EQ(result, GetParam().result);
    EXPECT_TRUE(asked.empty()) << "no line is made";
    EXPECT_FALSE(link.IsOpen());
    return;
  }
  ASSERT_GE(result, 0);
  EXPECT_EQ(asked, std::vector<std::string>{GetParam().opened});
  EXPECT_EQ(link.ModeString(), GetParam().modeString);
  EXPECT_EQ(wire.settings.speed, 9600) << "the mode string describes the line";
  EXPECT_EQ(link.OpenPortNumber(), GetParam().portNumber);
  ASSERT_NE(link.OpenEndpoint(), nullptr);
  EXPECT_EQ(*link.OpenEndpoint(), GetParam().endpoint);
}

INSTANTIATE_TEST_SUITE_P(
    Endpoints, OpenEndpointTest,
    ::testing::Values(OpenCase{"MappedCom", Endpoint::Com(3, kShop), 0, "/dev/ttyUSB0",
                               "COM3:9600,N,8,2", 3},
                      OpenCase{"FurtherComOnTheNetwork", Endpoint::Com(10, kShop), 0,
                               "rfc2217://10.0.0.7:4001", "COM10:9600,N,8,2", 10},
                      OpenCase{"AdapterByItsStableName", Endpoint::Device("/dev/ttyUSB0", kById), 0,
                               kById, "/dev/ttyUSB0:9600,N,8,2", 0},
                      OpenCase{"DeviceByARelativePath", link::DeviceEndpoint("ttyKvitmark0"), 0,
                               "ttyKvitmark0", "ttyKvitmark0:9600,N,8,2", 0},
                      OpenCase{"NetworkAddress", Endpoint::Network("tcp://10.0.0.8:4002"), 0,
                               "tcp://10.0.0.8:4002", "tcp://10.0.0.8:4002:9600,N,8,2", 0},
                      OpenCase{"FurtherComLeadingNowhere", Endpoint::Com(12, kShop),
                               link::kPortOutOfRange, "", "", -1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(EndpointLink, OpenPort_IsTheComCase_ThroughThePortsTheLinkWasGiven) {
  ASSERT_GE(link.OpenPort(3, 4800), 0);
  EXPECT_EQ(asked, std::vector<std::string>{"/dev/ttyUSB0"});
  EXPECT_EQ(link.ModeString(), "COM3:4800,N,8,2");
  // COM10 is mapped, but OpenPort's ports are COM1 to COM9.
  EXPECT_EQ(link.OpenPort(10, 4800), link::kPortOutOfRange);
  EXPECT_EQ(link.OpenPortNumber(), 3);
  EXPECT_EQ(link.ClosePort(3), 1);
}

}  // namespace
}  // namespace kvitmark::testing
