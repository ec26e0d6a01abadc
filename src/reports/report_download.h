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

// Where the download takes its choices from: the reports page as it stands, or the
// command line's fixed ones.
class ReportChoicesSource {
 public:
  virtual ~ReportChoicesSource() = default;
  // Asked at the start of the download and again as each report starts, so that a change
  // made on the page while one report downloads applies to the reports after it.
  virtual DownloadChoices Choices() = 0;
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

// Runs the download, telling `observer` what happens: each report is a part, named by its
// file, and its records' progress counts from 1 within it. The observer hears "Стоп" before
// every attempt and while the register prepares a record. The download reads from
// `session.connectedRegister` without checking that one is connected: with none, every read
// fails and the prompt comes after ten attempts at the first record.
//
// Whatever way it ends, the reply wait is off and the port's read time-out is 300 ms
// again.
DownloadResult DownloadReports(tables::TableSession& session, tables::OperationObserver& observer,
                               ReportChoicesSource& choices);

}  // namespace kvitmark::reports
