#include "tables/workspace.h"

#include "base/cp1251.h"

namespace kvitmark::tables {
namespace {

// The header text grid shows all twelve rows until a type is picked; the Junior has
// seven receipt lines, so its layout shows rows 1 to 7 (and keeps 8 to 12 in the table).
constexpr int kHeaderTextDesignRows = 13;
constexpr int kHeaderTextJuniorRows = 8;

int ShownColumns(const TableDescriptor& page) { return static_cast<int>(page.headers.size()); }

}  // namespace

Workspace::Workspace() {
  for (int index = 0; index < kPageCount; ++index) {
    const TableDescriptor& page = Page(index);
    if (page.shape == PageShape::kGrid) {
      const int rows = index == kHeaderTextPage ? kHeaderTextDesignRows : page.recordCount + 1;
      grids_[index] = std::make_unique<GridTable>(ShownColumns(page), rows);
    } else if (page.shape == PageShape::kParameter) {
      auto& parameters = parameters_[index];
      for (const ParameterField& field : page.fields) {
        parameters.fields.emplace_back();
        parameters.captions.push_back(field.caption);
        parameters.visible.push_back(!field.hidden);
      }
    }
  }
  // Page 7 holds one more edit, hidden and outside the record; table files keep it.
  auto& service = parameters_[7];
  service.fields.emplace_back();
  service.captions.emplace_back();
  service.visible.push_back(false);
  // The design layout, shown until a register type is picked.
  for (const DesignCaption& design : DesignCaptions()) {
    parameters_[design.page].captions[design.field] = design.caption;
  }
  parameters_[5].visible[11] = parameters_[5].visible[12] = false;
  parameters_[7].visible[10] = false;
}

GridTable& Workspace::Grid(int page) {
  if (page < 0 || page >= kPageCount || !grids_[page]) return *grids_[0];
  return *grids_[page];
}

const GridTable& Workspace::Grid(int page) const {
  return const_cast<Workspace*>(this)->Grid(page);
}

ParameterPage& Workspace::Parameters(int page) {
  if (page < 0 || page >= kPageCount) return parameters_[kLogoPage];
  return parameters_[page];
}

const ParameterPage& Workspace::Parameters(int page) const {
  return const_cast<Workspace*>(this)->Parameters(page);
}

void PrepareGrids(Workspace& workspace) {
  for (int index = 0; index < kPageCount; ++index) {
    const TableDescriptor& page = Page(index);
    if (page.shape != PageShape::kGrid) continue;
    GridTable& grid = workspace.Grid(index);
    for (size_t column = 0; column < page.headers.size(); ++column) {
      grid.SetCell(static_cast<int>(column), 0, page.headers[column]);
    }
    if (index == kHeaderTextPage) {
      const auto labels = HeaderTextRowLabels(false);
      for (size_t row = 0; row < labels.size(); ++row) {
        grid.SetCell(0, static_cast<int>(row) + 1, labels[row]);
      }
      continue;
    }
    for (int row = 1; row <= page.recordCount; ++row) grid.SetCell(0, row, std::to_string(row));
  }
  auto& service = workspace.Parameters(7);
  service.captions.back().clear();
  service.visible.back() = false;
}

void ApplyTypeLayout(Workspace& workspace, int typeIndex) {
  if (typeIndex != 0) return;
  workspace.windowCaption = base::Cp1251("Программирование Datecs MP-50 Junior");
  workspace.connectionGroupCaption = base::Cp1251("Подключить Datecs MP-50 Junior");
  workspace.Grid(0).SetRowCount(kJuniorGoodsRecords + 1);
  workspace.interval.end = std::to_string(kJuniorGoodsRecords);
  workspace.Grid(kHeaderTextPage).SetRowCount(kHeaderTextJuniorRows);
  workspace.Grid(2).SetRowCount(Page(2).recordCount + 1);

  GridTable& headerText = workspace.Grid(kHeaderTextPage);
  const auto& headers = Page(kHeaderTextPage).headers;
  for (size_t column = 0; column < headers.size(); ++column) {
    headerText.SetCell(static_cast<int>(column), 0, headers[column]);
  }
  const auto labels = HeaderTextRowLabels(true);
  for (size_t row = 0; row < labels.size(); ++row) {
    headerText.SetCell(0, static_cast<int>(row) + 1, labels[row]);
  }

  for (int index : {5, 7}) {
    const TableDescriptor& page = Page(index);
    auto& parameters = workspace.Parameters(index);
    for (size_t field = 0; field < page.fields.size(); ++field) {
      parameters.captions[field] = page.fields[field].caption;
      parameters.visible[field] = !page.fields[field].hidden;
    }
  }
  auto& service = workspace.Parameters(7);
  service.captions.back().clear();
  service.visible.back() = false;
}

}  // namespace kvitmark::tables
