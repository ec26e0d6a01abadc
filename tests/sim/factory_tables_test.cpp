#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "sim/sim_tables.h"

namespace {

using kvitmark::base::Cp1251;
using kvitmark::sim::FactoryTables;
using kvitmark::sim::SimTables;

const SimTables& Tables() {
  static const SimTables tables = FactoryTables();
  return tables;
}

const std::set<int> kReportTables = {65, 74, 75, 76, 77, 78, 79, 81, 82, 83, 84, 85};

// The fields of a record text, each of which ends with ";".
std::vector<std::string> SplitFields(const std::string& record) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t end; (end = record.find(';', start)) != std::string::npos; start = end + 1) {
    fields.push_back(record.substr(start, end - start));
  }
  return fields;
}

// What a field must look like so that showing it in its grid cell or edit field and encoding
// it back gives the same text again.
struct FieldRule {
  size_t maxLength;
  bool nonEmpty;
  bool trimmed;
};
constexpr FieldRule kNumber{1000, true, true};
constexpr FieldRule kText{1000, false, true};
constexpr FieldRule kAsIs{1000, false, false};
constexpr FieldRule kFlag{1, true, false};
constexpr FieldRule First(size_t n, bool numberKind) { return {n, numberKind, false}; }

}  // namespace

TEST(FactoryTables, HoldsEveryTableWithItsRecordCount) {
  const std::vector<std::pair<int, size_t>> expected = {
      {0, 14000}, {2, 1},      {3, 20},   {5, 1},     {6, 12},    {8, 1},    {9, 5},
      {10, 20},   {12, 10},    {97, 1},   {98, 3000}, {99, 1000}, {100, 99}, {101, 20},
      {102, 20},  {103, 9},    {104, 99}, {105, 20},  {106, 1},   {107, 1},  {108, 99},
      {136, 200}, {65, 14000}, {74, 20},  {75, 99},   {76, 20},   {77, 1},   {78, 1},
      {79, 1},    {81, 1},     {82, 1},   {83, 1},    {84, 1},    {85, 1}};
  EXPECT_EQ(Tables().size(), expected.size());
  for (const auto& [table, count] : expected) {
    ASSERT_TRUE(Tables().contains(table)) << "table " << table;
    EXPECT_EQ(Tables().at(table).records.size(), count) << "table " << table;
  }
}

TEST(FactoryTables, OnlyReportTablesAreReadOnly) {
  for (const auto& [table, content] : Tables()) {
    EXPECT_EQ(content.readOnly, kReportTables.contains(table)) << "table " << table;
  }
}

TEST(FactoryTables, ClearableTablesHoldTheClearDefaults) {
  struct Case {
    int table;
    int record;
    const char* text;
  };
  const std::vector<Case> cases = {{0, 1, "1;Товар1;0.00;0.000;1;1;1;1;0;0;"},
                                   {0, 20, "20;Товар20;0.00;0.000;1;1;1;1;0;0;"},
                                   {0, 21, "0; ;0.00;0.000;1;1;1;1;0;0;"},
                                   {0, 14000, "0; ;0.00;0.000;1;1;1;1;0;0;"},
                                   {3, 1, "1;Оператор1;0;"},
                                   {3, 12, "12;Оператор12;0;"},
                                   {9, 1, "1;1;Готівка;1;0;"},
                                   {9, 2, "1;1;Чек;0;0;"},
                                   {9, 3, "1;1;Кредит;0;0;"},
                                   {9, 4, "1;1;Картка;0;0;"},
                                   {9, 5, "1;1;Переказ;0;0;"},
                                   {10, 10, "Відділ 10;"},
                                   {6, 1, "            Україна;"},
                                   {6, 2, "            м.Київ;"},
                                   {6, 3, "            МР-550Т;"},
                                   {6, 4, ";"},
                                   {6, 5, "      Дякуємо за покупку!;"},
                                   {6, 6, "    Чекаємо на Вас знову!;"},
                                   {6, 7, ";"},
                                   {6, 12, ";"}};
  for (const Case& c : cases) {
    EXPECT_EQ(Tables().at(c.table).records.at(c.record - 1), Cp1251(c.text))
        << "table " << c.table << " record " << c.record;
  }
}

TEST(FactoryTables, RecordsSurviveAReadAndAnUnchangedWrite) {
  const std::vector<std::pair<int, std::vector<FieldRule>>> rules = {
      {2, std::vector(13, kText)},
      {5, std::vector(8, kText)},
      {8, std::vector(11, kText)},
      {97, std::vector(16, kNumber)},
      {106, std::vector(11, kText)},
      {107, std::vector(10, kText)},
      {12, {First(32, false), First(1, true)}},
      {98,
       {kNumber, First(20, true), First(16, false), kNumber, kNumber, kFlag, kFlag,
        First(50, false)}},
      {99, {kNumber, kNumber, First(50, false)}},
      {100, std::vector(32, kNumber)},
      {101, std::vector(20, kText)},
      {102, std::vector(20, kNumber)},
      {103, {kNumber}},
      {104, {kNumber}},
      {105, {kAsIs}},
      {108, {kAsIs}}};
  for (const auto& [table, fieldRules] : rules) {
    const auto& records = Tables().at(table).records;
    for (size_t r = 0; r < records.size(); ++r) {
      const std::vector<std::string> fields = SplitFields(records[r]);
      ASSERT_EQ(fields.size(), fieldRules.size()) << "table " << table << " record " << r + 1;
      for (size_t f = 0; f < fields.size(); ++f) {
        const FieldRule& rule = fieldRules[f];
        const std::string& field = fields[f];
        SCOPED_TRACE("table " + std::to_string(table) + " record " + std::to_string(r + 1) +
                     " field " + std::to_string(f + 1));
        EXPECT_LE(field.size(), rule.maxLength);
        EXPECT_TRUE(!rule.nonEmpty || !field.empty());
        if (rule.trimmed && !field.empty()) {
          EXPECT_NE(field.front(), ' ');
          EXPECT_NE(field.back(), ' ');
        }
      }
    }
  }
}

TEST(FactoryTables, EveryRecordIsWholeFieldsThatFitAReadReply) {
  const std::vector<std::pair<int, size_t>> fieldCounts = {{0, 10}, {3, 3}, {9, 5},
                                                           {10, 1}, {6, 1}, {136, 24}};
  for (const auto& [table, count] : fieldCounts) {
    for (const std::string& record : Tables().at(table).records) {
      EXPECT_EQ(SplitFields(record).size(), count) << "table " << table << ": " << record;
    }
  }
  for (const auto& [table, content] : Tables()) {
    for (size_t r = 0; r < content.records.size(); ++r) {
      const std::string& record = content.records[r];
      const std::string reply = std::to_string(table) + ";" + std::to_string(r + 1) + ";" + record;
      SCOPED_TRACE(reply);
      ASSERT_FALSE(record.empty());
      EXPECT_EQ(record.back(), ';');
      EXPECT_EQ(record.find_first_of("\r\n"), std::string::npos);
      EXPECT_LE(reply.size(), 99u);
    }
  }
}

TEST(FactoryTables, LogoRowsAreByteValuesOfAPicture) {
  size_t blackRows = 0;
  for (const std::string& record : Tables().at(136).records) {
    const std::vector<std::string> fields = SplitFields(record);
    for (const std::string& field : fields) {
      ASSERT_TRUE(
          !field.empty() && field.size() <= 3 &&
          std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }))
          << record;
      EXPECT_LE(std::stoi(field), 255) << record;
      EXPECT_TRUE(field == "0" || field[0] != '0') << record;
    }
    if (std::any_of(fields.begin(), fields.end(), [](const auto& f) { return f != "0"; })) {
      ++blackRows;
    }
  }
  // A drawing, not a blank sheet and not a black block.
  EXPECT_GT(blackRows, 100u);
  EXPECT_LT(blackRows, 200u);
}
