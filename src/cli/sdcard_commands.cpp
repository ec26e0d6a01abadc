#include "cli/sdcard_commands.h"

#include <iostream>

#include "cli/command_report.h"
#include "cli/connection.h"
#include "cli/terminal_observer.h"
#include "files/table_files.h"
#include "sdcard/goods_export.h"
#include "sdcard/sales_file.h"
#include "sdcard/sales_load.h"
#include "sdcard/sales_table.h"

namespace kvitmark::cli {

int ExportGoodsForSdCard(const std::string& goodsFile, const std::string& outFile) {
  tables::Workspace workspace;
  PreparePages(workspace);
  const auto loaded = files::LoadTableFile(workspace, tables::PageId::kGoods, goodsFile);
  if (loaded.message) {
    SayFileMessage(*loaded.message, goodsFile, loaded.line);
    return 1;
  }
  const auto exported = sdcard::ExportGoodsForSd(workspace, outFile);
  if (exported.message) {
    SayFileMessage(*exported.message, outFile, 0);
    return 1;
  }
  return 0;
}

int SdCardSales(const std::string& folder, const std::string& outFile) {
  tables::GridTable sales = sdcard::MakeSalesTable();
  const auto loaded = sdcard::LoadSales(sales, folder);
  if (loaded.message) {
    SayFileMessage(*loaded.message, loaded.file, loaded.line);
    return 1;
  }
  const auto saved = sdcard::SaveSalesFile(sales, outFile);
  if (saved.message) {
    SayFileMessage(*saved.message, outFile, 0);
    return 1;
  }
  return 0;
}

}  // namespace kvitmark::cli
