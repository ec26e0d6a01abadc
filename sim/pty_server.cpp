#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>

#include "base/clock.h"
#include "sim/line_speed.h"

namespace kvitmark::sim {
namespace {

bool MakeRaw(int fd) {
  termios tty{};
  if (tcgetattr(fd, &tty) != 0) return false;
  cfmakeraw(&tty);
  tty.c_iflag &= ~(IXON | IXOFF | IXANY);
  tty.c_cflag |= CLOCAL | CREAD | CSTOPB;
  tty.c_cflag &= ~CRTSCTS;
  tty.c_cc[VMIN] = 0;
  tty.c_cc[VTIME] = 0;
  return tcsetattr(fd, TCSANOW, &tty) == 0;
}

struct Scheduled {
  char byte;
  base::Milliseconds due;
};

}  // namespace

PtyServer::~PtyServer() {
  if (slaveFd_ >= 0) close(slaveFd_);
  if (fd_ >= 0) close(fd_);
}

bool PtyServer::OpenPseudoTerminal(std::string& error) {
  fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
    error = std::string("cannot make a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  const char* name = ptsname(fd_);
  if (!name) {
    error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  devicePath_ = name;
  slaveFd_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slaveFd_ < 0 || !MakeRaw(slaveFd_) || !MakeRaw(fd_)) {
    error = devicePath_ + ": cannot set raw mode: " + std::strerror(errno);
    return false;
  }
  return true;
}

bool PtyServer::OpenDevice(const std::string& path, int speed, std::string& error) {
  fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  devicePath_ = path;
  termios tty{};
  if (!MakeRaw(fd_) || tcgetattr(fd_, &tty) != 0) {
    error = path + ": cannot set raw mode: " + std::strerror(errno);
    return false;
  }
  speed_t constant = B115200;
  switch (speed) {
    case 4800:
      constant = B4800;
      break;
    case 9600:
      constant = B9600;
      break;
    case 19200:
      constant = B19200;
      break;
    case 38400:
      constant = B38400;
      break;
    case 57600:
      constant = B57600;
      break;
    case 115200:
      constant = B115200;
      break;
    default:
      error = "--tty serves the standard speeds 4800 to 115200";
      return false;
  }
  cfsetispeed(&tty, constant);
  cfsetospeed(&tty, constant);
  if (tcsetattr(fd_, TCSANOW, &tty) != 0) {
    error = path + ": cannot set speed: " + std::strerror(errno);
    return false;
  }
  tcflush(fd_, TCIOFLUSH);
  return true;
}

void PtyServer::Run(const volatile std::sig_atomic_t& stop) {
  base::RealClock clock;
  std::deque<Scheduled> scheduled;
  base::Milliseconds lastDue{0};
  auto collect = [&] {
    const auto now = clock.Now();
    for (const SimByte& sent : register_.TakeOutput()) {
      lastDue = std::max(now, lastDue) + base::Milliseconds(sent.delayMs);
      scheduled.push_back({sent.byte, lastDue});
    }
  };
  register_.PortOpened();
  collect();
  std::string ready;
  while (!stop) {
    // Send what is due, in one write where possible.
    const auto now = clock.Now();
    ready.clear();
    while (!scheduled.empty() && scheduled.front().due <= now) {
      ready.push_back(scheduled.front().byte);
      scheduled.pop_front();
    }
    size_t sent = 0;
    while (sent < ready.size()) {
      const ssize_t n = write(fd_, ready.data() + sent, ready.size() - sent);
      if (n > 0) {
        sent += static_cast<size_t>(n);
      } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
        return;
      } else {
        pollfd out{fd_, POLLOUT, 0};
        if (poll(&out, 1, 100) < 0 && errno != EINTR) return;
        if (stop) return;
      }
    }
    if (register_.HungUp() && scheduled.empty()) return;

    int waitMs = 200;  // wakes now and then to see the stop flag
    if (!scheduled.empty()) {
      waitMs = static_cast<int>(
          std::clamp<long>((scheduled.front().due - clock.Now()).count(), 0, waitMs));
    }
    pollfd in{fd_, POLLIN, 0};
    const int readyCount = poll(&in, 1, waitMs);
    if (readyCount < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (readyCount == 0 || !(in.revents & POLLIN)) continue;
    char buffer[4096];
    const ssize_t got = read(fd_, buffer, sizeof buffer);
    if (got <= 0) continue;
    // Read once the bytes are in: the program sets its speed before it writes and keeps it
    // while it waits for the answer.
    const int lineSpeed = LineSpeed(fd_);
    for (ssize_t i = 0; i < got; ++i) register_.ReceiveAt(buffer[i], lineSpeed);
    collect();
  }
}

}  // namespace kvitmark::sim
