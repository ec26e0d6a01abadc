#pragma once

#include "logo/logo_picture.h"
#include "tables/operations.h"

// Moving the logo between the page's picture and register table 136, row by row. Both
// transfers run start to end without asking for "Стоп": only the progress moves. Each ends
// with its message told to the observer; whether the page now holds a logo is the
// caller's.
namespace kvitmark::logo {

struct TransferResult {
  bool succeeded = false;
  int rows = 0;  // rows written into the register, or read into the picture
};

// Writes the picture's rows (at most the table's 200) as records 1, 2, … to the connected
// register. The first record the register does not take ends the write; it is not tried
// again, and the rows before it stay in the register.
TransferResult WriteLogo(tables::TableSession& session, tables::OperationObserver& observer,
                         const LogoPicture& picture);

// Reads records 1 to 200 of the connected register into the picture's rows, asking ten
// times for a record before giving up the read; the rows read so far stay painted.
TransferResult ReadLogo(tables::TableSession& session, tables::OperationObserver& observer,
                        LogoPicture& picture);

}  // namespace kvitmark::logo
