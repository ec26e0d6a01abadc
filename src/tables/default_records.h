#pragma once

#include <string>

// What "Очистить" writes into record n of each of the five clearable tables: the
// register's factory contents. `juniorSelected` tells whether the register type selector
// stands on "Datecs MP-50 Junior" (the third header line names the model only then).
namespace kvitmark::tables {

std::string DefaultGoodsRecord(int record, bool juniorSelected);
std::string DefaultOperatorRecord(int record, bool juniorSelected);
std::string DefaultPaymentTypeRecord(int record, bool juniorSelected);
std::string DefaultDepartmentRecord(int record, bool juniorSelected);
std::string DefaultHeaderTextRecord(int record, bool juniorSelected);

}  // namespace kvitmark::tables
