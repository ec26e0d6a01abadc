#pragma once

#include <chrono>
#include <string>

#include "base/message.h"
#include "files/table_files.h"
#include "tables/operation_observer.h"

namespace kvitmark::cli {

// What a record that fails ten times does without anyone to ask.
enum class OnError { kStop, kSkip };

// The long operations played on a terminal: notices to standard error in UTF-8, the prompt
// answered by --on-error, the overwrite question by --yes or a y/N question on a terminal,
// progress as a bar when standard error is a terminal (in a run in parts, a bar for each
// after a line naming its file), "Стоп" by Ctrl+C.
class TerminalObserver final : public tables::OperationObserver {
 public:
  TerminalObserver(OnError onError, bool assumeYes);

  void Started(const tables::OperationStart& start) override;
  void PartStarted(const tables::PartStart& part) override;
  void PartReady(int records) override;
  void RecordDone(const tables::RecordStep& step) override;
  tables::FailureAnswer RecordFailed(int record) override;
  void Tell(const tables::Notice& notice) override;
  bool Confirm(const base::Message& question) override;
  bool StopRequested() override;
  void Finished(const tables::OperationSummary& summary) override;

  // The records the prompt was asked about, as "3, 7"; empty when there were none.
  const std::string& PromptedRecords() const { return promptedRecords_; }
  // Ends the progress line, if one is drawn.
  void FinishProgress();

 private:
  void SetProgressMaximum(int maximum);
  void DrawProgress();

  OnError onError_;
  bool assumeYes_;
  bool terminal_;
  int maximum_ = 0;
  int position_ = 0;
  std::string promptedRecords_;
  bool progressDrawn_ = false;
  std::chrono::steady_clock::time_point started_;
  std::chrono::steady_clock::time_point lastDrawn_;
};

// A message of the program for the terminal: UTF-8, in the user's language.
std::string ForTerminal(const base::Message& message);

// A table or card file's message on one line of standard error: the file, the box's caption
// and text, the line a load stopped at (when `line` > 0), and the system's reason.
void SayFileMessage(const files::FileMessage& message, const std::string& file, int line);

// From now on Ctrl+C asks the operation to stop before its next record, as "Стоп" does.
void InstallInterruptStop();
// Whether Ctrl+C was pressed.
bool Interrupted();

}  // namespace kvitmark::cli
