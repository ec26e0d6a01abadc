#include "sim/memory_line.h"

#include <cerrno>

namespace kvitmark::sim {

link::LineFactory MemoryWire::Factory() {
  return [this](const link::Endpoint&) -> std::unique_ptr<link::SerialLine> {
    return std::make_unique<MemorySerialLine>(*this);
  };
}

bool MemorySerialLine::Open() {
  if (wire_.failOpen) {
    error_ = base::Message::DataUtf8("Device or resource busy");
    errorNumber_ = EBUSY;
    return false;
  }
  ++wire_.opens;
  wire_.register_.PortOpened();
  CollectOutput();
  return true;
}

bool MemorySerialLine::Configure(const link::LineSettings& settings) {
  if (wire_.failConfigure) {
    error_ = base::Message::DataUtf8("Inappropriate ioctl for device");
    errorNumber_ = ENOTTY;
    return false;
  }
  wire_.settings = settings;
  return true;
}

bool MemorySerialLine::SetReadTimeout(base::Milliseconds timeout) {
  timeout_ = timeout;
  wire_.readTimeout = timeout;
  return true;
}

bool MemorySerialLine::SetDtr(bool raised) {
  wire_.dtr = raised;
  return true;
}

bool MemorySerialLine::SetRts(bool raised) {
  wire_.rts = raised;
  return true;
}

bool MemorySerialLine::Write(std::string_view bytes) {
  if (wire_.register_.HungUp()) {
    error_ = base::Message::DataUtf8("Input/output error");
    errorNumber_ = EIO;
    return false;
  }
  for (char byte : bytes) wire_.register_.ReceiveAt(byte, wire_.settings.speed);
  CollectOutput();
  return true;
}

void MemorySerialLine::CollectOutput() {
  if (!wire_.register_.HasOutput()) return;
  const auto now = wire_.clock_.Now();
  for (const SimByte& sent : wire_.register_.TakeOutput()) {
    lastArrival_ = std::max(now, lastArrival_) + base::Milliseconds(sent.delayMs);
    pending_.push_back({sent.byte, lastArrival_});
  }
}

std::optional<uint8_t> MemorySerialLine::ReadByte() {
  auto& clock = wire_.clock_;
  if (!pending_.empty() && pending_.front().arrival <= clock.Now() + timeout_) {
    clock.AdvanceTo(pending_.front().arrival);
    const char byte = pending_.front().byte;
    pending_.pop_front();
    return static_cast<uint8_t>(byte);
  }
  // Nothing will come from a register that hung up: fail at once, as a tty does.
  if (!wire_.register_.HungUp()) clock.Advance(timeout_);
  return std::nullopt;
}

void MemorySerialLine::Purge() {
  ++wire_.purges;
  DiscardInput();
}

void MemorySerialLine::DiscardInput() {
  // Bytes still on their way are not yet in the queue that is emptied.
  const auto now = wire_.clock_.Now();
  while (!pending_.empty() && pending_.front().arrival <= now) pending_.pop_front();
}

bool MemorySerialLine::Close() {
  ++wire_.closes;
  return true;
}

}  // namespace kvitmark::sim
