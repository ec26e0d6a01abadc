// Any file opened as a table file of any kind: the load ends with an outcome, never a
// crash, and a file that loads completely saves into one that loads back to the same page.
//
// Input: [0] page, [1] bit 0: a register type selected; then the file's bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "files/table_file_kinds.h"
#include "files/table_files.h"
#include "fuzz_support.h"
#include "tables/catalogue.h"
#include "tables/workspace.h"

namespace {

using namespace kvitmark;

tables::Workspace& PreparedWorkspace() {
  static tables::Workspace workspace = [] {
    tables::Workspace w;
    tables::PrepareGrids(w);
    return w;
  }();
  return workspace;
}

// What a load may have changed: the kind's fields of every record.
std::vector<std::string> PageContents(const tables::Workspace& workspace, tables::PageId page,
                                      bool typeSelected) {
  const int fields = files::LoadFieldCount(page, typeSelected);
  if (!tables::IsGridPage(page)) {
    const auto& values = workspace.Parameters(page).fields;
    return {values.begin(), values.begin() + std::min<size_t>(fields, values.size())};
  }
  std::vector<std::string> cells;
  const auto& grid = workspace.Grid(page);
  for (int row = 1; row <= files::RecordCount(page, typeSelected); ++row)
    for (int column = 1; column <= fields; ++column) cells.push_back(grid.Cell(column, row));
  return cells;
}

constexpr size_t kHeader = 2;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeader) return 0;
  const tables::PageId page = tables::PageAt(data[0] % tables::kPageCount);
  const bool typeSelected = data[1] & 1;
  tables::Workspace& workspace = PreparedWorkspace();
  workspace.typeIndex = typeSelected ? 0 : -1;

  const std::string_view bytes(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  const std::string path = fuzzing::WriteFuzzFile("table.txt", bytes);
  const files::FileReport loaded = files::LoadTableFile(workspace, page, path);
  FUZZ_REQUIRE(loaded.done || loaded.message.has_value());

  // Without a register type the cash register parameters are read but never written.
  const bool savesWhatItLoads =
      files::SaveFieldCount(page, typeSelected) >= files::LoadFieldCount(page, typeSelected);
  if (loaded.done && !loaded.message && files::KindForPage(page) && savesWhatItLoads) {
    const auto before = PageContents(workspace, page, typeSelected);
    // A line end inside a field cannot survive the file format; the window never lets one
    // into a cell, but a file can.
    for (const auto& text : before)
      if (text.find_first_of("\r\n") != std::string::npos) return 0;
    const std::string copy = fuzzing::FuzzFolder() + "/saved.txt";
    FUZZ_REQUIRE(files::SaveTableFile(workspace, page, copy).done);
    const files::FileReport reloaded = files::LoadTableFile(workspace, page, copy);
    FUZZ_REQUIRE(reloaded.done && !reloaded.message);
    FUZZ_REQUIRE(PageContents(workspace, page, typeSelected) == before);
  }
  return 0;
}
