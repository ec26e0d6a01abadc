#pragma once

#include <string>
#include <string_view>
#include <vector>

// One line of the register's SD-card files, split into its fields. Both files start each
// line with a field of the register's own that the program ignores; the fields after it
// are separated by ";", the last one ending at a ";" or at the end of the line.
namespace kvitmark::sdcard {

// upload.art: the goods fields "Код" … "Штрих-код", as in a goods table file.
inline constexpr int kUploadFields = 10;
// sales.art: "Прз", "Клво прод", "Об. прод", "Клво возв", "Об. возв", "Скидки".
inline constexpr int kSalesFields = 6;

// Always kUploadFields texts. The name (the second) comes with spaces where the card has
// its substitutes. Fields the line lacks are empty; what follows the tenth is ignored.
std::vector<std::string> ParseUploadLine(std::string_view line);

// Always kSalesFields texts. The leading field is at least one character long, so a line
// that starts with ";" has that ";" in its leading field. Fields the line lacks are empty.
std::vector<std::string> ParseSalesLine(std::string_view line);

}  // namespace kvitmark::sdcard
