#include "sdcard/sales_table.h"

#include <array>
#include <charconv>
#include <string>

#include "base/cp1251.h"

namespace kvitmark::sdcard {
namespace {

constexpr std::array<const char*, kSalesColumns> kHeaders = {
    "Ряд",       "Код",      "Название",  "Цена",     "Количество", "Отдел",
    "Группа",    "Налог",    "Тип",       "КНЛ",      "Штрих-код",  "Прз",
    "Клво прод", "Об. прод", "Клво возв", "Об. возв", "Скидки"};

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
