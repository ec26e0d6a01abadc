#include "app/settings.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "app/ini_file.h"

namespace kvitmark::app {
namespace {

constexpr std::string_view kCommunicationSection = "Communication";
constexpr std::string_view kSpeedKey = "Speed";
constexpr std::string_view kPortKey = "SerialPort";
constexpr std::string_view kTypeSection = "TypeECR";
constexpr std::string_view kTypeKey = "ECR";
constexpr std::string_view kFirstType = "0";
constexpr std::string_view kReportsSection = "Reports";
constexpr std::string_view kEklKey = "EKL";
constexpr std::string_view kEklDefault = "EKL.dat";
constexpr std::string_view kDirectoryKey = "Directory";
// Not in a new file: only a user who needs a device other than /dev/ttyS<n-1> adds it.
constexpr std::string_view kPortsSection = "Ports";

// The longest values taken; anything longer is cut.
constexpr std::size_t kShortValue = 9;
constexpr std::size_t kLongValue = 499;

// In a new file EKL stands after the turnover reports, before the administrative ones.
constexpr std::size_t kReportsBeforeEkl = 7;

std::string WithoutTrailingSlashes(std::string directory) {
  while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
  return directory;
}

template <std::size_t N>
std::optional<int> FindEntry(const std::array<std::string_view, N>& entries,
                             std::string_view value) {
  for (std::size_t i = 0; i < N; ++i) {
    if (EqualIgnoringCase(entries[i], value)) return static_cast<int>(i);
  }
  return std::nullopt;
}

// An optional sign and decimal digits, nothing else.
std::optional<int> WholeNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{}) return std::nullopt;
  return negative ? -value : value;
}

void WriteDefaults(IniFile& file, const std::string& currentDirectory) {
  file.Set(kCommunicationSection, kSpeedKey, kSpeedEntries[0]);
  file.Set(kCommunicationSection, kPortKey, kPortEntries[0]);
  file.Set(kTypeSection, kTypeKey, kFirstType);
  for (std::size_t i = 0; i < kReportFileKeys.size(); ++i) {
    if (i == kReportsBeforeEkl) file.Set(kReportsSection, kEklKey, kEklDefault);
    file.Set(kReportsSection, kReportFileKeys[i].key, kReportFileKeys[i].defaultName);
  }
  // A directory the file cannot hold as it is (blanks at an end, a line break) is left
  // out; reading then falls back on the same directory.
  file.Set(kReportsSection, kDirectoryKey, currentDirectory);
}

}  // namespace

Settings LoadSettings(const std::string& directory) {
  // Without a directory the file would land in the root; the only sensible reading is "here".
  const std::string current = WithoutTrailingSlashes(directory.empty() ? "." : directory);
  const std::string separator = current == "/" ? "" : "/";
  IniFile file = IniFile::Open(current + separator + std::string(kSettingsFileName));

  if (file.Source() == IniSource::kMissing) {
    WriteDefaults(file, current);
    // When the directory cannot take the file, the defaults just set stand all the same.
    file.Save();
  }

  Settings settings;
  bool rewrite = false;

  const auto speed = FindEntry(
      kSpeedEntries, file.Get(kCommunicationSection, kSpeedKey, kSpeedEntries[0], kShortValue));
  settings.speedIndex = speed.value_or(0);
  if (!speed) rewrite = file.Set(kCommunicationSection, kSpeedKey, kSpeedEntries[0]) || rewrite;

  const auto port = FindEntry(
      kPortEntries, file.Get(kCommunicationSection, kPortKey, kPortEntries[0], kShortValue));
  settings.portIndex = port.value_or(0);
  if (!port) rewrite = file.Set(kCommunicationSection, kPortKey, kPortEntries[0]) || rewrite;

  const auto type = WholeNumber(file.Get(kTypeSection, kTypeKey, kFirstType, kShortValue));
  if (type && *type >= 0 && *type < static_cast<int>(kTypeEntries.size())) {
    settings.typeIndex = *type;
  } else {
    settings.typeIndex = 0;
    rewrite = file.Set(kTypeSection, kTypeKey, kFirstType) || rewrite;
  }

  for (std::size_t i = 0; i < kReportFileKeys.size(); ++i) {
    settings.reportFiles[i] = file.Get(kReportsSection, kReportFileKeys[i].key,
                                       kReportFileKeys[i].defaultName, kLongValue);
  }
  settings.eklFile = file.Get(kReportsSection, kEklKey, kEklDefault, kLongValue);
  settings.reportFolder = file.Get(kReportsSection, kDirectoryKey, current, kLongValue);
  if (settings.reportFolder.empty() || settings.reportFolder.back() != '/') {
    settings.reportFolder += '/';
  }

  for (std::size_t i = 0; i < kPortEntries.size(); ++i) {
    std::string device = file.Get(kPortsSection, kPortEntries[i], "", kLongValue);
    if (!device.empty()) settings.ports[static_cast<int>(i) + 1] = std::move(device);
  }

  if (rewrite) file.Save();
  return settings;
}

}  // namespace kvitmark::app
