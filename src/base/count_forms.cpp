#include "base/count_forms.h"

namespace kvitmark::base {

CountCategory CountCategoryOf(long long count) {
  // The magnitude's last two digits decide; taken so that the smallest long long is no
  // overflow.
  const long long lastTwo = count < 0 ? -(count % 100) : count % 100;
  const long long last = lastTwo % 10;
  if (lastTwo >= 11 && lastTwo <= 14) return CountCategory::kMany;
  if (last == 1) return CountCategory::kOne;
  if (last >= 2 && last <= 4) return CountCategory::kFew;
  return CountCategory::kMany;
}

}  // namespace kvitmark::base
