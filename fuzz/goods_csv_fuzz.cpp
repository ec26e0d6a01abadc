// Any bytes as a spreadsheet's goods list: the import either reports problems and keeps no
// goods, or every goods row goes to a record of its own within the goods table with cells
// the register can be sent; and the goods it took, exported, import again the same.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

#include "fuzz_support.h"
#include "sheets/goods_csv_export.h"
#include "sheets/goods_csv_import.h"
#include "tables/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kvitmark;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const sheets::GoodsImport sheet = sheets::ReadGoodsCsv(bytes);
  if (!sheet.ok()) return 0;
  std::set<int> records;
  for (const auto& row : sheet.rows) {
    FUZZ_REQUIRE(row.record >= 1 && row.record <= tables::kJuniorGoodsRecords);
    FUZZ_REQUIRE(records.insert(row.record).second);
    for (const auto& cell : row.cells) {
      FUZZ_REQUIRE(cell.find_first_of(";\r\n") == std::string::npos);
    }
    FUZZ_REQUIRE(row.cells[sheets::kNameColumn - 1].size() <= 32);
  }
  static tables::GridTable goods(11, tables::kJuniorGoodsRecords + 1);
  sheets::PlaceGoods(sheet.rows, goods);
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
