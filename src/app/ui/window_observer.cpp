#include "app/ui/window_observer.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <charconv>

#include "app/ui/operation_guard.h"
#include "base/cp1251.h"
#include "base/ui/qt_text.h"
#include "base/ui/translation.h"
#include "tables/catalogue.h"
#include "tables/operation_outcome.h"
#include "tables/operation_support.h"
#include "tables/ui/dialogs.h"
#include "tables/ui/exchange_error_prompt.h"
#include "tables/ui/string_grid.h"

namespace kvitmark::app::ui {
namespace {

using base::ui::FromCp1251;
using tables::OperationKind;

// The logo transfers handle no events, so the window is painted now and then for the
// progress bar to move.
constexpr int kLogoRepaintEvery = 10;

// The grid keeps the row being exchanged in sight, five rows below its top.
constexpr int kRowsAboveCurrent = 5;

bool IsTableOperation(OperationKind kind) {
  return kind == OperationKind::kReadTable || kind == OperationKind::kWriteTable ||
         kind == OperationKind::kClearTable;
}

bool IsLogoTransfer(OperationKind kind) {
  return kind == OperationKind::kReadLogo || kind == OperationKind::kWriteLogo;
}

}  // namespace

std::string RecordCounterText(int record) {
  // Shown once per record, so without the cost of a format string.
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, record).ptr;
  const size_t length = static_cast<size_t>(end - digits);
  std::string text;
  if (record >= 0 && length < 5) text.assign(5 - length, '0');
  text.append(digits, length);
  return text;
}

bool WindowObserver::OnGrid() const {
  return IsTableOperation(start_.kind) && tables::IsGridPage(start_.page);
}

void WindowObserver::SetProgressRange(int maximum) {
  // A range of 0 to 0 would turn the bar into a busy indicator.
  display_.progress->setRange(0, maximum > 0 ? maximum : 1);
}

void WindowObserver::Started(const tables::OperationStart& start) {
  started_ = true;
  start_ = start;
  startedAt_ = display_.clock->Now();
  // Only the grid operations and the download look for "Стоп" while they run.
  display_.guard->SetListeningForStop(OnGrid() || start.kind == OperationKind::kDownloadReports);
  if (OnGrid() || IsLogoTransfer(start.kind)) {
    SetProgressRange(start.progressMaximum);
    display_.progress->setValue(start.progressPosition);
  }
  if (OnGrid()) display_.grid(start.page)->SetEditingEnabled(false);
}

void WindowObserver::RecordDone(const tables::RecordStep& step) {
  if (IsLogoTransfer(start_.kind)) {
    display_.progress->setValue(step.progress);
    if ((step.record - 1) % kLogoRepaintEvery == 0) display_.window->repaint();
    return;
  }
  if (!IsTableOperation(start_.kind)) return;
  // A read changes the row; a write may change whether the row counts as changed. A clear
  // names no row: its page is shown afresh at the end.
  if (step.row > 0 || !OnGrid()) display_.showPageData(start_.page, step.row);
  if (!OnGrid()) return;
  display_.recordCounter->setText(QString::fromLatin1(RecordCounterText(step.record)));
  display_.progress->setValue(step.progress);
  if (step.row > kRowsAboveCurrent) {
    display_.grid(start_.page)->ScrollToTopRow(step.row - kRowsAboveCurrent);
  }
}

tables::FailureAnswer WindowObserver::RecordFailed(int) {
  const auto answer = display_.dialogs->ExchangeErrorPrompt(display_.prompt());
  // The main window is the active one again.
  display_.afterPrompt();
  return answer;
}

void WindowObserver::Tell(const tables::Notice& notice) {
  if (notice.IsPlainMessage()) {
    display_.dialogs->ShowMessage(display_.window, base::ui::Render(notice.text));
  } else {
    display_.dialogs->MessageBox(display_.window, base::ui::Render(notice.text),
                                 base::ui::Render(notice.title), notice.buttons, notice.icon);
  }
}

bool WindowObserver::Confirm(const base::Message& question) {
  return display_.dialogs->MessageBox(display_.window, base::ui::Render(question),
                                      base::ui::Render(tables::support::TitleText()),
                                      tables::BoxButtons::kYesNo,
                                      tables::BoxIcon::kWarning) == tables::BoxAnswer::kYes;
}

bool WindowObserver::StopRequested() {
  QApplication::processEvents();
  return display_.guard->StopRequested();
}

void WindowObserver::Finished(const tables::OperationSummary& summary) {
  display_.guard->SetListeningForStop(false);
  if (!started_) return;
  started_ = false;
  const auto outcome = tables::OutcomeLine(start_, summary, display_.clock->Now() - startedAt_);
  if (outcome) display_.ended(*outcome);
  if (OnGrid()) {
    if (start_.kind == OperationKind::kClearTable) display_.showPageData(start_.page, -1);
    display_.recordCounter->setText(QString());
    display_.grid(start_.page)->SetEditingEnabled(true);
    display_.grid(start_.page)->ScrollToTopRow(1);
  }
  if (start_.kind != OperationKind::kDownloadReports) display_.progress->setValue(0);
}

}  // namespace kvitmark::app::ui
