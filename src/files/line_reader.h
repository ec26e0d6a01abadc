#pragma once

#include <cstddef>
#include <cstring>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// Whole lines of a text file (table files, the SD card's files), whatever their length up
// to a limit, so that one long line never shifts the rows after it.
namespace kvitmark::files {

// No line of these files comes near this; a longer one means the file is something else.
inline constexpr std::size_t kLongestLine = 64 * 1024;

enum class LineRead {
  kLine,
  kEnd,
  kTooLong,  // more than kLongestLine characters before the line end
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

// Defined here so that the per-line work is inlined into the readers' loops: a goods file
// is 14000 lines.

inline constexpr std::size_t kLineBufferSize = 64 * 1024;

inline std::string_view LineWithoutEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

inline LineReader::LineReader(std::istream& in) : in_(in), buffer_(kLineBufferSize) {}

inline bool LineReader::Fill() {
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  next_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ != 0;
}

inline LineRead LineReader::Checked(std::string_view line) {
  ++linesRead_;
  if (line.size() <= kLongestLine) return LineRead::kLine;
  return LineWithoutEnd(line).size() > kLongestLine ? LineRead::kTooLong : LineRead::kLine;
}

inline LineRead LineReader::Next(std::string_view& line) {
  spill_.clear();
  for (;;) {
    if (next_ == end_ && !Fill()) {
      if (in_.bad()) return LineRead::kFault;
      if (spill_.empty()) return LineRead::kEnd;
      line = spill_;
      return Checked(line);
    }
    const char* start = buffer_.data() + next_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - next_));
    const std::size_t stop = newline ? newline - buffer_.data() + 1 : end_;
    if (newline && spill_.empty()) {
      line = std::string_view(start, stop - next_);
      next_ = stop;
      return Checked(line);
    }
    spill_.append(start, stop - next_);
    next_ = stop;
    if (newline) {
      line = spill_;
      return Checked(line);
    }
    // Still no line end: stop collecting once the line cannot be a card line any more
    // (two characters of slack for a CR LF still to come).
    if (spill_.size() > kLongestLine + 2) {
      ++linesRead_;
      line = spill_;
      return LineRead::kTooLong;
    }
  }
}

// Nothing but a line end (CR LF or LF).
inline bool IsBlankLine(std::string_view line) {
  return !line.empty() && line.back() == '\n' && LineWithoutEnd(line).empty();
}

}  // namespace kvitmark::files
