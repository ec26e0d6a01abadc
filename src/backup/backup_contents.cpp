#include "backup/backup_contents.h"

#include <algorithm>

#include "base/cp1251.h"
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
  static const std::string caption = tables::Page(tables::PageId::kLogo).caption;
  return caption;
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
  const int lastTwo = count % 100;
  const int last = count % 10;
  const char* word = "записей";
  if (lastTwo < 11 || lastTwo > 14) {
    if (last == 1) word = "запись";
    if (last >= 2 && last <= 4) word = "записи";
  }
  return std::to_string(count) + ' ' + base::Cp1251(word);
}

}  // namespace kvitmark::backup
