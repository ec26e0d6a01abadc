#include "tables/register_search.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "link/connect.h"

namespace kvitmark::tables {

std::vector<int> ChosenFirst(const std::vector<int>& all, int chosen) {
  std::vector<int> ordered = {chosen};
  for (int value : all) {
    if (value != chosen) ordered.push_back(value);
  }
  return ordered;
}

namespace {

// The device a path leads to, links followed, so that "/dev/serial/by-id/…" and
// "/dev/ttyUSB0" are known for one device.
std::string DeviceBehind(const std::string& path) {
  std::error_code error;
  const auto resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved.string();
}

}  // namespace

std::vector<link::Endpoint> SearchPorts(const link::Endpoint& chosen, const link::PortMap& map,
                                        const std::vector<link::SerialPort>& detected) {
  std::vector<link::Endpoint> ports;
  std::vector<std::string> devicesCovered;
  const auto add = [&](const link::Endpoint& port, const std::string& path) {
    const std::string device = DeviceBehind(path);
    if (std::find(devicesCovered.begin(), devicesCovered.end(), device) != devicesCovered.end()) {
      return;
    }
    devicesCovered.push_back(device);
    ports.push_back(port);
  };
  const auto com = [&](int number) { return link::Endpoint::Com(number, map); };
  std::string chosenPath = chosen.Opened();
  for (const link::SerialPort& port : detected) {
    if (link::IsPort(port, chosenPath)) chosenPath = port.devicePath;
  }
  add(chosen, chosenPath);
  const auto isDetected = [&](const std::string& path) {
    return std::any_of(detected.begin(), detected.end(),
                       [&](const link::SerialPort& port) { return port.devicePath == path; });
  };
  for (int number = 1; number <= link::kLinkPorts; ++number) {
    if (map.count(number) > 0 || isDetected(com(number).Opened())) {
      add(com(number), com(number).Opened());
    }
  }
  for (const link::SerialPort& port : detected) add(link::DetectedEndpoint(port), port.devicePath);
  for (const auto& [number, device] : map) {
    if (number > link::kLinkPorts) add(com(number), device);
  }
  return ports;
}

std::vector<SearchTry> SearchOrder(const std::vector<link::Endpoint>& ports,
                                   const std::vector<int>& speeds,
                                   const std::vector<int>& registers) {
  std::vector<SearchTry> order;
  for (const link::Endpoint& port : ports) {
    for (int speed : speeds) {
      for (int registerNumber : registers) order.push_back({port, speed, registerNumber});
    }
  }
  return order;
}

SearchResult FindRegister(link::RegisterLink& link, OperationObserver& observer,
                          const std::vector<SearchTry>& order,
                          const std::function<void(const SearchTry&)>& trying) {
  // A search is about no page; the first stands for none.
  observer.Started(
      {OperationKind::kFindRegister, PageId::kGoods, static_cast<int>(order.size()) - 1, 0});
  SearchResult result;
  OperationSummary summary;
  // The line open now, at the endpoint and speed of the tries it serves.
  std::unique_ptr<link::Session> open;
  const auto close = [&open] {
    if (open) open->Close();
    open.reset();
  };
  std::vector<link::Endpoint> portsThatFailed;
  for (const SearchTry& next : order) {
    if (observer.StopRequested()) {
      result.stopped = true;
      break;
    }
    ++result.tries;
    const bool portFailed = std::find(portsThatFailed.begin(), portsThatFailed.end(),
                                      next.endpoint) != portsThatFailed.end();
    if (!portFailed && (!open || open->Where() != next.endpoint || open->Speed() != next.speed)) {
      close();
      // A speed the port refuses is another speed's loss, a port that will not open is all of
      // that port's tries' loss.
      auto opened = link::OpenRegisterPort(link, next.endpoint, next.speed, next.registerNumber);
      open = std::move(opened.session);
      if (!open && opened.outcome != link::ConnectOutcome::kBadSpeed) {
        portsThatFailed.push_back(next.endpoint);
      }
    }
    if (!portFailed && open) {
      if (trying) trying(next);
      if (link.Answers(next.registerNumber) > 0 && link.CheckPresence(next.registerNumber) > 0) {
        result.found = next;
        summary.done.push_back(result.tries);
      } else {
        summary.failed.push_back(result.tries);
      }
    }
    observer.RecordDone({.record = result.tries, .progress = result.tries});
    if (result.found) break;
  }
  if (result.found) {
    open->SetRegisterNumber(result.found->registerNumber);
    result.session = std::move(open);
  } else {
    close();
  }
  summary.result = result.found     ? OperationResult::kDone
                   : result.stopped ? OperationResult::kStopped
                                    : OperationResult::kNotStarted;
  observer.Finished(summary);
  return result;
}

}  // namespace kvitmark::tables
