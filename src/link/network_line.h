#pragma once

#include <string>

#include "link/serial_line.h"

struct gensio;
struct gensio_os_funcs;
struct gensio_waiter;
struct sergensio;

namespace kvitmark::link {

// How long connecting to a network port may take: a host that refuses or does not answer
// is told in seconds, inside the five a user will wait for "Подключить". (A lost connection
// request is sent again after one second and after three.)
inline constexpr base::Milliseconds kNetworkConnectLimit{3500};
// How long the far side of rfc2217:// may take to agree to the COM-PORT option once
// connected. gensio itself gives up after about four seconds and opens without the option,
// which the line settings then find out.
inline constexpr base::Milliseconds kNetworkNegotiationLimit{5000};
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

  bool Fail(const std::string& what, int errorNumber);
  bool FailGensio(const std::string& what, int gensioError);
  // Lets gensio work until `done` holds or `limit` has passed; what `done` says then.
  template <typename Done>
  bool Await(base::Milliseconds limit, Done done);
  // Drops the bytes received so far, those already on their way included.
  void DropReceived();
  // Opens `io` (whose children are open already when `childrenOpen`) within `limit`; on
  // failure `io` is freed and the reason kept.
  bool OpenLayer(gensio* io, bool childrenOpen, base::Milliseconds limit);
  void Release();

  std::string url_;
  gensio_os_funcs* functions_ = nullptr;
  gensio_waiter* waiter_ = nullptr;
  gensio* io_ = nullptr;
  sergensio* serial_ = nullptr;  // the COM-PORT side; null on raw TCP
  bool gone_ = false;
  bool writeReady_ = false;
  std::string received_;
  size_t nextReceived_ = 0;
  base::Milliseconds readTimeout_{300};
  int handle_ = -1;
  base::Message error_;
  int errorNumber_ = 0;
};

}  // namespace kvitmark::link
