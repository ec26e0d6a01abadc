#pragma once

// ser2net, the server shops put their registers behind, run for real on the loopback address:
// a configuration written into a folder of the test's own, free ports, stopped by its process
// id.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"

namespace kvitmark::testing {

// A TCP port on the loopback address that nobody listens on just now.
inline int FreeLoopbackPort() {
  const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (probe < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  close(probe);
  return port;
}

// Whether something listens on 127.0.0.1:`port`, as the kernel's socket table shows it.
inline bool ListeningOnLoopback(int port) {
  char wanted[32];
  std::snprintf(wanted, sizeof wanted, "0100007F:%04X", port);
  std::ifstream table("/proc/net/tcp");
  std::string line;
  std::getline(table, line);  // the heading
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string slot, local, remote, state;
    fields >> slot >> local >> remote >> state;
    if (local == wanted && state == "0A") return true;
  }
  return false;
}

// One network port of ser2net and the serial device behind it.
struct Ser2netPort {
  bool rfc2217;        // telnet with the COM-PORT option; else raw TCP
  int tcpPort;         // on 127.0.0.1
  std::string device;  // e.g. the simulator's pseudo-terminal
  int speed = 115200;  // what the device is set to when a connection opens
};

inline std::string Ser2netProgram() {
  for (const char* path : {"/usr/sbin/ser2net", "/usr/bin/ser2net", "/usr/local/sbin/ser2net"}) {
    if (access(path, X_OK) == 0) return path;
  }
  return "";
}

// ser2net serving `ports`, from a YAML configuration written into `folder`.
class RunningSer2net {
 public:
  RunningSer2net(const std::string& folder, const std::vector<Ser2netPort>& ports)
      : program_(Ser2netProgram()),
        process_(program_.c_str(), {"-n", "-u", "-c", WriteConfiguration(folder, ports)}) {
    if (program_.empty()) {
      error_ = "ser2net is not installed (scripts/test installs it)";
      return;
    }
    // Ready once every port listens; a ser2net that never gets there is stopped.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartStopLimitMs);
    for (const Ser2netPort& port : ports) {
      while (!ListeningOnLoopback(port.tcpPort)) {
        if (std::chrono::steady_clock::now() > deadline) {
          process_.Stop();
          error_ = "ser2net did not listen on port " + std::to_string(port.tcpPort) + ": " +
                   process_.ErrorOutput();
          return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
    started_ = process_.Spawned();
  }

  bool Started() const { return started_; }
  std::string ErrorOutput() const { return error_ + process_.ErrorOutput(); }
  // Stops it (SIGTERM to its process id) and waits for it.
  int Stop() { return process_.Stop(); }

 private:
  static std::string WriteConfiguration(const std::string& folder,
                                        const std::vector<Ser2netPort>& ports) {
    const std::string path = folder + "/ser2net.yaml";
    std::ofstream yaml(path, std::ios::trunc);
    int number = 0;
    for (const Ser2netPort& port : ports) {
      // "local": the device's modem lines are not watched (a pseudo-terminal has none).
      yaml << "connection: &register" << ++number << "\n"
           << "  accepter: " << (port.rfc2217 ? "telnet(rfc2217)," : "") << "tcp,127.0.0.1,"
           << port.tcpPort << "\n"
           << "  connector: serialdev," << port.device << "," << port.speed << "n82,local\n"
           << "  options:\n"
           << "    kickolduser: true\n";
    }
    return path;
  }

  std::string program_;
  ChildProcess process_;
  std::string error_;
  bool started_ = false;
};

}  // namespace kvitmark::testing
