#pragma once

#include <optional>
#include <string>

#include "link/serial_line.h"

struct gensio;
struct gensio_os_funcs;
struct gensio_timer;
struct gensio_waiter;
struct sergensio;

namespace kvitmark::link {

// How long opening a network port may take as a whole (the connection, RFC 2217's
// negotiation and the line settings, and dropping the connection when one of them fails): a
// host that refuses, does not answer or does not agree the line is told within the five
// seconds a user will wait for "Подключить". Each step below has its own limit inside it,
// and gets no more than what is left of the whole.
inline constexpr base::Milliseconds kNetworkOpenLimit{5000};
// How long connecting may take. (A lost connection request is sent again after one second
// and after three.)
inline constexpr base::Milliseconds kNetworkConnectLimit{3500};
// How long the far side of rfc2217:// may take to take up the COM-PORT option once
// connected: one that does not by then does not speak RFC 2217. (Below the four seconds after
// which gensio gives up by itself and opens without the option, so that such a far side is
// told the same way every time. A far side that sends data meanwhile keeps gensio 2.6 busy in
// its open until those four seconds, whatever this limit says: it is told then, by the line
// settings the open without the option cannot make.)
inline constexpr base::Milliseconds kNetworkNegotiationLimit{3000};
// How long the far side may take to confirm each line setting asked through RFC 2217.
inline constexpr base::Milliseconds kNetworkSettingLimit{2000};

// A register behind the network (rfc2217://HOST:PORT or tcp://HOST:PORT), through libgensio:
// Telnet with the COM-PORT option, as ser2net and serial-to-Ethernet converters speak it, or
// raw TCP. To the link it is one more serial line: one-byte reads with the time-out, writes
// that wait a bounded time, and a dropped connection fails reads and writes at once.
class NetworkSerialLine final : public SerialLine {
 public:
  explicit NetworkSerialLine(std::string url);
  ~NetworkSerialLine() override;
  NetworkSerialLine(const NetworkSerialLine&) = delete;
  NetworkSerialLine& operator=(const NetworkSerialLine&) = delete;

  bool Open() override;
  // Over RFC 2217 the far side's port takes the speed, data bits, parity, stop bits and no
  // flow control; raw TCP has nothing to set, the converter is set up by hand.
  bool Configure(const LineSettings& settings) override;
  bool SetReadTimeout(base::Milliseconds timeout) override;
  bool SetDtr(bool raised) override;
  bool SetRts(bool raised) override;
  bool Write(std::string_view bytes) override;
  std::optional<uint8_t> ReadByte() override;
  void Purge() override;
  void DiscardInput() override;
  void Drain() override {}
  bool Close() override;
  int Handle() const override { return handle_; }
  base::Message Error() const override { return error_; }
  int ErrorNumber() const override { return errorNumber_; }

  // True once the connection has dropped: every read and write fails from then on.
  bool Gone() const { return gone_; }

 private:
  // gensio tells what happens through these; they run inside Await (and the calls that
  // start an open or close), on this thread.
  static int Event(gensio* io, void* line, int event, int error, unsigned char* bytes,
                   unsigned long* count, const char* const* auxiliary);
  void Received(int error, const unsigned char* bytes, unsigned long count);
  static void DeadlinePassed(gensio_timer* timer, void* line);

  bool Fail(const std::string& what, int errorNumber);
  bool FailGensio(const std::string& what, int gensioError);
  // Lets gensio work until `done` holds or `limit` has passed; what `done` says then.
  template <typename Done>
  bool Await(base::Milliseconds limit, Done done);
  // Drops the bytes received so far, those already on their way included.
  void DropReceived();
  // Opens `io` (whose children are open already when `childrenOpen`) within `limit`; on
  // failure `io` is freed and the reason kept, `timedOut` telling a failure by time.
  bool OpenLayer(gensio* io, bool childrenOpen, base::Milliseconds limit, bool& timedOut);
  // `limit`, or what is left of the open's whole limit when that is less.
  base::Milliseconds WithinOpen(base::Milliseconds limit) const;
  void Release();

  std::string url_;
  gensio_os_funcs* functions_ = nullptr;
  gensio_waiter* waiter_ = nullptr;
  gensio_timer* deadline_ = nullptr;  // wakes Await when its time is up
  gensio* io_ = nullptr;
  sergensio* serial_ = nullptr;  // the COM-PORT side; null on raw TCP
  bool gone_ = false;
  bool writeReady_ = false;
  std::string received_;
  size_t nextReceived_ = 0;
  base::Milliseconds readTimeout_{300};
  // While the port is being opened (from Open to the first Configure): when the work must be
  // done, leaving time to drop the connection within kNetworkOpenLimit.
  std::optional<base::Milliseconds> openDeadline_;
  int handle_ = -1;
  base::Message error_;
  int errorNumber_ = 0;
};

}  // namespace kvitmark::link
