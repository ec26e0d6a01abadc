#pragma once

#include <string>

#include "base/text_pattern.h"
#include "link/serial_line.h"

namespace kvitmark::link {

// A serial device (or a pseudo-terminal) through termios.
class PosixSerialLine final : public SerialLine {
 public:
  explicit PosixSerialLine(std::string devicePath);
  ~PosixSerialLine() override;

  bool Open() override;
  bool Configure(const LineSettings& settings) override;
  bool SetReadTimeout(base::Milliseconds timeout) override;
  bool SetDtr(bool raised) override;
  bool SetRts(bool raised) override;
  bool Write(std::string_view bytes) override;
  std::optional<uint8_t> ReadByte() override;
  void Purge() override;
  void DiscardInput() override;
  void Drain() override;
  bool Close() override;
  int Handle() const override { return fd_; }
  base::Message Error() const override { return error_; }
  int ErrorNumber() const override { return errorNumber_; }

  const std::string& DevicePath() const { return devicePath_; }

 private:
  bool Fail(base::TextPattern what);
  bool SetModemLine(int line, bool raised);

  std::string devicePath_;
  int fd_ = -1;
  base::Milliseconds readTimeout_{300};
  base::Message error_;
  int errorNumber_ = 0;
};

// How long a write may wait for the line to take bytes before the exchange fails.
inline constexpr base::Milliseconds kWriteStallLimit{3000};

}  // namespace kvitmark::link
