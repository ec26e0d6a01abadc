#pragma once

#include <cstdlib>

#include "base/clock.h"
#include "bench/quiet_observer.h"
#include "link/line_trace.h"
#include "link/register_link.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "sim/sim_tables.h"
#include "tables/operations.h"
#include "tables/workspace.h"

namespace kvitmark::bench {

// The window's pages in the Junior layout and a simulated register with its factory tables,
// connected on COM1 at 115200 bit/s, in virtual time. Traced, every byte on the line is kept
// in `trace` (which costs time, so the benches that time operations do without).
struct RegisterRig {
  explicit RegisterRig(bool traced = false)
      : simRegister(1, sim::FactoryTables()),
        wire(simRegister, clock),
        link(traced ? link::TracedLineFactory(wire.Factory(), trace) : wire.Factory(), clock,
             priority),
        session{link, clock, workspace} {
    tables::PrepareGrids(workspace);
    tables::ApplyTypeLayout(workspace, 0);
    workspace.typeIndex = 0;
    if (link.OpenPort(1, 115200) < 0) std::abort();
    session.connectedRegister = 1;
    session.openedPort = 1;
    session.openedSpeed = 115200;
  }

  base::VirtualClock clock;
  sim::SimRegister simRegister;
  sim::MemoryWire wire;
  link::LineTrace trace;
  link::UnchangedPriority priority;
  link::RegisterLink link;
  tables::Workspace workspace;
  QuietObserver observer;
  tables::TableSession session;
};

}  // namespace kvitmark::bench
