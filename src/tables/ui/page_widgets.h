#pragma once

#include <optional>
#include <vector>

#include "base/text_pattern.h"
#include "tables/catalogue.h"

// How the main window shows each page: the names its widgets are known by (tests,
// accessibility and screenshots use the same), how its columns and edits are laid out, and
// the texts of the dialogs that open and save its table file. What the register holds on the
// page is the catalogue's.
namespace kvitmark::tables::ui {

// The dialogs of a page's table file: the filter in the "description|pattern|description|
// pattern" form, and their titles.
struct FileDialogTexts {
  base::TextPattern filter;
  base::TextPattern openTitle;
  base::TextPattern saveTitle;
};

struct PageWidgets {
  PageId id;

  // Grid pages.
  const char* grid = nullptr;  // "StringGrid1"
  // Column widths as weights of 580 of the grid's width; the first pages follow the goods
  // grid's width, so their columns keep to the goods columns' proportions as it grows.
  std::vector<int> columnWeights = {};
  bool columnsFollowGoods = false;

  // Parameter pages: the edits of the record's fields in record order, of which the first
  // `leftColumnEdits` stand in the left column and the rest in the right one.
  std::vector<const char*> edits = {};
  int leftColumnEdits = 99;
  // The page's extra edit after the record, and its caption.
  const char* extraEdit = nullptr;
  const char* extraEditCaption = nullptr;

  std::optional<FileDialogTexts> file = {};  // none on the pages without a table file
};

// The widgets of a page; an id outside the enumeration throws std::out_of_range.
const PageWidgets& WidgetsOf(PageId page);

}  // namespace kvitmark::tables::ui
