#include "reports/report_line.h"

#include <algorithm>

namespace kvitmark::reports {

std::string ReportLine(std::string_view answer, char separator) {
  const size_t firstSemicolon = answer.find(';');
  if (firstSemicolon == std::string_view::npos) return {};
  const size_t start = firstSemicolon + 1;
  // The last character is the record's closing ";" and stays out of the line.
  const size_t end = answer.size() - 1;
  if (end <= start) return {};
  std::string line(answer.substr(start, end - start));
  if (separator != ';') std::replace(line.begin(), line.end(), ';', separator);
  return line;
}

}  // namespace kvitmark::reports
