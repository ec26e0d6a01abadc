#include "app/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "base/whole_file.h"

namespace kvitmark::app {
namespace {

// A settings file is a few hundred bytes. Anything far larger is not one, and reading it
// whole would only cost memory; it is treated as unreadable and left alone.
constexpr std::size_t kMaxFileSize = std::size_t{1} << 20;

constexpr std::string_view kNewLineEnd = "\r\n";

// Only ASCII blanks: bytes above 0x7F are letters of the code page (0xA0 included, which
// is a no-break space there but still part of a value).
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = FoldAscii(c);
  return folded;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool HasBlankEnds(std::string_view text) {
  return !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

enum class LineKind { kBlank, kComment, kSection, kEntry };

struct ParsedLine {
  LineKind kind = LineKind::kBlank;
  std::string_view name;       // a section's or key's name, trimmed
  bool hasValue = false;       // an entry line with "="
  std::size_t valueBegin = 0;  // the trimmed value's place in the line
  std::size_t valueEnd = 0;
};

ParsedLine ParseLine(std::string_view text) {
  ParsedLine line;
  const std::string_view content = Trim(text);
  if (content.empty()) return line;
  if (content.front() == ';') {
    line.kind = LineKind::kComment;
    return line;
  }
  if (content.front() == '[') {
    // An unclosed bracket still opens a section: the name runs to the line's end.
    const std::string_view inside = content.substr(1);
    line.kind = LineKind::kSection;
    line.name = Trim(inside.substr(0, inside.find(']')));
    return line;
  }
  line.kind = LineKind::kEntry;
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    line.name = content;
    return line;
  }
  line.name = Trim(text.substr(0, equals));
  line.hasValue = true;
  std::size_t begin = equals + 1;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  // An empty value is replaced right after the "=", not after blanks that follow it.
  if (begin == end) begin = end = equals + 1;
  line.valueBegin = begin;
  line.valueEnd = end;
  return line;
}

bool StorableSection(std::string_view name) {
  return !name.empty() && !HasBlankEnds(name) && !HasLineBreak(name) &&
         name.find(']') == std::string_view::npos;
}

bool StorableKey(std::string_view name) {
  return !name.empty() && !HasBlankEnds(name) && !HasLineBreak(name) &&
         name.find('=') == std::string_view::npos && name.front() != ';' && name.front() != '[';
}

bool StorableValue(std::string_view value) { return !HasBlankEnds(value) && !HasLineBreak(value); }

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

IniFile IniFile::Open(std::string path) {
  // O_NONBLOCK: a FIFO in the file's place must not hang the program on open.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return IniFile(std::move(path), missing ? IniSource::kMissing : IniSource::kUnreadable, {});
  }
  struct stat status {};
  bool readable = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  std::string bytes;
  char buffer[4096];
  while (readable) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count == 0) break;
    if (count < 0) {
      readable = errno == EINTR;
      continue;
    }
    bytes.append(buffer, static_cast<std::size_t>(count));
    readable = bytes.size() <= kMaxFileSize;
  }
  ::close(fd);
  if (!readable) return IniFile(std::move(path), IniSource::kUnreadable, {});
  return IniFile(std::move(path), IniSource::kRead, bytes);
}

IniFile IniFile::FromBytes(std::string_view bytes) {
  return IniFile({}, IniSource::kMemory, bytes);
}

IniFile::IniFile(std::string path, IniSource source, std::string_view bytes)
    : path_(std::move(path)), source_(source) {
  lines_.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t newline = bytes.find('\n', start);
    if (newline == std::string_view::npos) {
      lines_.push_back({std::string(bytes.substr(start)), ""});
      break;
    }
    std::size_t textEnd = newline;
    std::string_view end = "\n";
    if (textEnd > start && bytes[textEnd - 1] == '\r') {
      --textEnd;
      end = kNewLineEnd;
    }
    lines_.push_back({std::string(bytes.substr(start, textEnd - start)), std::string(end)});
    start = newline + 1;
  }
  Index();
}

void IniFile::Index() {
  sections_.clear();
  // Keys before any section, and those of a section whose name came before, are never found.
  Section* current = nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const ParsedLine line = ParseLine(lines_[i].text);
    if (line.kind == LineKind::kSection) {
      const auto [section, added] = sections_.try_emplace(Folded(line.name));
      current = added ? &section->second : nullptr;
      if (current) current->insertAt = i + 1;
      continue;
    }
    if (!current || line.kind != LineKind::kEntry) continue;
    // Comments and blank lines after a section's last key belong to what follows.
    current->insertAt = i + 1;
    current->keys.try_emplace(Folded(line.name), i);
  }
}

IniFile::Place IniFile::Find(std::string_view section, std::string_view key) const {
  Place place;
  const auto found = sections_.find(Folded(section));
  if (found == sections_.end()) return place;
  place.sectionFound = true;
  place.insertAt = found->second.insertAt;
  if (const auto line = found->second.keys.find(Folded(key)); line != found->second.keys.end()) {
    place.keyFound = true;
    place.keyLine = line->second;
  }
  return place;
}

std::string IniFile::Get(std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::size_t maxLength) const {
  std::string_view value = defaultValue;
  const Place place = Find(section, key);
  if (place.keyFound) {
    const std::string_view text = lines_[place.keyLine].text;
    const ParsedLine line = ParseLine(text);
    if (line.hasValue) value = text.substr(line.valueBegin, line.valueEnd - line.valueBegin);
  }
  return std::string(value.substr(0, maxLength));
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!StorableSection(section) || !StorableKey(key) || !StorableValue(value)) return false;
  const Place place = Find(section, key);
  if (place.keyFound) {
    Line& line = lines_[place.keyLine];
    const ParsedLine parsed = ParseLine(line.text);
    if (parsed.hasValue) {
      line.text.replace(parsed.valueBegin, parsed.valueEnd - parsed.valueBegin, value);
    } else {
      line.text = std::string(parsed.name) + "=" + std::string(value);
    }
    return true;
  }
  if (!place.sectionFound) {
    Insert(lines_.size(), '[' + std::string(section) + ']');
    Insert(lines_.size(), std::string(key) + "=" + std::string(value));
  } else {
    Insert(place.insertAt, std::string(key) + "=" + std::string(value));
  }
  // The lines after the new one have moved.
  Index();
  return true;
}

void IniFile::Insert(std::size_t at, std::string text) {
  // Only the file's last line can lack a line end; a line after it needs one.
  if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = kNewLineEnd;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                Line{std::move(text), std::string(kNewLineEnd)});
}

bool IniFile::Save() const {
  if (source_ == IniSource::kUnreadable || source_ == IniSource::kMemory) return false;
  // A reader (this program or an editor) sees the old file or the new one, never a mix.
  return base::SaveWholeFile(path_, Bytes()).Saved();
}

std::string IniFile::Bytes() const {
  std::string bytes;
  for (const Line& line : lines_) bytes += line.text + line.end;
  return bytes;
}

}  // namespace kvitmark::app
