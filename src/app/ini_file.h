#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A private-profile ini file, read and written under the Windows profile rules the
// settings file has always followed: section and key names match without regard to
// (ASCII) case, a missing key or section yields the caller's default, an existing key
// is replaced in place, a new key goes to the end of its section and a new section to
// the end of the file. Everything else in the file stays byte for byte as it was, so a
// hand-edited file keeps its comments, blank lines and line ends.
//
// Text is code page 1251 and stays bytes; nothing here converts it.
namespace kvitmark::app {

// Names match as the profile rules match them: equal bytes, ASCII letters in any case.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// What stood at the path an ini file was opened from.
enum class IniSource {
  kRead,        // a file, read whole
  kMissing,     // nothing there: the file reads as empty and Save creates it
  kUnreadable,  // something that could not be read: reads as empty, Save refuses to replace it
  kMemory,      // bytes given by the caller, no file behind them: Save fails
};

class IniFile {
 public:
  static IniFile Open(std::string path);
  static IniFile FromBytes(std::string_view bytes);

  IniSource Source() const { return source_; }
  const std::string& Path() const { return path_; }

  // The value of `key` in `section`, blanks around it removed, cut to `maxLength` bytes;
  // `defaultValue` (cut the same way) when the section or key is not there, or the key's
  // line has no "=". The first section and the first key of that name count.
  std::string Get(std::string_view section, std::string_view key, std::string_view defaultValue,
                  std::size_t maxLength) const;

  // Stores key=value in memory; Save writes it out. False, and nothing changed, for text
  // the file could not give back as it was stored: an empty name, a line break anywhere,
  // "]" in a section name, "=" in a key, or blanks at either end of a name or the value.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  // Replaces the file with the current bytes, all or nothing (base::SaveWholeFile: a link
  // stays a link, the mode and owner stay). False when that could not be done; the file on
  // disk is then as it was.
  bool Save() const;

  // The whole file as it would be saved.
  std::string Bytes() const;

 private:
  struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", or "" for a last line without one
  };

  // The first section of each name and, in it, the first entry line of each key, under
  // their folded names: a file of any size is parsed once, not once a lookup.
  struct Section {
    std::size_t insertAt = 0;  // just after the section's last entry line
    std::unordered_map<std::string, std::size_t> keys;
  };

  // Where a key is, or would go.
  struct Place {
    bool sectionFound = false;
    std::size_t keyLine = 0;  // valid when keyFound
    bool keyFound = false;
    std::size_t insertAt = 0;  // just after the section's last entry line
  };

  IniFile(std::string path, IniSource source, std::string_view bytes);

  void Index();
  Place Find(std::string_view section, std::string_view key) const;
  void Insert(std::size_t at, std::string text);

  std::string path_;
  IniSource source_ = IniSource::kMemory;
  std::vector<Line> lines_;
  std::unordered_map<std::string, Section> sections_;
};

}  // namespace kvitmark::app
