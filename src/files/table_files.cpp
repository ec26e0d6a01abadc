#include "files/table_files.h"

#include <fstream>
#include <istream>
#include <streambuf>

#include "base/system_error_text.h"
#include "base/text_pattern.h"
#include "files/table_file_kinds.h"
#include "files/table_file_reader.h"
#include "files/table_file_writer.h"

namespace kvitmark::files {
namespace {

bool TypeSelected(const tables::Workspace& workspace) { return workspace.typeIndex >= 0; }

FileMessage CannotOpen() {
  return {KV_PATTERN("files", "Ошибка открытия файла"),
          KV_PATTERN("files", "Файл отсутствует или неверный формат")};
}

FileMessage EarlyEnd() {
  return {KV_PATTERN("files", "Конец файла! \n В файле неверное число записей!"),
          KV_PATTERN("files", "Незапланированный конец файла")};
}

FileMessage FormatError(const std::string& line) {
  // The line's first character, when there is one that is not the separator.
  const std::string_view first = !line.empty() && line.front() != ';'
                                     ? std::string_view(line).substr(0, 1)
                                     : std::string_view();
  return {base::Message(KV_PATTERN("files", "Ошибка чтения данных в файл %1")).Arg(first),
          KV_PATTERN("files", "Неверный формат файла")};
}

FileReport ReportFor(const ReadResult& result) {
  const int line = result.recordsPlaced + 1;
  switch (result.outcome) {
    case ReadOutcome::kComplete:
      return {true, std::nullopt, 0};
    case ReadOutcome::kEarlyEnd:
      return {false, EarlyEnd(), line, true};
    case ReadOutcome::kTooFewFields:
    case ReadOutcome::kFormatError:
      return {false, FormatError(result.offendingLine), line};
  }
  return {false, std::nullopt, 0};
}

// Bytes in memory read as a stream, without a copy.
class BytesBuffer final : public std::streambuf {
 public:
  explicit BytesBuffer(std::string_view bytes) {
    char* start = const_cast<char*>(bytes.data());
    setg(start, start, start + bytes.size());
  }
};

FileReport LoadTableStream(tables::Workspace& workspace, tables::PageId page, std::istream& in,
                           const Progress& progress) {
  const bool typeSelected = TypeSelected(workspace);
  const int records = RecordCount(page, typeSelected);
  progress.start(records);
  if (!KindForPage(page)) return {true, std::nullopt};
  const int fields = LoadFieldCount(page, typeSelected);

  if (tables::IsGridPage(page)) {
    tables::GridTable& grid = workspace.Grid(page);
    const ReadResult result = ReadGridFile(
        in, records, fields,
        [&](int row, const std::vector<std::string_view>& fields) { grid.SetRow(row, 1, fields); },
        progress.step);
    return ReportFor(result);
  }
  auto& parameters = workspace.Parameters(page);
  return ReportFor(ReadParameterFile(in, fields, [&](int field, std::string_view text) {
    parameters.fields[field].assign(text);
  }));
}

}  // namespace

FileReport LoadTableFile(tables::Workspace& workspace, tables::PageId page, const std::string& path,
                         const Progress& progress) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {false, CannotOpen()};
  return LoadTableStream(workspace, page, in, progress);
}

FileReport LoadTableBytes(tables::Workspace& workspace, tables::PageId page,
                          std::string_view bytes) {
  BytesBuffer buffer(bytes);
  std::istream in(&buffer);
  return LoadTableStream(workspace, page, in, {});
}

namespace {

bool WriteGridPage(std::ostream& out, const tables::GridTable& grid, int records, int fields,
                   const Progress& progress) {
  std::vector<std::string_view> cells(fields);
  return WriteLines(
      out, records,
      [&](int row) {
        for (int column = 1; column <= fields; ++column) cells[column - 1] = grid.Cell(column, row);
        return cells;
      },
      progress.step);
}

bool WriteParameterPage(std::ostream& out, tables::PageId page,
                        const tables::ParameterPage& parameters, int fields,
                        const Progress& progress) {
  if (fields == 0) return true;
  std::vector<std::string_view> values;
  const bool extraEdit = tables::Page(page).keepsExtraEdit;
  const int recordFields = extraEdit ? fields - 1 : fields;
  for (int field = 0; field < recordFields; ++field) values.push_back(parameters.fields[field]);
  // The page's hidden extra edit travels as the last field.
  if (extraEdit) values.push_back(parameters.fields.back());
  return WriteLines(
      out, 1, [&](int) { return values; }, progress.step);
}

}  // namespace

FileReport SaveTableFile(const tables::Workspace& workspace, tables::PageId page,
                         const std::string& path, const Progress& progress) {
  if (!KindForPage(page)) return {true, std::nullopt};
  const bool typeSelected = TypeSelected(workspace);
  const int fields = SaveFieldCount(page, typeSelected);
  const bool grid = tables::IsGridPage(page);
  const int records = grid ? RecordCount(page, typeSelected) : 1;
  progress.start(records);
  const auto write = [&](std::ostream& out) {
    return grid ? WriteGridPage(out, workspace.Grid(page), records, fields, progress)
                : WriteParameterPage(out, page, workspace.Parameters(page), fields, progress);
  };
  return SaveReport(base::SaveWholeFile(path, write), path);
}

FileReport SaveReport(const base::SaveResult& result, const std::string& path) {
  if (result.Saved()) return {true, std::nullopt};
  FileMessage message{result.outcome == base::SaveOutcome::kCannotCreate
                          ? KV_PATTERN("files", "Ошибка открытия файла")
                          : KV_PATTERN("files", "Ошибка записи данных в файл"),
                      KV_PATTERN("files", "Ошибка работы с файлом")};
  if (result.errorNumber != 0) message.reason = base::SystemErrorText(result.errorNumber, path);
  return {false, std::move(message)};
}

void ClearPageGrid(tables::Workspace& workspace, tables::PageId page) {
  if (!tables::Page(page).Clearable()) return;
  workspace.Grid(page).ClearRows();
}

}  // namespace kvitmark::files
