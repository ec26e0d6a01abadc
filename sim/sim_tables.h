#pragma once

#include <map>
#include <string>
#include <vector>

// The tables a simulated register holds: record texts in code page 1251, exactly as
// they travel on the line ("1;Товар1;0.00;0.000;1;1;1;1;0;0;").
namespace kvitmark::sim {

struct SimTable {
  // Record n (1-based) is records[n - 1]; the table has records.size() records.
  std::vector<std::string> records;
  // Report tables can be read but not written.
  bool readOnly = false;
};

using SimTables = std::map<int, SimTable>;

// What a register holds when it leaves the factory: every table the program uses,
// with plausible records already in the form the program writes them, so that a
// table read and written back unchanged sends the register exactly what it held.
SimTables FactoryTables();

}  // namespace kvitmark::sim
