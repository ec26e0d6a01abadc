#pragma once

#include <cstdlib>
#include <memory>

#include "base/clock.h"
#include "bench/quiet_observer.h"
#include "link/connect.h"
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
    auto opened = link::OpenRegisterPort(link, link::Endpoint::Com(1, {}), 115200, 1);
    if (!opened.session) std::abort();
    connection = std::move(opened.session);
    session.connectedRegister = 1;
    session.connection = connection.get();
  }

  base::VirtualClock clock;
  sim::SimRegister simRegister;
  sim::MemoryWire wire;
  link::LineTrace trace;
  link::UnchangedPriority priority;
  link::RegisterLink link;
  std::unique_ptr<link::Session> connection;
  tables::Workspace workspace;
  QuietObserver observer;
  tables::TableSession session;
};

}  // namespace kvitmark::bench
