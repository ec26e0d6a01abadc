#include "tables/workspace.h"

#include <stdexcept>

#include "base/text_pattern.h"

namespace kvitmark::tables {
namespace {

void WriteHeaderAndLabels(GridTable& grid, const TableDescriptor& page,
                          const std::vector<base::Message>& labels) {
  for (int column = 0; column <= page.FieldCount(); ++column) {
    grid.SetHeading(column, 0, page.ColumnCaption(column));
  }
  for (size_t row = 0; row < labels.size(); ++row) {
    grid.SetHeading(0, static_cast<int>(row) + 1, labels[row]);
  }
}

// Column 0 numbers the records where the page has no labels for it.
void WriteHeaderAndNumbers(GridTable& grid, const TableDescriptor& page) {
  if (!page.rowLabels.empty()) {
    WriteHeaderAndLabels(grid, page, page.rowLabels);
    return;
  }
  WriteHeaderAndLabels(grid, page, {});
  for (int row = 1; row <= page.recordCount; ++row) grid.SetCell(0, row, std::to_string(row));
}

// Captions and visibility of a parameter page as the register type's layout, or the
// layout shown before a type is picked, has them.
void ShowParameterLayout(ParameterPage& parameters, const TableDescriptor& page, bool design) {
  for (size_t field = 0; field < page.fields.size(); ++field) {
    const ParameterField& descriptor = page.fields[field];
    const bool designCaption = design && descriptor.designCaption.has_value();
    parameters.captions[field] = designCaption ? *descriptor.designCaption : descriptor.caption;
    parameters.visible[field] = !descriptor.hidden && !(design && descriptor.hiddenInDesign);
  }
  if (page.keepsExtraEdit) {
    parameters.captions.back() = {};
    parameters.visible.back() = false;
  }
}

}  // namespace

Workspace::Workspace() {
  for (PageId id : AllPages()) {
    const TableDescriptor& page = Page(id);
    const int index = PageIndex(id);
    if (page.shape == PageShape::kGrid) {
      grids_[index] = std::make_unique<GridTable>(page.FieldCount() + 1, page.recordCount + 1);
    } else if (page.shape == PageShape::kParameter) {
      auto parameters = std::make_unique<ParameterPage>();
      const size_t edits = page.fields.size() + (page.keepsExtraEdit ? 1 : 0);
      parameters->fields.resize(edits);
      parameters->captions.resize(edits);
      parameters->visible.resize(edits);
      ShowParameterLayout(*parameters, page, true);
      parameters_[index] = std::move(parameters);
    }
  }
}

GridTable& Workspace::Grid(PageId page) {
  auto& grid = grids_[PageIndex(Page(page).id)];
  if (!grid) throw std::logic_error("page " + std::to_string(PageIndex(page)) + " has no grid");
  return *grid;
}

const GridTable& Workspace::Grid(PageId page) const {
  return const_cast<Workspace*>(this)->Grid(page);
}

ParameterPage& Workspace::Parameters(PageId page) {
  auto& parameters = parameters_[PageIndex(Page(page).id)];
  if (!parameters) {
    throw std::logic_error("page " + std::to_string(PageIndex(page)) + " has no fields");
  }
  return *parameters;
}

const ParameterPage& Workspace::Parameters(PageId page) const {
  return const_cast<Workspace*>(this)->Parameters(page);
}

void PrepareGrids(Workspace& workspace) {
  for (PageId id : AllPages()) {
    const TableDescriptor& page = Page(id);
    if (page.shape == PageShape::kParameter && page.keepsExtraEdit) {
      auto& parameters = workspace.Parameters(id);
      parameters.captions.back() = {};
      parameters.visible.back() = false;
    }
    if (page.shape == PageShape::kGrid) WriteHeaderAndNumbers(workspace.Grid(id), page);
  }
}

void ApplyTypeLayout(Workspace& workspace, int typeIndex) {
  if (typeIndex != 0) return;
  ShowTypeLayout(workspace, typeIndex);
  workspace.interval.end = std::to_string(kJuniorGoodsRecords);
}

void ShowTypeLayout(Workspace& workspace, int typeIndex) {
  if (typeIndex != 0) return;
  workspace.windowCaption = KV_PATTERN("tables", "Программирование Datecs MP-50 Junior");
  workspace.connectionGroupCaption = KV_PATTERN("tables", "Подключить Datecs MP-50 Junior");
  for (PageId id : AllPages()) {
    const TableDescriptor& page = Page(id);
    if (page.shape == PageShape::kParameter) {
      ShowParameterLayout(workspace.Parameters(id), page, false);
      continue;
    }
    if (page.shape != PageShape::kGrid) continue;
    GridTable& grid = workspace.Grid(id);
    if (page.juniorRows > 0) grid.SetRowCount(page.juniorRows);
    if (!page.juniorRowLabels.empty()) WriteHeaderAndLabels(grid, page, page.juniorRowLabels);
  }
}

}  // namespace kvitmark::tables
