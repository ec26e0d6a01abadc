#include "tables/default_records.h"

#include "base/cp1251.h"

namespace kvitmark::tables {

using base::Cp1251;

bool IsClearablePage(int page) { return page >= 0 && page <= 4; }

ClearRange ClearPlan(int page) {
  switch (page) {
    case 0:
      return {1, 14000};
    case 1:
      return {1, 20};
    case 2:
      return {2, 5};
    case 3:
      return {1, 20};
    case 4:
      return {1, 12};
    default:
      return {1, 0};
  }
}

std::string DefaultRecord(int page, int record, bool juniorSelected) {
  const std::string n = std::to_string(record);
  switch (page) {
    case 0:
      if (record <= 20) return n + Cp1251(";Товар") + n + ";0.00;0.000;1;1;1;1;0;0;";
      return "0; ;0.00;0.000;1;1;1;1;0;0;";
    case 1:
      // Operator n's factory password is n.
      return n + Cp1251(";Оператор") + n + ";0;";
    case 2: {
      static const char* const kPayments[] = {"1;1;Готівка;1;0;", "1;1;Чек;0;0;", "1;1;Кредит;0;0;",
                                              "1;1;Картка;0;0;", "1;1;Переказ;0;0;"};
      return record >= 1 && record <= 5 ? Cp1251(kPayments[record - 1]) : ";";
    }
    case 3:
      return Cp1251("Відділ ") + n + ";";
    case 4:
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
    default:
      return ";";
  }
}

}  // namespace kvitmark::tables
