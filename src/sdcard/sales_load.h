#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/table_files.h"
#include "sdcard/sales_table.h"
#include "tables/grid_table.h"

// Loading the sales table from the two files the register writes to its SD card.
namespace kvitmark::sdcard {

inline constexpr std::string_view kUploadFileName = "upload.art";
inline constexpr std::string_view kSalesFileName = "sales.art";

enum class LoadOutcome {
  kComplete,
  kNoFolder,     // no folder given: nothing was opened
  kCannotOpen,   // a file is missing or cannot be read: the table is unchanged
  kEarlyEnd,     // a file has fewer lines than the table has rows
  kLineTooLong,  // a line too long for a card file
  kReadFault,    // the file could not be read to the end
};

struct LoadReport {
  LoadOutcome outcome = LoadOutcome::kComplete;
  // The file the outcome is about: kUploadFileName or kSalesFileName.
  std::string file;
  // The rows that file filled before the load stopped.
  int rowsFilled = 0;
  // kLineTooLong and kReadFault: the line of that file, blank lines counted.
  int line = 0;
  // What the user is told; none when the load was complete.
  std::optional<files::FileMessage> message;
};

// The folder as the place of a file: "/" added unless it ends in one.
std::string CardFolder(std::string_view folder);

// Where the file `name` is in `folder` (which ends in "/"): under that name, or else under
// the first name in the folder that differs from it only in the case of its letters, since
// a memory card may show its names in capitals. Nothing when the folder holds neither.
std::optional<std::string> FindCardFile(const std::string& folder, std::string_view name);

// Fills rows 1 … 14000: columns 1 … 10 from the lines of upload.art, then columns 11 … 16
// from the lines of sales.art; blank lines do not count. Both files are opened before
// anything changes. A row read overwrites its cells; when the load stops early, the rows it
// did not get to keep what they held. `folder` is file-system bytes.
LoadReport LoadSales(tables::GridTable& sales, std::string_view folder,
                     const Progress& progress = {});

}  // namespace kvitmark::sdcard
