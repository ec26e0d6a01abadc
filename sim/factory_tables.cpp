#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "base/cp1251.h"
#include "sim/sim_tables.h"

// Every record here is in the exact form the program writes it back, so a register that is read
// and written unchanged stays byte for byte the same. Each reply "<table>;<record>;<text>" also
// stays within the 99 characters a read reply may carry.
namespace kvitmark::sim {
namespace {

using base::Cp1251;

std::string Join(std::initializer_list<std::string> fields) {
  std::string text;
  for (const std::string& field : fields) {
    text += field;
    text += ';';
  }
  return text;
}

std::string Num(long long value) { return std::to_string(value); }

std::string ZeroPadded(long long value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Amounts are kept in hundredths (money) or thousandths (quantities) so that the texts come out
// exact, with "." whatever the locale says.
std::string Money(long long cents) { return Num(cents / 100) + "." + ZeroPadded(cents % 100, 2); }

std::string Quantity(long long thousandths) {
  return Num(thousandths / 1000) + "." + ZeroPadded(thousandths % 1000, 3);
}

SimTable Table(std::vector<std::string> records, bool readOnly = false) {
  return SimTable{std::move(records), readOnly};
}

// A table of count records, record n (1-based) made by makeRecord(n).
template <typename MakeRecord>
std::vector<std::string> Generate(int count, MakeRecord makeRecord) {
  std::vector<std::string> records;
  records.reserve(count);
  for (int n = 1; n <= count; ++n) records.push_back(makeRecord(n));
  return records;
}

// Named entries first, the rest of the table empty.
std::vector<std::string> NamesThenEmpty(int count, std::initializer_list<const char*> names) {
  std::vector<std::string> records;
  for (const char* name : names) records.push_back(Cp1251(name) + ";");
  records.resize(count, ";");
  return records;
}

// The tables the register is reset to by a clear; a new register holds the same.

SimTable Goods() {
  const std::string name = Cp1251("Товар");
  return Table(Generate(14000, [&](int n) {
    return n <= 20 ? Num(n) + ";" + name + Num(n) + ";0.00;0.000;1;1;1;1;0;0;"
                   : std::string("0; ;0.00;0.000;1;1;1;1;0;0;");
  }));
}

SimTable Operators() {
  const std::string name = Cp1251("Оператор");
  return Table(Generate(20, [&](int n) { return Join({Num(n), name + Num(n), "0"}); }));
}

SimTable PaymentTypes() {
  return Table({Cp1251("1;1;Готівка;1;0;"), Cp1251("1;1;Чек;0;0;"), Cp1251("1;1;Кредит;0;0;"),
                Cp1251("1;1;Картка;0;0;"), Cp1251("1;1;Переказ;0;0;")});
}

SimTable Departments() {
  const std::string name = Cp1251("Відділ ");
  return Table(Generate(20, [&](int n) { return name + Num(n) + ";"; }));
}

SimTable HeaderText() {
  std::vector<std::string> records = {
      Cp1251("            Україна;"),       Cp1251("            м.Київ;"),
      Cp1251("            МР-550Т;"),       ";",
      Cp1251("      Дякуємо за покупку!;"), Cp1251("    Чекаємо на Вас знову!;")};
  records.resize(12, ";");
  return Table(std::move(records));
}

// Grid pages. Numbers are never empty and carry no blanks, names stay within the length the
// program cuts them to, and one-character fields hold exactly one character.

SimTable RefundNames() {
  const std::string name = Cp1251("Повернення ");
  return Table(Generate(10, [&](int n) { return Join({name + Num(n), n <= 3 ? "1" : "0"}); }));
}

SimTable Payments() {
  const std::string name = Cp1251("Платіж ");
  const std::vector<std::string> infos = {"", Cp1251("Комунальні послуги"),
                                          Cp1251("Оплата за навчання"), Cp1251("Податки та збори")};
  return Table(Generate(3000, [&](int n) {
    const std::string account = "26" + ZeroPadded(n * 7919LL % 1000000000000LL, 12);
    return Join({Num(n), account, name + Num(n), Num((n - 1) % 1000 + 1), Num((n - 1) % 99 + 1),
                 n % 3 == 0 ? "1" : "0", n % 2 == 0 ? "1" : "0", infos[n % infos.size()]});
  }));
}

SimTable Purposes() {
  const std::string name = Cp1251("Призначення ");
  return Table(Generate(1000, [&](int n) {
    return Join({Num(n), Num((n - 1) % 20 + 1), name + Num(n)});
  }));
}

// Code, goods code, then ten tiers of start sum, commission type and value; most schemes use
// two or three tiers and leave the others zero.
SimTable Commissions() {
  return Table(Generate(99, [](int n) {
    std::string record = Join({Num(n), Num((n - 1) % 20 + 1)});
    record += Join({"0", "1", Num(1 + n % 5)});
    record += Join({"1000", "0", Num(10 + n % 40)});
    record += n % 3 == 0 ? Join({"5000", "0", Num(50 + n % 9)}) : "0;0;0;";
    for (int tier = 4; tier <= 10; ++tier) record += "0;0;0;";
    return record;
  }));
}

SimTable SpecialAttributeNames() {
  const std::string name = Cp1251("Ознака ");
  return Table(Generate(20, [&](int n) {
    std::string record;
    for (int field = 1; field <= 20; ++field) {
      if (field <= 1 + (n - 1) % 4) record += name + Num(n) + "." + Num(field);
      record += ';';
    }
    return record;
  }));
}

SimTable SpecialAttributeCodes() {
  return Table(Generate(20, [](int n) {
    std::string record;
    for (int field = 1; field <= 20; ++field) record += (n + field) % 7 == 0 ? "1;" : "0;";
    return record;
  }));
}

SimTable MessageCodes() {
  return Table(Generate(9, [](int n) { return Num(100 + n) + ";"; }));
}

SimTable AdditionalServices() {
  return Table(Generate(99, [](int n) { return Num(1000 + n) + ";"; }));
}

SimTable CurrencyNames() {
  return Table(NamesThenEmpty(20, {"Гривня", "Долар США", "Євро", "Злотий", "Фунт стерлінгів"}));
}

SimTable SocialAssistanceTypes() {
  return Table(NamesThenEmpty(99, {"Субсидія", "Пенсія", "Допомога на дітей",
                                   "Допомога по безробіттю", "Соціальна стипендія"}));
}

// The logo: a frame with a target inside. The frame is narrower than the full 192 dots because
// a row of 24 times "255;" would not fit into a read reply.
bool LogoDot(int x, int y) {
  const bool inFrameBox = x >= 16 && x <= 175 && y >= 8 && y <= 191;
  const bool frameEdge = x <= 18 || x >= 173 || y <= 10 || y >= 189;
  if (inFrameBox && frameEdge) return true;
  const int dx = x - 96;
  const int dy = y - 100;
  const int distanceSquared = dx * dx + dy * dy;
  const bool ring = distanceSquared >= 55 * 55 && distanceSquared <= 62 * 62;
  const bool disc = distanceSquared <= 20 * 20;
  return ring || disc;
}

SimTable Logo() {
  return Table(Generate(200, [](int record) {
    std::string text;
    for (int byte = 0; byte < 24; ++byte) {
      int value = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (LogoDot(8 * byte + bit, record - 1)) value |= 0x80 >> bit;
      }
      text += Num(value) + ";";
    }
    return text;
  }));
}

// Reports: turnover as the register counts it since the last Z report.

SimTable GoodsTurnover() {
  const std::string name = Cp1251("Товар");
  return Table(Generate(14000,
                        [&](int n) {
                          if (n > 20) return std::string("0; ;0.000;0.00;");
                          const int thousandths = (n * 37 % 25 + 1) * 500;
                          const int priceCents = 450 + n * 125;
                          return Join({Num(n), name + Num(n), Quantity(thousandths),
                                       Money(1LL * priceCents * thousandths / 1000)});
                        }),
               true);
}

// Name and turnover; only the first few entries have sold anything.
SimTable NamedTurnover(int count, const char* prefix, int active) {
  const std::string name = Cp1251(prefix);
  return Table(Generate(count,
                        [&](int n) {
                          const long long cents = n <= active ? (n * 7331LL % 90000) + 1250 : 0;
                          return Join({name + Num(n), Money(cents)});
                        }),
               true);
}

SimTable Report(const char* text) { return Table({Cp1251(text)}, true); }

}  // namespace

SimTables FactoryTables() {
  SimTables tables;
  tables[0] = Goods();
  tables[3] = Operators();
  tables[9] = PaymentTypes();
  tables[10] = Departments();
  tables[6] = HeaderText();

  // Register, receipt and service parameters, post parameters, mandatory input, numerators.
  tables[2] = Table({"1;0;1;50;0;0;0;0;1;0;0;0;0;"});
  tables[5] = Table({"2;200;2;1;0;1;1;0;"});
  tables[8] = Table({"0;0;2;1;0;0;1;1;0;4;0;"});
  tables[97] = Table({"01001;1;6;0;1;12345;1;0;0;0;0;0;0;0;0;0;"});
  tables[106] = Table({"1;1;1;1;0;0;0;0;0;1;1;"});
  tables[107] = Table({"0;15;3;0;2;7;1;42;5;4;"});

  tables[12] = RefundNames();
  tables[98] = Payments();
  tables[99] = Purposes();
  tables[100] = Commissions();
  tables[101] = SpecialAttributeNames();
  tables[102] = SpecialAttributeCodes();
  tables[103] = MessageCodes();
  tables[104] = AdditionalServices();
  tables[105] = CurrencyNames();
  tables[108] = SocialAssistanceTypes();

  tables[136] = Logo();

  tables[65] = GoodsTurnover();
  tables[74] = NamedTurnover(20, "Відділ ", 6);
  tables[75] = NamedTurnover(99, "Група ", 12);
  tables[76] = NamedTurnover(20, "Оператор", 3);
  // Payments: one sum per payment type.
  tables[77] = Report("1520.40;0.00;310.00;125.50;0.00;");
  // Taxes: turnover and tax of each tax group.
  tables[78] = Report("1250.30;208.38;310.00;15.50;395.60;0.00;0.00;0.00;");
  // Operations of the shift: sales, refunds, cash in and out (count and sum each).
  tables[79] = Report("42;1955.90;1;25.00;2;500.00;1;200.00;");
  tables[81] = Report("128;3045;12;0;1;");
  tables[82] = Report("1955.90;25.00;1930.90;300.00;");
  tables[83] = Report("3000123456;ДТ4000012345;2;");
  // Numbers of the last operations of each kind.
  tables[84] = Report("15;3;0;7;2;0;1;42;5;4;");
  // Registers of paid and accepted transfers: count and sum each.
  tables[85] = Report("12;1450.00;3;310.50;");
  return tables;
}

}  // namespace kvitmark::sim
