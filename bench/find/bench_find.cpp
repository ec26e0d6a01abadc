// How long "Найти ЭККА" takes on one port, in virtual time against the in-memory simulated
// register: at the slowest place in the order (the last speed, register number 5, the user's
// choices being the first speed and number 1) and at the settings the user chose.
//
// Last line: "find: worst case Ws on one port, right settings Rs".
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/settings.h"
#include "base/clock.h"
#include "base/whole_number.h"
#include "bench/quiet_observer.h"
#include "link/register_link.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "sim/sim_tables.h"
#include "tables/register_search.h"

namespace {

using namespace kvitmark;

using bench::QuietObserver;

// Seconds of line time a search takes for a register numbered `number` answering at `speed`.
double SearchSeconds(int number, int speed, const std::vector<int>& speeds) {
  base::VirtualClock clock;
  sim::SimRegister simRegister(number, sim::FactoryTables());
  simRegister.AnswerOnlyAt(speed);
  sim::MemoryWire wire(simRegister, clock);
  link::UnchangedPriority priority;
  link::RegisterLink link(wire.Factory(), clock, priority);
  QuietObserver observer;
  const auto start = clock.Now();
  const auto result = tables::FindRegister(
      link, observer, tables::SearchOrder({link::Endpoint::Com(1, {})}, speeds, {1, 2, 3, 4, 5}));
  if (!result.found || result.found->speed != speed || result.found->registerNumber != number) {
    std::fprintf(stderr, "the register was not found where it is\n");
    return -1;
  }
  return std::chrono::duration<double>(clock.Now() - start).count();
}

}  // namespace

int main() {
  std::vector<int> speeds;
  for (const auto entry : app::kSpeedEntries) speeds.push_back(*base::WholeNumber(entry));
  const double worst = SearchSeconds(5, speeds.back(), speeds);
  const double right = SearchSeconds(1, speeds.front(), speeds);
  std::printf("find: worst case %.1fs on one port, right settings %.1fs\n", worst, right);
  return worst < 0 || right < 0 ? 1 : 0;
}
