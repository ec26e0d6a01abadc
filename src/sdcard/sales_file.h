#pragma once

#include <string>

#include "files/table_files.h"
#include "sdcard/sales_table.h"
#include "tables/grid_table.h"

// The sales table saved as one delimited goods-and-sales file.
namespace kvitmark::sdcard {

// Writes 14000 lines, line r the cells of row r, columns 1 … 16, each followed by ";", then
// CR LF; the row number is not written and the cells go out byte for byte. An existing file
// is replaced only by a complete one. `path` is file-system bytes.
files::FileReport SaveSalesFile(const tables::GridTable& sales, const std::string& path,
                                const Progress& progress = {});

}  // namespace kvitmark::sdcard
