#pragma once

#include <string>

// kvitmark-cli csv-export and csv-import: a goods table file and a spreadsheet's CSV file.
// Each returns the exit status: 0 done, 1 a file could not be used (nothing written then).
namespace kvitmark::cli {

int ExportGoodsCsv(const std::string& goodsFile, const std::string& csvFile);
int ImportGoodsCsv(const std::string& csvFile, const std::string& goodsFile);

}  // namespace kvitmark::cli
