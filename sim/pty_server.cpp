#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>

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

using SteadyClock = std::chrono::steady_clock;

// A byte on its way, and when it is due: sent to the program then, or taken in from it.
struct Scheduled {
  char byte;
  SteadyClock::time_point due;
  int lineSpeed;  // the speed the line ran at when it came in
};

// One byte's time on a line at `speed` bit/s: start bit, eight data bits, two stop bits.
std::chrono::nanoseconds ByteTime(int speed) {
  constexpr long long kBitsPerByte = 11;
  return speed > 0 ? std::chrono::nanoseconds(kBitsPerByte * 1'000'000'000LL / speed)
                   : std::chrono::nanoseconds(0);
}

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
  std::deque<Scheduled> outgoing;  // to the program
  std::deque<Scheduled> incoming;  // from the program, not taken in yet (paced only)
  SteadyClock::time_point lastOut{};
  SteadyClock::time_point lastIn{};
  auto collect = [&] {
    const auto now = SteadyClock::now();
    const auto byteTime = paced_ ? ByteTime(LineSpeed(fd_)) : std::chrono::nanoseconds(0);
    for (const SimByte& sent : register_.TakeOutput()) {
      lastOut = std::max(now, lastOut) + std::chrono::milliseconds(sent.delayMs) + byteTime;
      outgoing.push_back({sent.byte, lastOut, 0});
    }
  };
  register_.PortOpened();
  collect();
  std::string ready;
  while (!stop) {
    // Take in what is due, then send what is due, in one write where possible.
    auto now = SteadyClock::now();
    bool tookIn = false;
    while (!incoming.empty() && incoming.front().due <= now) {
      register_.ReceiveAt(incoming.front().byte, incoming.front().lineSpeed);
      incoming.pop_front();
      tookIn = true;
    }
    if (tookIn) collect();
    ready.clear();
    while (!outgoing.empty() && outgoing.front().due <= now) {
      ready.push_back(outgoing.front().byte);
      outgoing.pop_front();
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
    if (register_.HungUp() && outgoing.empty()) return;

    // Wakes now and then to see the stop flag, and when the next byte is due.
    auto wake = SteadyClock::now() + std::chrono::milliseconds(200);
    if (!outgoing.empty()) wake = std::min(wake, outgoing.front().due);
    if (!incoming.empty()) wake = std::min(wake, incoming.front().due);
    const auto wait = std::max(wake - SteadyClock::now(), SteadyClock::duration(0));
    const auto waitSeconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
    const timespec timeout{static_cast<time_t>(waitSeconds.count()),
                           static_cast<long>(std::chrono::nanoseconds(wait - waitSeconds).count())};
    pollfd in{fd_, POLLIN, 0};
    const int readyCount = ppoll(&in, 1, &timeout, nullptr);
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
    if (!paced_) {
      for (ssize_t i = 0; i < got; ++i) register_.ReceiveAt(buffer[i], lineSpeed);
      collect();
      continue;
    }
    // On a real line the bytes arrive one byte time after another, however fast they were
    // written.
    now = SteadyClock::now();
    for (ssize_t i = 0; i < got; ++i) {
      lastIn = std::max(now, lastIn) + ByteTime(lineSpeed);
      incoming.push_back({buffer[i], lastIn, lineSpeed});
    }
  }
}

}  // namespace kvitmark::sim
