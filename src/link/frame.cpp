#include "link/frame.h"

namespace kvitmark::link {

void CheckRegister::Feed(uint8_t byte) {
  // Bit j of `parity` ends up as the exclusive-or of bits j..7 of the high byte, so
  // its bit 0 is the parity of the byte that leaves the register.
  uint8_t parity = high_;
  for (int i = 0; i < 7; ++i) parity = static_cast<uint8_t>((parity >> 1) ^ high_);
  const uint8_t newLow = byte ^ parity;
  high_ = static_cast<uint8_t>(low_ ^ ((parity & 1) << 7));
  low_ = newLow;
}

uint16_t FrameCheck(std::string_view bytes) {
  CheckRegister check;
  for (char c : bytes) check.Feed(static_cast<uint8_t>(c));
  check.Feed(0);
  check.Feed(0);
  return static_cast<uint16_t>((check.High() << 8) | check.Low());
}

std::string BuildFrame(std::string_view text) {
  std::string frame;
  frame.reserve(text.size() + 4);
  frame.push_back(kLf);
  frame.append(text);
  frame.push_back(kCr);
  const uint16_t check = FrameCheck(std::string_view(frame).substr(1));
  frame.push_back(static_cast<char>(check >> 8));
  frame.push_back(static_cast<char>(check & 0xFF));
  return frame;
}

}  // namespace kvitmark::link
