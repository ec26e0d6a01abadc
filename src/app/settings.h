#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/language.h"
#include "link/endpoint.h"

// The settings file "Tabulon.ini": the port, speed and register type the connection
// group starts with, the report file names and the report folder, and optionally the
// device behind each COM port. It is read every time the main window becomes active.
namespace kvitmark::app {

inline constexpr std::string_view kSettingsFileName = "Tabulon.ini";

// The entries of the connection group's selectors, in their order.
inline constexpr std::array<std::string_view, 9> kPortEntries = {
    "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"};
inline constexpr std::array<std::string_view, 8> kSpeedEntries = {
    "4800", "9600", "14400", "19200", "28800", "38400", "56000", "115200"};
inline constexpr std::array<std::string_view, 1> kTypeEntries = {"Datecs MP-50 Junior"};

struct ReportFileKey {
  std::string_view key;          // in the [Reports] section
  std::string_view defaultName;  // also what a new file holds
};

// The report files in the order of the reports page: turnover by goods, departments,
// groups, operators, taxes, payments, operations; administrative reports 1 to 3; the
// numbers of operations done; registers.
inline constexpr std::array<ReportFileKey, 12> kReportFileKeys = {{
    {"Art", "RepArt.dat"},
    {"Otd", "RepOtd.dat"},
    {"Grp", "RepGrp.dat"},
    {"Operat", "RepOperat.dat"},
    {"Nalog", "RepNalog.dat"},
    {"Opl", "RepOpl.dat"},
    {"Operac", "RepOperac.dat"},
    {"Adm1", "RepAdm1.dat"},
    {"Adm2", "RepAdm2.dat"},
    {"Adm3", "RepAdm3.dat"},
    {"Numoper", "RepNum.dat"},
    {"Regist", "RepReg.dat"},
}};

struct Settings {
  int portIndex = 0;       // into kPortEntries: port number - 1
  std::string portDevice;  // the device the port is stored as ("/dev/serial/by-id/…"), if it is
  int speedIndex = 0;      // into kSpeedEntries
  int typeIndex = 0;       // into kTypeEntries
  std::array<std::string, kReportFileKeys.size()> reportFiles;  // as kReportFileKeys
  std::string eklFile;       // kept in the file; no report uses it
  std::string reportFolder;  // always ends with "/"
  link::PortMap ports;       // only the ports the file names a device for, COM10 and on too
  // The port and speed as the file holds them, whether the selectors offer them or not
  // (the first entries when it holds none): kvitmark-cli takes them as they stand.
  std::string storedPort;
  std::string storedSpeed;
  // [Interface] Language=uk or ru: the language the user chose over the locale's, if any.
  std::optional<base::Language> language;
};

// The index into kPortEntries of a port name ("com3" → 2), or nothing.
std::optional<int> PortEntry(std::string_view name);

// "COM12" ↔ 12, for every COM name the settings file can map (COM1 to COM255).
std::string ComName(int number);
std::optional<int> ComNumber(std::string_view name);

// The port the settings start with: a COM port, a device by its name, or a name from COM10
// on that [Ports] maps.
link::Endpoint StoredPort(const Settings& settings);

// Maps the next free COM name from COM10 on to `url` in `directory`/Tabulon.ini ([Ports]),
// or finds the name that already maps it: the name, or nothing when the file could not be
// written.
std::optional<std::string> AddNetworkPort(const std::string& directory, const std::string& url);

// Reads `directory`/Tabulon.ini (the directory stands for the program's current
// directory) as it stands: nothing is created or written. A missing or unreadable file
// gives the defaults; a stored port, speed or type that the selectors do not offer gives
// the first entry. A port stored as a device's name ("/dev/…") is kept as it stands, whether
// the device is there or not.
Settings ReadSettings(const std::string& directory);

// The window's reading: as ReadSettings, but a missing file is created with the
// defaults, and a stored port, speed or type that the selectors do not offer is replaced
// in the file by the first entry. Nothing is ever reported: a file that cannot be created
// leaves the defaults, and one that cannot be rewritten still gives the choices made
// from it.
Settings LoadSettings(const std::string& directory);

}  // namespace kvitmark::app
