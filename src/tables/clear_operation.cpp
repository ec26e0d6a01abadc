// "Очистить": a table of the register reset to its factory records.
#include "base/cp1251.h"
#include "tables/catalogue.h"
#include "tables/default_records.h"
#include "tables/operation_support.h"
#include "tables/operations.h"

namespace kvitmark::tables {
namespace {

using namespace support;

constexpr int kCallsPerRecord = 10;
constexpr base::Milliseconds kPauseBetweenCalls{1000};

std::string SkippedRecordsText(int skipped) {
  return base::Cp1251("Операция завершена, но ") + std::to_string(skipped) +
         base::Cp1251(" записей не удалось записать в ЭККА: они остались прежними.");
}

// Writes the factory record with a pause between failed calls; no prompt: a record that
// fails ten times is left as the register had it. Returns the last call's result.
int ForClear(TableSession& session, int page, int record) {
  const std::string text = DefaultRecord(page, record, session.workspace.typeIndex == 0);
  int result = -1;
  for (int call = 1; call <= kCallsPerRecord; ++call) {
    result = session.link.WriteRecord(session.connectedRegister, Page(page).tableNumber, record,
                                      text, 0);
    if (result >= 0 || call == kCallsPerRecord) break;
    session.clock.Sleep(kPauseBetweenCalls);
  }
  return result;
}

}  // namespace

ClearResult ClearTable(TableSession& session, int page) {
  OperationHost& host = session.host;
  Workspace& workspace = session.workspace;
  if (!IsConnected(session)) {
    // The window stays open: closing it would throw away every unsaved page.
    host.ShowMessage(NotConnectedText());
    return {};
  }
  if (!IsClearablePage(page)) return {};
  workspace.flags.skip = false;
  if (host.ShowMessageBox(OverwriteQuestion(page), TitleText(), BoxButtons::kYesNo,
                          BoxIcon::kWarning) != BoxAnswer::kYes) {
    return {};
  }
  // A stop left by an earlier operation must not end this one before it starts.
  workspace.flags.stop = false;

  EnterRunningState(host);
  host.SetCellEditing(page, false);
  const ClearRange range = ClearPlan(page);
  host.SetProgressRange(range.last);
  int progress = range.first - 1;
  host.SetProgressPosition(progress);

  int skipped = 0;
  for (int record = range.first;; ++record) {
    host.ProcessPendingEvents();
    if (record > range.last || workspace.flags.stop) break;
    if (ForClear(session, page, record) < 0) ++skipped;
    host.ShowRecordCounter(RecordCounterText(record));
    host.SetProgressPosition(++progress);
  }

  const ClearResult result{
      workspace.flags.stop ? OperationResult::kStopped : OperationResult::kDone, skipped};
  if (workspace.flags.stop) {
    host.ShowMessageBox(StoppedText(), TitleText(), BoxButtons::kOk, BoxIcon::kNone);
    session.link.EndExchange();
  } else if (skipped > 0) {
    host.ShowMessageBox(SkippedRecordsText(skipped), TitleText(), BoxButtons::kOk,
                        BoxIcon::kWarning);
  } else {
    host.ShowMessageBox(DoneText(), TitleText(), BoxButtons::kOk, BoxIcon::kNone);
  }

  host.ShowRecordCounter("");
  workspace.flags.stop = false;
  host.SetCellEditing(page, true);
  host.SetButtonEnabled(CommandButton::kStop, false);
  for (auto button :
       {CommandButton::kWrite, CommandButton::kClear, CommandButton::kRead, CommandButton::kClose,
        CommandButton::kSave, CommandButton::kOpen, CommandButton::kAbout}) {
    host.SetButtonEnabled(button, true);
  }
  host.SetProgressPosition(0);
  host.ScrollGrid(page, 1);
  return result;
}

}  // namespace kvitmark::tables
