#include "cli/csv_commands.h"

#include <fstream>
#include <iostream>
#include <iterator>

#include "backup/scratch_session.h"
#include "base/message.h"
#include "base/ui/translation.h"
#include "files/table_file_writer.h"
#include "files/table_files.h"
#include "sheets/goods_csv_export.h"
#include "sheets/goods_csv_import.h"

namespace kvitmark::cli {
namespace {

using tables::PageId;

constexpr auto kLargestSheet = static_cast<std::streamsize>(sheets::kLargestGoodsSheet);

// A message in the user's language, UTF-8.
std::string Told(const base::Message& message) { return base::ui::Render(message).toStdString(); }

// A table file's message box on one line.
void SayFileMessage(const std::string& file, const files::FileReport& report) {
  std::string text = Told(report.message->text);
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  std::cerr << file << ": " << Told(report.message->caption) << ": " << text;
  if (report.line > 0) {
    std::cerr << Told(base::Message(KV_PATTERN("cli", " (строка %1)")).Arg(report.line));
  }
  std::cerr << '\n';
}

}  // namespace

int ExportGoodsCsv(const std::string& goodsFile, const std::string& csvFile) {
  tables::Workspace workspace;
  backup::PrepareJuniorPages(workspace);
  const auto loaded = files::LoadTableFile(workspace, PageId::kGoods, goodsFile);
  if (loaded.message) {
    SayFileMessage(goodsFile, loaded);
    return 1;
  }
  const auto sheet = sheets::GoodsCsv(workspace.Grid(PageId::kGoods));
  const auto saved = files::SaveFile(csvFile, [&](std::ostream& out) {
    return static_cast<bool>(
        out.write(sheet.text.data(), static_cast<std::streamsize>(sheet.text.size())));
  });
  if (saved != files::SaveOutcome::kSaved) {
    std::cerr
        << Told(base::Message(KV_PATTERN("cli", "%1: не удалось записать файл")).ArgUtf8(csvFile))
        << '\n';
    return 1;
  }
  std::cerr << Told(base::Message(KV_PATTERN("cli", "Товаров: %1")).Arg(sheet.goods)) << '\n';
  return 0;
}

int ImportGoodsCsv(const std::string& csvFile, const std::string& goodsFile) {
  std::ifstream in(csvFile, std::ios::binary);
  std::string bytes;
  if (in) {
    bytes.resize(static_cast<size_t>(kLargestSheet) + 1);
    in.read(bytes.data(), kLargestSheet + 1);
    bytes.resize(static_cast<size_t>(in.gcount()));
  }
  if (!in && !in.eof()) {
    std::cerr
        << Told(base::Message(KV_PATTERN("cli", "%1: не удалось прочитать файл")).ArgUtf8(csvFile))
        << '\n';
    return 1;
  }
  if (static_cast<std::streamsize>(bytes.size()) > kLargestSheet) {
    std::cerr << Told(base::Message(KV_PATTERN("cli", "%1: файл слишком велик для списка товаров"))
                          .ArgUtf8(csvFile))
              << '\n';
    return 1;
  }
  const auto sheet = sheets::ReadGoodsCsv(bytes);
  if (!sheet.ok()) {
    for (const auto& problem : sheet.problems) {
      std::cerr << csvFile << ": " << Told(problem.text) << '\n';
    }
    if (sheet.moreProblems > 0)
      std::cerr << csvFile << ": " << Told(MoreProblemsText(sheet)) << '\n';
    std::cerr << Told(base::Message(KV_PATTERN("cli", "Ошибок: %1. Файл %2 не записан."))
                          .Arg(sheet.ProblemCount())
                          .ArgUtf8(goodsFile))
              << '\n';
    return 1;
  }
  tables::Workspace workspace;
  backup::PrepareJuniorPages(workspace);
  sheets::PlaceGoods(sheet.rows, workspace.Grid(PageId::kGoods));
  const auto saved = files::SaveTableFile(workspace, PageId::kGoods, goodsFile);
  if (saved.message) {
    SayFileMessage(goodsFile, saved);
    return 1;
  }
  std::cerr << Told(base::Message(KV_PATTERN("cli", "Товаров: %1"))
                        .Arg(static_cast<long long>(sheet.rows.size())))
            << '\n';
  return 0;
}

}  // namespace kvitmark::cli
