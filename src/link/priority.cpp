#include "link/priority.h"

#include <sys/mman.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>

namespace kvitmark::link {
namespace {

constexpr int kRaiseBy = 5;
constexpr int kHighestNice = -20;

alignas(4096) char lockedRegion[12 * 1024];

}  // namespace

int NicePriority::Current() {
  errno = 0;
  const int nice = getpriority(PRIO_PROCESS, 0);
  return errno == 0 ? nice : 0;
}

void NicePriority::Set(int niceValue) { (void)setpriority(PRIO_PROCESS, 0, niceValue); }

PriorityBracket::PriorityBracket(PriorityControl& control)
    : control_(control), saved_(control.Current()) {
  control_.Set(std::max(kHighestNice, saved_ - kRaiseBy));
}

PriorityBracket::~PriorityBracket() { control_.Set(saved_); }

void LockLinkMemory() { (void)mlock(lockedRegion, sizeof lockedRegion); }

void UnlockLinkMemory() { (void)munlock(lockedRegion, sizeof lockedRegion); }

}  // namespace kvitmark::link
