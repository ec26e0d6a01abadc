#include "backup/backup_contents.h"

#include <algorithm>
#include <utility>

#include "base/cp1251.h"
#include "base/text_pattern.h"
#include "files/table_file_kinds.h"
#include "tables/operation_support.h"

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

base::Message ItemCaption(std::optional<tables::PageId> page) {
  return tables::Page(page.value_or(tables::PageId::kLogo)).caption;
}

base::Message NamedItem(base::Message caption, const std::string& file) {
  return base::Message(KV_PATTERN("backup", "%1 (%2)")).Arg(std::move(caption)).ArgUtf8(file);
}

base::Message ItemLine(base::Message caption, const std::string& file, base::Message what) {
  return base::Message(KV_PATTERN("backup", "%1 (%2): %3"))
      .Arg(std::move(caption))
      .ArgUtf8(file)
      .Arg(std::move(what));
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

base::Message RecordsText(int count) {
  return base::Message::Counted(
      count, {KV_PATTERN("backup", "%1 запись"), KV_PATTERN("backup", "%1 записи"),
              KV_PATTERN("backup", "%1 записей")});
}

base::Message JoinedLines(const base::MessageList& lines) {
  base::Message joined;
  for (const base::Message& line : lines) {
    if (!joined.Empty()) joined.Arg("\n");
    joined.Arg(line);
  }
  return joined;
}

base::Message NotConnected() { return base::Message().Arg(tables::support::NotConnectedText()); }

}  // namespace kvitmark::backup
