#pragma once

#include <array>
#include <string>
#include <vector>

// The register keeps its programmable data in numbered tables of numbered records; the
// main window shows each table on a page. This catalogue ties the two together: for
// every page its caption, shape, table number, record and field counts, and how each
// field is decoded, shown and written. It is fixed data; texts are code page 1251.
namespace kvitmark::tables {

inline constexpr int kPageCount = 23;
inline constexpr int kMaxFields = 32;
inline constexpr int kLogoPage = 8;
inline constexpr int kReportsPage = 22;

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
};

struct TableDescriptor {
  int page = 0;
  std::string caption;
  PageShape shape = PageShape::kOther;
  std::string control;   // the grid's name ("StringGrid1"); empty on other pages
  int tableNumber = -1;  // -1 on the pages without a table
  int recordCount = 0;
  int fieldCount = 0;
  std::array<FieldKind, kMaxFields> kinds{};  // grid pages; position p at kinds[p - 1]
  bool intervalOnRead = false;                // reading honours the coding interval
  std::vector<std::string> headers;           // grid header row, column 0 first
  std::vector<FieldEncoding> encodings;       // grid pages, column 1 first
  int writeFirstRow = 1;                      // grid pages: rows the write covers
  bool intervalOnWrite = false;               // writing honours the coding interval
  std::vector<ParameterField> fields;         // parameter pages, record order
  int intervalEnd = 0;  // "Конец" on changing to the page; 0: no interval
};

const TableDescriptor& Page(int page);
bool IsGridPage(int page);
bool IsParameterPage(int page);

// The rows of the header and advertising text grid are labelled, not numbered.
inline constexpr int kHeaderTextPage = 4;
std::vector<std::string> HeaderTextRowLabels(bool juniorLayout);

// Page 5's and 7's captions that differ in the layout shown before a register type is
// picked: (field index in record order, caption).
struct DesignCaption {
  int page;
  int field;
  std::string caption;
};
const std::vector<DesignCaption>& DesignCaptions();

}  // namespace kvitmark::tables
