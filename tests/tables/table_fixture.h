#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "base/clock.h"
#include "link/connect.h"
#include "link/line_trace.h"
#include "link/register_link.h"
#include "recording_observer.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "tables/operations.h"
#include "tables/workspace.h"

namespace kvitmark::testing {

// The main window's data and a connected simulated register number 1 on COM1, in
// virtual time, with every byte on the line traced.
class TablesTest : public ::testing::Test {
 public:
  TablesTest()
      : simRegister(1, sim::FactoryTables()),
        wire(simRegister, clock),
        link(link::TracedLineFactory(wire.Factory(), trace), clock, priority),
        session{link, clock, workspace} {
    tables::PrepareGrids(workspace);
    tables::ApplyTypeLayout(workspace, 0);
    workspace.typeIndex = 0;
  }

  void Connect() {
    auto connected = link::Connect(link, link::Endpoint::Com(1, {}), 115200, 1);
    ASSERT_EQ(connected.outcome, link::ConnectOutcome::kRegisterAnswered);
    connection = std::move(connected.session);
    session.connectedRegister = 1;
    session.connection = connection.get();
    trace.Clear();
  }

  // The write requests sent ("W0;7;7;Хлеб;…"), in order, retries included.
  std::vector<std::string> WritesOnTheLine() const {
    std::vector<std::string> writes;
    for (const auto& chunk : trace.Chunks()) {
      const auto& bytes = chunk.bytes;
      if (chunk.direction == link::LineTrace::Direction::kSent && bytes.size() > 4 &&
          bytes[0] == '\x0A' && bytes[1] == 'W') {
        writes.push_back(bytes.substr(1, bytes.size() - 4));
      }
    }
    return writes;
  }

  base::VirtualClock clock;
  sim::SimRegister simRegister;
  sim::MemoryWire wire;
  link::LineTrace trace;
  link::UnchangedPriority priority;
  link::RegisterLink link;
  std::unique_ptr<link::Session> connection;
  tables::Workspace workspace;
  RecordingObserver observer;
  tables::TableSession session;
};

}  // namespace kvitmark::testing
