#include "app/settings.h"

#include "app/ini_file.h"
#include "base/whole_number.h"

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
// Not in a new file: a user who needs a device other than /dev/ttyS<n-1> adds it, and a
// network port the user adds in the window goes there under a name from COM10 on.
constexpr std::string_view kPortsSection = "Ports";
using link::kLastComPort;
// Not in a new file either: the language the window and kvitmark-cli speak, "uk" or "ru",
// when the user wants another than the locale's. Only read; the program never writes it.
constexpr std::string_view kInterfaceSection = "Interface";
constexpr std::string_view kLanguageKey = "Language";

// A port stored by its device's name rather than as COMn.
constexpr std::string_view kDevicePrefix = "/dev/";

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

// Where the file is, for a program running in `directory`.
struct SettingsPlace {
  std::string current;  // the directory as the file's default folder names it
  std::string path;
};

SettingsPlace PlaceIn(const std::string& directory) {
  // Without a directory the file would land in the root; the only sensible reading is "here".
  const std::string current = WithoutTrailingSlashes(directory.empty() ? "." : directory);
  const std::string separator = current == "/" ? "" : "/";
  return {current, current + separator + std::string(kSettingsFileName)};
}

// The settings in `file`, and which stored choices the selectors offer.
struct Reading {
  Settings settings;
  bool speedOffered = false;
  bool portOffered = false;
  bool typeOffered = false;
};

Reading Read(const IniFile& file, const std::string& current) {
  Reading reading;
  Settings& settings = reading.settings;

  settings.storedSpeed = file.Get(kCommunicationSection, kSpeedKey, kSpeedEntries[0], kShortValue);
  const auto speed = FindEntry(kSpeedEntries, settings.storedSpeed);
  settings.speedIndex = speed.value_or(0);
  reading.speedOffered = speed.has_value();

  settings.storedPort = file.Get(kCommunicationSection, kPortKey, kPortEntries[0], kShortValue);
  if (settings.storedPort.starts_with(kDevicePrefix)) {
    // A device's own name is longer than any COM name; cut short it would name nothing, and
    // the user's port would be lost to COM1 at the next start.
    settings.storedPort = file.Get(kCommunicationSection, kPortKey, "", kLongValue);
    settings.portDevice = settings.storedPort;
  }
  const auto port = PortEntry(settings.storedPort);
  settings.portIndex = port.value_or(0);
  reading.portOffered = port.has_value() || !settings.portDevice.empty();

  // The type has always been read as a number, "+0" included.
  const auto type = base::WholeNumber(file.Get(kTypeSection, kTypeKey, kFirstType, kShortValue),
                                      {.plusSign = true});
  reading.typeOffered = type && *type >= 0 && *type < static_cast<int>(kTypeEntries.size());
  settings.typeIndex = reading.typeOffered ? *type : 0;

  for (std::size_t i = 0; i < kReportFileKeys.size(); ++i) {
    settings.reportFiles[i] = file.Get(kReportsSection, kReportFileKeys[i].key,
                                       kReportFileKeys[i].defaultName, kLongValue);
  }
  settings.eklFile = file.Get(kReportsSection, kEklKey, kEklDefault, kLongValue);
  settings.reportFolder = file.Get(kReportsSection, kDirectoryKey, current, kLongValue);
  if (settings.reportFolder.empty() || settings.reportFolder.back() != '/') {
    settings.reportFolder += '/';
  }

  for (int number = 1; number <= kLastComPort; ++number) {
    std::string device = file.Get(kPortsSection, ComName(number), "", kLongValue);
    if (!device.empty()) settings.ports[number] = std::move(device);
  }
  settings.language =
      base::LanguageFromCode(file.Get(kInterfaceSection, kLanguageKey, "", kShortValue));

  // COM10 and on exist only where the file maps them.
  const auto named = ComNumber(settings.storedPort);
  if (!reading.portOffered && named && settings.ports.count(*named) > 0) {
    reading.portOffered = true;
  }
  return reading;
}

}  // namespace

std::optional<int> PortEntry(std::string_view name) { return FindEntry(kPortEntries, name); }

std::string ComName(int number) { return link::ComName(number); }

std::optional<int> ComNumber(std::string_view name) { return link::ComNumber(name); }

link::Endpoint StoredPort(const Settings& settings) {
  if (!settings.portDevice.empty()) return link::DeviceEndpoint(settings.portDevice);
  const auto number = ComNumber(settings.storedPort);
  if (number && *number > link::kLinkPorts && settings.ports.count(*number) > 0) {
    return link::Endpoint::Com(*number, settings.ports);
  }
  return link::Endpoint::Com(settings.portIndex + 1, settings.ports);
}

std::optional<std::string> AddNetworkPort(const std::string& directory, const std::string& url) {
  const SettingsPlace place = PlaceIn(directory);
  IniFile file = IniFile::Open(place.path);
  if (file.Source() == IniSource::kUnreadable) return std::nullopt;
  const Settings settings = Read(file, place.current).settings;
  for (const auto& [number, device] : settings.ports) {
    if (device == url && number > link::kLinkPorts) return ComName(number);
  }
  for (int number = link::kLinkPorts + 1; number <= kLastComPort; ++number) {
    if (settings.ports.count(number) > 0) continue;
    if (!file.Set(kPortsSection, ComName(number), url) || !file.Save()) return std::nullopt;
    return ComName(number);
  }
  return std::nullopt;
}

Settings ReadSettings(const std::string& directory) {
  const SettingsPlace place = PlaceIn(directory);
  return Read(IniFile::Open(place.path), place.current).settings;
}

Settings LoadSettings(const std::string& directory) {
  const SettingsPlace place = PlaceIn(directory);
  IniFile file = IniFile::Open(place.path);

  if (file.Source() == IniSource::kMissing) {
    WriteDefaults(file, place.current);
    // When the directory cannot take the file, the defaults just set stand all the same.
    file.Save();
  }

  const Reading reading = Read(file, place.current);
  bool rewrite = false;
  if (!reading.speedOffered) {
    rewrite = file.Set(kCommunicationSection, kSpeedKey, kSpeedEntries[0]) || rewrite;
  }
  if (!reading.portOffered) {
    rewrite = file.Set(kCommunicationSection, kPortKey, kPortEntries[0]) || rewrite;
  }
  if (!reading.typeOffered) rewrite = file.Set(kTypeSection, kTypeKey, kFirstType) || rewrite;
  if (rewrite) file.Save();
  return reading.settings;
}

}  // namespace kvitmark::app
