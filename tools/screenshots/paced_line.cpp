#include "paced_line.h"

namespace kvitmark::screenshots {

bool PacedLine::Configure(const link::LineSettings& settings) {
  speed_ = settings.speed;
  return Inner().Configure(settings);
}

bool PacedLine::Write(std::string_view bytes) {
  const bool written = Inner().Write(bytes);
  if (written) Pass(bytes.size());
  return written;
}

std::optional<uint8_t> PacedLine::ReadByte() {
  const auto byte = Inner().ReadByte();
  if (byte) Pass(1);
  return byte;
}

void PacedLine::Pass(std::size_t bytes) {
  if (speed_ <= 0) return;
  microseconds_ += static_cast<long long>(bytes) * 11 * 1'000'000 / speed_;
  clock_.Advance(base::Milliseconds(microseconds_ / 1000));
  microseconds_ %= 1000;
}

link::LineFactory PacedLines(link::LineFactory inner, base::VirtualClock& clock) {
  return [inner = std::move(inner), &clock](const link::Endpoint& endpoint) {
    std::unique_ptr<link::SerialLine> line = inner(endpoint);
    if (!line) return line;
    return std::unique_ptr<link::SerialLine>(std::make_unique<PacedLine>(std::move(line), clock));
  };
}

}  // namespace kvitmark::screenshots
