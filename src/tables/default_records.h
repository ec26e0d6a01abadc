#pragma once

#include <string>

namespace kvitmark::tables {

// The record the clear writes into record n of the table of page 0 to 4: the register's
// factory contents. `juniorSelected` tells whether the register type selector stands on
// "Datecs MP-50 Junior" (the third header line names the model only then).
std::string DefaultRecord(int page, int record, bool juniorSelected);

// The records the clear writes: goods 1 to 14000, operators 1 to 20, payment types 2 to
// 5 (the cash payment, record 1, is never rewritten), departments 1 to 20, header and
// advertising text 1 to 12.
struct ClearRange {
  int first;
  int last;
};
ClearRange ClearPlan(int page);
bool IsClearablePage(int page);

}  // namespace kvitmark::tables
