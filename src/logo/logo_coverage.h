#pragma once

#include "base/message.h"
#include "logo/dot_picture.h"

// What a user is told about a logo before it is sent: how many rows it takes, and whether it
// would print as next to nothing or as a black block.
namespace kvitmark::logo {

enum class Coverage {
  kFine,
  kNearlyEmpty,  // under one dot in a hundred: a blank on the receipt
  kNearlyBlack,  // over 95 dots in a hundred: a black block
};

// How much of the picture's own part of the logo prints: dots `left` to `left + width − 1`
// of every row.
Coverage CoverageOf(const DotPicture& logo, int left, int width);

// The warning for a coverage; empty when it is fine.
base::Message CoverageWarning(Coverage coverage);

// The rows the logo takes, which is what the receipt parameter "Количество строк в
// логотипе" has to say for all of it to print; the program leaves that parameter to the user.
base::Message RowsNote(int rows);

}  // namespace kvitmark::logo
