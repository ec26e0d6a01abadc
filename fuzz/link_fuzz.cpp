// The register's side of the line is whatever the fuzzer makes it: a read, a write or a
// presence check must end with one of its documented codes, in bounded (virtual) time,
// whatever bytes come back.
//
// Input: six header bytes, the write data, then the bytes the register "sends".
//   [0] bits 0-1: 0 read, 1 write, 2 presence check, 3 read with a reply wait;
//       bit 2: mode 1; bit 3: an invalid mode
//   [1] register number   [2] table   [3..4] record, high byte first
//   [5] length of the write data that follows
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "fuzz_support.h"
#include "link/register_link.h"
#include "link/result_codes.h"
#include "link/serial_line.h"

namespace {

using namespace kvitmark;

// Plays the fuzzed bytes back one at a time; past their end the register is silent.
class ReplayLine final : public link::SerialLine {
 public:
  ReplayLine(std::string_view bytes, base::VirtualClock& clock) : bytes_(bytes), clock_(clock) {}

  bool Open() override { return true; }
  bool Configure(const link::LineSettings&) override { return true; }
  bool SetReadTimeout(base::Milliseconds timeout) override {
    timeout_ = timeout;
    return true;
  }
  bool SetDtr(bool) override { return true; }
  bool SetRts(bool) override { return true; }
  bool Write(std::string_view) override { return true; }
  std::optional<uint8_t> ReadByte() override {
    if (bytes_.empty()) {
      clock_.Advance(timeout_);
      return std::nullopt;
    }
    const auto byte = static_cast<uint8_t>(bytes_.front());
    bytes_.remove_prefix(1);
    return byte;
  }
  // Nothing is dropped: every byte the fuzzer wrote is meant to be heard.
  void Purge() override {}
  void DiscardInput() override {}
  void Drain() override {}
  bool Close() override { return true; }
  int Handle() const override { return 3; }
  base::Message Error() const override { return {}; }
  int ErrorNumber() const override { return 0; }

 private:
  std::string_view bytes_;
  base::VirtualClock& clock_;
  base::Milliseconds timeout_{300};
};

bool IsOneOf(int code, std::initializer_list<int> codes) {
  for (int c : codes)
    if (c == code) return true;
  return false;
}

constexpr size_t kHeader = 6;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeader) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const int operation = data[0] & 3;
  const int mode = (data[0] & 8) ? 2 : (data[0] >> 2) & 1;
  const int registerNumber = data[1];
  const int table = data[2];
  const int record = (data[3] << 8) | data[4];
  const size_t dataLength = std::min<size_t>(data[5], size - kHeader);
  const std::string writeData(input.substr(kHeader, dataLength));
  const std::string_view registerBytes = input.substr(kHeader + dataLength);

  base::VirtualClock clock;
  link::UnchangedPriority priority;
  link::RegisterLink registerLink(
      [&](const link::Endpoint&) { return std::make_unique<ReplayLine>(registerBytes, clock); },
      clock, priority);
  FUZZ_REQUIRE(registerLink.OpenPort(1, 4800) >= 0);

  using namespace link;
  int waitSlices = 0;
  if (operation == 3) {
    registerLink.SetReplyWait(base::Milliseconds(60000), [&] { return ++waitSlices < 50; });
  }
  int code = 0;
  if (operation == 0 || operation == 3) {
    std::string text;
    code = registerLink.ReadRecord(registerNumber, table, record, text, mode);
    // Success is the length of the text handed back.
    FUZZ_REQUIRE(code >= 0
                     ? static_cast<size_t>(code) == text.size()
                     : IsOneOf(code, {kSelectionUnanswered, kRegisterOutOfRange, kBadMode,
                                      kRequestTooLong, kExchangeBroken, kRefused, kBadCheck}));
    FUZZ_REQUIRE(text.size() <= kMaxReadReplyText);
  } else if (operation == 1) {
    code = registerLink.WriteRecord(registerNumber, table, record, writeData, mode);
    // Success is the size of the frame sent.
    FUZZ_REQUIRE(code > 0 ||
                 IsOneOf(code, {kSelectionUnanswered, kRegisterOutOfRange, kBadMode,
                                kExchangeBroken, kRefused, kRequestTooLong, kUnframeableText}));
  } else {
    code = registerLink.CheckPresence(registerNumber);
    FUZZ_REQUIRE(IsOneOf(code, {1, kSelectionUnanswered, kRegisterOutOfRange, kProbeUnanswered}));
  }
  // However the bytes went, the exchange is over within minutes of line time, not hours.
  FUZZ_REQUIRE(clock.Now() < base::Milliseconds(30 * 60 * 1000));
  registerLink.ClosePort(1);
  return 0;
}
