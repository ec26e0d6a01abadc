#include "base/clock.h"

#include <thread>

namespace kvitmark::base {

Milliseconds RealClock::Now() {
  return std::chrono::duration_cast<Milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void RealClock::Sleep(Milliseconds duration) {
  if (duration.count() > 0) std::this_thread::sleep_for(duration);
}

}  // namespace kvitmark::base
