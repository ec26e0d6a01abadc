#pragma once

#include <functional>
#include <istream>
#include <string>
#include <string_view>

// Reading table files: the fields each line holds, delivered as they are found, and one
// outcome for the whole file. The caller places the fields and turns the outcome into
// what the user is told.
namespace kvitmark::files {

enum class ReadOutcome {
  kComplete,
  kEarlyEnd,      // the file ended, or a line was empty, before the last record
  kTooFewFields,  // a line held fewer fields than the kind has
  kFormatError,   // a line longer than any table file holds, or the file could not be read
};

struct ReadResult {
  ReadOutcome outcome = ReadOutcome::kComplete;
  int recordsPlaced = 0;
  std::string offendingLine;  // for kTooFewFields and an overlong line: the line read
};

// A line of a table file is never this long; a longer one is no table file.
inline constexpr size_t kLongestLine = 64 * 1024;

using PlaceCell = std::function<void(int row, int column, std::string_view text)>;
using PlaceField = std::function<void(int field, std::string_view text)>;

// Lines 1 … recordCount become rows 1 … recordCount; fields 1 … fieldCount of a line go
// to columns 1 … fieldCount. A last field without its ";" is taken; what follows the
// last field is ignored, and so are the lines after the last record.
// `rowRead` runs after each line whose fields were all placed.
ReadResult ReadGridFile(std::istream& in, int recordCount, int fieldCount, const PlaceCell& place,
                        const std::function<void()>& rowRead = {});

// The first line's fields 0 … fieldCount - 1, as far as it has them (each must end in
// ";"); anything after the first line is ignored.
ReadResult ReadParameterFile(std::istream& in, int fieldCount, const PlaceField& place);

}  // namespace kvitmark::files
