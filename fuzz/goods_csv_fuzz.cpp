// Any bytes as a spreadsheet's goods list: the import either reports problems (the first
// hundred told, the rest counted) and keeps no goods, or every goods row goes to a record of
// its own within the goods table with cells the register can be sent, as a write would send
// them; progress is told in order up to the file's end; and the goods it took, exported,
// import again the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

#include "fuzz_support.h"
#include "link/write_request.h"
#include "sheets/goods_csv_export.h"
#include "sheets/goods_csv_import.h"
#include "tables/catalogue.h"
#include "tables/record_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kvitmark;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  size_t told = 0;
  const sheets::GoodsImport sheet = sheets::ReadGoodsCsv(bytes, [&](size_t done, size_t total) {
    FUZZ_REQUIRE(total == size && done >= told && done <= total);
    told = done;
  });
  FUZZ_REQUIRE(sheet.problems.size() <= sheets::kProblemsKept);
  FUZZ_REQUIRE(sheet.moreProblems == 0 || sheet.problems.size() == sheets::kProblemsKept);
  FUZZ_REQUIRE(sheet.rows.size() <= static_cast<size_t>(tables::kJuniorGoodsRecords));
  if (!sheet.ok()) return 0;
  std::set<int> records;
  static tables::GridTable goods(11, tables::kJuniorGoodsRecords + 1);
  sheets::PlaceGoods(sheet.rows, goods);
  for (const auto& row : sheet.rows) {
    FUZZ_REQUIRE(row.record >= 1 && row.record <= tables::kJuniorGoodsRecords);
    FUZZ_REQUIRE(records.insert(row.record).second);
    for (const auto& cell : row.cells) {
      FUZZ_REQUIRE(cell.find(';') == std::string::npos);
      // No control character but the tab: a spreadsheet never means one.
      FUZZ_REQUIRE(std::none_of(cell.begin(), cell.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t';
      }));
    }
    FUZZ_REQUIRE(row.cells[sheets::kNameColumn - 1].size() <= 32);
    const auto encoded = tables::EncodeGridRow(tables::PageId::kGoods, goods, row.record);
    FUZZ_REQUIRE(encoded.ok());
    FUZZ_REQUIRE(!link::RefusedWrite(tables::Page(tables::PageId::kGoods).tableNumber, row.record,
                                     encoded.text)
                      .Refused());
  }
  const sheets::GoodsImport again = sheets::ReadGoodsCsv(sheets::GoodsCsv(goods).text);
  FUZZ_REQUIRE(again.ok());
  tables::GridTable back(11, tables::kJuniorGoodsRecords + 1);
  sheets::PlaceGoods(again.rows, back);
  for (const auto& row : sheet.rows) {
    if (!sheets::HoldsGoods(goods, row.record)) continue;
    for (int column = 1; column <= sheets::kGoodsColumns; ++column) {
      FUZZ_REQUIRE(back.Cell(column, row.record) == goods.Cell(column, row.record));
    }
  }
  return 0;
}
