#include "files/table_file_kinds.h"

#include <vector>

namespace kvitmark::files {
namespace {

using tables::Page;
using tables::PageId;
using tables::PageShape;

const std::vector<TableFileKind>& Kinds() {
  static const auto* kinds = [] {
    auto* built = new std::vector<TableFileKind>();
    for (PageId id : tables::AllPages()) {
      const char* extension = Page(id).fileExtension;
      if (extension) built->push_back({id, extension});
    }
    return built;
  }();
  return *kinds;
}

}  // namespace

const TableFileKind* KindForPage(PageId page) {
  for (const TableFileKind& kind : Kinds()) {
    if (kind.page == page) return &kind;
  }
  return nullptr;
}

std::optional<PageId> PageOfExtension(std::string_view extension) {
  for (const TableFileKind& kind : Kinds()) {
    if (extension == kind.extension) return kind.page;
  }
  return std::nullopt;
}

int RecordCount(PageId page, bool typeSelected) {
  if (!KindForPage(page)) return 0;
  const tables::TableDescriptor& descriptor = Page(page);
  if (descriptor.shape == PageShape::kGrid && descriptor.fileNeedsType && !typeSelected) return 0;
  return descriptor.recordCount;
}

int LoadFieldCount(PageId page, bool typeSelected) {
  if (!KindForPage(page)) return 0;
  const tables::TableDescriptor& descriptor = Page(page);
  if (typeSelected) return descriptor.FieldCount();
  int shown = 0;
  if (descriptor.shape == PageShape::kParameter) {
    while (shown < descriptor.FieldCount() && !descriptor.fields[shown].hiddenInDesign) ++shown;
    return shown;
  }
  return descriptor.FieldCount();
}

int SaveFieldCount(PageId page, bool typeSelected) {
  if (!KindForPage(page)) return 0;
  const tables::TableDescriptor& descriptor = Page(page);
  if (descriptor.shape == PageShape::kParameter && descriptor.fileNeedsType && !typeSelected) {
    return 0;
  }
  const int fields = LoadFieldCount(page, typeSelected);
  return descriptor.keepsExtraEdit ? fields + 1 : fields;
}

}  // namespace kvitmark::files
