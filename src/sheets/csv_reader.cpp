#include "sheets/csv_reader.h"

#include <csv.h>

namespace kvitmark::sheets {
namespace {

// What the parser's callbacks fill in while the text is fed to it one line at a time: a
// row's line is known as the line after the last one that ended a row.
struct Collector {
  CsvRead* read;
  std::vector<std::string> cells;
  int rowLine = 1;
  bool lineEnded = false;
};

void TakeField(void* text, size_t length, void* data) {
  auto& collector = *static_cast<Collector*>(data);
  collector.cells.emplace_back(text ? static_cast<const char*>(text) : "", text ? length : 0);
}

void EndRow(int terminator, void* data) {
  auto& collector = *static_cast<Collector*>(data);
  // Every unquoted CR and LF ends a row here; only those that had fields are rows.
  if (!collector.cells.empty()) {
    collector.read->rows.push_back({collector.rowLine, std::move(collector.cells)});
    collector.cells.clear();
  }
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

CsvRead ReadCsv(std::string_view text, char separator) {
  CsvRead read;
  Collector collector{&read, {}};
  Parser parser(separator);
  int line = 0;
  for (size_t start = 0; start < text.size();) {
    const size_t newline = text.find('\n', start);
    const size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
    ++line;
    collector.lineEnded = false;
    if (!parser.Feed(text.substr(start, end - start), collector)) {
      read.ok = false;
      read.errorLine = line;
      return read;
    }
    if (collector.lineEnded) collector.rowLine = line + 1;
    start = end;
  }
  if (!parser.Finish(collector)) {
    read.ok = false;
    read.errorLine = collector.rowLine;
  }
  return read;
}

}  // namespace kvitmark::sheets
