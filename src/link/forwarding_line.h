#pragma once

#include <memory>

#include "link/serial_line.h"

namespace kvitmark::link {

// A line that passes everything to the line it wraps; a wrapper overrides only what it adds
// to (a trace, the time bytes take).
class ForwardingLine : public SerialLine {
 public:
  explicit ForwardingLine(std::unique_ptr<SerialLine> inner) : inner_(std::move(inner)) {}

  bool Open() override { return inner_->Open(); }
  bool Configure(const LineSettings& settings) override { return inner_->Configure(settings); }
  bool SetReadTimeout(base::Milliseconds timeout) override {
    return inner_->SetReadTimeout(timeout);
  }
  bool SetDtr(bool raised) override { return inner_->SetDtr(raised); }
  bool SetRts(bool raised) override { return inner_->SetRts(raised); }
  bool Write(std::string_view bytes) override { return inner_->Write(bytes); }
  std::optional<uint8_t> ReadByte() override { return inner_->ReadByte(); }
  void Purge() override { inner_->Purge(); }
  void DiscardInput() override { inner_->DiscardInput(); }
  void Drain() override { inner_->Drain(); }
  bool Close() override { return inner_->Close(); }
  int Handle() const override { return inner_->Handle(); }
  base::Message Error() const override { return inner_->Error(); }
  int ErrorNumber() const override { return inner_->ErrorNumber(); }

 protected:
  SerialLine& Inner() { return *inner_; }

 private:
  std::unique_ptr<SerialLine> inner_;
};

}  // namespace kvitmark::link
