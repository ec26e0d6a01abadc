// A register's answer lands in a page: decoding any answer on any page, and encoding the
// row or page it left behind, must neither crash nor reach beyond the record's row.
//
// Input: [0] page, [1..2] row (grid pages), [3] bit 0: the Junior layout; then the answer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_support.h"
#include "tables/catalogue.h"
#include "tables/record_codec.h"
#include "tables/workspace.h"

namespace {

using namespace kvitmark::tables;

Workspace& PreparedWorkspace(bool junior) {
  static Workspace design = [] {
    Workspace w;
    PrepareGrids(w);
    return w;
  }();
  static Workspace juniorLayout = [] {
    Workspace w;
    PrepareGrids(w);
    ApplyTypeLayout(w, 0);
    w.typeIndex = 0;
    return w;
  }();
  return junior ? juniorLayout : design;
}

constexpr size_t kHeader = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeader) return 0;
  const PageId page = PageAt(data[0] % kPageCount);
  const std::string_view answer(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  Workspace& workspace = PreparedWorkspace(data[3] & 1);
  const TableDescriptor& descriptor = Page(page);

  if (IsGridPage(page)) {
    const int row = 1 + ((data[1] << 8) | data[2]) % descriptor.recordCount;
    GridTable& grid = workspace.Grid(page);
    const int columns = grid.ColumnCount();
    DecodeGridRecord(page, row, answer, grid);
    // Nothing beyond the fields an answer may carry is ever written.
    int answerFields = 0;
    while (answerFields < kMaxFields &&
           descriptor.AnswerFieldKind(answerFields + 1) != FieldKind::kAbsent)
      ++answerFields;
    FUZZ_REQUIRE(grid.Cell(answerFields + 1, row).empty());
    FUZZ_REQUIRE(grid.ColumnCount() == columns);
    const EncodedRecord encoded = EncodeGridRow(page, grid, row);
    FUZZ_REQUIRE(encoded.ok() ||
                 (encoded.column >= 1 && encoded.column <= descriptor.FieldCount()));
  } else if (IsParameterPage(page)) {
    ParameterPage& parameters = workspace.Parameters(page);
    const size_t fields = parameters.fields.size();
    DecodeParameterRecord(page, answer, parameters);
    FUZZ_REQUIRE(parameters.fields.size() == fields);
    EncodeParameterPage(page, parameters);
  }
  return 0;
}
