#include "sheets/csv_reader.h"

#include <csv.h>

namespace kvitmark::sheets {
namespace {

// Progress is told after this many bytes more, not after every line.
constexpr size_t kProgressStep = 64 * 1024;

// What the parser's callbacks fill in while the text is fed to it one line at a time: a
// row's line is known as the line after the last one that ended a row.
struct Collector {
  const CsvRowReader* read;
  size_t cellsKept;
  CsvRow row;
  bool lineEnded = false;
  bool stopped = false;
};

void TakeField(void* text, size_t length, void* data) {
  auto& collector = *static_cast<Collector*>(data);
  if (collector.stopped) return;
  if (collector.row.cells.size() < collector.cellsKept) {
    collector.row.cells.emplace_back(text ? static_cast<const char*>(text) : "", text ? length : 0);
  } else {
    ++collector.row.cellsLeftOut;
  }
}

void EndRow(int terminator, void* data) {
  auto& collector = *static_cast<Collector*>(data);
  // Every unquoted CR and LF ends a row here; only those that had fields are rows.
  CsvRow& row = collector.row;
  if (!collector.stopped && (!row.cells.empty() || row.cellsLeftOut > 0)) {
    collector.stopped = !(*collector.read)(row);
  }
  row.cells.clear();
  row.cellsLeftOut = 0;
  if (terminator == '\n') collector.lineEnded = true;
}

int OnlyBlank(unsigned char c) { return c == ' ' ? 1 : 0; }

class Parser {
 public:
  explicit Parser(char separator) {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL);
    csv_set_delim(&parser_, static_cast<unsigned char>(separator));
    // A tab may be the separator; only blanks are trimmed.
    csv_set_space_func(&parser_, OnlyBlank);
  }
  ~Parser() { csv_free(&parser_); }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  bool Feed(std::string_view bytes, Collector& collector) {
    return csv_parse(&parser_, bytes.data(), bytes.size(), TakeField, EndRow, &collector) ==
           bytes.size();
  }
  bool Finish(Collector& collector) {
    return csv_fini(&parser_, TakeField, EndRow, &collector) == 0;
  }

 private:
  csv_parser parser_{};
};

}  // namespace

CsvScan ScanCsv(std::string_view text, char separator, const CsvRowReader& read, size_t cellsKept,
                const CsvProgress& progress) {
  CsvScan scan;
  Collector collector{&read, cellsKept, {1, {}, 0}};
  Parser parser(separator);
  int line = 0;
  size_t told = 0;
  for (size_t start = 0; start < text.size();) {
    const size_t newline = text.find('\n', start);
    const size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
    ++line;
    collector.lineEnded = false;
    if (!parser.Feed(text.substr(start, end - start), collector)) {
      scan.ok = false;
      scan.errorLine = line;
      return scan;
    }
    if (collector.stopped) {
      scan.stopped = true;
      return scan;
    }
    if (collector.lineEnded) collector.row.line = line + 1;
    start = end;
    if (progress && start - told >= kProgressStep) {
      told = start;
      progress(start);
    }
  }
  if (!parser.Finish(collector)) {
    scan.ok = false;
    scan.errorLine = collector.row.line;
  }
  scan.stopped = collector.stopped;
  if (progress) progress(text.size());
  return scan;
}

CsvRead ReadCsv(std::string_view text, char separator) {
  CsvRead read;
  const CsvScan scan = ScanCsv(text, separator, [&](const CsvRow& row) {
    read.rows.push_back(row);
    return true;
  });
  read.ok = scan.ok;
  read.errorLine = scan.errorLine;
  return read;
}

}  // namespace kvitmark::sheets
