#include "sheets/formula_guard.h"

#include <algorithm>

namespace kvitmark::sheets {
namespace {

constexpr char kMark = '\'';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A sign, digits and at most one decimal point or comma: a value, not a formula.
bool IsNumber(std::string_view cell) {
  if (!cell.empty() && (cell.front() == '+' || cell.front() == '-')) cell.remove_prefix(1);
  const auto points =
      std::count_if(cell.begin(), cell.end(), [](char c) { return c == '.' || c == ','; });
  return points <= 1 && std::any_of(cell.begin(), cell.end(), IsDigit) &&
         std::all_of(cell.begin(), cell.end(),
                     [](char c) { return IsDigit(c) || c == '.' || c == ','; });
}

bool NeedsMark(std::string_view cell) {
  if (cell.empty()) return false;
  switch (cell.front()) {
    case kMark:
      return true;
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
      return !IsNumber(cell);
    default:
      return false;
  }
}

}  // namespace

std::string GuardedCell(std::string_view cell) {
  std::string guarded;
  if (NeedsMark(cell)) guarded.push_back(kMark);
  guarded.append(cell);
  return guarded;
}

std::string_view UnguardedCell(std::string_view cell) {
  if (!cell.empty() && cell.front() == kMark) cell.remove_prefix(1);
  return cell;
}

}  // namespace kvitmark::sheets
