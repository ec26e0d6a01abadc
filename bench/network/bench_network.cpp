// How long a network port that leads to no register's converter holds a connect: far sides on
// the loopback address that take the connection and say nothing, start RFC 2217's negotiation
// and never finish it, agree to it and answer no line setting, or flood the connection; and
// how much memory the flood costs. The open (connection, negotiation, line settings) is what
// "Подключить" promises to tell within five seconds; a raw TCP port then asks the register,
// which takes its seven seconds as on a local port.
//
// Last line: "network peers: open refused within X.X s (limit 5.0 s), no register told after
// Y.Y s, flood peak Z KiB".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "base/clock.h"
#include "bench/process_memory.h"
#include "link/connect.h"
#include "link/network_line.h"
#include "link/priority.h"
#include "link/system_lines.h"
#include "tests/e2e/misbehaving_peer.h"

namespace {

using namespace kvitmark;
using Seconds = std::chrono::duration<double>;
using testing::MisbehavingPeer;
using testing::PeerManner;

using kvitmark::bench::ResetPeak;
using kvitmark::bench::StatusBytes;

struct Case {
  const char* name;
  PeerManner manner;
  const char* scheme;
};

const char* OutcomeName(link::ConnectOutcome outcome) {
  switch (outcome) {
    case link::ConnectOutcome::kNoRegister:
      return "no register";
    case link::ConnectOutcome::kNotSerial:
      return "no RFC 2217";
    case link::ConnectOutcome::kNoConnection:
      return "no connection";
    case link::ConnectOutcome::kRegisterAnswered:
      return "answered (!)";
    default:
      return "other";
  }
}

}  // namespace

int main() {
  const Case cases[] = {
      {"silent", PeerManner::kSilent, "rfc2217://"},
      {"endless subnegotiation", PeerManner::kEndlessSubnegotiation, "rfc2217://"},
      {"agrees, never sets", PeerManner::kAgreesButNeverSets, "rfc2217://"},
      {"floods", PeerManner::kFloods, "rfc2217://"},
      {"silent", PeerManner::kSilent, "tcp://"},
      {"floods", PeerManner::kFloods, "tcp://"},
  };
  base::RealClock clock;
  link::UnchangedPriority priority;
  double slowestOpen = 0;
  double slowestNoRegister = 0;
  long long floodPeak = 0;
  for (const Case& c : cases) {
    MisbehavingPeer peer(c.manner);
    link::RegisterLink link(link::SystemLines(), clock, priority);
    const auto endpoint = link::Endpoint::Network(c.scheme + peer.Address());
    ResetPeak();
    const long long before = StatusBytes("VmRSS");
    const auto start = std::chrono::steady_clock::now();
    const link::ConnectResult result = link::Connect(link, endpoint, 9600, 1);
    const double seconds = Seconds(std::chrono::steady_clock::now() - start).count();
    const long long peak = std::max(0LL, StatusBytes("VmHWM") - before);
    if (result.outcome == link::ConnectOutcome::kNoRegister) {
      slowestNoRegister = std::max(slowestNoRegister, seconds);
    } else {
      slowestOpen = std::max(slowestOpen, seconds);
    }
    if (c.manner == PeerManner::kFloods) floodPeak = std::max(floodPeak, peak);
    std::printf("%-10s %-24s %-13s after %4.1f s, peak %6lld KiB over the start\n", c.scheme,
                c.name, OutcomeName(result.outcome), seconds, peak / 1024);
  }
  std::printf(
      "network peers: open refused within %.1f s (limit %.1f s), no register told after %.1f s, "
      "flood peak %lld KiB\n",
      slowestOpen, link::kNetworkOpenLimit.count() / 1000.0, slowestNoRegister, floodPeak / 1024);
  return 0;
}
