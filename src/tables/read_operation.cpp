// "Прочитать из ЭККА": the table of a page read from the register into the page.
#include "base/cp1251.h"
#include "tables/catalogue.h"
#include "tables/operation_support.h"
#include "tables/operations.h"
#include "tables/record_codec.h"

namespace kvitmark::tables {
namespace {

using namespace support;

const std::string& BadAnswerText() {
  // As the register program has always shown it.
  static const std::string text =
      base::Cp1251("Приняты некорректные данные из ЭККА! Ошибка! Операция прерана!");
  return text;
}

const std::string& ParameterDoneText() {
  static const std::string text = base::Cp1251("Операция завершена успешно!");
  return text;
}

bool ReadAttempt(TableSession& session, int table, int record, std::string& answer) {
  return session.link.ReadRecord(session.connectedRegister, table, record, answer, 0) >= 0;
}

OperationResult ReadParameterPage(TableSession& session, int page) {
  OperationHost& host = session.host;
  std::string& answer = session.recordBuffer;
  const auto outcome = ExchangeWithRecovery(
      session, [&] { return ReadAttempt(session, Page(page).tableNumber, 1, answer); });
  if (outcome == Recovery::kDone) {
    DecodeParameterRecord(page, answer, session.workspace.Parameters(page));
    host.PageDataChanged(page, -1);
    SetEndOfOperationState(session);
    host.ShowMessage(ParameterDoneText());
  }
  host.SetButtonEnabled(CommandButton::kClose, true);
  return outcome == Recovery::kAbandoned ? OperationResult::kStopped : OperationResult::kDone;
}

// One record into one row; a refused answer stops the read after this record.
void ForReadTable(TableSession& session, int page, int row, int record) {
  std::string& answer = session.recordBuffer;
  const auto outcome = ExchangeWithRecovery(
      session, [&] { return ReadAttempt(session, Page(page).tableNumber, record, answer); });
  if (outcome != Recovery::kDone) return;
  const auto decoded = DecodeGridRecord(page, row, answer, session.workspace.Grid(page));
  session.host.PageDataChanged(page, row);
  if (decoded == DecodeResult::kRefused) {
    session.host.ShowMessage(BadAnswerText());
    session.workspace.flags.stop = true;
  }
}

OperationResult ReadGridPage(TableSession& session, int page) {
  OperationHost& host = session.host;
  Workspace& workspace = session.workspace;
  const TableDescriptor& descriptor = Page(page);
  int firstRow = 1;
  int lastRow = descriptor.recordCount;
  int record = 0;
  if (workspace.interval.use) {
    const auto interval = CheckInterval(workspace.interval, false);
    if (!interval) {
      host.ShowMessage(BadIntervalText());
      host.SetButtonEnabled(CommandButton::kClose, true);
      return OperationResult::kNotStarted;
    }
    if (descriptor.intervalOnRead) {
      firstRow = interval->start;
      lastRow = interval->end;
      record = interval->firstRecord - 1;
    }
  }

  EnterRunningState(host);
  host.SetProgressRange(lastRow - firstRow);
  host.SetProgressPosition(0);
  host.SetCellEditing(page, false);

  int progress = 0;
  for (int row = firstRow;; ++row) {
    host.ProcessPendingEvents();
    ++record;
    if (row > lastRow || workspace.flags.stop) break;
    ForReadTable(session, page, row, record);
    host.ShowRecordCounter(RecordCounterText(record));
    host.SetProgressPosition(++progress);
    if (row > 5) host.ScrollGrid(page, row - 5);
  }

  const auto result = workspace.flags.stop ? OperationResult::kStopped : OperationResult::kDone;
  AnnounceEnd(session);
  host.ShowRecordCounter("");
  workspace.flags.stop = false;
  host.SetCellEditing(page, true);
  SetEndOfOperationState(session);
  host.SetButtonEnabled(CommandButton::kSave, true);
  host.SetButtonEnabled(CommandButton::kOpen, true);
  host.ScrollGrid(page, 1);
  return result;
}

}  // namespace

OperationResult ReadFromRegister(TableSession& session, int page) {
  OperationHost& host = session.host;
  host.SetButtonEnabled(CommandButton::kClose, false);
  session.workspace.flags.skip = false;
  host.ScrollAllGridsToTop();
  if (!IsConnected(session)) {
    // The window stays open: closing it would throw away every unsaved page.
    host.ShowMessage(NotConnectedText());
    host.SetButtonEnabled(CommandButton::kClose, true);
    return OperationResult::kNotStarted;
  }
  session.workspace.flags.stop = false;
  switch (Page(page).shape) {
    case PageShape::kParameter:
      return ReadParameterPage(session, page);
    case PageShape::kGrid:
      return ReadGridPage(session, page);
    case PageShape::kOther:
      break;
  }
  host.SetButtonEnabled(CommandButton::kClose, true);
  return OperationResult::kNotStarted;
}

}  // namespace kvitmark::tables
