#include "link/posix_serial_line.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "base/system_error_text.h"
#include "base/translatable.h"
#include "link/custom_speed.h"

namespace kvitmark::link {
namespace {

speed_t StandardSpeed(int speed) {
  switch (speed) {
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    default:
      return B0;
  }
}

// Milliseconds left until `deadline` on the monotonic clock, as poll() takes them.
int RemainingMs(const base::Milliseconds deadline, base::RealClock& clock) {
  const auto left = deadline - clock.Now();
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

PosixSerialLine::PosixSerialLine(std::string devicePath) : devicePath_(std::move(devicePath)) {}

PosixSerialLine::~PosixSerialLine() { Close(); }

// `what` is "%1: <what failed>: %2": the device, then the system's words.
bool PosixSerialLine::Fail(base::TextPattern what) {
  errorNumber_ = errno;
  errorText_ = base::FormatUtf8(what, {devicePath_, base::SystemErrorWords(errorNumber_)});
  return false;
}

bool PosixSerialLine::Open() {
  if (fd_ >= 0) return true;
  fd_ = open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return Fail(KV_PATTERN("link", "%1: не открывается: %2"));
  // TIOCEXCL does not stop root, so the lock is what keeps a second program out.
  if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    const int lockError = errno;
    ::close(fd_);
    fd_ = -1;
    errno = lockError == EWOULDBLOCK ? EBUSY : lockError;
    return Fail(KV_PATTERN("link", "%1: не открывается: %2"));
  }
  (void)ioctl(fd_, TIOCEXCL);
  (void)tcflush(fd_, TCIOFLUSH);
  return true;
}

bool PosixSerialLine::Configure(const LineSettings& settings) {
  termios tty{};
  if (tcgetattr(fd_, &tty) != 0)
    return Fail(KV_PATTERN("link", "%1: не удалось прочитать настройки линии: %2"));
  // A new tty is cooked; 0x11 and 0x13 are data here, so software flow control above
  // all must go.
  cfmakeraw(&tty);
  tty.c_iflag &= ~(IXON | IXOFF | IXANY);
  tty.c_cflag |= CLOCAL | CREAD;
  tty.c_cflag &= ~(CRTSCTS | CSIZE | PARENB | PARODD | CSTOPB);
  switch (settings.dataBits) {
    case 5:
      tty.c_cflag |= CS5;
      break;
    case 6:
      tty.c_cflag |= CS6;
      break;
    case 7:
      tty.c_cflag |= CS7;
      break;
    default:
      tty.c_cflag |= CS8;
      break;
  }
  if (settings.stopBits == 2) tty.c_cflag |= CSTOPB;
  if (settings.parity == 'E' || settings.parity == 'O') tty.c_cflag |= PARENB;
  if (settings.parity == 'O') tty.c_cflag |= PARODD;
  tty.c_cc[VMIN] = 0;
  tty.c_cc[VTIME] = 0;
  const speed_t standard = StandardSpeed(settings.speed);
  if (standard != B0) {
    // An input speed left from an earlier custom speed would stay: input speed 0 means
    // "as the output".
    tty.c_cflag &= ~CIBAUD;
    cfsetispeed(&tty, standard);
    cfsetospeed(&tty, standard);
  }
  if (tcsetattr(fd_, TCSANOW, &tty) != 0)
    return Fail(KV_PATTERN("link", "%1: не удалось установить настройки линии: %2"));
  if (standard == B0 && !SetCustomSpeed(fd_, settings.speed))
    return Fail(KV_PATTERN("link", "%1: не удалось установить скорость: %2"));
  return true;
}

bool PosixSerialLine::SetReadTimeout(base::Milliseconds timeout) {
  if (fd_ < 0) return false;
  readTimeout_ = timeout;
  return true;
}

bool PosixSerialLine::SetModemLine(int line, bool raised) {
  return ioctl(fd_, raised ? TIOCMBIS : TIOCMBIC, &line) == 0;
}

bool PosixSerialLine::SetDtr(bool raised) { return SetModemLine(TIOCM_DTR, raised); }

bool PosixSerialLine::SetRts(bool raised) { return SetModemLine(TIOCM_RTS, raised); }

bool PosixSerialLine::Write(std::string_view bytes) {
  if (fd_ < 0) return false;
  base::RealClock clock;
  const auto deadline = clock.Now() + kWriteStallLimit;
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written > 0) {
      bytes.remove_prefix(static_cast<size_t>(written));
      continue;
    }
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno != EAGAIN) return Fail(KV_PATTERN("link", "%1: ошибка передачи: %2"));
    pollfd waiting{fd_, POLLOUT, 0};
    const int ready = poll(&waiting, 1, RemainingMs(deadline, clock));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) {
      errno = ETIMEDOUT;
      return Fail(KV_PATTERN("link", "%1: линия не принимает байты: %2"));
    }
    if (waiting.revents & (POLLERR | POLLHUP | POLLNVAL)) {
      errno = EIO;
      return Fail(KV_PATTERN("link", "%1: линия оборвалась: %2"));
    }
  }
  return true;
}

std::optional<uint8_t> PosixSerialLine::ReadByte() {
  if (fd_ < 0) return std::nullopt;
  base::RealClock clock;
  const auto deadline = clock.Now() + readTimeout_;
  // Most bytes of a reply are already waiting, so read first and poll only when nothing
  // is there. A raw tty answers "nothing yet" with 0 bytes; after poll() said "ready",
  // 0 bytes means the other side is gone, and the read fails now rather than spinning
  // through a run of instant time-outs.
  for (bool pollSaidReady = false;;) {
    uint8_t byte = 0;
    const ssize_t got = ::read(fd_, &byte, 1);
    if (got == 1) return byte;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && errno != EAGAIN) return std::nullopt;
    if (pollSaidReady) return std::nullopt;
    pollfd waiting{fd_, POLLIN, 0};
    const int ready = poll(&waiting, 1, RemainingMs(deadline, clock));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return std::nullopt;
    if (!(waiting.revents & POLLIN)) return std::nullopt;  // hung up or failed
    pollSaidReady = true;
  }
}

void PosixSerialLine::Purge() {
  if (fd_ >= 0) (void)tcflush(fd_, TCIOFLUSH);
}

void PosixSerialLine::DiscardInput() {
  if (fd_ >= 0) (void)tcflush(fd_, TCIFLUSH);
}

void PosixSerialLine::Drain() {
  // tcdrain() could wait for ever on a stalled adapter; poll the output queue instead.
  if (fd_ < 0) return;
  base::RealClock clock;
  const auto deadline = clock.Now() + kWriteStallLimit;
  int pending = 0;
  while (ioctl(fd_, TIOCOUTQ, &pending) == 0 && pending > 0 && clock.Now() < deadline) {
    clock.Sleep(base::Milliseconds(2));
  }
}

bool PosixSerialLine::Close() {
  if (fd_ < 0) return true;
  // On a pty the exclusive flag outlives close() while the other side stays open.
  (void)ioctl(fd_, TIOCNXCL);
  const int result = ::close(fd_);
  fd_ = -1;
  if (result != 0) return Fail(KV_PATTERN("link", "%1: ошибка закрытия: %2"));
  return true;
}

}  // namespace kvitmark::link
