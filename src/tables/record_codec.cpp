#include "tables/record_codec.h"

#include <algorithm>

#include "base/decimal.h"

namespace kvitmark::tables {
namespace {

// Cuts the text before the first ";" off `rest` (dropping the ";"); nothing when `rest`
// holds no ";".
std::optional<std::string_view> CutField(std::string_view& rest) {
  const auto end = rest.find(';');
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view field = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  return field;
}

// Blanks are spaces and the control characters below them.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

void SkipLeadingFields(std::string_view& rest, std::string_view* recordNumber) {
  // Without any ";" nothing is cut.
  CutField(rest);
  const auto number = CutField(rest);
  if (number && recordNumber) *recordNumber = *number;
}

}  // namespace

DecodeResult DecodeGridRecord(PageId page, int row, std::string_view answer, GridTable& grid) {
  const TableDescriptor& descriptor = Page(page);
  std::string_view rest = answer;
  std::string_view recordNumber;
  SkipLeadingFields(rest, &recordNumber);
  if (!recordNumber.empty() && grid.Cell(0, row).empty()) {
    grid.SetCell(0, row, recordNumber);
  }
  for (int position = 1; position <= kMaxFields; ++position) {
    const auto field = CutField(rest);
    if (!field) break;
    const FieldKind kind = descriptor.AnswerFieldKind(position);
    if (kind == FieldKind::kAbsent) return DecodeResult::kRefused;
    if (kind == FieldKind::kText || !field->empty()) {
      grid.SetCell(position, row, *field);
    } else {
      grid.SetCell(position, row, "0");
    }
  }
  // A 33rd field has no position at all.
  if (rest.find(';') != std::string_view::npos) return DecodeResult::kRefused;
  return DecodeResult::kAccepted;
}

void DecodeParameterRecord(PageId page, std::string_view answer, ParameterPage& parameters) {
  const TableDescriptor& descriptor = Page(page);
  std::string_view rest = answer;
  SkipLeadingFields(rest, nullptr);
  const bool emptyShowsZero = descriptor.emptyFieldsShowZero;
  for (int field = 0; field < descriptor.FieldCount(); ++field) {
    const auto text = CutField(rest);
    if (!text) break;
    parameters.fields[field].assign(text->empty() && emptyShowsZero ? std::string_view("0")
                                                                    : *text);
  }
}

EncodedRecord EncodeGridRow(PageId page, const GridTable& grid, int row) {
  const TableDescriptor& descriptor = Page(page);
  EncodedRecord record;
  std::string& text = record.text;
  text.reserve(64);
  for (int column = 1; column <= descriptor.FieldCount(); ++column) {
    const std::string& cell = grid.Cell(column, row);
    const GridField& field = descriptor.columns[column - 1];
    switch (field.encoding) {
      case Encoding::kAsIs:
        text += cell;
        break;
      case Encoding::kFirstN:
        text.append(cell, 0, field.width);
        break;
      case Encoding::kFlag:
        text.push_back(cell.empty() ? '0' : cell.front());
        break;
      case Encoding::kNumber: {
        const std::string_view trimmed = Trimmed(cell);
        text += trimmed.empty() ? std::string_view("0") : trimmed;
        break;
      }
      case Encoding::kText:
        text += Trimmed(cell);
        break;
      case Encoding::kPrice:
      case Encoding::kQuantity: {
        const int places = field.encoding == Encoding::kPrice ? 2 : 3;
        if (cell.empty()) {
          text += places == 2 ? "0.00" : "0.000";
        } else if (!base::AppendRoundedDecimal(cell, places, text)) {
          record.problem = EncodedRecord::Problem::kNotANumber;
          record.column = column;
          text.clear();
          return record;
        }
        break;
      }
      case Encoding::kBarcode:
        if (cell.empty()) {
          text.push_back('0');
        } else {
          text.append(cell, 0, 13);
        }
        break;
    }
    text.push_back(';');
  }
  return record;
}

std::string EncodeParameterPage(PageId page, const ParameterPage& parameters) {
  const TableDescriptor& descriptor = Page(page);
  std::string text;
  for (int field = 0; field < descriptor.FieldCount(); ++field) {
    text += Trimmed(parameters.fields[field]);
    text.push_back(';');
  }
  return text;
}

int FieldAtPosition(std::string_view text, size_t position) {
  const std::string_view before = text.substr(0, position);
  return 1 + static_cast<int>(std::count(before.begin(), before.end(), ';'));
}

}  // namespace kvitmark::tables
