#include "tables/register_copy.h"

namespace kvitmark::tables {

void RegisterCopy::Remember(PageId page, int record, std::string text) {
  if (record < 1) return;
  Page& copy = pages_[PageIndex(page)];
  if (copy.records.size() <= static_cast<size_t>(record)) copy.records.resize(record + 1);
  if (!copy.records[record]) ++copy.known;
  copy.records[record] = std::move(text);
}

void RegisterCopy::Forget(PageId page, int record) {
  Page& copy = pages_[PageIndex(page)];
  if (record < 1 || static_cast<size_t>(record) >= copy.records.size()) return;
  if (copy.records[record]) --copy.known;
  copy.records[record].reset();
}

void RegisterCopy::Clear() {
  for (Page& copy : pages_) copy = Page{};
}

const std::string* RegisterCopy::Known(PageId page, int record) const {
  const Page& copy = pages_[PageIndex(page)];
  if (record < 1 || static_cast<size_t>(record) >= copy.records.size()) return nullptr;
  const auto& text = copy.records[record];
  return text ? &*text : nullptr;
}

bool RegisterCopy::KnowsAny(PageId page) const { return pages_[PageIndex(page)].known > 0; }

bool RegisterCopy::Changed(PageId page, int record, const std::string& text) const {
  const std::string* known = Known(page, record);
  return !known || *known != text;
}

}  // namespace kvitmark::tables
