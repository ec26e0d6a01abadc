// "Найти ЭККА": the order of the tries, what ends a search, and that it only ever selects.
#include "tables/register_search.h"

#include <gtest/gtest.h>

#include "link/line_trace.h"
#include "recording_observer.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "sim/sim_tables.h"

namespace kvitmark::testing {
namespace {

using link::Endpoint;
using link::SerialPort;
using tables::SearchTry;

Endpoint ComPort(int number) { return Endpoint::Com(number, {}); }
Endpoint NamedDevice(const std::string& path) { return link::DeviceEndpoint(path); }

std::vector<Endpoint> ComPorts(const std::vector<int>& numbers) {
  std::vector<Endpoint> ports;
  for (int number : numbers) ports.push_back(ComPort(number));
  return ports;
}

TEST(SearchOrder, TriesTheChoicesFirstThenEveryOtherSpeedAndNumberOnEachPort) {
  const auto order =
      tables::SearchOrder(ComPorts({3, 1, 2}), tables::ChosenFirst({4800, 9600, 19200}, 9600),
                          tables::ChosenFirst({1, 2, 3, 4, 5}, 2));
  ASSERT_EQ(order.size(), 3u * 3u * 5u);
  const std::vector<SearchTry> start = {{ComPort(3), 9600, 2}, {ComPort(3), 9600, 1},
                                        {ComPort(3), 9600, 3}, {ComPort(3), 9600, 4},
                                        {ComPort(3), 9600, 5}, {ComPort(3), 4800, 2}};
  EXPECT_EQ(std::vector<SearchTry>(order.begin(), order.begin() + 6), start);
  EXPECT_EQ(order[15], (SearchTry{ComPort(1), 9600, 2}))
      << "the other ports after every speed of the first";
  EXPECT_EQ(order.back(), (SearchTry{ComPort(2), 19200, 5}));
  EXPECT_EQ(tables::ChosenFirst({1, 2}, 7), (std::vector<int>{7, 1, 2}))
      << "a choice the lists do not hold is still tried first";
}

struct PortsCase {
  const char* name;
  Endpoint chosen;
  link::PortMap map;
  std::vector<SerialPort> detected;
  std::vector<std::string> searched;  // the ports' names, in their order
};

class PortsSearched : public ::testing::TestWithParam<PortsCase> {};

TEST_P(PortsSearched, AreTheChosenThenThoseThatLeadToADeviceEachOnce) {
  std::vector<std::string> names;
  for (const Endpoint& port :
       tables::SearchPorts(GetParam().chosen, GetParam().map, GetParam().detected)) {
    names.push_back(port.Name());
  }
  EXPECT_EQ(names, GetParam().searched);
}

const SerialPort kAdapter{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A1",
                          base::Message::DataUtf8("FTDI FT232R")};
const SerialPort kSecondAdapter{"/dev/ttyUSB1", "", KV_PATTERN("link", "USB-адаптер")};
const SerialPort kOnBoardSecond{"/dev/ttyS1", "", KV_PATTERN("link", "последовательный порт")};
const SerialPort kOnBoardFirst{"/dev/ttyS0", "", KV_PATTERN("link", "последовательный порт")};

INSTANTIATE_TEST_SUITE_P(
    Cases, PortsSearched,
    ::testing::Values(
        PortsCase{"OnlyTheChosenWhenNothingElseIsThere", ComPort(4), {}, {}, {"COM4"}},
        PortsCase{"DetectedAdaptersAfterTheChosenPort",
                  ComPort(2),
                  {},
                  {kAdapter, kSecondAdapter},
                  {"COM2", "/dev/ttyUSB0", "/dev/ttyUSB1"}},
        PortsCase{"OnBoardPortsAsTheirComNames",
                  ComPort(5),
                  {},
                  {kOnBoardFirst, kOnBoardSecond},
                  {"COM5", "COM1", "COM2"}},
        PortsCase{"APortTheSettingsMapIsTriedAndItsDeviceNotAgain",
                  ComPort(1),
                  {{3, "/dev/ttyUSB0"}},
                  {kAdapter, kOnBoardFirst},
                  {"COM1", "COM3"}},
        PortsCase{"AChosenAdapterByItsStableNameIsNotTriedTwice",
                  link::DetectedEndpoint(kAdapter),
                  {},
                  {kAdapter, kSecondAdapter},
                  {"/dev/ttyUSB0", "/dev/ttyUSB1"}},
        PortsCase{"AnAbsentChosenDeviceIsStillTriedFirst",
                  NamedDevice("/dev/serial/by-id/usb-gone"),
                  {},
                  {kSecondAdapter},
                  {"/dev/serial/by-id/usb-gone", "/dev/ttyUSB1"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A register on COM2 of two ports, numbered as the case says; COM3 will not open.
class Search : public ::testing::Test {
 protected:
  Search()
      : simRegister(3, sim::FactoryTables()),
        wire(simRegister, clock),
        nobody(silentRegister, clock),
        broken(silentRegister, clock),
        link(link::TracedLineFactory(
                 [this](const Endpoint& endpoint) {
                   const std::string& device = endpoint.Opened();
                   if (device == "/dev/ttyS1" || device == "/dev/ttyUSB0") {
                     return wire.Factory()(endpoint);
                   }
                   return (device == "/dev/ttyS2" ? broken : nobody).Factory()(endpoint);
                 },
                 trace),
             clock, priority) {
    broken.failOpen = true;
  }

  base::VirtualClock clock;
  sim::SimRegister simRegister;
  sim::SimRegister silentRegister{99, sim::FactoryTables()};
  sim::MemoryWire wire;
  sim::MemoryWire nobody;
  sim::MemoryWire broken;
  link::LineTrace trace;
  link::UnchangedPriority priority;
  link::RegisterLink link;
  RecordingObserver observer;
};

struct SearchCase {
  const char* name;
  std::vector<Endpoint> ports;
  int stopAtQuestion;
  std::optional<SearchTry> found;
  int tries;
  std::string foundOn = "/dev/ttyS1";
};

class SearchEnds : public Search, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchEnds, WhereItsCaseSays) {
  observer.stopAtQuestion = GetParam().stopAtQuestion;
  const auto order =
      tables::SearchOrder(GetParam().ports, {4800, 9600}, tables::ChosenFirst({1, 2, 3, 4, 5}, 1));
  std::vector<SearchTry> told;
  const auto result = tables::FindRegister(link, observer, order,
                                           [&](const SearchTry& next) { told.push_back(next); });
  EXPECT_EQ(result.found, GetParam().found);
  EXPECT_EQ(result.tries, GetParam().tries);
  EXPECT_EQ(result.stopped, GetParam().stopAtQuestion > 0);
  EXPECT_EQ(observer.steps.size(), static_cast<size_t>(result.tries));
  EXPECT_EQ(observer.summaries.size(), 1u);
  // The port stays open at what was found, and only then, held by the session found.
  EXPECT_EQ(link.IsOpen(), result.found.has_value());
  EXPECT_EQ(result.session != nullptr, result.found.has_value());
  if (result.found) {
    EXPECT_EQ(told.back(), *result.found);
    EXPECT_EQ(result.found->endpoint.Opened(), GetParam().foundOn);
    EXPECT_EQ(*link.OpenEndpoint(), result.found->endpoint);
    EXPECT_EQ(result.session->Where(), result.found->endpoint);
    EXPECT_EQ(result.session->Speed(), result.found->speed);
    EXPECT_EQ(result.session->RegisterNumber(), result.found->registerNumber);
  }
  // A search selects and closes; it never sends a request frame.
  for (const auto& chunk : trace.Chunks()) {
    if (chunk.direction == link::LineTrace::Direction::kSent) {
      EXPECT_EQ(chunk.bytes.find('\x0A'), std::string::npos) << "a request went out";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchEnds,
    ::testing::Values(SearchCase{"NumberThreeOnTheFirstPort", ComPorts({2, 1}), 0,
                                 SearchTry{ComPort(2), 4800, 3}, 3},
                      SearchCase{"AfterAPortWithNobody", ComPorts({1, 2}), 0,
                                 SearchTry{ComPort(2), 4800, 3}, 13},
                      SearchCase{"APortThatWillNotOpenIsPassedOver", ComPorts({3, 2}), 0,
                                 SearchTry{ComPort(2), 4800, 3}, 13},
                      SearchCase{"OnADeviceNamedByItself",
                                 {ComPort(1), NamedDevice("/dev/ttyUSB0")},
                                 0,
                                 SearchTry{NamedDevice("/dev/ttyUSB0"), 4800, 3},
                                 13,
                                 "/dev/ttyUSB0"},
                      SearchCase{"NobodyAnywhere", ComPorts({1, 3}), 0, std::nullopt, 20},
                      SearchCase{"StopBeforeTheThirdTry", ComPorts({2}), 3, std::nullopt, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::testing
