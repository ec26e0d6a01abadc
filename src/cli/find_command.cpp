#include "cli/find_command.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <sstream>
#include <vector>

#include "app/settings.h"
#include "base/whole_number.h"
#include "cli/cli_text.h"
#include "cli/command_report.h"
#include "cli/connection.h"
#include "link/port_list.h"
#include "link/priority.h"
#include "link/register_link.h"
#include "link/system_lines.h"
#include "tables/register_search.h"

namespace kvitmark::cli {
namespace {

// "4800,9600" → {4800, 9600}; nothing when an entry is no whole number above 0.
std::optional<std::vector<int>> NumberList(const std::string& text) {
  std::vector<int> numbers;
  std::stringstream entries(text);
  for (std::string entry; std::getline(entries, entry, ',');) {
    const auto number = base::WholeNumber(entry);
    if (!number || *number <= 0) return std::nullopt;
    numbers.push_back(*number);
  }
  return numbers;
}

std::vector<int> WindowSpeeds() {
  std::vector<int> speeds;
  for (const auto entry : app::kSpeedEntries) {
    speeds.push_back(*base::WholeNumber(entry));
  }
  return speeds;
}

}  // namespace

int FindRegister(const ConnectionOptions& options, const std::string& speedList,
                 const std::string& registerList) {
  auto speeds = speedList.empty() ? std::optional(WindowSpeeds()) : NumberList(speedList);
  auto registers = registerList.empty() ? std::optional(std::vector<int>{1, 2, 3, 4, 5})
                                        : NumberList(registerList);
  if (!speeds || speeds->empty() || !registers || registers->empty()) {
    Say(Text(KV_PATTERN(
        "cli", "--speeds и --registers принимают числа через запятую, например 9600,19200")));
    return 2;
  }
  auto choice = ChoosePort(options);
  if (!choice) return 2;
  std::vector<link::Endpoint> ports = {choice->endpoint};
  if (options.port.empty() && options.device.empty()) {
    ports = tables::SearchPorts(choice->endpoint, choice->ports, link::ListSerialPorts());
  }
  const int speed = LineSpeed(options);
  if (std::find(speeds->begin(), speeds->end(), speed) != speeds->end() || options.speed) {
    *speeds = tables::ChosenFirst(*speeds, speed);
  }
  *registers = tables::ChosenFirst(*registers, options.registerNumber);

  base::RealClock clock;
  link::NicePriority priority;
  link::LineTrace trace;
  auto factory = link::SystemLines();
  if (options.trace) factory = link::TracedLineFactory(std::move(factory), trace);
  link::RegisterLink link(std::move(factory), clock, priority, choice->ports);
  TerminalObserver observer(options.onError, options.assumeYes);
  const auto result =
      tables::FindRegister(link, observer, tables::SearchOrder(ports, *speeds, *registers));
  if (result.session) result.session->Close();
  if (options.trace) std::cerr << link::FormatTrace(trace);
  if (!result.found) {
    Say(std::string(result.stopped ? "search stopped" : "no register found") + " (" +
        std::to_string(ports.size()) + " ports, " + std::to_string(speeds->size()) + " speeds, " +
        std::to_string(registers->size()) + " numbers tried)");
    return 1;
  }
  const std::string& device = result.found->endpoint.Opened();
  Report().SetDevice(device);
  Report().SetRegister(result.found->registerNumber);
  Report().Set("speed", result.found->speed);
  ResultStream() << device << ' ' << result.found->speed << ' ' << result.found->registerNumber
                 << '\n';
  return 0;
}

}  // namespace kvitmark::cli
