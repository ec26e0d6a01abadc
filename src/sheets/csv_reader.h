#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Rows of a CSV file as RFC 4180 has them (quoted fields, doubled quotes, separators and
// line breaks inside quotes), read by libcsv, each with the line of the file it starts on.
// Rows are handed over one at a time as they are read, so that a file of millions of rows
// never stands in memory as cells.
namespace kvitmark::sheets {

struct CsvRow {
  int line = 0;  // the file's line the row begins on, from 1
  std::vector<std::string> cells;
  // Cells after those kept: counted, not kept (see ScanCsv).
  size_t cellsLeftOut = 0;
};

struct CsvScan {
  bool ok = true;
  int errorLine = 0;     // where the text stopped being CSV (an unclosed quote, a stray one)
  bool stopped = false;  // the reader of the rows asked for no more
};

// Takes one row; false to read no further.
using CsvRowReader = std::function<bool(const CsvRow& row)>;
// How many bytes of the text have been read so far.
using CsvProgress = std::function<void(size_t bytesRead)>;

// Blanks around a field without quotes are dropped; inside quotes they are kept. Blank lines
// are no rows. Of each row only the first `cellsKept` cells are kept, the rest counted.
CsvScan ScanCsv(std::string_view text, char separator, const CsvRowReader& read,
                size_t cellsKept = std::numeric_limits<size_t>::max(),
                const CsvProgress& progress = {});

struct CsvRead {
  std::vector<CsvRow> rows;
  bool ok = true;
  int errorLine = 0;
};

// Every row of a short text at once.
CsvRead ReadCsv(std::string_view text, char separator);

}  // namespace kvitmark::sheets
