#pragma once

#include <string>
#include <vector>

#include "base/message.h"
#include "tables/catalogue.h"

// The long operations (reading, writing and clearing tables, the logo transfers, the
// report download, backup and restore) tell an observer what happens and ask it what to
// do; they never touch a window. The desktop window turns the events into its progress
// bar, record counter, prompt and buttons, the command-line tool into a progress line and
// exit status, the tests into a recorded list. What they say to the user are messages, which
// each front end renders in its user's language.
namespace kvitmark::tables {

enum class OperationKind {
  kReadTable,
  kWriteTable,
  kClearTable,
  kReadLogo,
  kWriteLogo,
  kDownloadReports,
  kFindRegister,
  kBackup,   // every table and the logo, read into a backup folder
  kRestore,  // a backup folder written back into the register
};

// The run's records are about to be exchanged (the checks before it have passed).
struct OperationStart {
  OperationKind kind;
  PageId page;
  int progressMaximum = 0;   // the progress bar's range is 0 to this
  int progressPosition = 0;  // where the bar starts
  int records = 0;           // the records a read, write or clear means to exchange
};

// A run in parts (the reports of a download) begins one of them.
struct PartStart {
  std::string fileName;  // where the part goes: file-system bytes
};

// One record exchanged.
struct RecordStep {
  int record = 0;    // the register's record number
  int row = 0;       // the page's row it came from or went to; 0 when it is not a grid row
  int progress = 0;  // the progress bar's position now
};

// The answers to a record that keeps failing: the exchange error prompt's buttons, or the
// prompt closed without one.
enum class FailureAnswer { kSkip, kRetry, kFinish, kClosed };

enum class BoxButtons { kOk, kOkCancel, kYesNo };
enum class BoxIcon { kNone, kInformation, kWarning, kError };
enum class BoxAnswer { kOk, kCancel, kYes, kNo };

// Something to tell the user: a plain message with an OK button, or a message box with a
// title, buttons and icon.
struct Notice {
  base::Message text;
  base::Message title = {};  // empty: a plain message
  BoxButtons buttons = BoxButtons::kOk;
  BoxIcon icon = BoxIcon::kNone;
  // The system's reason, with the path, where the box's text is fixed and a tool that may say
  // more (kvitmark-cli) adds it.
  base::Message reason = {};
  bool IsPlainMessage() const { return title.Empty(); }
};

enum class OperationResult {
  kDone,  // every record of the run was exchanged or, after the prompt, skipped
  kStopped,  // "Стоп", "Завершить операцию", or something that ended the run early
  kNotStarted,  // not connected, refused, a bad interval or cell, nothing to exchange
};

// How an operation ended, record by record (register record numbers, in the order they
// were exchanged; a download over several reports may name a number more than once).
struct OperationSummary {
  OperationResult result = OperationResult::kNotStarted;
  std::vector<int> done;     // written, read or cleared
  std::vector<int> skipped;  // the user chose "Пропустить"
  std::vector<int> failed;   // given up without the user's choice to skip
};

class OperationObserver {
 public:
  virtual ~OperationObserver() = default;

  virtual void Started(const OperationStart& start) = 0;
  // A run in parts tells each one as it begins, before anything is done for it, and then,
  // once its file is made, the records it is to exchange: the RecordDone steps that follow
  // count their progress from 1 up to that number. A part whose file cannot be made is never
  // ready. The other operations tell neither.
  virtual void PartStarted(const PartStart&) {}
  virtual void PartReady(int /*records*/) {}
  virtual void RecordDone(const RecordStep& step) = 0;
  // A record failed every attempt: what now.
  virtual FailureAnswer RecordFailed(int record) = 0;
  virtual void Tell(const Notice& notice) = 0;
  // A yes/no question ("Tabulon", warning icon); true for yes.
  virtual bool Confirm(const base::Message& question) = 0;
  // Asked between records (and, during a download, while the register prepares one): the
  // window handles its pending events here, so that a click on "Стоп" is heard.
  virtual bool StopRequested() = 0;
  // The operation no longer listens for "Стоп". Notices that tell how it ended may follow.
  virtual void Finished(const OperationSummary& summary) = 0;
};

}  // namespace kvitmark::tables
