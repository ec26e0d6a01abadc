#pragma once

#include <string>
#include <string_view>

// One line of a report file from the register's answer for one record.
namespace kvitmark::reports {

// The answer is "<table>;<record>;<field>;…;<field>;". The line drops the table number
// and the final ";" and keeps the rest: "<record>;<field>;…;<field>". Every ";" of it,
// one inside a field's value too, becomes `separator`. An answer without a ";", or with
// nothing between its first ";" and its last character, gives an empty line.
std::string ReportLine(std::string_view answer, char separator);

}  // namespace kvitmark::reports
