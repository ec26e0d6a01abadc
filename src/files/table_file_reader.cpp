#include "files/table_file_reader.h"

#include <cstring>

namespace kvitmark::files {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// A field ended by ";" stops early at a line end in its last two characters.
std::string_view CutAtLineEnd(std::string_view field) {
  const size_t size = field.size();
  if (size >= 2 && IsLineEnd(field[size - 2])) return field.substr(0, size - 2);
  if (size >= 1 && IsLineEnd(field[size - 1])) return field.substr(0, size - 1);
  return field;
}

// The rest of a line without up to two line-end characters at its end.
std::string_view WithoutLineEnd(std::string_view rest) {
  for (int i = 0; i < 2 && !rest.empty() && IsLineEnd(rest.back()); ++i) rest.remove_suffix(1);
  return rest;
}

// Cuts up to `fieldCount` fields ended by ";" off the line into `fields` and returns what
// is left.
std::string_view SplitFields(std::string_view line, int fieldCount,
                             std::vector<std::string_view>& fields) {
  fields.clear();
  const char* const end = line.data() + line.size();
  const char* start = line.data();
  int found = 0;
  for (const char* at = start; found < fieldCount && at != end; ++at) {
    if (*at != ';') continue;
    fields.push_back(CutAtLineEnd(std::string_view(start, at - start)));
    start = at + 1;
    ++found;
  }
  return std::string_view(start, end - start);
}

ReadResult Failure(LineRead read, int placed, std::string_view line) {
  if (read == LineRead::kEnd) return {ReadOutcome::kEarlyEnd, placed, {}};
  return {ReadOutcome::kFormatError, placed, std::string(line.substr(0, 1))};
}

}  // namespace

ReadResult ReadGridFile(std::istream& in, int recordCount, int fieldCount, const PlaceRow& place,
                        const std::function<void()>& rowRead) {
  LineReader reader(in);
  std::string_view line;
  std::vector<std::string_view> fields;
  fields.reserve(fieldCount > 0 ? fieldCount : 0);
  for (int row = 1; row <= recordCount; ++row) {
    const LineRead read = reader.Next(line);
    if (read != LineRead::kLine) return Failure(read, row - 1, line);
    if (IsBlankLine(line)) return {ReadOutcome::kEarlyEnd, row - 1, {}};
    const std::string_view rest = SplitFields(line, fieldCount, fields);
    bool tooFew = false;
    if (static_cast<int>(fields.size()) < fieldCount) {
      fields.push_back(WithoutLineEnd(rest));
      tooFew = static_cast<int>(fields.size()) < fieldCount;
    }
    place(row, fields);
    if (tooFew) return {ReadOutcome::kTooFewFields, row - 1, std::string(line)};
    if (rowRead) rowRead();
  }
  return {ReadOutcome::kComplete, recordCount, {}};
}

ReadResult ReadParameterFile(std::istream& in, int fieldCount, const PlaceField& place) {
  LineReader reader(in);
  std::string_view line;
  const LineRead read = reader.Next(line);
  if (read != LineRead::kLine) return Failure(read, 0, line);
  if (IsBlankLine(line)) return {ReadOutcome::kEarlyEnd, 0, {}};
  std::string_view rest = line;
  for (int field = 0; field < fieldCount; ++field) {
    const size_t end = rest.find(';');
    if (end == std::string_view::npos) break;
    place(field, rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  return {ReadOutcome::kComplete, 1, {}};
}

}  // namespace kvitmark::files
