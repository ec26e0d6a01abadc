#pragma once

#include <memory>
#include <string>
#include <vector>

#include "link/forwarding_line.h"

namespace kvitmark::link {

// Every byte that crossed the line, in order: what a service engineer needs to see when
// a register misbehaves, and what the tests assert whole conversations against.
class LineTrace {
 public:
  enum class Direction { kSent, kReceived };
  struct Chunk {
    Direction direction;
    std::string bytes;
  };

  // Each write is a chunk of its own; received bytes gather into one chunk until the
  // next write.
  void RecordSent(std::string_view bytes);
  void RecordReceived(uint8_t byte);
  void Clear() { chunks_.clear(); }

  const std::vector<Chunk>& Chunks() const { return chunks_; }
  std::string AllSent() const;
  std::string AllReceived() const;

 private:
  std::vector<Chunk> chunks_;
};

// A hex dump, one line per chunk: "> FF FF 11 11 30 31" for sent bytes, "< 0A ..." for
// received ones; long chunks wrap at `bytesPerLine`.
std::string FormatTrace(const LineTrace& trace, size_t bytesPerLine = 32);

// Wraps a line and records everything that crosses it.
class TracingSerialLine final : public ForwardingLine {
 public:
  TracingSerialLine(std::unique_ptr<SerialLine> inner, LineTrace& trace)
      : ForwardingLine(std::move(inner)), trace_(trace) {}

  bool Write(std::string_view bytes) override {
    trace_.RecordSent(bytes);
    return Inner().Write(bytes);
  }
  std::optional<uint8_t> ReadByte() override {
    const auto byte = Inner().ReadByte();
    if (byte) trace_.RecordReceived(*byte);
    return byte;
  }

 private:
  LineTrace& trace_;
};

// Puts every line a factory makes behind the trace.
LineFactory TracedLineFactory(LineFactory inner, LineTrace& trace);

}  // namespace kvitmark::link
