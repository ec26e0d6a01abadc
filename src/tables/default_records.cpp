#include "tables/default_records.h"

#include "base/cp1251.h"

namespace kvitmark::tables {

using base::Cp1251;

std::string DefaultGoodsRecord(int record, bool) {
  const std::string n = std::to_string(record);
  if (record <= 20) return n + Cp1251(";Товар") + n + ";0.00;0.000;1;1;1;1;0;0;";
  return "0; ;0.00;0.000;1;1;1;1;0;0;";
}

std::string DefaultOperatorRecord(int record, bool) {
  // Operator n's factory password is n.
  const std::string n = std::to_string(record);
  return n + Cp1251(";Оператор") + n + ";0;";
}

std::string DefaultPaymentTypeRecord(int record, bool) {
  static const char* const kPayments[] = {"1;1;Готівка;1;0;", "1;1;Чек;0;0;", "1;1;Кредит;0;0;",
                                          "1;1;Картка;0;0;", "1;1;Переказ;0;0;"};
  return record >= 1 && record <= 5 ? Cp1251(kPayments[record - 1]) : ";";
}

std::string DefaultDepartmentRecord(int record, bool) {
  return Cp1251("Відділ ") + std::to_string(record) + ";";
}

std::string DefaultHeaderTextRecord(int record, bool juniorSelected) {
  switch (record) {
    case 1:
      return Cp1251("            Україна;");
    case 2:
      return Cp1251("            м.Київ;");
    case 3:
      return juniorSelected ? Cp1251("            МР-550Т;") : ";";
    case 5:
      return Cp1251("      Дякуємо за покупку!;");
    case 6:
      return Cp1251("    Чекаємо на Вас знову!;");
    default:
      return ";";
  }
}

}  // namespace kvitmark::tables
