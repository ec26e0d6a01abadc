// Any pair of files as the SD card's upload.art and sales.art: every line splits into its
// fixed number of fields, no longer together than the line, and the sales table loads or
// says why it did not.
//
// Input: [0..1] size of upload.art, high byte first; its bytes; the rest is sales.art.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "sdcard/card_lines.h"
#include "sdcard/sales_load.h"
#include "sdcard/sales_table.h"

namespace {

using namespace kvitmark;

size_t TotalLength(const std::vector<std::string>& fields) {
  size_t total = 0;
  for (const auto& field : fields) total += field.size();
  return total;
}

void CheckLines(std::string_view file) {
  while (!file.empty()) {
    const size_t end = std::min(file.find('\n'), file.size());
    const std::string_view line = file.substr(0, end);
    file.remove_prefix(std::min(end + 1, file.size()));

    const auto upload = sdcard::ParseUploadLine(line);
    FUZZ_REQUIRE(upload.size() == static_cast<size_t>(sdcard::kUploadFields));
    FUZZ_REQUIRE(TotalLength(upload) <= line.size());
    const auto sales = sdcard::ParseSalesLine(line);
    FUZZ_REQUIRE(sales.size() == static_cast<size_t>(sdcard::kSalesFields));
    FUZZ_REQUIRE(TotalLength(sales) <= line.size());
  }
}

constexpr size_t kHeader = 2;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeader) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  const size_t uploadSize = std::min<size_t>((data[0] << 8) | data[1], rest.size());
  const std::string_view upload = rest.substr(0, uploadSize);
  const std::string_view sales = rest.substr(uploadSize);
  CheckLines(upload);
  CheckLines(sales);

  fuzzing::WriteFuzzFile(sdcard::kUploadFileName, upload);
  fuzzing::WriteFuzzFile(sdcard::kSalesFileName, sales);
  static tables::GridTable table = [] {
    tables::GridTable t = sdcard::MakeSalesTable();
    sdcard::PrepareSalesTable(t);
    return t;
  }();
  const sdcard::LoadReport report = sdcard::LoadSales(table, fuzzing::FuzzFolder());
  FUZZ_REQUIRE(report.rowsFilled >= 0 && report.rowsFilled <= sdcard::kSalesRows);
  FUZZ_REQUIRE((report.outcome == sdcard::LoadOutcome::kComplete) != report.message.has_value());
  return 0;
}
