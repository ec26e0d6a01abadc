#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/clock.h"
#include "link/line_trace.h"
#include "link/register_link.h"
#include "link/result_codes.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "sim/sim_tables.h"

namespace kvitmark::testing {

// Records how the link raises and restores its priority, so a test can see that every
// way out of an exchange puts back what it found.
class FakePriority final : public link::PriorityControl {
 public:
  int Current() override { return nice; }
  void Set(int value) override {
    nice = value;
    ++changes;
    lowest = std::min(lowest, value);
  }
  int nice = 0;
  int lowest = 0;
  int changes = 0;
};

inline std::string Fill(int count) { return std::string(count, '\xFF'); }

// The byte runs the link sends, each as it is written.
inline const std::string kXonXon = "\x11\x11";
inline const std::string kXoffXoff = "\x13\x13";

// A link wired to a simulated register number 1 in virtual time, with every byte traced.
class LinkTest : public ::testing::Test {
 protected:
  LinkTest()
      : simRegister(1, sim::FactoryTables()),
        wire(simRegister, clock),
        link(link::TracedLineFactory(wire.Factory(), trace), clock, priority) {}

  // Opens COM1 and forgets the bytes of the opening, so a test sees only its own.
  void Connect() {
    ASSERT_GE(link.OpenPort(1, 115200), 0);
    trace.Clear();
  }

  std::vector<std::string> SentChunks() const {
    std::vector<std::string> chunks;
    for (const auto& chunk : trace.Chunks()) {
      if (chunk.direction == link::LineTrace::Direction::kSent) chunks.push_back(chunk.bytes);
    }
    return chunks;
  }

  // True when the trace ends with these writes, in this order.
  bool EndsWithWrites(const std::vector<std::string>& last) const {
    const auto& chunks = trace.Chunks();
    if (chunks.size() < last.size()) return false;
    for (size_t i = 0; i < last.size(); ++i) {
      const auto& chunk = chunks[chunks.size() - last.size() + i];
      if (chunk.direction != link::LineTrace::Direction::kSent || chunk.bytes != last[i])
        return false;
    }
    return true;
  }

  base::VirtualClock clock;
  sim::SimRegister simRegister;
  sim::MemoryWire wire;
  link::LineTrace trace;
  FakePriority priority;
  link::RegisterLink link;
};

}  // namespace kvitmark::testing
