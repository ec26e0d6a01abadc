#include "backup/backup_contents.h"

#include <algorithm>

#include "base/cp1251.h"
#include "base/text_pattern.h"
#include "files/table_file_kinds.h"

namespace kvitmark::backup {

const char* ProgramVersion() { return KVITMARK_VERSION; }

const std::vector<tables::PageId>& BackupPages() {
  static const auto* pages = [] {
    auto* list = new std::vector<tables::PageId>;
    for (tables::PageId page : tables::AllPages()) {
      if (files::KindForPage(page)) list->push_back(page);
    }
    return list;
  }();
  return *pages;
}

std::string KindName(tables::PageId page) { return files::KindForPage(page)->extension; }

std::string KindFile(tables::PageId page) {
  const std::string kind = KindName(page);
  return kind + '.' + kind;
}

int FileRecords(tables::PageId page) { return files::RecordCount(page, true); }

const std::string& LogoCaption() {
  static const std::string caption =
      base::RenderCp1251(tables::Page(tables::PageId::kLogo).caption);
  return caption;
}

std::string NamedItem(const std::string& caption, const std::string& file) {
  return base::Format(KV_PATTERN("backup", "%1 (%2)"), {caption, file});
}

std::string ItemLine(const std::string& caption, const std::string& file, const std::string& what) {
  return base::Format(KV_PATTERN("backup", "%1 (%2): %3"), {caption, file, what});
}

std::string RecordList(std::vector<int> records) {
  std::sort(records.begin(), records.end());
  records.erase(std::unique(records.begin(), records.end()), records.end());
  std::string text;
  for (size_t first = 0; first < records.size();) {
    size_t last = first;
    while (last + 1 < records.size() && records[last + 1] == records[last] + 1) ++last;
    if (!text.empty()) text += ", ";
    text += std::to_string(records[first]);
    // Two numbers in a row read better apart than as a run.
    if (last == first + 1) {
      text += ", " + std::to_string(records[last]);
    } else if (last > first) {
      text += base::Cp1251("–") + std::to_string(records[last]);
    }
    first = last + 1;
  }
  return text;
}

std::string RecordsText(int count) {
  return base::FormatCount(count,
                           {KV_PATTERN("backup", "%1 запись"), KV_PATTERN("backup", "%1 записи"),
                            KV_PATTERN("backup", "%1 записей")});
}

}  // namespace kvitmark::backup
