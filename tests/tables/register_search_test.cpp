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

using tables::SearchTry;

TEST(SearchOrder, TriesTheChoicesFirstThenEveryOtherSpeedAndNumberOnEachPort) {
  const auto order = tables::SearchOrder(tables::ChosenFirst({1, 2, 3}, 3),
                                         tables::ChosenFirst({4800, 9600, 19200}, 9600),
                                         tables::ChosenFirst({1, 2, 3, 4, 5}, 2));
  ASSERT_EQ(order.size(), 3u * 3u * 5u);
  const std::vector<SearchTry> start = {{3, 9600, 2}, {3, 9600, 1}, {3, 9600, 3},
                                        {3, 9600, 4}, {3, 9600, 5}, {3, 4800, 2}};
  EXPECT_EQ(std::vector<SearchTry>(order.begin(), order.begin() + 6), start);
  EXPECT_EQ(order[15], (SearchTry{1, 9600, 2})) << "the other ports after every speed of the first";
  EXPECT_EQ(order.back(), (SearchTry{2, 19200, 5}));
  EXPECT_EQ(tables::ChosenFirst({1, 2}, 7), (std::vector<int>{7, 1, 2}))
      << "a choice the lists do not hold is still tried first";
}

// A register on COM2 of two ports, numbered as the case says; COM3 will not open.
class Search : public ::testing::Test {
 protected:
  Search()
      : simRegister(3, sim::FactoryTables()),
        wire(simRegister, clock),
        nobody(silentRegister, clock),
        broken(silentRegister, clock),
        link(link::TracedLineFactory(
                 [this](int port) {
                   if (port == 2) return wire.Factory()(port);
                   return (port == 3 ? broken : nobody).Factory()(port);
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
  std::vector<int> ports;
  int stopAtQuestion;
  std::optional<SearchTry> found;
  int tries;
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
  // The port stays open at what was found, and only then.
  EXPECT_EQ(link.OpenPortNumber(), result.found ? result.found->port : -1);
  if (result.found) {
    EXPECT_EQ(told.back(), *result.found);
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
    ::testing::Values(SearchCase{"NumberThreeOnTheFirstPort", {2, 1}, 0, SearchTry{2, 4800, 3}, 3},
                      SearchCase{"AfterAPortWithNobody", {1, 2}, 0, SearchTry{2, 4800, 3}, 13},
                      SearchCase{
                          "APortThatWillNotOpenIsPassedOver", {3, 2}, 0, SearchTry{2, 4800, 3}, 13},
                      SearchCase{"NobodyAnywhere", {1, 3}, 0, std::nullopt, 20},
                      SearchCase{"StopBeforeTheThirdTry", {2}, 3, std::nullopt, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::testing
