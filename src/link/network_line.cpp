#include "link/network_line.h"

#include <gensio/gensio.h>
#include <gensio/sergensio.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#include "link/network_address.h"
#include "link/posix_serial_line.h"

namespace kvitmark::link {
namespace {

// A write into a connection the far side has just dropped raises SIGPIPE, whose default
// ends the program; the write's error is what the line needs instead. A handler somebody
// installed is left alone.
int IgnoreBrokenPipes() {
  struct sigaction current {};
  if (sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
    std::signal(SIGPIPE, SIG_IGN);
  }
  return 0;
}

// One set of gensio's operating-system functions for the whole program. Every call into
// gensio happens on the thread that uses the line, so no wake-up signal is needed.
gensio_os_funcs* OsFunctions(int& gensioError) {
  static gensio_os_funcs* functions = nullptr;
  [[maybe_unused]] static const int pipes = IgnoreBrokenPipes();
  static const int error = gensio_default_os_hnd(0, &functions);
  gensioError = error;
  return error == 0 ? functions : nullptr;
}

gensio_time AsGensioTime(base::Milliseconds wait) {
  const auto ms = wait.count() > 0 ? wait.count() : 0;
  return {static_cast<int64_t>(ms / 1000), static_cast<int32_t>((ms % 1000) * 1000000)};
}

// The system error behind a gensio error, so that the link and its callers tell a refused
// connection from an unknown host as they tell a missing device from a busy one.
int SystemError(int gensioError) {
  switch (gensioError) {
    case GE_CONNREFUSE:
      return ECONNREFUSED;
    case GE_TIMEDOUT:
      return ETIMEDOUT;
    case GE_HOSTDOWN:
      return EHOSTUNREACH;
    case GE_NOTFOUND:
    case GE_UNKNOWN_NAME_ERROR:
    case GE_NAME_ERROR:
    case GE_NAME_SERVER_FAILURE:
    case GE_NAME_INVALID:
    case GE_NAME_NET_NOT_UP:
      return EADDRNOTAVAIL;
    case GE_PERM:
      return EACCES;
    case GE_NOMEM:
      return ENOMEM;
    case GE_NOTSUP:
      return EOPNOTSUPP;
    case GE_REMCLOSE:
    case GE_IOERR:
    case GE_COMMERR:
    case GE_LOCALCLOSED:
      return ECONNRESET;
    default:
      return EIO;
  }
}

// The end of something gensio does in the background: an open, a close, a line setting.
struct Completion {
  gensio_os_funcs* functions = nullptr;
  gensio_waiter* waiter = nullptr;
  bool done = false;
  int error = 0;
  unsigned value = 0;

  void Finish(int result, unsigned taken = 0) {
    error = result;
    value = taken;
    done = true;
    gensio_os_funcs_wake(functions, waiter);
  }
};

void OpenDone(gensio*, int error, void* data) { static_cast<Completion*>(data)->Finish(error); }
void CloseDone(gensio*, void* data) { static_cast<Completion*>(data)->Finish(0); }
void SettingDone(sergensio*, int error, unsigned value, void* data) {
  static_cast<Completion*>(data)->Finish(error, value);
}

// How long a close may wait for the far side to take what is still queued before the
// connection is simply dropped.
constexpr base::Milliseconds kCloseLimit{500};
static_assert(kCloseLimit < kNetworkOpenLimit);
// Received bytes nobody has read yet are kept up to this much; beyond it gensio stops
// reading until the link catches up.
constexpr size_t kReceiveBufferLimit = 64 * 1024;

int NextHandle() {
  static std::atomic<int> handle = 0;
  return handle++;
}

}  // namespace

NetworkSerialLine::NetworkSerialLine(std::string url) : url_(std::move(url)) {}

NetworkSerialLine::~NetworkSerialLine() {
  Release();
  if (deadline_) gensio_os_funcs_free_timer(functions_, deadline_);
  if (waiter_) gensio_os_funcs_free_waiter(functions_, waiter_);
}

bool NetworkSerialLine::Fail(const std::string& what, int errorNumber) {
  errorNumber_ = errorNumber;
  // The library's own words for what failed, as a service engineer looks them up.
  error_ = base::Message::DataUtf8(url_ + ": " + what + ": " + std::strerror(errorNumber));
  return false;
}

bool NetworkSerialLine::FailGensio(const std::string& what, int gensioError) {
  return Fail(what, SystemError(gensioError));
}

void NetworkSerialLine::DeadlinePassed(gensio_timer*, void* line) {
  auto* self = static_cast<NetworkSerialLine*>(line);
  gensio_os_funcs_wake(self->functions_, self->waiter_);
}

template <typename Done>
bool NetworkSerialLine::Await(base::Milliseconds limit, Done done) {
  base::RealClock clock;
  const auto deadline = clock.Now() + limit;
  // gensio's wait does not keep its own time-out while a far side keeps sending (Telnet
  // commands without end, say): a timer wakes it when the time is up, whatever arrives.
  gensio_time whole = AsGensioTime(limit);
  const bool timed = deadline_ && limit.count() > 0 && !done() &&
                     gensio_os_funcs_start_timer(functions_, deadline_, &whole) == 0;
  while (!done()) {
    gensio_time left = AsGensioTime(deadline - clock.Now());
    // A zero wait still handles what is ready, once.
    gensio_os_funcs_wait(functions_, waiter_, 1, &left);
    if (clock.Now() >= deadline) break;
  }
  if (timed) gensio_os_funcs_stop_timer(functions_, deadline_);
  return done();
}

int NetworkSerialLine::Event(gensio*, void* line, int event, int error, unsigned char* bytes,
                             unsigned long* count, const char* const*) {
  auto* self = static_cast<NetworkSerialLine*>(line);
  switch (event) {
    case GENSIO_EVENT_READ:
      self->Received(error, bytes, count ? *count : 0);
      return 0;  // everything taken
    case GENSIO_EVENT_WRITE_READY:
      gensio_set_write_callback_enable(self->io_, false);
      self->writeReady_ = true;
      gensio_os_funcs_wake(self->functions_, self->waiter_);
      return 0;
    default:
      // Option changes and line states the far side reports: nothing the link needs.
      return GE_NOTSUP;
  }
}

void NetworkSerialLine::Received(int error, const unsigned char* bytes, unsigned long count) {
  if (error) {
    // The far side hung up: from now on every read and write fails at once.
    gone_ = true;
    gensio_set_read_callback_enable(io_, false);
    FailGensio("connection lost", error);
  } else if (count > 0) {
    if (nextReceived_ == received_.size()) {
      received_.clear();
      nextReceived_ = 0;
    }
    received_.append(reinterpret_cast<const char*>(bytes), count);
    if (received_.size() - nextReceived_ >= kReceiveBufferLimit) {
      gensio_set_read_callback_enable(io_, false);
    }
  }
  gensio_os_funcs_wake(functions_, waiter_);
}

base::Milliseconds NetworkSerialLine::WithinOpen(base::Milliseconds limit) const {
  if (!openDeadline_) return limit;
  return std::min(limit, std::max(base::Milliseconds(0), *openDeadline_ - base::RealClock().Now()));
}

bool NetworkSerialLine::OpenLayer(gensio* io, bool childrenOpen, base::Milliseconds limit,
                                  bool& timedOut) {
  timedOut = false;
  Completion opened{functions_, waiter_};
  const int error = childrenOpen ? gensio_open_nochild(io, OpenDone, &opened)
                                 : gensio_open(io, OpenDone, &opened);
  if (error) {
    gensio_free(io);
    return FailGensio("cannot connect", error);
  }
  if (!Await(limit, [&] { return opened.done; })) {
    // The open's end is always reported, also after a close: it is waited for (briefly)
    // before `opened` goes.
    Completion closed{functions_, waiter_};
    if (gensio_close(io, CloseDone, &closed) == 0) {
      Await(kCloseLimit, [&] { return closed.done && opened.done; });
    }
    gensio_free(io);
    timedOut = true;
    return Fail("cannot connect", ETIMEDOUT);
  }
  if (opened.error) {
    gensio_free(io);
    return FailGensio("cannot connect", opened.error);
  }
  return true;
}

bool NetworkSerialLine::Open() {
  if (io_) return true;
  const auto address = ParseNetworkAddress(url_);
  if (!address) return Fail("not a network address", EDESTADDRREQ);
  int error = 0;
  if (!functions_) functions_ = OsFunctions(error);
  if (!functions_) return FailGensio("cannot start the network library", error);
  if (!waiter_) waiter_ = gensio_os_funcs_alloc_waiter(functions_);
  if (!deadline_) deadline_ = gensio_os_funcs_alloc_timer(functions_, DeadlinePassed, this);
  if (!waiter_ || !deadline_) return Fail("cannot start the network library", ENOMEM);

  openDeadline_ = base::RealClock().Now() + kNetworkOpenLimit - kCloseLimit;
  // The connection first, under its own limit, so that a host that is not there is told
  // apart from one that does not speak RFC 2217. Nagle's delay would hold back the short
  // runs of fill bytes the protocol sends.
  const std::string tcp = "tcp(nodelay)," + address->host + "," + std::to_string(address->port);
  gensio* io = nullptr;
  error = str_to_gensio(tcp.c_str(), functions_, Event, this, &io);
  if (error) return FailGensio("cannot connect", error);
  bool timedOut = false;
  if (!OpenLayer(io, false, WithinOpen(kNetworkConnectLimit), timedOut)) return false;
  if (address->protocol == NetworkProtocol::kRfc2217) {
    gensio* telnet = nullptr;
    error = str_to_gensio_child(io, "telnet(rfc2217)", functions_, Event, this, &telnet);
    if (error) {
      gensio_free(io);
      return FailGensio("cannot connect", error);
    }
    // The telnet layer owns the connection from here on, and frees it with itself.
    const base::Milliseconds negotiation = WithinOpen(kNetworkNegotiationLimit);
    if (!OpenLayer(telnet, true, negotiation, timedOut)) {
      // A far side that had its full time and never took up the option does not speak
      // RFC 2217 (a raw port, a web server); one cut short by the whole open's limit was slow.
      if (timedOut && negotiation == kNetworkNegotiationLimit) {
        return Fail("no answer to the COM-PORT option", EPROTONOSUPPORT);
      }
      return false;
    }
    io = telnet;
    serial_ = gensio_to_sergensio(io);
  }
  io_ = io;
  gone_ = false;
  received_.clear();
  nextReceived_ = 0;
  gensio_set_read_callback_enable(io_, true);
  handle_ = NextHandle();
  return true;
}

bool NetworkSerialLine::Configure(const LineSettings& settings) {
  // The settings made while opening count into the open's limit; later ones have their own.
  const base::Milliseconds settingLimit = WithinOpen(kNetworkSettingLimit);
  openDeadline_.reset();
  if (!io_) return Fail("cannot apply line settings", EBADF);
  if (!serial_) return true;  // raw TCP: the converter keeps the speed it was given
  if (gone_) return Fail("cannot apply line settings", ECONNRESET);
  const unsigned parity = settings.parity == 'E'   ? SERGENSIO_PARITY_EVEN
                          : settings.parity == 'O' ? SERGENSIO_PARITY_ODD
                                                   : SERGENSIO_PARITY_NONE;
  struct Setting {
    int (*ask)(sergensio*, unsigned, sergensio_done, void*);
    unsigned value;
    const char* what;
    Completion answer;
  };
  Setting wanted[] = {
      {sergensio_baud, static_cast<unsigned>(settings.speed), "cannot set speed", {}},
      {sergensio_datasize, static_cast<unsigned>(settings.dataBits), "cannot set data bits", {}},
      {sergensio_parity, parity, "cannot set parity", {}},
      {sergensio_stopbits, static_cast<unsigned>(settings.stopBits), "cannot set stop bits", {}},
      // 0x11 and 0x13 are data on this line: no flow control of any kind.
      {sergensio_flowcontrol, SERGENSIO_FLOWCONTROL_NONE, "cannot turn flow control off", {}},
  };
  // All asked at once: the far side answers each with the value it took.
  for (Setting& setting : wanted) {
    setting.answer = {functions_, waiter_};
    const int error = setting.ask(serial_, setting.value, SettingDone, &setting.answer);
    if (error) setting.answer.Finish(error);
  }
  const bool answered = Await(settingLimit, [&] {
    for (const Setting& setting : wanted) {
      if (!setting.answer.done) return gone_;
    }
    return true;
  });
  for (const Setting& setting : wanted) {
    if (!setting.answer.done) {
      // An answer still owed would arrive into this frame: the connection goes first.
      const std::string what = setting.what;
      const bool lost = gone_;
      Release();
      return Fail(what, lost ? ECONNRESET : ETIMEDOUT);
    }
    if (setting.answer.error) return FailGensio(setting.what, setting.answer.error);
    if (setting.answer.value != setting.value) return Fail(setting.what, EINVAL);
  }
  return answered;
}

bool NetworkSerialLine::SetReadTimeout(base::Milliseconds timeout) {
  if (!io_) return false;
  readTimeout_ = timeout;
  return true;
}

// Modem lines are asked for and not waited for: a far side without them answers nothing,
// and the line works regardless.
bool NetworkSerialLine::SetDtr(bool raised) {
  if (!serial_ || gone_) return false;
  return sergensio_dtr(serial_, raised ? SERGENSIO_DTR_ON : SERGENSIO_DTR_OFF, nullptr, nullptr) ==
         0;
}

bool NetworkSerialLine::SetRts(bool raised) {
  if (!serial_ || gone_) return false;
  return sergensio_rts(serial_, raised ? SERGENSIO_RTS_ON : SERGENSIO_RTS_OFF, nullptr, nullptr) ==
         0;
}

bool NetworkSerialLine::Write(std::string_view bytes) {
  if (!io_) return false;
  base::RealClock clock;
  const auto deadline = clock.Now() + kWriteStallLimit;
  while (!bytes.empty()) {
    if (gone_) return Fail("write failed", ECONNRESET);
    gensiods taken = 0;
    const int error = gensio_write(io_, &taken, bytes.data(), bytes.size(), nullptr);
    if (error) {
      gone_ = true;
      return FailGensio("write failed", error);
    }
    bytes.remove_prefix(taken);
    if (bytes.empty()) break;
    writeReady_ = false;
    gensio_set_write_callback_enable(io_, true);
    if (!Await(deadline - clock.Now(), [&] { return writeReady_ || gone_; })) {
      gensio_set_write_callback_enable(io_, false);
      return Fail("the line does not take bytes", ETIMEDOUT);
    }
  }
  return true;
}

std::optional<uint8_t> NetworkSerialLine::ReadByte() {
  if (!io_) return std::nullopt;
  if (nextReceived_ == received_.size()) {
    if (gone_) return std::nullopt;
    gensio_set_read_callback_enable(io_, true);
    if (!Await(readTimeout_, [&] { return nextReceived_ < received_.size() || gone_; }) ||
        nextReceived_ == received_.size()) {
      return std::nullopt;
    }
  }
  return static_cast<uint8_t>(received_[nextReceived_++]);
}

void NetworkSerialLine::DropReceived() {
  if (!io_) return;
  received_.clear();
  nextReceived_ = 0;
  if (gone_) return;
  gensio_set_read_callback_enable(io_, true);
  // What has already arrived is taken in and dropped with the rest.
  Await(base::Milliseconds(0), [] { return false; });
  received_.clear();
  nextReceived_ = 0;
}

void NetworkSerialLine::Purge() {
  // What the far side still holds in either direction goes too, as a local purge empties
  // the adapter's queues.
  if (serial_ && !gone_) (void)sergensio_flush(serial_, SERGENSIO_FLUSH_RCV_XMIT_BUFFERS);
  DropReceived();
}

void NetworkSerialLine::DiscardInput() { DropReceived(); }

void NetworkSerialLine::Release() {
  if (!io_) return;
  serial_ = nullptr;
  Completion closed{functions_, waiter_};
  if (gensio_close(io_, CloseDone, &closed) == 0) Await(kCloseLimit, [&] { return closed.done; });
  gensio_free(io_);
  io_ = nullptr;
}

bool NetworkSerialLine::Close() {
  Release();
  received_.clear();
  nextReceived_ = 0;
  return true;
}

}  // namespace kvitmark::link
