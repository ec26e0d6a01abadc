#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/message.h"
#include "base/text_pattern.h"

// The register keeps its programmable data in numbered tables of numbered records; the
// main window shows each table on a page. This catalogue holds the register's facts about
// each page: its shape, table and records, how each field is taken, written and captioned,
// the rows a write covers, its clear plan and its table file's kind. How a window shows the
// page (its widgets, their sizes, its dialogs' texts) is the window's own. Code asks the
// descriptor; it never compares page ids. Captions are marked texts, rendered by each front
// end in its user's language.
namespace kvitmark::tables {

// The pages in the order of the window's page control.
enum class PageId {
  kGoods,
  kOperators,
  kPaymentTypes,
  kDepartments,
  kHeaderText,
  kCashParameters,
  kReceiptParameters,
  kServiceParameters,
  kLogo,
  kRefundNames,
  kPostalParameters,
  kPayments,
  kPurposes,
  kCommissions,
  kAttributes1,
  kAttributes2,
  kMessageCodes,
  kExtraServices,
  kCurrencyNames,
  kMandatoryInput,
  kNumerators,
  kSocialHelp,
  kReports,  // the last page: a new one goes before it
};

inline constexpr int kPageCount = static_cast<int>(PageId::kReports) + 1;
// The fields an answer may carry after the record number: a 33rd has no position at all.
inline constexpr int kMaxFields = 32;

// A page's position in the window's page control, and the page at a position; a position
// that holds no page throws std::out_of_range.
int PageIndex(PageId page);
PageId PageAt(int index);
const std::array<PageId, kPageCount>& AllPages();

// What a page is made of. The logo and reports pages hold no table of their own: each has
// operations of its own instead of the table ones.
enum class PageShape { kGrid, kParameter, kLogo, kReports };

// How a grid field of an answer is taken into its cell.
enum class FieldKind {
  kAbsent = 0,  // no field here: an answer that carries one is refused
  kNumber = 1,  // an empty field is shown as "0"
  kText = 2,    // an empty field is shown empty
};

// How a cell becomes a field of the record text the register is sent.
enum class Encoding {
  kAsIs,      // the cell text unchanged
  kFirstN,    // its first `width` characters, not trimmed
  kFlag,      // "0" for an empty cell, else its first character
  kNumber,    // trimmed; "0" when that is empty
  kText,      // trimmed, empty allowed
  kPrice,     // a decimal number with two places; "0.00" for an empty cell
  kQuantity,  // a decimal number with three places; "0.000" for an empty cell
  kBarcode,   // "0" for an empty cell, else its first 13 characters
};

// One field of a grid page's records, shown as one column (record field 1 in grid column 1).
struct GridField {
  base::Message caption;  // the column's header
  FieldKind kind;         // how the field of an answer is taken
  Encoding encoding;      // how the cell is written
  int width = 0;          // the characters kFirstN writes
};

// One field of a parameter page's single record, in record order.
struct ParameterField {
  base::TextPattern caption;  // as the register type's layout shows it
  base::Message hint = {};    // lines separated by '\n'; empty for none
  bool hidden = false;        // hidden in every layout, still part of the record
  // The layout shown before a register type is picked: its caption when it differs, and
  // whether it hides the field (a file loaded without a type does not fill such fields).
  std::optional<base::TextPattern> designCaption = {};
  bool hiddenInDesign = false;
};

// "Очистить": the records the clear writes (from `first` to the table's last), and what it
// writes into each: the register's factory contents. `juniorSelected` tells whether the
// type selector stands on the Junior.
struct ClearPlan {
  int first;
  std::string (*record)(int record, bool juniorSelected);
};

struct TableDescriptor {
  PageId id;
  base::TextPattern caption;
  PageShape shape;
  int tableNumber = -1;  // -1 on the pages without a table
  int recordCount = 0;

  // Grid pages.
  base::Message numberCaption = {};     // the header of column 0, the record numbers' or labels'
  std::vector<GridField> columns = {};  // grid column 1 first
  // Fields an answer may carry after the columns' (the goods' eleventh): taken into the
  // cells beyond the shown columns, never written.
  std::vector<FieldKind> unshownFields = {};
  bool intervalOnRead = false;   // reading honours the coding interval
  bool intervalOnWrite = false;  // writing honours the coding interval
  int writeFirstRow = 1;         // the first row a write covers
  // Column 0 shows labels instead of record numbers (one per row, per layout).
  std::vector<base::Message> rowLabels = {};
  std::vector<base::Message> juniorRowLabels = {};
  // The rows (header row included) the Junior layout shows; 0 leaves the grid as it is.
  int juniorRows = 0;

  // Parameter pages.
  std::vector<ParameterField> fields = {};  // record order
  // A hidden edit after the record that the page and its table file keep, not the register.
  bool keepsExtraEdit = false;
  bool emptyFieldsShowZero = false;  // reading: the page's fields are all numbers

  std::optional<ClearPlan> clear = {};
  // The kind of the page's table file, known by its extension ("art"); null: the page has
  // no table file.
  const char* fileExtension = nullptr;
  // Without a register type picked its table file holds nothing: the goods file has no
  // lines, the cash parameters file no fields.
  bool fileNeedsType = false;
  // A record skipped after failing while the page is written ends the register's exchange.
  bool skipEndsExchange = false;

  // The fields of the page's records the program writes.
  int FieldCount() const;
  // How the field at `position` (1 for the first after the record number) of an answer is
  // taken; kAbsent where the page's records have none.
  FieldKind AnswerFieldKind(int position) const;
  // The header of grid column `column`: the record numbers' for 0, a field's from 1 on.
  const base::Message& ColumnCaption(int column) const;
  // Grid pages have the coding interval; "Конец" starts at their record count.
  bool HasInterval() const { return shape == PageShape::kGrid; }
  bool Clearable() const { return clear.has_value(); }
};

// The descriptor of a page; an id outside the enumeration throws std::out_of_range.
const TableDescriptor& Page(PageId page);
bool IsGridPage(PageId page);
bool IsParameterPage(PageId page);

// The goods records the Junior holds.
inline constexpr int kJuniorGoodsRecords = 14000;

}  // namespace kvitmark::tables
