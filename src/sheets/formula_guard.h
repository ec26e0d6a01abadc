#pragma once

#include <string>
#include <string_view>

// A spreadsheet takes a cell that starts with "=", "+", "-" or "@" (or a tab or CR before one)
// for a formula and runs it: a goods name such as =HYPERLINK(…) from a register or a table file
// would act in Excel when the user opens the export. Such a cell goes out as text, behind the
// apostrophe spreadsheets know for that, and the import takes the mark off again. A cell that
// starts with an apostrophe of its own gets one more, so every cell comes back as it went.
namespace kvitmark::sheets {

// The cell as the export writes it. Numbers ("-5", "+3.5", "-1,50") stay as they are.
std::string GuardedCell(std::string_view cell);

// The cell as it was before GuardedCell: one leading apostrophe taken off.
std::string_view UnguardedCell(std::string_view cell);

}  // namespace kvitmark::sheets
