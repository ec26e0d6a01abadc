#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

// A far side on the loopback address that is no register's converter: it takes every
// connection and then behaves as asked, in a thread of its own, until it is destroyed.
namespace kvitmark::testing {

enum class PeerManner {
  kSilent,                 // takes the connection and never says a thing
  kEndlessSubnegotiation,  // starts a Telnet COM-PORT subnegotiation and never ends it
  kAgreesButNeverSets,     // takes up the COM-PORT option, then answers no line setting
  kFloods,                 // sends bytes without end, as fast as they are taken
};

class MisbehavingPeer {
 public:
  explicit MisbehavingPeer(PeerManner manner) : manner_(manner) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        listen(listener_, 8) == 0 &&
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
      port_ = ntohs(address.sin_port);
    }
    thread_ = std::thread([this] { Serve(); });
  }
  ~MisbehavingPeer() {
    stop_ = true;
    thread_.join();
    for (int connection : connections_) close(connection);
    close(listener_);
  }
  MisbehavingPeer(const MisbehavingPeer&) = delete;
  MisbehavingPeer& operator=(const MisbehavingPeer&) = delete;

  // 0 when no port could be had.
  int Port() const { return port_; }
  std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  // Telnet: IAC DO, IAC SB … (never IAC SE); the COM-PORT option is 44.
  static constexpr unsigned char kDoComPort[] = {255, 253, 44};
  static constexpr unsigned char kSubnegotiation[] = {255, 250, 44, 1, 0, 0};

  void Serve() {
    const std::string flood(64 * 1024, '\x55');
    while (!stop_) {
      std::vector<pollfd> watched = {{listener_, POLLIN, 0}};
      for (int connection : connections_) {
        watched.push_back(
            {connection,
             static_cast<short>(POLLIN | (manner_ == PeerManner::kFloods ? POLLOUT : 0)), 0});
      }
      if (poll(watched.data(), watched.size(), 50) <= 0) continue;
      std::vector<int> open;
      for (size_t i = 1; i < watched.size(); ++i) {
        if (Serves(watched[i], flood)) {
          open.push_back(watched[i].fd);
        } else {
          close(watched[i].fd);
        }
      }
      connections_ = std::move(open);
      if (watched[0].revents & POLLIN) Welcome(accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC));
    }
  }

  // False once the other side has gone.
  static bool Serves(const pollfd& connection, const std::string& flood) {
    if (connection.revents & (POLLHUP | POLLERR)) return false;
    if (connection.revents & POLLIN) {
      char ignored[4096];
      if (recv(connection.fd, ignored, sizeof ignored, MSG_DONTWAIT) == 0) return false;
    }
    if (connection.revents & POLLOUT) {
      (void)send(connection.fd, flood.data(), flood.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    }
    return true;
  }

  void Welcome(int connection) {
    if (connection < 0) return;
    connections_.push_back(connection);
    if (manner_ == PeerManner::kEndlessSubnegotiation) {
      (void)send(connection, kSubnegotiation, sizeof kSubnegotiation, MSG_NOSIGNAL);
    } else if (manner_ == PeerManner::kAgreesButNeverSets) {
      (void)send(connection, kDoComPort, sizeof kDoComPort, MSG_NOSIGNAL);
    }
  }

  const PeerManner manner_;
  int listener_ = -1;
  int port_ = 0;
  std::vector<int> connections_;  // the thread's alone while it runs
  std::atomic<bool> stop_ = false;
  std::thread thread_;
};

}  // namespace kvitmark::testing
