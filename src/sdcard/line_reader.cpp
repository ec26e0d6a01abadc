#include "sdcard/line_reader.h"

#include <cstring>

namespace kvitmark::sdcard {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

std::string_view WithoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

LineReader::LineReader(std::istream& in) : in_(in), buffer_(kBufferSize) {}

bool LineReader::Fill() {
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  next_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ != 0;
}

LineRead LineReader::Checked(std::string_view line) {
  ++linesRead_;
  return WithoutLineEnd(line).size() > kLongestCardLine ? LineRead::kTooLong : LineRead::kLine;
}

LineRead LineReader::Next(std::string_view& line) {
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
    if (spill_.size() > kLongestCardLine + 2) {
      ++linesRead_;
      line = spill_;
      return LineRead::kTooLong;
    }
  }
}

bool IsBlankLine(std::string_view line) {
  return !line.empty() && line.back() == '\n' && WithoutLineEnd(line).empty();
}

}  // namespace kvitmark::sdcard
