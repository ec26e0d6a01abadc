#pragma once

#include "files/line_reader.h"

// The card's files are read line by line like the table files.
namespace kvitmark::sdcard {

using files::IsBlankLine;
using files::LineRead;
using files::LineReader;
inline constexpr std::size_t kLongestCardLine = files::kLongestLine;

}  // namespace kvitmark::sdcard
