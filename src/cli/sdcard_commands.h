#pragma once

#include <string>

// The SD card's files, without the register: the goods file for the card and the card's
// sales as one file. The exit status as for the other commands.
namespace kvitmark::cli {

int ExportGoodsForSdCard(const std::string& goodsFile, const std::string& outFile);
int SdCardSales(const std::string& folder, const std::string& outFile);

}  // namespace kvitmark::cli
