#pragma once

#include <array>
#include <string>
#include <string_view>

// The twelve reports the register keeps as read-only tables, in the order they are
// downloaded, with the controls of the reports page that choose each one and the key
// under which the settings file keeps its file name.
namespace kvitmark::reports {

inline constexpr int kReportCount = 12;

struct ReportDescriptor {
  std::string caption;               // the check box's text, code page 1251
  std::string_view checkBox;         // "CheckBox3"
  std::string_view fileNameField;    // "Edit38"
  std::string_view settingsKey;      // in the [Reports] section of the settings file
  std::string_view defaultFileName;  // what a new settings file proposes
  int tableNumber = 0;
  int recordCount = 0;  // while a register type is selected
  // The caption as the code has it (Russian, UTF-8): what the window translates it from, again
  // at each change of language.
  const char* captionSource = "";
};

// Download order; the tax report (table 78) comes before the payment report (77).
const std::array<ReportDescriptor, kReportCount>& ReportCatalogue();

// Records to read: the goods turnover depends on the register type, and with no type
// selected (index -1) there is nothing to read. The other reports have a fixed size.
int RecordCount(int report, int typeIndex);

}  // namespace kvitmark::reports
