#include "sdcard/card_lines.h"

#include "sdcard/space_substitute.h"

namespace kvitmark::sdcard {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// A line end in the last two characters of a field ends the field there; for the last
// field of a line that takes off the line end.
std::string_view CutAtLineEnd(std::string_view field) {
  const std::size_t size = field.size();
  if (size >= 2 && IsLineEnd(field[size - 2])) return field.substr(0, size - 2);
  if (size >= 1 && IsLineEnd(field[size - 1])) return field.substr(0, size - 1);
  return field;
}

// The `count` fields after the leading field, whose ";" is looked for from `leadingFrom`.
std::vector<std::string> FieldsAfterLeading(std::string_view line, std::size_t leadingFrom,
                                            int count) {
  std::vector<std::string> fields(count);
  const std::size_t leadingEnd = line.find(';', leadingFrom);
  if (leadingEnd == std::string_view::npos) return fields;
  std::string_view rest = line.substr(leadingEnd + 1);
  for (std::string& field : fields) {
    const std::size_t end = rest.find(';');
    if (end == std::string_view::npos) {
      // The last ";" of the line: what follows it is the last field the line has.
      field = CutAtLineEnd(rest);
      break;
    }
    field = CutAtLineEnd(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  return fields;
}

}  // namespace

std::vector<std::string> ParseUploadLine(std::string_view line) {
  std::vector<std::string> fields = FieldsAfterLeading(line, 0, kUploadFields);
  fields[1] = WithSpaces(fields[1]);
  return fields;
}

std::vector<std::string> ParseSalesLine(std::string_view line) {
  return FieldsAfterLeading(line, 1, kSalesFields);
}

}  // namespace kvitmark::sdcard
