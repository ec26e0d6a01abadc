#pragma once

#include <string>
#include <string_view>

// The columns of a goods sheet: "№" (the record number), then the goods page's own
// columns under their captions ("Код", "Название", "Цена", …, "Штрих-код").
namespace kvitmark::sheets {

inline constexpr int kGoodsColumns = 10;
inline constexpr int kCodeColumn = 1;
inline constexpr int kNameColumn = 2;
inline constexpr int kPriceColumn = 3;
inline constexpr int kQuantityColumn = 4;
inline constexpr int kBarcodeColumn = 10;
inline constexpr int kRecordColumn = 0;  // "№"
inline constexpr int kNoColumn = -1;

// The caption of goods page column 1 … 10, or "№" for 0 (code page 1251).
const std::string& ColumnCaption(int column);

// The column a header caption names, letter case and blanks around it ignored; kNoColumn
// for a caption that is none of them.
int ColumnOfCaption(std::string_view cp1251);

// Lower case of a code page 1251 text, Russian and Ukrainian letters included.
std::string LowerCase(std::string_view cp1251);

}  // namespace kvitmark::sheets
