#include "sdcard/sales_file.h"

#include <string_view>
#include <vector>

#include "base/whole_file.h"
#include "files/table_file_writer.h"
#include "files/table_files.h"

namespace kvitmark::sdcard {

files::FileReport SaveSalesFile(const tables::GridTable& sales, const std::string& path,
                                const Progress& progress) {
  progress.setPosition(0);
  std::vector<std::string_view> cells(kLastSalesColumn);
  const auto saved = base::SaveWholeFile(path, [&](std::ostream& out) {
    return files::WriteLines(
        out, kSalesRows,
        [&](int row) {
          for (int column = 1; column <= kLastSalesColumn; ++column) {
            cells[column - 1] = sales.Cell(column, row);
          }
          return cells;
        },
        progress.step);
  });
  progress.setPosition(0);
  return files::SaveReport(saved, path);
}

}  // namespace kvitmark::sdcard
