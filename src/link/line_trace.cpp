#include "link/line_trace.h"

namespace kvitmark::link {

void LineTrace::RecordSent(std::string_view bytes) {
  chunks_.push_back({Direction::kSent, std::string(bytes)});
}

void LineTrace::RecordReceived(uint8_t byte) {
  if (chunks_.empty() || chunks_.back().direction != Direction::kReceived) {
    chunks_.push_back({Direction::kReceived, {}});
  }
  chunks_.back().bytes.push_back(static_cast<char>(byte));
}

std::string LineTrace::AllSent() const {
  std::string all;
  for (const auto& chunk : chunks_) {
    if (chunk.direction == Direction::kSent) all += chunk.bytes;
  }
  return all;
}

std::string LineTrace::AllReceived() const {
  std::string all;
  for (const auto& chunk : chunks_) {
    if (chunk.direction == Direction::kReceived) all += chunk.bytes;
  }
  return all;
}

std::string FormatTrace(const LineTrace& trace, size_t bytesPerLine) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  if (bytesPerLine == 0) bytesPerLine = 32;
  std::string out;
  for (const auto& chunk : trace.Chunks()) {
    const char mark = chunk.direction == LineTrace::Direction::kSent ? '>' : '<';
    for (size_t start = 0; start < chunk.bytes.size(); start += bytesPerLine) {
      out.push_back(mark);
      for (size_t i = start; i < chunk.bytes.size() && i < start + bytesPerLine; ++i) {
        const auto byte = static_cast<unsigned char>(chunk.bytes[i]);
        out.push_back(' ');
        out.push_back(kDigits[byte >> 4]);
        out.push_back(kDigits[byte & 0xF]);
      }
      out.push_back('\n');
    }
  }
  return out;
}

LineFactory TracedLineFactory(LineFactory inner, LineTrace& trace) {
  return
      [inner = std::move(inner), &trace](const Endpoint& endpoint) -> std::unique_ptr<SerialLine> {
        auto line = inner(endpoint);
        if (!line) return nullptr;
        return std::make_unique<TracingSerialLine>(std::move(line), trace);
      };
}

}  // namespace kvitmark::link
