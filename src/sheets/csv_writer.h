#pragma once

#include <string>
#include <string_view>
#include <vector>

// CSV lines as RFC 4180 writes them: a field with the separator, a quote, a line break or
// blanks at its ends goes in quotes, its quotes doubled; lines end with CR LF.
namespace kvitmark::sheets {

void AppendCsvLine(std::string& out, const std::vector<std::string>& fields, char separator);

}  // namespace kvitmark::sheets
