#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// The register keeps its programmable data in numbered tables of numbered records; the
// main window shows each table on a page. This catalogue ties the two together: one
// descriptor per page holds every fact about it — caption, shape, table number, records,
// how each field is decoded, shown and written, its clear plan, its table file, its
// column weights. Code asks the descriptor; it never compares page numbers. It is fixed
// data; texts are code page 1251.
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
inline constexpr int kMaxFields = 32;

// A page's position in the window's page control, and the page at a position; a position
// that holds no page throws std::out_of_range.
int PageIndex(PageId page);
PageId PageAt(int index);
const std::array<PageId, kPageCount>& AllPages();

enum class PageShape { kGrid, kParameter, kOther };

// How a grid field of an answer is taken into its cell.
enum class FieldKind {
  kAbsent = 0,  // no field here: an answer that carries one is refused
  kNumber = 1,  // an empty field is shown as "0"
  kText = 2,    // an empty field is shown empty
};

// How a cell becomes a field of the record text the register is sent.
enum class Encoding {
  kAsIs,      // the cell text unchanged
  kFirstN,    // its first n characters, not trimmed
  kFlag,      // "0" for an empty cell, else its first character
  kNumber,    // trimmed; "0" when that is empty
  kText,      // trimmed, empty allowed
  kPrice,     // a decimal number with two places; "0.00" for an empty cell
  kQuantity,  // a decimal number with three places; "0.000" for an empty cell
  kBarcode,   // "0" for an empty cell, else its first 13 characters
};

struct FieldEncoding {
  Encoding encoding;
  int length = 0;  // for kFirstN
};

// One edit field of a parameter page, in record order.
struct ParameterField {
  std::string control;  // "Edit5"
  std::string caption;  // as the register type's layout shows it
  std::string hint;     // lines separated by '\n'; empty for none
  bool hidden = false;  // hidden in every layout, still part of the record
  // The layout shown before a register type is picked: its caption when it differs, and
  // whether it hides the field (a file loaded without a type does not fill such fields).
  std::string designCaption = {};
  bool hiddenInDesign = false;
};

// "Очистить": the records the clear writes (from `first` to the table's last), and what it
// writes into each: the register's factory contents. `juniorSelected` tells whether the
// type selector stands on the Junior.
struct ClearPlan {
  int first;
  std::string (*record)(int record, bool juniorSelected);
};

// The page's table file: its extension and the dialogs' texts (filter in the
// "description|pattern|description|pattern" form).
struct FileKindTexts {
  const char* extension = nullptr;  // null: the page has no table file
  const char* filter = "";
  const char* openTitle = "";
  const char* saveTitle = "";
};

struct TableDescriptor {
  PageId id;
  std::string caption;
  PageShape shape = PageShape::kOther;
  std::string control = {};  // the grid's name ("StringGrid1"); empty on other pages
  int tableNumber = -1;      // -1 on the pages without a table
  int recordCount = 0;

  // Grid pages.
  std::array<FieldKind, kMaxFields> kinds = {};  // answer field position p at kinds[p - 1]
  std::vector<std::string> headers = {};         // header row, column 0 first
  std::vector<FieldEncoding> encodings = {};     // column 1 first
  bool intervalOnRead = false;                   // reading honours the coding interval
  bool intervalOnWrite = false;                  // writing honours the coding interval
  int writeFirstRow = 1;                         // the first row a write covers
  // Column 0 shows labels instead of record numbers (one per row, per layout).
  std::vector<std::string> rowLabels = {};
  std::vector<std::string> juniorRowLabels = {};
  // The rows (header row included) the Junior layout shows; 0 leaves the grid as it is.
  int juniorRows = 0;
  // Column widths as weights of 580; the first pages follow the goods grid's width.
  std::vector<int> columnWeights = {};
  bool columnsFollowGoods = false;

  // Parameter pages.
  std::vector<ParameterField> fields = {};  // record order
  // A hidden edit after the record that the page and its table file keep, not the register.
  bool keepsExtraEdit = false;
  bool emptyFieldsShowZero = false;  // reading: the page's fields are all numbers
  int leftColumnFields = 99;         // fields in the left column of the page, the rest right

  std::optional<ClearPlan> clear = {};
  FileKindTexts file = {};
  // Without a register type picked its table file holds nothing: the goods file has no
  // lines, the cash parameters file no fields.
  bool fileNeedsType = false;
  // A record skipped after failing while the page is written ends the register's exchange.
  bool skipEndsExchange = false;

  int FieldCount() const;
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
