// Any bytes as a settings file: the ini reader gives every byte back unchanged, a value it
// accepts to store reads back (also after a save), other keys keep their values, and the
// settings loaded from such a file are the same when loaded again.
//
// Input: [0..2] lengths of a section, key and value name, those bytes, then the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/ini_file.h"
#include "app/settings.h"
#include "fuzz_support.h"

namespace {

using namespace kvitmark;

constexpr size_t kHeader = 3;
constexpr size_t kNoLimit = 1 << 20;
constexpr std::string_view kAbsent =
    "\x01"
    "absent"
    "\x01";

bool SameSettings(const app::Settings& a, const app::Settings& b) {
  return a.portIndex == b.portIndex && a.speedIndex == b.speedIndex && a.typeIndex == b.typeIndex &&
         a.reportFiles == b.reportFiles && a.eklFile == b.eklFile &&
         a.reportFolder == b.reportFolder && a.ports == b.ports;
}

void CheckSettingsFile(std::string_view bytes) {
  fuzzing::WriteFuzzFile(app::kSettingsFileName, bytes);
  const app::Settings first = app::LoadSettings(fuzzing::FuzzFolder());
  // The first load mends the file; loading the mended file changes nothing more.
  const app::Settings second = app::LoadSettings(fuzzing::FuzzFolder());
  FUZZ_REQUIRE(SameSettings(first, second));
  FUZZ_REQUIRE(first.reportFolder.empty() || first.reportFolder.back() == '/');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeader) return 0;
  std::string_view rest(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  const auto take = [&rest](size_t length) {
    const std::string_view part = rest.substr(0, std::min(length, rest.size()));
    rest.remove_prefix(part.size());
    return part;
  };
  const std::string_view section = take(data[0]);
  const std::string_view key = take(data[1]);
  const std::string_view value = take(data[2]);
  const std::string_view file = rest;

  app::IniFile ini = app::IniFile::FromBytes(file);
  FUZZ_REQUIRE(ini.Bytes() == file);

  // A neighbour whose value must survive the change to `key`.
  const std::string_view otherSection = "Reports";
  const std::string_view otherKey = "Art";
  const bool sameEntry =
      app::EqualIgnoringCase(section, otherSection) && app::EqualIgnoringCase(key, otherKey);
  const std::string neighbour = ini.Get(otherSection, otherKey, kAbsent, kNoLimit);

  if (ini.Set(section, key, value)) {
    FUZZ_REQUIRE(ini.Get(section, key, kAbsent, kNoLimit) == value);
    const app::IniFile saved = app::IniFile::FromBytes(ini.Bytes());
    FUZZ_REQUIRE(saved.Get(section, key, kAbsent, kNoLimit) == value);
    if (!sameEntry) FUZZ_REQUIRE(ini.Get(otherSection, otherKey, kAbsent, kNoLimit) == neighbour);
  } else {
    FUZZ_REQUIRE(ini.Bytes() == file);
  }

  CheckSettingsFile(file);
  return 0;
}
