#include "sdcard/sales_load.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "base/message.h"
#include "sdcard/card_lines.h"
#include "sdcard/line_reader.h"

namespace kvitmark::sdcard {
namespace {

namespace fs = std::filesystem;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

bool IsFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// Where a card file's reading ended.
struct FileEnd {
  LineRead read = LineRead::kLine;  // kLine: every row was filled
  int rows = 0;
  int line = 0;
};

using PlaceLine = std::function<void(int row, std::string_view line)>;

FileEnd ReadCardFile(std::istream& in, const PlaceLine& place, const Progress& progress) {
  LineReader reader(in);
  std::string_view line;
  int row = 1;
  while (row <= kSalesRows) {
    const LineRead read = reader.Next(line);
    if (read != LineRead::kLine) {
      // A fault sits in the line that was being read; a long line is the one handed out.
      const int where = read == LineRead::kFault ? reader.LinesRead() + 1 : reader.LinesRead();
      return {read, row - 1, where};
    }
    if (IsBlankLine(line)) continue;
    place(row, line);
    progress.step();
    ++row;
  }
  return {LineRead::kLine, kSalesRows, reader.LinesRead()};
}

LoadReport Report(LoadOutcome outcome, std::string_view file, base::Message text,
                  base::Message caption) {
  LoadReport report;
  report.outcome = outcome;
  report.file = std::string(file);
  report.message = files::FileMessage{std::move(text), std::move(caption)};
  return report;
}

LoadReport NoFolder() {
  return Report(LoadOutcome::kNoFolder, {},
                KV_PATTERN("sdcard", "Выберите папку с файлами upload.art и sales.art"),
                KV_PATTERN("sdcard", "Папка не выбрана"));
}

LoadReport CannotOpen(std::string_view file) {
  return Report(LoadOutcome::kCannotOpen, file,
                base::Message(KV_PATTERN("sdcard", "Ошибка открытия файла %1")).Arg(file),
                KV_PATTERN("sdcard", "Файл отсутствует или неверный формат"));
}

LoadReport Stopped(std::string_view file, const FileEnd& end) {
  LoadReport report;
  switch (end.read) {
    case LineRead::kLine:
      return {};
    case LineRead::kEnd:
      report = Report(LoadOutcome::kEarlyEnd, file,
                      KV_PATTERN("sdcard", "Конец файла! \n В файле неверное число записей!"),
                      KV_PATTERN("sdcard", "Незапланированный конец файла"));
      break;
    case LineRead::kTooLong:
      report = Report(
          LoadOutcome::kLineTooLong, file,
          base::Message::Counted(static_cast<long long>(kLongestCardLine),
                                 {KV_PATTERN("sdcard", "Строка %2 файла %3 длиннее %1 символа"),
                                  KV_PATTERN("sdcard", "Строка %2 файла %3 длиннее %1 символов"),
                                  KV_PATTERN("sdcard", "Строка %2 файла %3 длиннее %1 символов")})
              .Arg(end.line)
              .Arg(file),
          KV_PATTERN("sdcard", "Неверный формат файла"));
      break;
    case LineRead::kFault:
      report =
          Report(LoadOutcome::kReadFault, file,
                 base::Message(KV_PATTERN("sdcard", "Ошибка чтения данных из файла %1")).Arg(file),
                 KV_PATTERN("sdcard", "Ошибка работы с файлом"));
      break;
  }
  report.rowsFilled = end.rows;
  report.line = end.read == LineRead::kEnd ? 0 : end.line;
  return report;
}

std::vector<std::string_view> Views(const std::vector<std::string>& texts) {
  return std::vector<std::string_view>(texts.begin(), texts.end());
}

}  // namespace

std::string CardFolder(std::string_view folder) {
  std::string place(folder);
  if (place.empty() || place.back() != '/') place.push_back('/');
  return place;
}

std::optional<std::string> FindCardFile(const std::string& folder, std::string_view name) {
  const std::string exact = folder + std::string(name);
  if (IsFile(exact)) return exact;
  std::vector<std::string> matches;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string found = entry->path().filename().string();
    if (SameIgnoringCase(found, name) && IsFile(folder + found)) matches.push_back(found);
  }
  if (matches.empty()) return std::nullopt;
  // Two spellings side by side: always the same one, whatever order the folder lists them in.
  return folder + *std::min_element(matches.begin(), matches.end());
}

LoadReport LoadSales(tables::GridTable& sales, std::string_view folder, const Progress& progress) {
  if (folder.empty()) return NoFolder();
  const std::string place = CardFolder(folder);

  const auto uploadPath = FindCardFile(place, kUploadFileName);
  std::ifstream upload;
  if (uploadPath) upload.open(*uploadPath, std::ios::binary);
  if (!uploadPath || !upload) return CannotOpen(kUploadFileName);
  const auto salesPath = FindCardFile(place, kSalesFileName);
  std::ifstream salesFile;
  if (salesPath) salesFile.open(*salesPath, std::ios::binary);
  if (!salesPath || !salesFile) return CannotOpen(kSalesFileName);

  progress.setRange(kSalesRows);
  progress.setPosition(0);
  FileEnd end = ReadCardFile(
      upload,
      [&](int row, std::string_view line) {
        sales.SetRow(row, kFirstGoodsColumn, Views(ParseUploadLine(line)));
      },
      progress);
  if (end.read != LineRead::kLine) return Stopped(kUploadFileName, end);

  progress.setPosition(0);
  end = ReadCardFile(
      salesFile,
      [&](int row, std::string_view line) {
        sales.SetRow(row, kFirstSalesColumn, Views(ParseSalesLine(line)));
      },
      progress);
  if (end.read != LineRead::kLine) return Stopped(kSalesFileName, end);
  progress.setPosition(0);
  LoadReport complete;
  complete.rowsFilled = kSalesRows;
  return complete;
}

}  // namespace kvitmark::sdcard
