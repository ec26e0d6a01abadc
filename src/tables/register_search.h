#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/endpoint.h"
#include "link/port_list.h"
#include "link/register_link.h"
#include "link/session.h"
#include "tables/operation_observer.h"

// "Найти ЭККА": a register whose port, speed or number the user does not know is looked for
// by trying each in turn. A try is one selection with a short wait, so the whole search takes
// seconds; only a greeting is confirmed with the full presence check. Nothing is ever written.
namespace kvitmark::tables {

struct SearchTry {
  link::Endpoint endpoint;
  int speed;
  int registerNumber;
  bool operator==(const SearchTry&) const = default;
};

// `chosen` first, then the others of `all` in their order.
std::vector<int> ChosenFirst(const std::vector<int>& all, int chosen);

// The ports worth a search: the chosen one first, then the COM ports that lead to a device
// (named in the settings, or an on-board port the system detected), then every other detected
// device, then the further COM names the settings map (network ports). A device reached by
// two names is tried once.
std::vector<link::Endpoint> SearchPorts(const link::Endpoint& chosen, const link::PortMap& map,
                                        const std::vector<link::SerialPort>& detected);

// Every port, each at every speed, each with every register number: the lists in the order
// they are to be tried (the user's choices first, see ChosenFirst).
std::vector<SearchTry> SearchOrder(const std::vector<link::Endpoint>& ports,
                                   const std::vector<int>& speeds,
                                   const std::vector<int>& registers);

struct SearchResult {
  std::optional<SearchTry> found;
  // The port left open at the speed and number found; null when nothing was found.
  std::unique_ptr<link::Session> session;
  int tries = 0;
  bool stopped = false;
};

// Tries `order` until a register answers and passes the presence check, "Стоп" is pressed or
// the order runs out. `trying` is told each try before it is made; the observer hears the
// start, each try as a step, and the end, and is asked for "Стоп" before every try. A port
// that will not open is passed over with all its tries. Each port is opened as "Подключить"
// opens it, and what is found is connected as it would be.
SearchResult FindRegister(link::RegisterLink& link, OperationObserver& observer,
                          const std::vector<SearchTry>& order,
                          const std::function<void(const SearchTry&)>& trying = nullptr);

}  // namespace kvitmark::tables
