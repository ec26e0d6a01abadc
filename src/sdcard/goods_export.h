#pragma once

#include <string>

#include "files/table_files.h"
#include "sdcard/sales_table.h"
#include "tables/workspace.h"

// The goods page written as the goods file for the register's SD card.
namespace kvitmark::sdcard {

// The goods file for the card always has this many lines, whatever register type is chosen.
inline constexpr int kCardGoodsLines = 14000;
inline constexpr int kGoodsFields = 10;

// Writes the goods page (page 0) as 14000 lines of the goods fields "Код" … "Штрих-код",
// each followed by ";", then CR LF, every space of a name written as the space substitute.
// Once the file is saved whole, the names on the page carry the substitutes too, so that
// the page shows what the card holds; a failed export changes neither the page nor an
// existing file. `path` is file-system bytes.
files::FileReport ExportGoodsForSd(tables::Workspace& workspace, const std::string& path,
                                   const Progress& progress = {});

}  // namespace kvitmark::sdcard
