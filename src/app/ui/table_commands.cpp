#include "app/ui/table_commands.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>

#include "app/ui/operation_guard.h"
#include "base/ui/translation.h"
#include "files/ui/dialog_filter.h"
#include "tables/catalogue.h"
#include "tables/ui/dialogs.h"
#include "tables/ui/page_widgets.h"
#include "tables/ui/string_grid.h"

namespace kvitmark::app::ui {

void TableCommands::Run(tables::OperationKind kind, Operation operation, bool fromTheTop) {
  // The operation keeps to the page it started on, whatever the window shows meanwhile.
  const tables::PageId page = context_.shownPage();
  if (fromTheTop) {
    for (tables::PageId each : tables::AllPages()) {
      if (auto* grid = context_.grid(each)) grid->ScrollToTopRow(1);
    }
  }
  tables::OperationSummary summary;
  context_.guard->Run([&] { summary = operation(*context_.session, *context_.observer, page); });
  if (summary.result != tables::OperationResult::kNotStarted) context_.operationEnded(kind, page);
}

void TableCommands::Read() {
  Run(tables::OperationKind::kReadTable, tables::ReadFromRegister, true);
}

void TableCommands::Write() {
  Run(tables::OperationKind::kWriteTable, tables::WriteToRegister, true);
}

void TableCommands::WriteChanges() {
  Run(tables::OperationKind::kWriteTable, tables::WriteChangesToRegister, true);
}

void TableCommands::Clear() { Run(tables::OperationKind::kClearTable, tables::ClearTable, false); }

void TableCommands::ClearGrid() {
  const tables::PageId page = context_.shownPage();
  if (!tables::Page(page).Clearable()) return;
  for (tables::PageId each : tables::AllPages()) {
    if (tables::Page(each).Clearable()) context_.grid(each)->ScrollToTopRow(1);
  }
  files::ClearPageGrid(context_.session->workspace, page);
  context_.showPageData(page, -1);
}

void TableCommands::ShowFileMessage(const files::FileMessage& message, tables::BoxButtons buttons) {
  context_.dialogs->MessageBox(context_.window, base::ui::Render(message.text),
                               base::ui::Render(message.caption), buttons, tables::BoxIcon::kNone);
}

files::Progress TableCommands::ProgressBarSteps() {
  QProgressBar* bar = context_.progress;
  files::Progress steps;
  steps.start = [bar](int maximum) {
    bar->setRange(0, maximum > 0 ? maximum : 1);
    bar->setValue(0);
  };
  steps.step = [bar] { bar->setValue(bar->value() + 1); };
  return steps;
}

void TableCommands::Open() {
  const tables::PageId page = context_.shownPage();
  const auto& dialog = tables::ui::WidgetsOf(page).file;
  QString filter;
  if (dialog) {
    filter = files::ui::QtFilter(dialog->filter);
    openTitle_ = base::ui::Render(dialog->openTitle);
  }
  const QString path = context_.dialogs->OpenFileName(
      context_.window, openTitle_, filter, QString::fromStdString(context_.folder), lastOpened_);
  if (path.isEmpty()) return;
  lastOpened_ = path;
  const auto report = files::LoadTableFile(context_.session->workspace, page,
                                           path.toLocal8Bit().toStdString(), ProgressBarSteps());
  context_.showPageData(page, -1);
  if (report.message) {
    ShowFileMessage(*report.message, tables::BoxButtons::kOk);
    if (!report.done) return;
  }
  context_.progress->setValue(0);
  context_.fileName->setText(QFileInfo(path).absoluteFilePath());
}

void TableCommands::Save() {
  const tables::PageId page = context_.shownPage();
  const auto& dialog = tables::ui::WidgetsOf(page).file;
  QString filter;
  if (dialog) {
    filter = files::ui::QtFilter(dialog->filter);
    saveTitle_ = base::ui::Render(dialog->saveTitle);
    saveSuffix_ = QString::fromLatin1(tables::Page(page).fileExtension);
  }
  QString path = context_.dialogs->SaveFileName(
      context_.window, saveTitle_, filter, QString::fromStdString(context_.folder), saveSuffix_);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty() && !saveSuffix_.isEmpty()) path += '.' + saveSuffix_;
  const auto report = files::SaveTableFile(context_.session->workspace, page,
                                           path.toLocal8Bit().toStdString(), ProgressBarSteps());
  // A save's box offers Cancel beside OK, as the save error box always has.
  if (report.message) ShowFileMessage(*report.message, tables::BoxButtons::kOkCancel);
  context_.progress->setValue(0);
}

}  // namespace kvitmark::app::ui
