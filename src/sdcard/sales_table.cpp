#include "sdcard/sales_table.h"

#include <array>
#include <charconv>
#include <string>

#include "base/text_pattern.h"

namespace kvitmark::sdcard {
namespace {

const std::array<base::TextPattern, kSalesColumns> kHeaders = {
    KV_PATTERN("sdcard", "Ряд"),        KV_PATTERN("sdcard", "Код"),
    KV_PATTERN("sdcard", "Название"),   KV_PATTERN("sdcard", "Цена"),
    KV_PATTERN("sdcard", "Количество"), KV_PATTERN("sdcard", "Отдел"),
    KV_PATTERN("sdcard", "Группа"),     KV_PATTERN("sdcard", "Налог"),
    KV_PATTERN("sdcard", "Тип"),        KV_PATTERN("sdcard", "КНЛ"),
    KV_PATTERN("sdcard", "Штрих-код"),  KV_PATTERN("sdcard", "Прз"),
    KV_PATTERN("sdcard", "Клво прод"),  KV_PATTERN("sdcard", "Об. прод"),
    KV_PATTERN("sdcard", "Клво возв"),  KV_PATTERN("sdcard", "Об. возв"),
    KV_PATTERN("sdcard", "Скидки")};

}  // namespace

tables::GridTable MakeSalesTable() { return tables::GridTable(kSalesColumns, kSalesRows + 1); }

void PrepareSalesTable(tables::GridTable& sales) {
  for (int column = 0; column < kSalesColumns; ++column) {
    sales.SetHeading(column, 0, kHeaders[column]);
  }
  char digits[16];
  for (int row = 1; row <= kSalesRows; ++row) {
    const auto result = std::to_chars(digits, digits + sizeof digits, row);
    sales.SetCell(0, row, std::string_view(digits, result.ptr - digits));
  }
}

}  // namespace kvitmark::sdcard
