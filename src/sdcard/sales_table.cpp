#include "sdcard/sales_table.h"

#include <array>
#include <charconv>
#include <string>

#include "base/cp1251.h"
#include "base/translatable.h"

namespace kvitmark::sdcard {
namespace {

constexpr std::array<const char*, kSalesColumns> kHeaders = {
    KV_TR("sdcard", "Ряд"),       KV_TR("sdcard", "Код"),        KV_TR("sdcard", "Название"),
    KV_TR("sdcard", "Цена"),      KV_TR("sdcard", "Количество"), KV_TR("sdcard", "Отдел"),
    KV_TR("sdcard", "Группа"),    KV_TR("sdcard", "Налог"),      KV_TR("sdcard", "Тип"),
    KV_TR("sdcard", "КНЛ"),       KV_TR("sdcard", "Штрих-код"),  KV_TR("sdcard", "Прз"),
    KV_TR("sdcard", "Клво прод"), KV_TR("sdcard", "Об. прод"),   KV_TR("sdcard", "Клво возв"),
    KV_TR("sdcard", "Об. возв"),  KV_TR("sdcard", "Скидки")};

}  // namespace

tables::GridTable MakeSalesTable() { return tables::GridTable(kSalesColumns, kSalesRows + 1); }

void PrepareSalesTable(tables::GridTable& sales) {
  for (int column = 0; column < kSalesColumns; ++column) {
    sales.SetCell(column, 0, base::Cp1251(kHeaders[column]));
  }
  char digits[16];
  for (int row = 1; row <= kSalesRows; ++row) {
    const auto result = std::to_chars(digits, digits + sizeof digits, row);
    sales.SetCell(0, row, std::string_view(digits, result.ptr - digits));
  }
}

}  // namespace kvitmark::sdcard
