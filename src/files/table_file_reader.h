#pragma once

#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "files/line_reader.h"

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
  // kTooFewFields: the line read; kFormatError: its first character, if any.
  std::string offendingLine;
};

// The fields of one line, for columns 1, 2, … in order.
using PlaceRow = std::function<void(int row, const std::vector<std::string_view>& fields)>;
using PlaceField = std::function<void(int field, std::string_view text)>;

// Lines 1 … recordCount become rows 1 … recordCount; fields 1 … fieldCount of a line go
// to columns 1 … fieldCount. A last field without its ";" is taken; what follows the
// last field is ignored, and so are the lines after the last record. A line with too few
// fields is placed as far as it goes before the reading stops. `rowRead` runs after each
// line whose fields were all placed.
ReadResult ReadGridFile(std::istream& in, int recordCount, int fieldCount, const PlaceRow& place,
                        const std::function<void()>& rowRead = {});

// The first line's fields 0 … fieldCount - 1, as far as it has them (each must end in
// ";"); anything after the first line is ignored.
ReadResult ReadParameterFile(std::istream& in, int fieldCount, const PlaceField& place);

}  // namespace kvitmark::files
