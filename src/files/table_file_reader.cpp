#include "files/table_file_reader.h"

#include <cstring>
#include <memory>

namespace kvitmark::files {
namespace {

enum class LineRead { kLine, kEnd, kTooLong, kFault };

// Lines with their line ends, whatever their length up to the limit, read through a
// buffer of its own so that a line costs one search, not a call per byte.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}

  // The next line in `line`: a view into the reader's buffer, or into `spill` when the
  // line straddles two fills of the buffer. Valid until the next call.
  LineRead Next(std::string_view& line) {
    spill_.clear();
    for (;;) {
      if (next_ == end_ && !Fill()) {
        if (in_.bad()) return LineRead::kFault;
        line = spill_;
        return spill_.empty() ? LineRead::kEnd : LineRead::kLine;
      }
      const char* newline = static_cast<const char*>(std::memchr(next_, '\n', end_ - next_));
      const char* stop = newline ? newline + 1 : end_;
      if (newline && spill_.empty()) {
        line = std::string_view(next_, stop - next_);
        next_ = stop;
        return line.size() > kLongestLine ? LineRead::kTooLong : LineRead::kLine;
      }
      spill_.append(next_, stop);
      next_ = stop;
      if (spill_.size() > kLongestLine) {
        line = spill_;
        return LineRead::kTooLong;
      }
      if (newline) {
        line = spill_;
        return LineRead::kLine;
      }
    }
  }

 private:
  bool Fill() {
    in_.read(buffer_, sizeof buffer_);
    next_ = buffer_;
    end_ = buffer_ + in_.gcount();
    return next_ != end_;
  }

  std::istream& in_;
  std::string spill_;
  char buffer_[64 * 1024];
  const char* next_ = buffer_;
  const char* end_ = buffer_;
};

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
  auto reader = std::make_unique<LineReader>(in);
  std::string_view line;
  std::vector<std::string_view> fields;
  fields.reserve(fieldCount > 0 ? fieldCount : 0);
  for (int row = 1; row <= recordCount; ++row) {
    const LineRead read = reader->Next(line);
    if (read != LineRead::kLine) return Failure(read, row - 1, line);
    if (IsLoneLineEnd(line)) return {ReadOutcome::kEarlyEnd, row - 1, {}};
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
  auto reader = std::make_unique<LineReader>(in);
  std::string_view line;
  const LineRead read = reader->Next(line);
  if (read != LineRead::kLine) return Failure(read, 0, line);
  if (IsLoneLineEnd(line)) return {ReadOutcome::kEarlyEnd, 0, {}};
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
