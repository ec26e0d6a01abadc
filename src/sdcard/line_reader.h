#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// Whole lines of a card file, whatever their length up to a limit, so that one long line
// never shifts the rows after it.
namespace kvitmark::sdcard {

// No line of a card file comes near this; a longer one means the file is something else.
inline constexpr std::size_t kLongestCardLine = 64 * 1024;

enum class LineRead {
  kLine,
  kEnd,
  kTooLong,  // more than kLongestCardLine characters before the line end
  kFault,    // the stream could not be read
};

// Reads through a buffer of its own, so a line costs one search and not a call per byte.
class LineReader {
 public:
  explicit LineReader(std::istream& in);

  // The next line, with its line end, in `line`: valid until the next call.
  LineRead Next(std::string_view& line);

  // Lines handed out so far, blank ones included: where a fault sits in the file.
  int LinesRead() const { return linesRead_; }

 private:
  bool Fill();
  LineRead Checked(std::string_view line);

  std::istream& in_;
  std::vector<char> buffer_;
  std::string spill_;  // a line that straddles two fills of the buffer
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  int linesRead_ = 0;
};

// Nothing but a line end (CR LF or LF).
bool IsBlankLine(std::string_view line);

}  // namespace kvitmark::sdcard
