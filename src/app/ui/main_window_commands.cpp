// What the main window's own commands do, how its command buttons follow its events, and the
// activation pass.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "app/settings.h"
#include "app/ui/about_box.h"
#include "app/ui/connection_controller.h"
#include "app/ui/interval_group.h"
#include "app/ui/main_window.h"
#include "app/ui/operation_guard.h"
#include "app/ui/window_menus.h"
#include "base/system_error_text.h"
#include "base/ui/qt_text.h"
#include "base/ui/translation.h"
#include "logo/ui/logo_page.h"
#include "reports/ui/reports_page.h"
#include "sdcard/ui/goods_export_command.h"
#include "sdcard/ui/sales_window.h"
#include "tables/catalogue.h"
#include "tables/ui/dialogs.h"

namespace kvitmark::app::ui {

bool TForm1::IsConnected() const { return connection_->IsConnected(); }

link::RegisterLink& TForm1::Link() { return connection_->Link(); }

SearchWindow& TForm1::Search() { return connection_->Search(); }

bool TForm1::LogoLoaded() const { return logoPage_->Loaded(); }

void TForm1::RunGuarded(const std::function<void()>& command) {
  if (guard_->Running()) return;
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

void TForm1::RunOperation(const std::function<void()>& operation) { guard_->Run(operation); }

tables::PageId TForm1::ShownPage() const { return tables::PageAt(pages_->currentIndex()); }

void TForm1::ApplyCommandStates() {
  const CommandButtons& buttons = states_.Buttons();
  const bool logoLoaded = LogoLoaded();
  const std::pair<QWidget*, bool> wanted[] = {
      {connectButton_, true},
      {clearGridButton_, buttons.clearGrid},
      {clearButton_, buttons.clear},
      {writeButton_, buttons.write},
      {readButton_, buttons.read},
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
  const bool running = guard_->Running();
  for (const auto& [control, enabled] : wanted) control->setEnabled(enabled && !running);
  stopButton_->setEnabled(running && guard_->ListeningForStop());
  menus_->FollowButtons(running);
}

void TForm1::ForgetRegisterCopy() {
  session_->registerCopy.Clear();
  for (tables::PageId page : tables::AllPages()) ShowPageData(page, -1);
}

void TForm1::ShowAbout() {
  dialogs_->ShowModal(*about_);
  ActivationPass();
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

void TForm1::OnPageChanged(tables::PageId page) {
  intervalGroup_->FollowPage(page);
  states_.PageSelected(page, IsConnected());
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
  // no caption names another parameter than its field holds; the coding interval the user
  // typed stays as it is.
  workspace_.typeIndex = typeSelector_->currentIndex();
  tables::ShowTypeLayout(workspace_, workspace_.typeIndex);
  ShowCaptions();
  intervalGroup_->ShowInterval();
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
