#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Every request and every reply travels as a frame: LF, the text, CR, and a 16-bit
// check over the text and the CR (not the LF), high byte first. The check is the CRC
// with polynomial x^16 + x^15 + 1, most significant bit first, starting from zero,
// with no reflection and no final inversion.
namespace kvitmark::link {

inline constexpr char kLf = 0x0A;
inline constexpr char kCr = 0x0D;

// The running check register. Feeding a byte shifts the register left by eight bits,
// takes the byte in at the low end and folds back the byte that leaves at the top;
// this is the "augmented" CRC, so a frame's own check bytes fed behind its text bring
// the register back to zero.
class CheckRegister {
 public:
  void Reset() { high_ = low_ = 0; }
  void Feed(uint8_t byte);
  uint8_t High() const { return high_; }
  uint8_t Low() const { return low_; }
  bool IsZero() const { return high_ == 0 && low_ == 0; }

 private:
  uint8_t high_ = 0;
  uint8_t low_ = 0;
};

// The receive side: reset after the reply's LF, fed every following byte as it
// arrives (text, CR and both check bytes); an intact reply leaves it at zero.
class ReplyCheck {
 public:
  void Reset() { register_.Reset(); }
  void Feed(uint8_t byte) { register_.Feed(byte); }
  bool Intact() const { return register_.IsZero(); }
  uint8_t High() const { return register_.High(); }
  uint8_t Low() const { return register_.Low(); }

 private:
  CheckRegister register_;
};

// The CRC of the bytes as they stand (no CR added).
uint16_t FrameCheck(std::string_view bytes);

// LF, text, CR and the two check bytes: text.size() + 4 bytes. The text holds no
// NUL and no CR; the caller keeps to the frame size limit.
std::string BuildFrame(std::string_view text);

}  // namespace kvitmark::link
