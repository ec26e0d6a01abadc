// Selecting the register, one framed request, its reply, and the closing sequences.
#include <string>

#include "link/frame.h"
#include "link/line_bytes.h"
#include "link/register_link.h"
#include "link/result_codes.h"
#include "link/write_request.h"

namespace kvitmark::link {
namespace {

constexpr int kSelectionAttempts = 5;
constexpr int kProbeAttempts = 16;
constexpr int kExchangeAttempts = 10;  // refusals and unacknowledged frames together

bool ValidMode(int mode) { return mode == 0 || mode == 1; }
bool ValidRegister(int registerNumber) { return registerNumber >= 1 && registerNumber <= 99; }

std::string RequestText(char kind, int table, int record) {
  return kind + std::to_string(table) + ";" + std::to_string(record) + ";";
}

}  // namespace

// ---- Bytes on the line ------------------------------------------------------------------

void RegisterLink::Send(std::string_view bytes) {
  if (lineFailed_ || !line_) return;
  if (!line_->Write(bytes)) lineFailed_ = true;
}

void RegisterLink::SendFill(int count) { Send(std::string(count, kFill)); }

std::optional<uint8_t> RegisterLink::Receive() {
  if (lineFailed_ || !line_) return std::nullopt;
  return line_->ReadByte();
}

std::optional<uint8_t> RegisterLink::ReceiveReply() {
  if (replyWait_.count() <= 0) return Receive();
  const auto start = clock_.Now();
  const base::Milliseconds slice(readTimeout_);
  for (;;) {
    const auto sliceStart = clock_.Now();
    if (const auto byte = Receive()) return byte;
    if (lineFailed_ || !line_ || clock_.Now() - start >= replyWait_) return std::nullopt;
    // A line that says "nothing" long before its time-out is gone (an adapter unplugged),
    // not slow: waiting on would only spin.
    if (clock_.Now() - sliceStart < slice / 2) return std::nullopt;
    if (keepWaiting_ && !keepWaiting_()) return std::nullopt;
  }
}

void RegisterLink::SetReplyWait(base::Milliseconds replyWait, std::function<bool()> keepWaiting) {
  replyWait_ = replyWait;
  keepWaiting_ = std::move(keepWaiting);
}

void RegisterLink::ClearReplyWait() {
  replyWait_ = base::Milliseconds(0);
  keepWaiting_ = nullptr;
}

void RegisterLink::SendSelection() {
  SendFill(10);
  Send(std::string{kXon, kXon, registerDigits_[0], registerDigits_[1]});
  SendFill(10);
}

void RegisterLink::SendAcknowledgement() {
  SendFill(3);
  Send(std::string(1, kAck));
  SendFill(3);
}

void RegisterLink::SendShortClosing() {
  SendFill(5);
  Send(std::string{kXoff, kXoff});
  SendFill(5);
}

void RegisterLink::SendClosing() {
  SendFill(8);
  Send(std::string{kXoff, kXoff});
  SendFill(8);
}

void RegisterLink::SendLongClosing() {
  SendFill(10);
  Send(std::string{kXoff, kXoff});
  SendFill(15);
}

void RegisterLink::StoreRegisterDigits(int registerNumber) {
  registerDigits_[0] = static_cast<char>('0' + registerNumber / 10);
  registerDigits_[1] = static_cast<char>('0' + registerNumber % 10);
}

bool RegisterLink::SkipCheckBytes() {
  for (int i = 0; i < 2; ++i) {
    if (!Receive()) return false;
  }
  return true;
}

RegisterLink::ReplyEnd RegisterLink::GiveUpOnReply() {
  // Kilobytes without a CR are no reply: drop what is still waiting, so that the next
  // exchange does not spend its selections reading through the rest of it.
  if (line_ && !lineFailed_) line_->Purge();
  return ReplyEnd::kNoByte;
}

RegisterLink::ReplyEnd RegisterLink::ReceiveUncheckedReply() {
  // Greetings and write replies are not interpreted beyond their first byte, so a text
  // longer than the buffer is kept cut; it is still read to its end to stay in step.
  lastReply_.clear();
  for (size_t received = 0;; ++received) {
    if (received == kGiveUpWithoutCr) return GiveUpOnReply();
    const auto byte = Receive();
    if (!byte) return ReplyEnd::kNoByte;
    const char c = static_cast<char>(*byte);
    if (c == kFill) continue;
    if (c == kCr) {
      lastReply_.push_back(c);
      break;
    }
    if (lastReply_.size() < kMaxReplyBufferText) lastReply_.push_back(c);
  }
  return SkipCheckBytes() ? ReplyEnd::kComplete : ReplyEnd::kNoByte;
}

RegisterLink::ReplyEnd RegisterLink::ReceiveRecordReply(std::string& text) {
  // Fill bytes stay: in a record 0xFF is the letter "я".
  text.clear();
  bool tooLong = false;
  ReplyCheck check;
  for (size_t received = 0;; ++received) {
    if (received == kGiveUpWithoutCr) return GiveUpOnReply();
    const auto byte = ReceiveReply();
    if (!byte) return ReplyEnd::kNoByte;
    check.Feed(*byte);
    if (static_cast<char>(*byte) == kCr) break;
    if (text.size() < kMaxReadReplyText) {
      text.push_back(static_cast<char>(*byte));
    } else {
      tooLong = true;
    }
  }
  for (int i = 0; i < 2; ++i) {
    const auto byte = ReceiveReply();
    if (!byte) return ReplyEnd::kNoByte;
    check.Feed(*byte);
  }
  if (tooLong) return ReplyEnd::kTooLong;
  return check.Intact() ? ReplyEnd::kComplete : ReplyEnd::kBadCheck;
}

// ---- Selection and probe ----------------------------------------------------------------

int RegisterLink::SelectRegister() {
  for (int attempt = 0; attempt < kSelectionAttempts; ++attempt) {
    // Nothing received before a selection can be its greeting: it is what is left of an
    // earlier reply that broke off, and reading through it would put every later
    // exchange out of step.
    if (line_ && !lineFailed_) line_->DiscardInput();
    SendSelection();
    const auto first = Receive();
    if (!first || static_cast<char>(*first) != kLf) continue;
    if (ReceiveUncheckedReply() != ReplyEnd::kComplete) continue;
    SendAcknowledgement();
    return 0;
  }
  SendClosing();
  return -1;
}

int RegisterLink::ProbeRegister() {
  SendFill(5);
  for (int attempt = 0; attempt < kProbeAttempts; ++attempt) {
    if (line_ && !lineFailed_) line_->DiscardInput();
    SendFill(10);
    Send(std::string{kXon, kXon, registerDigits_[0], registerDigits_[1]});
    const auto first = Receive();
    if (!first || static_cast<char>(*first) != kLf) continue;
    if (ReceiveUncheckedReply() != ReplyEnd::kComplete) continue;
    SendAcknowledgement();
    return 0;
  }
  return -1;
}

// ---- Record exchange --------------------------------------------------------------------

int RegisterLink::ReadRecord(int registerNumber, int table, int record, std::string& out,
                             int mode) {
  if (!ValidMode(mode)) return kBadMode;
  if (!ValidRegister(registerNumber)) return kRegisterOutOfRange;
  StoreRegisterDigits(registerNumber);
  const std::string request = RequestText('R', table, record);
  if (request.size() > kMaxReadRequestText) return kRequestTooLong;
  const std::string frame = BuildFrame(request);

  PriorityBracket bracket(priority_);
  lineFailed_ = false;
  SendFill(11);
  std::string text;
  for (int refusals = 0;;) {
    if (SelectRegister() != 0) return kSelectionUnanswered;
    SendFill(11);
    Send(frame);
    const auto first = ReceiveReply();
    if (!first || static_cast<char>(*first) != kAck) return kExchangeBroken;
    if (!ReceiveReply()) return kExchangeBroken;  // the reply's LF, whatever its value
    const ReplyEnd end = ReceiveRecordReply(text);
    if (end == ReplyEnd::kBadCheck) return kBadCheck;
    if (end != ReplyEnd::kComplete) return kExchangeBroken;
    SendAcknowledgement();
    if (text.empty() || text[0] != kRefusal) break;
    if (++refusals == kExchangeAttempts) {
      SendShortClosing();
      return kRefused;
    }
  }
  SendShortClosing();
  out = text;
  return static_cast<int>(text.size());
}

int RegisterLink::WriteRecord(int registerNumber, int table, int record, std::string_view data,
                              int mode) {
  if (!ValidMode(mode)) return kBadMode;
  if (!ValidRegister(registerNumber)) return kRegisterOutOfRange;
  StoreRegisterDigits(registerNumber);
  switch (RefusedWrite(table, record, data).reason) {
    case WriteRefusal::Reason::kTooLong:
      return kRequestTooLong;
    case WriteRefusal::Reason::kUnframeable:
      return kUnframeableText;
    case WriteRefusal::Reason::kNone:
      break;
  }
  std::string request = RequestText('W', table, record);
  request.append(data);
  const std::string frame = BuildFrame(request);

  // The outcome is that of the last attempt: a record the register never acknowledged,
  // or refused, is never reported as written.
  enum class Outcome { kNotAcknowledged, kRefused, kAccepted } outcome = Outcome::kNotAcknowledged;
  {
    PriorityBracket bracket(priority_);
    lineFailed_ = false;
    SendFill(11);
    for (int attempts = 0; attempts < kExchangeAttempts;) {
      if (SelectRegister() != 0) return kSelectionUnanswered;
      SendFill(11);
      Send(frame);
      const auto first = Receive();
      if (!first) {
        SendClosing();
        return kExchangeBroken;
      }
      if (static_cast<char>(*first) != kAck) {
        outcome = Outcome::kNotAcknowledged;
        ++attempts;
        continue;
      }
      if (!Receive() || ReceiveUncheckedReply() != ReplyEnd::kComplete) {
        SendClosing();
        return kExchangeBroken;
      }
      SendAcknowledgement();
      if (lastReply_[0] != kRefusal) {
        outcome = Outcome::kAccepted;
        break;
      }
      outcome = Outcome::kRefused;
      ++attempts;
    }
  }
  SendLongClosing();
  switch (outcome) {
    case Outcome::kAccepted:
      return static_cast<int>(frame.size());
    case Outcome::kRefused:
      SendClosing();
      return kRefused;
    case Outcome::kNotAcknowledged:
      break;
  }
  return kExchangeBroken;
}

int RegisterLink::CheckPresence(int registerNumber) {
  if (!ValidRegister(registerNumber)) return kRegisterOutOfRange;
  PriorityBracket bracket(priority_);
  lineFailed_ = false;
  if (EndExchangeWithinCall() == kNoPortOpen) return kSelectionUnanswered;
  StoreRegisterDigits(registerNumber);
  const bool answered = ProbeRegister() == 0;
  EndExchangeWithinCall();
  return answered ? 1 : kProbeUnanswered;
}

int RegisterLink::Answers(int registerNumber) {
  if (!ValidRegister(registerNumber)) return kRegisterOutOfRange;
  if (!line_) return kSelectionUnanswered;
  PriorityBracket bracket(priority_);
  lineFailed_ = false;
  StoreRegisterDigits(registerNumber);
  line_->DiscardInput();
  SendSelection();
  const auto first = Receive();
  const bool greeted =
      first && static_cast<char>(*first) == kLf && ReceiveUncheckedReply() == ReplyEnd::kComplete;
  if (greeted) SendAcknowledgement();
  SendClosing();
  return greeted ? 1 : kSelectionUnanswered;
}

}  // namespace kvitmark::link
