#include "sdcard/goods_export.h"

#include <string_view>
#include <vector>

#include "base/whole_file.h"
#include "files/table_file_writer.h"
#include "files/table_files.h"
#include "sdcard/space_substitute.h"

namespace kvitmark::sdcard {
namespace {

constexpr int kNameColumn = 2;

}  // namespace

files::FileReport ExportGoodsForSd(tables::Workspace& workspace, const std::string& path,
                                   const Progress& progress) {
  tables::GridTable& goods = workspace.Grid(tables::PageId::kGoods);
  progress.setRange(kCardGoodsLines);
  progress.setPosition(0);
  std::vector<std::string_view> cells(kGoodsFields);
  std::string name;
  const auto saved = base::SaveWholeFile(path, [&](std::ostream& out) {
    return files::WriteLines(
        out, kCardGoodsLines,
        [&](int row) {
          for (int column = 1; column <= kGoodsFields; ++column) {
            cells[column - 1] = goods.Cell(column, row);
          }
          name = WithSpaceSubstitutes(goods.Cell(kNameColumn, row));
          cells[kNameColumn - 1] = name;
          return cells;
        },
        progress.step);
  });
  progress.setPosition(0);
  if (saved.Saved()) {
    for (int row = 1; row <= kCardGoodsLines; ++row) {
      const std::string& cell = goods.Cell(kNameColumn, row);
      if (cell.find(' ') != std::string::npos) {
        goods.SetCell(kNameColumn, row, WithSpaceSubstitutes(cell));
      }
    }
  }
  return files::SaveReport(saved, path);
}

}  // namespace kvitmark::sdcard
