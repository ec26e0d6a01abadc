#pragma once

#include <string>
#include <string_view>
#include <vector>

// Rows of a CSV file as RFC 4180 has them (quoted fields, doubled quotes, separators and
// line breaks inside quotes), read by libcsv, each with the line of the file it starts on.
namespace kvitmark::sheets {

struct CsvRow {
  int line = 0;  // the file's line the row begins on, from 1
  std::vector<std::string> cells;
};

struct CsvRead {
  std::vector<CsvRow> rows;  // blank lines are no rows
  bool ok = true;
  int errorLine = 0;  // where the text stopped being CSV (an unclosed quote, a stray one)
};

// Blanks around a field without quotes are dropped; inside quotes they are kept.
CsvRead ReadCsv(std::string_view text, char separator);

}  // namespace kvitmark::sheets
