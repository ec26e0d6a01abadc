#include "sim/sim_register.h"

#include "base/whole_number.h"
#include "link/line_bytes.h"

namespace kvitmark::sim {
namespace {

constexpr char kNak = 0x15;
constexpr size_t kLongestFrameText = 1024;
constexpr size_t kOverlongReplyBytes = 5000;
constexpr int kTrickleUnderMs = 250;
constexpr int kTrickleOverMs = 350;

// A fault counter that is used up one reply at a time.
bool Use(int& count) {
  if (count <= 0) return false;
  --count;
  return true;
}

// Reads "<number>;" from the front of `text`.
bool TakeNumber(std::string_view& text, int& value) {
  const auto end = text.find(';');
  if (end == 0 || end == std::string_view::npos) return false;
  const auto number = base::WholeNumber(text.substr(0, end));
  if (!number) return false;
  value = *number;
  text.remove_prefix(end + 1);
  return true;
}

std::string TwoDigits(int number) {
  return {static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
}

}  // namespace

SimRegister::SimRegister(int registerNumber, SimTables tables)
    : registerNumber_(registerNumber), tables_(std::move(tables)) {}

void SimRegister::Emit(char byte, int delayMs) { output_.push_back({byte, delayMs}); }

std::vector<SimByte> SimRegister::TakeOutput() {
  std::vector<SimByte> taken;
  taken.swap(output_);
  return taken;
}

void SimRegister::PortOpened() {
  for (char byte : faults_.staleBytes) Emit(byte);
  faults_.staleBytes.clear();
}

void SimRegister::ReceiveAt(char byte, int lineSpeed) {
  if (answerSpeed_ == 0 || lineSpeed == answerSpeed_) Receive(byte);
}

void SimRegister::Receive(char byte) {
  if (faults_.silent || hungUp_) return;
  switch (state_) {
    case State::kIdle:
    case State::kSelected:
      ReceiveOutsideFrame(byte);
      break;
    case State::kSelectionDigits: {
      digits_.push_back(byte);
      if (digits_.size() < 2) break;
      const int answersTo = faults_.answerAs > 0 ? faults_.answerAs : registerNumber_;
      selected_ = digits_ == TwoDigits(answersTo);
      state_ = selected_ ? State::kSelected : State::kIdle;
      if (selected_) Greet();
      break;
    }
    case State::kInFrame:
      frameCheck_.Feed(static_cast<uint8_t>(byte));
      if (byte == link::kCr) {
        state_ = State::kCheckBytes;
        checkBytesLeft_ = 2;
      } else if (frameText_.size() < kLongestFrameText) {
        frameText_.push_back(byte);
      } else {
        state_ = State::kSelected;  // no register takes a frame this long
      }
      break;
    case State::kCheckBytes:
      frameCheck_.Feed(static_cast<uint8_t>(byte));
      if (--checkBytesLeft_ == 0) {
        state_ = State::kSelected;
        ProcessFrame();
      }
      break;
  }
}

void SimRegister::ReceiveOutsideFrame(char byte) {
  if (byte == link::kXon) {
    if (++xonRun_ == 2) {
      xonRun_ = 0;
      digits_.clear();
      state_ = State::kSelectionDigits;
    }
    return;
  }
  xonRun_ = 0;
  if (byte == link::kXoff) {
    selected_ = false;
    state_ = State::kIdle;
  } else if (byte == link::kAck) {
    ++counters_.acknowledgements;
  } else if (byte == link::kLf && selected_) {
    frameText_.clear();
    frameCheck_.Reset();
    state_ = State::kInFrame;
  }
}

void SimRegister::Greet() {
  ++counters_.selections;
  EmitFrame("DATECS MP-50 JUNIOR " + TwoDigits(registerNumber_), false, 0);
}

void SimRegister::ProcessFrame() {
  if (!frameCheck_.IsZero()) {
    ++counters_.badFrames;
    Emit(kNak);
    return;
  }
  ++counters_.frames;
  if (Use(faults_.ignoreFrames)) return;
  if (Use(faults_.nak)) {
    Emit(kNak);
    return;
  }
  Emit(link::kAck);
  if (Use(faults_.doubleAck)) Emit(link::kAck);
  SendRecordReply(Answer(frameText_));
}

std::string SimRegister::Answer(const std::string& request) {
  auto refuse = [this](const char* why) {
    ++counters_.refusals;
    return std::string(why);
  };
  if (Use(faults_.refuse)) return refuse("E9");
  std::string_view rest(request);
  if (rest.empty() || (rest[0] != 'R' && rest[0] != 'W')) return refuse("E4");
  const bool write = rest[0] == 'W';
  rest.remove_prefix(1);
  int tableNumber = 0;
  int record = 0;
  if (!TakeNumber(rest, tableNumber) || !TakeNumber(rest, record)) return refuse("E4");
  if (!write && !rest.empty()) return refuse("E4");
  const auto table = tables_.find(tableNumber);
  if (table == tables_.end()) return refuse("E1");
  auto& records = table->second.records;
  if (record < 1 || static_cast<size_t>(record) > records.size()) return refuse("E2");
  const std::string head = std::to_string(tableNumber) + ";" + std::to_string(record) + ";";
  if (!write) return head + records[record - 1];
  if (table->second.readOnly) return refuse("E3");
  records[record - 1] = std::string(rest);
  ++counters_.writes;
  return head;
}

void SimRegister::EmitFrame(const std::string& text, bool corrupt, int delayMs) {
  std::string frame = link::BuildFrame(text);
  if (corrupt) frame.back() = static_cast<char>(frame.back() ^ 0x5A);
  for (char byte : frame) Emit(byte, delayMs);
}

void SimRegister::SendRecordReply(const std::string& text) {
  if (Use(faults_.overlongReply)) {
    Emit(link::kLf);
    for (size_t i = 0; i < kOverlongReplyBytes; ++i) Emit('A');
    selected_ = false;
    state_ = State::kIdle;
    return;
  }
  if (Use(faults_.garbageBeforeLf)) {
    Emit(0x55);
    Emit(0x2A);
  }
  const int delay = Use(faults_.trickleUnder)  ? kTrickleUnderMs
                    : Use(faults_.trickleOver) ? kTrickleOverMs
                                               : 0;
  const bool corrupt = Use(faults_.corruptCheck);
  const bool half = Use(faults_.halfReply);
  const bool hangup = !half && Use(faults_.hangup);
  if (!half && !hangup) {
    EmitFrame(text, corrupt, delay);
    return;
  }
  const std::string frame = link::BuildFrame(text);
  for (size_t i = 0; i < frame.size() / 2; ++i) Emit(frame[i], delay);
  selected_ = false;
  state_ = State::kIdle;
  if (hangup) hungUp_ = true;
}

}  // namespace kvitmark::sim
