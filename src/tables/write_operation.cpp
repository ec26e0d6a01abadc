// "Записать в ЭККА": the table of a page written from the page into the register.
#include <vector>

#include "base/cp1251.h"
#include "tables/catalogue.h"
#include "tables/default_records.h"
#include "tables/operation_support.h"
#include "tables/operations.h"
#include "tables/record_codec.h"

namespace kvitmark::tables {
namespace {

using namespace support;

constexpr int kServicePage = 7;

const std::string& ParameterDoneText() {
  static const std::string text = base::Cp1251("Операция завершена успешно!");
  return text;
}

std::string NotANumberText(int page, int row, int column, const std::string& cell) {
  return base::Cp1251("Строка ") + std::to_string(row) + base::Cp1251(", столбец \"") +
         Page(page).headers[column] + "\": \"" + cell +
         base::Cp1251("\" - не число. Таблица в ЭККА не записана.");
}

std::string TooLongText(const std::string& where, size_t length, size_t limit) {
  return where + base::Cp1251(": запись длиной ") + std::to_string(length) +
         base::Cp1251(" символов, а в запрос помещается не более ") + std::to_string(limit) +
         base::Cp1251(". Таблица в ЭККА не записана.");
}

// Writes one record with the recovery rule; true when the register took it.
bool WriteWithRecovery(TableSession& session, int page, int record, const std::string& text) {
  const int table = Page(page).tableNumber;
  const auto outcome = ExchangeWithRecovery(
      session,
      [&] {
        return session.link.WriteRecord(session.connectedRegister, table, record, text, 0) >= 0;
      },
      [&] {
        if (page == kServicePage) session.link.EndExchange();
      });
  return outcome == Recovery::kDone;
}

OperationResult WriteParameterPage(TableSession& session, int page) {
  OperationHost& host = session.host;
  const std::string text = EncodeParameterPage(page, session.workspace.Parameters(page));
  const size_t limit = MaxRecordTextLength(Page(page).tableNumber, 1);
  auto result = OperationResult::kNotStarted;
  if (text.size() > limit) {
    host.ShowMessage(TooLongText(Page(page).caption, text.size(), limit));
  } else if (WriteWithRecovery(session, page, 1, text)) {
    host.ShowMessage(ParameterDoneText());
    result = OperationResult::kDone;
  } else {
    result = session.workspace.flags.stop ? OperationResult::kStopped : OperationResult::kDone;
  }
  host.SetButtonEnabled(CommandButton::kClose, true);
  return result;
}

// The window as it is after every grid write, whatever ended it.
void RestoreAfterGridWrite(TableSession& session, int page) {
  OperationHost& host = session.host;
  host.ShowRecordCounter("");
  session.workspace.flags.stop = false;
  host.SetCellEditing(page, true);
  host.SetButtonEnabled(CommandButton::kStop, false);
  for (auto button : {CommandButton::kWrite, CommandButton::kRead, CommandButton::kClose,
                      CommandButton::kSave, CommandButton::kOpen, CommandButton::kAbout}) {
    host.SetButtonEnabled(button, true);
  }
  host.SetButtonEnabled(CommandButton::kClear, IsClearablePage(host.ShownPage()));
  host.SetProgressPosition(0);
  host.ScrollGrid(page, 1);
}

// Every row of the run encoded before the first is sent, so that a bad cell can never
// leave the register with half a table. Empty when a row cannot be encoded; the user
// has been told which.
std::optional<std::vector<std::string>> EncodeRun(TableSession& session, int page, int firstRow,
                                                  int lastRow, int firstRecord) {
  const GridTable& grid = session.workspace.Grid(page);
  std::vector<std::string> texts;
  for (int row = firstRow, record = firstRecord; row <= lastRow; ++row, ++record) {
    EncodedRecord encoded = EncodeGridRow(page, grid, row);
    if (!encoded.ok()) {
      session.host.ShowMessage(
          NotANumberText(page, row, encoded.column, grid.Cell(encoded.column, row)));
      return std::nullopt;
    }
    const size_t limit = MaxRecordTextLength(Page(page).tableNumber, record);
    if (encoded.text.size() > limit) {
      session.host.ShowMessage(
          TooLongText(base::Cp1251("Строка ") + std::to_string(row), encoded.text.size(), limit));
      return std::nullopt;
    }
    texts.push_back(std::move(encoded.text));
  }
  return texts;
}

OperationResult WriteGridPage(TableSession& session, int page) {
  OperationHost& host = session.host;
  Workspace& workspace = session.workspace;
  const TableDescriptor& descriptor = Page(page);
  if (host.ShowMessageBox(OverwriteQuestion(page), TitleText(), BoxButtons::kYesNo,
                          BoxIcon::kWarning) != BoxAnswer::kYes) {
    host.SetButtonEnabled(CommandButton::kClose, true);
    return OperationResult::kNotStarted;
  }
  workspace.flags.stop = false;
  int firstRow = descriptor.writeFirstRow;
  int lastRow = descriptor.recordCount;
  int record = firstRow - 1;
  if (workspace.interval.use) {
    const auto interval = CheckInterval(workspace.interval, true);
    if (!interval) {
      host.ShowMessage(BadIntervalText());
      host.SetButtonEnabled(CommandButton::kClose, true);
      return OperationResult::kNotStarted;
    }
    if (descriptor.intervalOnWrite) {
      firstRow = interval->start;
      lastRow = interval->end;
      record = interval->firstRecord - 1;
    }
  }
  const auto texts = EncodeRun(session, page, firstRow, lastRow, record + 1);
  if (!texts) {
    RestoreAfterGridWrite(session, page);
    return OperationResult::kNotStarted;
  }

  host.SetCellEditing(page, false);
  EnterRunningState(host);
  host.SetProgressRange(lastRow - firstRow);
  host.SetProgressPosition(0);

  int progress = 0;
  for (int row = firstRow; row <= lastRow; ++row) {
    host.ProcessPendingEvents();
    ++record;
    if (workspace.flags.stop) break;
    WriteWithRecovery(session, page, record, (*texts)[row - firstRow]);
    if (row > 5) host.ScrollGrid(page, row - 5);
    host.ShowRecordCounter(RecordCounterText(record));
    host.SetProgressPosition(++progress);
  }

  const auto result = workspace.flags.stop ? OperationResult::kStopped : OperationResult::kDone;
  AnnounceEnd(session);
  RestoreAfterGridWrite(session, page);
  return result;
}

}  // namespace

OperationResult WriteToRegister(TableSession& session, int page) {
  OperationHost& host = session.host;
  session.workspace.flags.skip = false;
  host.ScrollAllGridsToTop();
  host.SetButtonEnabled(CommandButton::kClose, false);
  if (!IsConnected(session)) {
    // The window stays open: closing it would throw away every unsaved page.
    host.ShowMessage(NotConnectedText());
    host.SetButtonEnabled(CommandButton::kClose, true);
    return OperationResult::kNotStarted;
  }
  switch (Page(page).shape) {
    case PageShape::kParameter:
      return WriteParameterPage(session, page);
    case PageShape::kGrid:
      return WriteGridPage(session, page);
    case PageShape::kOther:
      break;
  }
  host.SetButtonEnabled(CommandButton::kClose, true);
  return OperationResult::kNotStarted;
}

}  // namespace kvitmark::tables
