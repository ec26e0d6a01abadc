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
namespace {

void SayFileMessage(const std::string& file, const files::FileMessage& message, int line) {
  std::string text = ForTerminal(message.text);
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  std::string said = file + ": " + ForTerminal(message.caption) + ": " + text;
  if (line > 0) said += " (строка " + std::to_string(line) + ")";
  Say(said);
}

}  // namespace

int ExportGoodsForSdCard(const std::string& goodsFile, const std::string& outFile) {
  tables::Workspace workspace;
  PreparePages(workspace);
  const auto loaded = files::LoadTableFile(workspace, tables::PageId::kGoods, goodsFile);
  if (loaded.message) {
    SayFileMessage(goodsFile, *loaded.message, loaded.line);
    return 1;
  }
  const auto exported = sdcard::ExportGoodsForSd(workspace, outFile);
  if (exported.message) {
    SayFileMessage(outFile, *exported.message, 0);
    return 1;
  }
  return 0;
}

int SdCardSales(const std::string& folder, const std::string& outFile) {
  tables::GridTable sales = sdcard::MakeSalesTable();
  const auto loaded = sdcard::LoadSales(sales, folder);
  if (loaded.message) {
    SayFileMessage(loaded.file, *loaded.message, loaded.line);
    return 1;
  }
  const auto saved = sdcard::SaveSalesFile(sales, outFile);
  if (saved.message) {
    SayFileMessage(outFile, *saved.message, 0);
    return 1;
  }
  return 0;
}

}  // namespace kvitmark::cli
