#include "tables/register_search.h"

#include <algorithm>

#include "link/result_codes.h"

namespace kvitmark::tables {

std::vector<int> ChosenFirst(const std::vector<int>& all, int chosen) {
  std::vector<int> ordered = {chosen};
  for (int value : all) {
    if (value != chosen) ordered.push_back(value);
  }
  return ordered;
}

std::vector<SearchTry> SearchOrder(const std::vector<int>& ports, const std::vector<int>& speeds,
                                   const std::vector<int>& registers) {
  std::vector<SearchTry> order;
  for (int port : ports) {
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
  int openPort = -1;
  int openSpeed = -1;
  std::vector<int> portsThatFailed;
  for (const SearchTry& next : order) {
    if (observer.StopRequested()) {
      result.stopped = true;
      break;
    }
    ++result.tries;
    const bool portFailed = std::find(portsThatFailed.begin(), portsThatFailed.end(), next.port) !=
                            portsThatFailed.end();
    if (!portFailed && (next.port != openPort || next.speed != openSpeed)) {
      if (openPort > 0) link.ClosePort(openPort);
      openPort = next.port;
      openSpeed = next.speed;
      // A speed the port refuses is another speed's loss, a port that will not open is all of
      // that port's tries' loss.
      const int opened = link.OpenPort(next.port, next.speed);
      if (opened < 0) {
        openPort = -1;
        if (opened != link::kSpeedNotOffered) portsThatFailed.push_back(next.port);
      }
    }
    if (!portFailed && openPort > 0) {
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
  if (!result.found && openPort > 0) link.ClosePort(openPort);
  summary.result = result.found     ? OperationResult::kDone
                   : result.stopped ? OperationResult::kStopped
                                    : OperationResult::kNotStarted;
  observer.Finished(summary);
  return result;
}

}  // namespace kvitmark::tables
