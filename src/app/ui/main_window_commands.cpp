// What the main window's commands do: connection, the table operations, the page rules
// and the activation pass.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "app/settings.h"
#include "app/ui/about_box.h"
#include "app/ui/connection_controller.h"
#include "app/ui/main_window.h"
#include "app/ui/window_observer.h"
#include "base/cp1251.h"
#include "base/system_error_text.h"
#include "base/ui/qt_text.h"
#include "base/ui/translation.h"
#include "files/table_file_kinds.h"
#include "files/table_files.h"
#include "files/ui/dialog_filter.h"
#include "logo/ui/logo_page.h"
#include "reports/ui/reports_page.h"
#include "sdcard/ui/goods_export_command.h"
#include "sdcard/ui/sales_window.h"
#include "tables/catalogue.h"
#include "tables/record_codec.h"
#include "tables/ui/dialogs.h"
#include "tables/ui/page_widgets.h"
#include "tables/ui/parameter_page_widget.h"
#include "tables/ui/string_grid.h"

namespace kvitmark::app::ui {

bool TForm1::IsConnected() const { return connection_->IsConnected(); }

link::RegisterLink& TForm1::Link() { return connection_->Link(); }

SearchWindow& TForm1::Search() { return connection_->Search(); }

bool TForm1::LogoLoaded() const { return logoPage_->Loaded(); }

void TForm1::RunGuarded(const std::function<void()>& command) {
  // Whatever escapes a command is told to the user; the program carries on.
  try {
    command();
  } catch (const std::exception& error) {
    dialogs_->MessageBox(
        this,
        base::ui::Translate("TForm1", "Ошибка: ") + base::ui::Render(base::ExceptionText(error)),
        base::ui::Translate("TForm1", "Ошибка"), tables::BoxButtons::kOk, tables::BoxIcon::kError);
  } catch (...) {
    dialogs_->MessageBox(this, base::ui::Translate("TForm1", "Непредвиденная ошибка."),
                         base::ui::Translate("TForm1", "Ошибка"), tables::BoxButtons::kOk,
                         tables::BoxIcon::kError);
  }
}

void TForm1::RunOperation(const std::function<void(tables::OperationObserver&)>& operation) {
  operationRunning_ = true;
  // A stop left over from an earlier operation must not end this one before it starts.
  stopRequested_ = false;
  ApplyCommandStates();
  operation(*observer_);
  operationRunning_ = false;
  listeningForStop_ = false;
  stopRequested_ = false;
  ApplyCommandStates();
  if (closeWhenDone_) close();
}

tables::PageId TForm1::ShownPage() const { return tables::PageAt(pages_->currentIndex()); }

void TForm1::ApplyCommandStates() {
  const tables::TableDescriptor& page = tables::Page(rulesPage_);
  // The logo page has commands of its own instead of the table ones.
  const bool logoPage = page.shape == tables::PageShape::kLogo;
  const bool tableCommands = IsConnected() && !logoPage;
  const bool logoLoaded = LogoLoaded();
  const std::pair<QWidget*, bool> wanted[] = {
      {connectButton_, true},
      {clearGridButton_, page.Clearable()},
      {clearButton_, tableCommands && page.Clearable()},
      {writeButton_, tableCommands},
      {readButton_, tableCommands},
      {saveButton_, true},
      {openButton_, true},
      {aboutButton_, true},
      {closeButton_, true},
      {logoPage_->LoadButton(), true},
      {logoPage_->ReadButton(), true},
      {logoPage_->SaveButton(), logoLoaded},
      {logoPage_->WriteButton(), logoLoaded},
      {reportsPage_->CheckAllButton(), true},
      {reportsPage_->ClearAllButton(), true},
      {reportsPage_->DownloadButton(), true},
  };
  // While an operation runs only "Стоп" acts, and only while the operation listens for it.
  for (const auto& [control, enabled] : wanted) control->setEnabled(enabled && !operationRunning_);
  stopButton_->setEnabled(operationRunning_ && listeningForStop_);
}

bool TForm1::RowChanged(tables::PageId page, int row) const {
  const tables::RegisterCopy& copy = session_->registerCopy;
  if (!copy.KnowsAny(page)) return false;
  const tables::TableDescriptor& descriptor = tables::Page(page);
  if (descriptor.shape == tables::PageShape::kParameter) {
    return copy.Changed(page, 1, tables::EncodeParameterPage(page, workspace_.Parameters(page)));
  }
  if (row < descriptor.writeFirstRow || row > descriptor.recordCount) return false;
  const auto encoded = tables::EncodeGridRow(page, workspace_.Grid(page), row);
  return !encoded.ok() || copy.Changed(page, row, encoded.text);
}

void TForm1::ForgetRegisterCopy() {
  session_->registerCopy.Clear();
  for (tables::PageId page : tables::AllPages()) ShowPageData(page, -1);
}

void TForm1::ConnectOrDisconnect() { connection_->ConnectOrDisconnect(); }

void TForm1::FindRegister() { connection_->FindRegister(); }

void TForm1::AddNetworkPort() { connection_->AddNetworkPort(); }

void TForm1::ScrollGridsToTop() {
  for (tables::PageId page : tables::AllPages()) {
    if (auto* grid = Grid(page)) grid->ScrollToTopRow(1);
  }
}

void TForm1::ReadTable() {
  const tables::PageId page = ShownPage();
  ScrollGridsToTop();
  RunOperation([&](auto& observer) { tables::ReadFromRegister(*session_, observer, page); });
  // The prompt's activation pass may have shown the first page meanwhile.
  ApplyPageRules(ShownPage());
}

void TForm1::WriteTable() {
  const tables::PageId page = ShownPage();
  ScrollGridsToTop();
  RunOperation([&](auto& observer) { tables::WriteToRegister(*session_, observer, page); });
  ApplyPageRules(ShownPage());
}

void TForm1::WriteChangedRecords() {
  const tables::PageId page = ShownPage();
  ScrollGridsToTop();
  RunOperation([&](auto& observer) { tables::WriteChangesToRegister(*session_, observer, page); });
  ApplyPageRules(ShownPage());
}

void TForm1::ClearRegisterTable() {
  const tables::PageId page = ShownPage();
  RunOperation([&](auto& observer) { tables::ClearTable(*session_, observer, page); });
  ApplyPageRules(ShownPage());
}

void TForm1::Stop() { stopRequested_ = true; }

void TForm1::ShowAbout() {
  dialogs_->ShowModal(*about_);
  ActivationPass();
}

void TForm1::ClearPageGrid() {
  const tables::PageId page = ShownPage();
  if (!tables::Page(page).Clearable()) return;
  for (tables::PageId id : tables::AllPages()) {
    if (tables::Page(id).Clearable()) Grid(id)->ScrollToTopRow(1);
  }
  files::ClearPageGrid(workspace_, page);
  Grid(page)->Model()->Reload();
}

void TForm1::ShowFileMessage(const files::FileMessage& message, tables::BoxButtons buttons) {
  dialogs_->MessageBox(this, base::ui::Render(message.text), base::ui::Render(message.caption),
                       buttons, tables::BoxIcon::kNone);
}

files::Progress TForm1::ProgressBarSteps() {
  files::Progress steps;
  steps.start = [this](int maximum) {
    progress_->setRange(0, maximum > 0 ? maximum : 1);
    progress_->setValue(0);
  };
  steps.step = [this] { progress_->setValue(progress_->value() + 1); };
  return steps;
}

void TForm1::LoadTableFile() {
  const tables::PageId page = ShownPage();
  const auto& dialog = tables::ui::WidgetsOf(page).file;
  QString filter;
  if (dialog) {
    filter = files::ui::QtFilter(dialog->filter);
    openTitle_ = base::ui::Render(dialog->openTitle);
  }
  const QString path = dialogs_->OpenFileName(
      this, openTitle_, filter, QString::fromStdString(settingsDirectory_), lastOpened_);
  if (path.isEmpty()) return;
  lastOpened_ = path;
  const auto report =
      files::LoadTableFile(workspace_, page, path.toLocal8Bit().toStdString(), ProgressBarSteps());
  ShowPageData(page, -1);
  if (report.message) {
    ShowFileMessage(*report.message, tables::BoxButtons::kOk);
    if (!report.done) return;
  }
  progress_->setValue(0);
  fileNameLabel_->setText(QFileInfo(path).absoluteFilePath());
}

void TForm1::SaveTableFile() {
  const tables::PageId page = ShownPage();
  const auto& dialog = tables::ui::WidgetsOf(page).file;
  QString filter;
  if (dialog) {
    filter = files::ui::QtFilter(dialog->filter);
    saveTitle_ = base::ui::Render(dialog->saveTitle);
    saveSuffix_ = QString::fromLatin1(tables::Page(page).fileExtension);
  }
  QString path = dialogs_->SaveFileName(this, saveTitle_, filter,
                                        QString::fromStdString(settingsDirectory_), saveSuffix_);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty() && !saveSuffix_.isEmpty()) path += '.' + saveSuffix_;
  const auto report =
      files::SaveTableFile(workspace_, page, path.toLocal8Bit().toStdString(), ProgressBarSteps());
  // A save's box offers Cancel beside OK, as the save error box always has.
  if (report.message) ShowFileMessage(*report.message, tables::BoxButtons::kOkCancel);
  progress_->setValue(0);
}

void TForm1::ShowSdCardSales() {
  salesWindow_->Open();
  dialogs_->ShowModal(*salesWindow_);
  ActivationPass();
}

void TForm1::ExportGoodsForSdCard() {
  if (sdcard::ui::ExportGoodsForSdCard(this, *dialogs_, workspace_,
                                       QString::fromStdString(settingsDirectory_), progress_)) {
    ShowPageData(tables::PageId::kGoods,
                 -1);  // the goods names now carry the card's substitutes for spaces
  }
}

void TForm1::OpenFromCurrentFolder() {
  // The open dialog starts in the program's folder again, with no name proposed.
  lastOpened_.clear();
}

void TForm1::OnPageChanged(tables::PageId page) {
  const bool wasUsed = useInterval_->isChecked();
  intervalGroup_->setEnabled(false);
  useInterval_->setChecked(false);
  const tables::TableDescriptor& descriptor = tables::Page(page);
  if (descriptor.HasInterval()) {
    intervalGroup_->setEnabled(true);
    useInterval_->setChecked(wasUsed);
    intervalStart_->setText(QStringLiteral("1"));
    intervalEnd_->setText(QString::number(descriptor.recordCount));
  }
  ApplyPageRules(page);
}

void TForm1::ApplyPageRules(tables::PageId page) {
  rulesPage_ = page;
  ApplyCommandStates();
}

void TForm1::ActivationPass() {
  selectingPageQuietly_ = true;
  pages_->setCurrentIndex(0);
  selectingPageQuietly_ = false;
  ShowCaptions();
  connection_->ResetChoices();
  typeSelector_->setCurrentIndex(0);
  tables::PrepareGrids(workspace_);
  logoPage_->SetLoaded(false);
  ShowSettings();
  // The pages show the layout of the register type the selector now stands on, so that
  // no caption names another parameter than its field holds.
  workspace_.typeIndex = typeSelector_->currentIndex();
  tables::ApplyTypeLayout(workspace_, workspace_.typeIndex);
  ShowCaptions();
  ShowInterval();
  for (tables::PageId page : tables::AllPages()) ShowPageData(page, -1);
}

void TForm1::ShowCaptions() {
  // The register type's layout may name the window and the connection group otherwise.
  setWindowTitle(workspace_.windowCaption.Empty()
                     ? base::ui::Translate("TForm1", "Программирование Datecs MP-50 Junior")
                     : base::ui::Render(workspace_.windowCaption));
  if (!workspace_.connectionGroupCaption.Empty()) {
    connectionGroup_->setTitle(base::ui::Render(workspace_.connectionGroupCaption));
  }
}

void TForm1::ShowSettings() {
  const Settings settings = LoadSettings(settingsDirectory_);
  connection_->ShowSettings(settings);
  typeSelector_->setCurrentIndex(settings.typeIndex);
  for (int report = 0; report < reports::ui::kReportCount; ++report) {
    reportsPage_->FileName(report)->setText(
        QString::fromLocal8Bit(settings.reportFiles[report].c_str()));
  }
  reportsPage_->Folder()->SetText(QString::fromLocal8Bit(settings.reportFolder.c_str()));
}

}  // namespace kvitmark::app::ui
