#pragma once

#include <set>
#include <string>

#include "base/clock.h"
#include "link/frame.h"
#include "link/serial_line.h"
#include "link_fixture.h"

namespace kvitmark::testing {

// A far end that plays back a fixed byte script, whatever it is sent: for replies no
// well-behaved register would give. A read past the script waits out its time-out, and so
// does the first read at each offset listed in `silences` (offsets into the whole script).
class ScriptedLine final : public link::SerialLine {
 public:
  ScriptedLine(std::string& script, std::set<size_t>& silences, base::VirtualClock& clock)
      : script_(script), silences_(silences), clock_(clock) {}

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
    if (script_.empty() || silences_.erase(consumed_) > 0) {
      clock_.Advance(timeout_);
      return std::nullopt;
    }
    const auto byte = static_cast<uint8_t>(script_.front());
    script_.erase(0, 1);
    ++consumed_;
    return byte;
  }
  void Purge() override {}
  void DiscardInput() override {}
  void Drain() override {}
  bool Close() override { return true; }
  int Handle() const override { return 5; }
  base::Message Error() const override { return {}; }
  int ErrorNumber() const override { return 0; }

 private:
  std::string& script_;
  std::set<size_t>& silences_;
  size_t consumed_ = 0;
  base::VirtualClock& clock_;
  base::Milliseconds timeout_{300};
};

// A greeting or reply as the register frames it.
inline std::string Framed(const std::string& text) { return link::BuildFrame(text); }

// A link whose far end is a byte script, opened on COM1 with the opening forgotten.
class ScriptedLinkTest : public ::testing::Test {
 protected:
  ScriptedLinkTest()
      : link(link::TracedLineFactory(
                 [this](const link::Endpoint&) {
                   return std::make_unique<ScriptedLine>(script, silences, clock);
                 },
                 trace),
             clock, priority) {
    EXPECT_GE(link.OpenPort(1, 4800), 0);
    trace.Clear();
  }

  base::VirtualClock clock;
  std::string script;
  std::set<size_t> silences;
  link::LineTrace trace;
  FakePriority priority;
  link::RegisterLink link;
};

}  // namespace kvitmark::testing
