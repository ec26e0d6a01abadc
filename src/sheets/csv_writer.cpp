#include "sheets/csv_writer.h"

#include <csv.h>

namespace kvitmark::sheets {
namespace {

bool NeedsQuotes(std::string_view field, char separator) {
  if (field.empty()) return false;
  if (field.front() == ' ' || field.back() == ' ') return true;
  return field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos;
}

void AppendField(std::string& out, std::string_view field, char separator) {
  if (!NeedsQuotes(field, separator)) {
    out.append(field);
    return;
  }
  // The quoted form is at most twice as long, plus its two quotes.
  std::string quoted(field.size() * 2 + 2, '\0');
  const size_t length = csv_write2(quoted.data(), quoted.size(), field.data(), field.size(), '"');
  quoted.resize(length);
  out.append(quoted);
}

}  // namespace

void AppendCsvLine(std::string& out, const std::vector<std::string>& fields, char separator) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out.push_back(separator);
    AppendField(out, fields[i], separator);
  }
  out.append("\r\n");
}

}  // namespace kvitmark::sheets
