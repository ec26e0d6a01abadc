#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/clock.h"
#include "reports/report_catalogue.h"
#include "tables/operations.h"

// "Чтение отчетов": every checked report read record by record from the register into a
// delimited text file of its own, one line per record.
namespace kvitmark::reports {

struct ReportChoice {
  bool checked = false;
  std::string fileName;  // file-system bytes
};

// What the reports page holds.
struct DownloadChoices {
  std::array<ReportChoice, kReportCount> reports;  // catalogue order
  // File-system bytes. Each file name is appended to it as it stands: a folder typed
  // without a trailing "/" makes the name part of the last path component.
  std::string folder;
  std::string separator;  // code page 1251; must be one character
};

// The reports page's own displays, and the page itself as the source of the choices.
class ReportView {
 public:
  virtual ~ReportView() = default;
  // Asked at the start of the download and again as each report starts, so that a change
  // made on the page while one report downloads applies to the reports after it.
  virtual DownloadChoices Choices() = 0;
  // Label44: the name of the file being written (file-system bytes); empty empties it.
  virtual void ShowCurrentFile(const std::string& fileName) = 0;
  // ProgressBar2: one step per record of the current report.
  virtual void SetProgressRange(int maximum) = 0;
  virtual void SetProgressPosition(int position) = 0;
};

enum class DownloadResult {
  kDone,         // every checked report is in its file; "Успешно!" was shown
  kNoSeparator,  // refused before anything was created for the report at hand
  kFileError,    // a report file could not be created or written
  kPortError,    // the port refused its read time-out
  kSkipped,      // "Пропустить" for a record that failed ten times
  kGivenUp,      // "Завершить операцию" for such a record, or the prompt closed
  kStopped,      // "Стоп", or the window closing
};

// Longest folder-and-name path a report file may have.
inline constexpr std::size_t kMaxReportPath = 499;
// How long the register may take over a report record once it has its request. Only the
// request's acknowledgement and reply wait this long: selections keep the port's time-out.
inline constexpr base::Milliseconds kReportReplyWait{108000000};
// The port's read time-out outside a report record.
inline constexpr std::uint32_t kReadTimeoutMs = 300;

// Runs the download, telling `observer` what happens (it hears "Стоп" before every
// attempt and while the register prepares a record) and showing the page's own displays
// through `view`. It reads from `session.connectedRegister` without checking that one is
// connected: with none, every read fails and the prompt comes after ten attempts at the
// first record.
//
// Whatever way it ends, the reply wait is off and the port's read time-out is 300 ms
// again.
DownloadResult DownloadReports(tables::TableSession& session, tables::OperationObserver& observer,
                               ReportView& view);

}  // namespace kvitmark::reports
