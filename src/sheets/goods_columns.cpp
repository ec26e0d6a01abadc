#include "sheets/goods_columns.h"

#include <array>

#include "base/cp1251.h"
#include "tables/catalogue.h"

namespace kvitmark::sheets {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

unsigned char LowerByte(unsigned char byte) {
  if (byte >= 'A' && byte <= 'Z') return byte + ('a' - 'A');
  if (byte >= 0xC0 && byte <= 0xDF) return byte + 0x20;  // А … Я
  switch (byte) {
    case 0xA8:  // Ё
      return 0xB8;
    case 0xAA:  // Є
      return 0xBA;
    case 0xAF:  // Ї
      return 0xBF;
    case 0xB2:  // І
      return 0xB3;
    case 0xA5:  // Ґ
      return 0xB4;
    case 0xA1:  // Ў
      return 0xA2;
    default:
      return byte;
  }
}

}  // namespace

const std::string& ColumnCaption(int column) {
  static const auto* captions = [] {
    auto* all = new std::array<std::string, kGoodsColumns + 1>;
    (*all)[kRecordColumn] = base::Cp1251("№");
    const tables::TableDescriptor& goods = tables::Page(tables::PageId::kGoods);
    for (int c = 1; c <= kGoodsColumns; ++c) (*all)[c] = base::RenderCp1251(goods.ColumnCaption(c));
    return all;
  }();
  return (*captions)[column];
}

std::string LowerCase(std::string_view cp1251) {
  std::string lower(cp1251);
  for (char& c : lower) c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
  return lower;
}

int ColumnOfCaption(std::string_view cp1251) {
  const std::string caption = LowerCase(Trimmed(cp1251));
  for (int column = kRecordColumn; column <= kGoodsColumns; ++column) {
    if (caption == LowerCase(ColumnCaption(column))) return column;
  }
  return kNoColumn;
}

}  // namespace kvitmark::sheets
