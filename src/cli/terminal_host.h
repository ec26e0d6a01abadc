#pragma once

#include <chrono>
#include <cstdio>
#include <string>

#include "tables/operation_host.h"
#include "tables/workspace.h"

namespace kvitmark::cli {

// What a record that fails ten times does without anyone to ask.
enum class OnError { kStop, kSkip };

// The long operations' window, played on a terminal: messages to standard error in UTF-8,
// the prompt answered by --on-error, the overwrite question by --yes or a y/N question on a
// terminal, progress as a bar when standard error is a terminal.
class TerminalHost final : public tables::OperationHost {
 public:
  TerminalHost(tables::Workspace& workspace, OnError onError, bool assumeYes);

  void ShowMessage(const std::string& text) override;
  tables::BoxAnswer ShowMessageBox(const std::string& text, const std::string& title,
                                   tables::BoxButtons buttons, tables::BoxIcon icon) override;
  tables::PromptAnswer AskExchangeError() override;
  void ProcessPendingEvents() override;
  void SetProgressRange(int maximum) override;
  void SetProgressPosition(int position) override;
  void ShowRecordCounter(const std::string& text) override;
  void SetButtonEnabled(tables::CommandButton, bool) override {}
  void SetCellEditing(int, bool) override {}
  void ScrollGrid(int, int) override {}
  void ScrollAllGridsToTop() override {}
  void PageDataChanged(int, int) override {}
  int ShownPage() override { return 0; }
  void Repaint() override {}

  // The records the prompt was shown for (numbered as the record counter counts them).
  const std::string& FailedRecords() const { return failedRecords_; }
  int FailureCount() const { return failures_; }
  // Ends the progress line, if one is drawn.
  void FinishProgress();

 private:
  void DrawProgress(bool force);

  tables::Workspace& workspace_;
  OnError onError_;
  bool assumeYes_;
  bool terminal_;
  int maximum_ = 0;
  int position_ = 0;
  int lastRecord_ = 0;
  int failures_ = 0;
  std::string failedRecords_;
  bool progressDrawn_ = false;
  std::chrono::steady_clock::time_point started_;
  std::chrono::steady_clock::time_point lastDrawn_;
};

// A text of the program (code page 1251) for the terminal.
std::string ForTerminal(const std::string& cp1251);

// Set by SIGINT: the operation stops before its next record, as with "Стоп".
void InstallInterruptStop(tables::Workspace& workspace);

}  // namespace kvitmark::cli
