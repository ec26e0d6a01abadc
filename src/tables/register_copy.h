#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tables/catalogue.h"

// What the register is known to hold since the connection was made: for each page, the
// record texts last read from it or written into it, encoded as a write would send them.
// A record with no text here is unknown, and so counts as changed: nothing is ever left
// unwritten that the register might not hold.
namespace kvitmark::tables {

class RegisterCopy {
 public:
  void Remember(PageId page, int record, std::string text);
  // The exchange of `record` failed: the register may hold anything there.
  void Forget(PageId page, int record);
  // Another connection: nothing is known any more.
  void Clear();

  const std::string* Known(PageId page, int record) const;
  bool KnowsAny(PageId page) const;
  // Whether `text`, the record as a write would send it now, differs from what the
  // register holds.
  bool Changed(PageId page, int record, const std::string& text) const;

 private:
  struct Page {
    std::vector<std::optional<std::string>> records;  // index: record number
    int known = 0;
  };
  std::array<Page, kPageCount> pages_;
};

}  // namespace kvitmark::tables
