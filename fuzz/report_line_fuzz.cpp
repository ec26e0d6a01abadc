// Any answer as a report record: the line is the answer less its table number and final
// ";", with every ";" turned into the separator.
//
// Input: [0] the separator; then the answer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "reports/report_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const char separator = static_cast<char>(data[0]);
  const std::string_view answer(reinterpret_cast<const char*>(data) + 1, size - 1);

  const std::string line = kvitmark::reports::ReportLine(answer, separator);
  FUZZ_REQUIRE(line.size() + 2 <= answer.size() || line.empty());
  if (separator != ';') FUZZ_REQUIRE(line.find(';') == std::string::npos);
  // The line is the answer's inside, the semicolons aside.
  const size_t start = answer.find(';');
  if (!line.empty()) {
    const std::string_view inside = answer.substr(start + 1, line.size());
    FUZZ_REQUIRE(
        std::equal(line.begin(), line.end(), inside.begin(), inside.end(),
                   [&](char l, char a) { return l == a || (a == ';' && l == separator); }));
  }
  return 0;
}
