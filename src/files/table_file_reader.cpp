#include "files/table_file_reader.h"

namespace kvitmark::files {
namespace {

enum class LineRead { kLine, kEnd, kTooLong, kFault };

// One line with its line end, whatever its length up to the limit.
LineRead NextLine(std::istream& in, std::string& line) {
  line.clear();
  std::istream::sentry ok(in, true);
  if (!ok) return in.bad() ? LineRead::kFault : LineRead::kEnd;
  std::streambuf* buffer = in.rdbuf();
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return line.empty() ? LineRead::kEnd : LineRead::kLine;
    }
    line.push_back(static_cast<char>(c));
    if (c == '\n') return LineRead::kLine;
    if (line.size() > kLongestLine) return LineRead::kTooLong;
  }
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// An empty line: nothing but its line end.
bool IsLoneLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line.empty();
}

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

ReadResult Failure(LineRead read, int placed, std::string line) {
  if (read == LineRead::kEnd) return {ReadOutcome::kEarlyEnd, placed, {}};
  return {ReadOutcome::kFormatError, placed, std::move(line)};
}

}  // namespace

ReadResult ReadGridFile(std::istream& in, int recordCount, int fieldCount, const PlaceCell& place,
                        const std::function<void()>& rowRead) {
  std::string line;
  for (int row = 1; row <= recordCount; ++row) {
    const LineRead read = NextLine(in, line);
    if (read != LineRead::kLine) return Failure(read, row - 1, line);
    if (IsLoneLineEnd(line)) return {ReadOutcome::kEarlyEnd, row - 1, {}};
    std::string_view rest(line);
    for (int column = 1; column <= fieldCount; ++column) {
      const size_t end = rest.find(';');
      if (end != std::string_view::npos) {
        place(row, column, CutAtLineEnd(rest.substr(0, end)));
        rest.remove_prefix(end + 1);
        continue;
      }
      place(row, column, WithoutLineEnd(rest));
      if (column < fieldCount) return {ReadOutcome::kTooFewFields, row - 1, line};
      break;
    }
    if (rowRead) rowRead();
  }
  return {ReadOutcome::kComplete, recordCount, {}};
}

ReadResult ReadParameterFile(std::istream& in, int fieldCount, const PlaceField& place) {
  std::string line;
  const LineRead read = NextLine(in, line);
  if (read != LineRead::kLine) return Failure(read, 0, line);
  if (IsLoneLineEnd(line)) return {ReadOutcome::kEarlyEnd, 0, {}};
  std::string_view rest(line);
  for (int field = 0; field < fieldCount; ++field) {
    const size_t end = rest.find(';');
    if (end == std::string_view::npos) break;
    place(field, rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  return {ReadOutcome::kComplete, 1, {}};
}

}  // namespace kvitmark::files
