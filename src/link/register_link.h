#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/message.h"
#include "link/endpoint.h"
#include "link/priority.h"
#include "link/serial_line.h"

// The whole conversation with the register above the serial port.
//
// Each record exchange selects the register by its number (it answers with a
// greeting), sends one framed request, collects the acknowledgement and the framed
// reply, acknowledges that, and closes with a run of fill bytes around XOFF XOFF.
// Everything is bounded by the one-byte read time-out: a register that stops talking
// ends the exchange, never the program. Results are the integer codes of
// link/result_codes.h; nothing here shows anything to the user.
namespace kvitmark::link {

// The longest reply text a read hands back: the callers' record buffers hold 500
// characters with their terminator.
inline constexpr size_t kMaxReadReplyText = 499;
// The longest write request text one frame can carry.
inline constexpr size_t kMaxWriteRequestText = 196;
inline constexpr size_t kMaxReadRequestText = 19;
// Text of a selection, probe or write reply that is kept (the CR takes the last byte
// of the 244-byte reply buffer).
inline constexpr size_t kMaxReplyBufferText = 243;
// A reply with no CR in this many bytes is a line out of step, not a long reply.
inline constexpr size_t kGiveUpWithoutCr = 4096;
// The wait for each byte on a freshly opened port, in milliseconds.
inline constexpr uint32_t kUsualReadTimeout = 300;

class RegisterLink {
 public:
  // `ports` says what COM1 … COM9 lead to when opened by number.
  RegisterLink(LineFactory lineFactory, base::Clock& clock, PriorityControl& priority,
               PortMap ports = {});
  ~RegisterLink();
  RegisterLink(const RegisterLink&) = delete;
  RegisterLink& operator=(const RegisterLink&) = delete;

  // Port control. OpenPort opens COMn (1 to 9), as the settings' [Ports] resolve it; Open
  // opens any endpoint with the same results, a COM name past COM9 that leads nowhere being
  // a port out of range. ClosePort closes COMn if that is what is open; Close whatever is.
  int OpenPort(int port, int speed);
  int Open(const Endpoint& endpoint, int speed);
  int ClosePort(int port);
  int Close();
  int EndExchange();
  bool SetReadTimeout(uint32_t milliseconds);

  // Record exchange.
  int ReadRecord(int registerNumber, int table, int record, std::string& out, int mode);
  int WriteRecord(int registerNumber, int table, int record, std::string_view data, int mode);
  int CheckPresence(int registerNumber);
  // One selection of the register with the port's read time-out, for a search that tries
  // many speeds and numbers: 1 when it greeted, kSelectionUnanswered when nothing did. The
  // exchange is closed either way and nothing is asked of the register; a search confirms
  // a greeting with CheckPresence.
  int Answers(int registerNumber);

  // A register may take its time to prepare a report record. While a reply wait is set, a
  // read waits up to `replyWait` for the acknowledgement and each byte of the reply to its
  // request, in slices of the port's read time-out, and asks `keepWaiting` between slices
  // (false abandons the read). Selections and probes keep the port's time-out, so a
  // register that is not there is still found out in seconds.
  void SetReplyWait(base::Milliseconds replyWait, std::function<bool()> keepWaiting);
  void ClearReplyWait();

  // What the settings' [Ports] make of COM names opened from now on.
  void SetPortMap(PortMap ports) { ports_ = std::move(ports); }

  bool IsOpen() const { return line_ != nullptr; }
  // The endpoint open now; null when none is.
  const Endpoint* OpenEndpoint() const { return line_ ? &openEndpoint_ : nullptr; }
  // The number of the COM port that is open, 0 when the endpoint open is not a COM name (a
  // device or address named by itself), -1 when none is open.
  int OpenPortNumber() const { return line_ ? openEndpoint_.ComNumber() : -1; }
  // How the last port opened was described ("COM1:4800,N,8,2").
  const std::string& ModeString() const { return modeString_; }
  // The wait for each byte, in milliseconds.
  uint32_t ReadTimeout() const { return readTimeout_; }
  // The text and CR of the last greeting or write reply, fill bytes dropped.
  const std::string& LastReply() const { return lastReply_; }
  // Why the last OpenPort or Open could not open or set up the device, naming it, and the
  // system's error number behind it (0 when it gave none).
  const base::Message& LastError() const { return lastError_; }
  int LastErrorNumber() const { return lastErrorNumber_; }

 private:
  enum class ReplyEnd { kComplete, kNoByte, kTooLong, kBadCheck };

  // Opens `endpoint` once the port's name has been checked.
  int OpenLine(const Endpoint& endpoint, int speed);
  // Keeps why the device could not be opened or set up, and gives back `result`.
  int OpenFailed(const SerialLine& line, int result);
  int SelectRegister();
  int ProbeRegister();
  void StoreRegisterDigits(int registerNumber);
  // Reads a greeting or write reply up to its CR into the last reply, dropping fill
  // bytes, then its two check bytes, which nobody verifies.
  ReplyEnd ReceiveUncheckedReply();
  // Reads a record reply after its LF, verifying it as it arrives.
  ReplyEnd ReceiveRecordReply(std::string& text);
  bool SkipCheckBytes();
  // A byte of the reply to a request: the reply wait, when one is set.
  std::optional<uint8_t> ReceiveReply();
  ReplyEnd GiveUpOnReply();

  void Send(std::string_view bytes);
  void SendFill(int count);
  std::optional<uint8_t> Receive();
  void SendSelection();
  void SendAcknowledgement();
  void SendShortClosing();
  void SendClosing();
  void SendLongClosing();
  void PauseJustOverOneSecond();
  // EndExchange inside another call, which keeps that call's knowledge of a failed line.
  int EndExchangeWithinCall();

  LineFactory lineFactory_;
  base::Clock& clock_;
  PriorityControl& priority_;
  PortMap ports_;
  std::unique_ptr<SerialLine> line_;  // null while no port is open
  Endpoint openEndpoint_ = Endpoint::Com(1, {});
  uint32_t readTimeout_ = kUsualReadTimeout;
  std::string modeString_;
  std::array<char, 2> registerDigits_ = {'0', '1'};
  std::string lastReply_;
  base::Message lastError_;
  int lastErrorNumber_ = 0;
  // Set when the line refused bytes during this call: the rest of the call sends
  // nothing and hears nothing, so it fails at once instead of waiting out every write.
  bool lineFailed_ = false;
  base::Milliseconds replyWait_{0};
  std::function<bool()> keepWaiting_;
};

}  // namespace kvitmark::link
