#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tables/catalogue.h"

// Every table page can be kept in a text file of its own kind, told apart by its
// extension: one record text per line, code page 1251, CR LF line ends.
namespace kvitmark::files {

struct TableFileKind {
  tables::PageId page;
  const char* extension;  // "art"
};

// The kind of a page, or nothing on the pages without a table ("Логотип", "Отчеты").
const TableFileKind* KindForPage(tables::PageId page);
// The page whose files have this extension ("art"), if any.
std::optional<tables::PageId> PageOfExtension(std::string_view extension);

// Lines of a kind. The goods file holds 14000 with the register type picked and none
// without one; the header text file always holds 12, shown rows or not.
int RecordCount(tables::PageId page, bool typeSelected);

// Fields taken from each line on loading: the page's fields, but without a register type
// only those its layout shows then (the cash register and service parameters take their
// first 11 and 10).
int LoadFieldCount(tables::PageId page, bool typeSelected);

// Fields written on each line. The service parameters carry the page's hidden extra edit
// as one more field; without a register type the cash register parameters write nothing.
int SaveFieldCount(tables::PageId page, bool typeSelected);

}  // namespace kvitmark::files
