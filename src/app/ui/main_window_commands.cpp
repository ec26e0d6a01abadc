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
#include "app/ui/main_window.h"
#include "app/ui/port_selector.h"
#include "app/ui/search_window.h"
#include "app/ui/window_observer.h"
#include "base/cp1251.h"
#include "base/system_error_text.h"
#include "base/ui/qt_text.h"
#include "base/ui/translation.h"
#include "base/whole_number.h"
#include "files/table_file_kinds.h"
#include "files/table_files.h"
#include "files/ui/dialog_filter.h"
#include "link/connect.h"
#include "link/network_address.h"
#include "link/port_failure.h"
#include "link/port_map.h"
#include "logo/ui/logo_page.h"
#include "reports/ui/reports_page.h"
#include "sdcard/ui/goods_export_command.h"
#include "sdcard/ui/sales_window.h"
#include "tables/catalogue.h"
#include "tables/record_codec.h"
#include "tables/register_search.h"
#include "tables/ui/dialogs.h"
#include "tables/ui/parameter_page_widget.h"
#include "tables/ui/string_grid.h"

namespace kvitmark::app::ui {
namespace {

using base::ui::FromCp1251;

const QColor kRed(255, 0, 0);
const QColor kPurple(128, 0, 128);
const QColor kGreen(0, 128, 0);

// Why the port did not open, in the words of the connection error box.
QString PortFailure(const link::ConnectResult& result, int port, int speed,
                    const link::PortDevices& devices) {
  switch (result.outcome) {
    case link::ConnectOutcome::kPortOutOfRange:
      return base::ui::Translate("TForm1", "Порт COM%1 не существует: выберите COM1 … COM9.")
          .arg(port);
    case link::ConnectOutcome::kBadSpeed:
      return base::ui::Translate("TForm1", "Скорость %1 бит/с не поддерживается.").arg(speed);
    default:
      return base::ui::FromCoreUtf8(link::PortFailureText(result, devices.PathFor(port)));
  }
}

}  // namespace

int TForm1::OpenedPort() const { return link_->OpenPortNumber(); }

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
  const bool logoPage = rulesPage_ == tables::PageId::kLogo;
  const bool tableCommands = isConnected_ && !logoPage;
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

void TForm1::ConnectOrDisconnect() {
  // The port that is open is the one to close, whatever the selectors show by now.
  if (OpenedPort() > 0) link_->ClosePort(OpenedPort());
  // What a register held says nothing about the next one, nor about this one later.
  ForgetRegisterCopy();

  if (isConnected_) {
    for (QComboBox* selector :
         {static_cast<QComboBox*>(portSelector_), speedSelector_, numberSelector_, typeSelector_}) {
      selector->setEnabled(true);
    }
    session_->connectedRegister = -1;
    isConnected_ = false;
    ShowConnectionState();
    ApplyCommandStates();
    repaint();
    return;
  }

  const auto speed = base::WholeNumber(speedSelector_->currentText().trimmed().toStdString());
  if (!speed) {
    dialogs_->MessageBox(
        this,
        base::ui::Translate("TForm1", "«%1» — не число. Укажите скорость в бит/с, например 9600.")
            .arg(speedSelector_->currentText()),
        base::ui::Translate("TForm1", "Ошибка подключения"), tables::BoxButtons::kOk,
        tables::BoxIcon::kInformation);
    return;
  }
  const link::PortChoice chosen = portSelector_->Choice();
  devices_.Pick(chosen);
  const int port = chosen.number;
  const int registerNumber = numberSelector_->currentIndex() + 1;
  const auto connected =
      link::Connect(*link_, port, *speed, registerNumber, [&](const link::ConnectResult&) {
        session_->openedPort = port;
        session_->openedSpeed = *speed;
        SetStatus(base::ui::Translate("TForm1", "Порт подключен"), kPurple);
        status_->repaint();
      });
  if (connected.outcome == link::ConnectOutcome::kNoRegister) {
    isConnected_ = false;
    ApplyCommandStates();
    SetStatus(base::ui::Translate("TForm1", "Не подключена"), kRed);
    dialogs_->MessageBox(this, base::ui::Translate("TForm1", "Касса не обнаружена"),
                         base::ui::Translate("TForm1", "Предупреждение"), tables::BoxButtons::kOk,
                         tables::BoxIcon::kError);
    session_->connectedRegister = -1;
    return;
  }
  if (connected.outcome != link::ConnectOutcome::kRegisterAnswered) {
    dialogs_->MessageBox(this, PortFailure(connected, port, *speed, devices_),
                         base::ui::Translate("TForm1", "Ошибка подключения"),
                         tables::BoxButtons::kOk, tables::BoxIcon::kInformation);
    isConnected_ = false;
    return;
  }

  ShowConnected(registerNumber);
}

void TForm1::ShowConnected(int registerNumber) {
  session_->connectedRegister = registerNumber;
  for (QComboBox* selector :
       {static_cast<QComboBox*>(portSelector_), speedSelector_, numberSelector_, typeSelector_}) {
    selector->setEnabled(false);
  }
  isConnected_ = true;
  ShowConnectionState();
  // The table commands follow the page shown now.
  ApplyPageRules(ShownPage());
}

void TForm1::FindRegister() {
  const QString title = base::ui::Translate("TForm1", "Найти ЭККА");
  if (isConnected_) {
    dialogs_->MessageBox(this, base::ui::Translate("TForm1", "ЭККА уже подключен."), title,
                         tables::BoxButtons::kOk, tables::BoxIcon::kInformation);
    return;
  }
  // A port that a connect left open without a register is the search's to try again.
  if (OpenedPort() > 0) link_->ClosePort(OpenedPort());
  ForgetRegisterCopy();
  std::vector<int> speeds;
  for (const auto entry : kSpeedEntries) speeds.push_back(*base::WholeNumber(entry));
  const auto chosenSpeed = base::WholeNumber(speedSelector_->currentText().trimmed().toStdString());
  if (chosenSpeed) speeds = tables::ChosenFirst(speeds, *chosenSpeed);
  // The devices as they are now, not as the list last showed them.
  portSelector_->Refresh();
  const auto order = tables::SearchOrder(
      tables::SearchPorts(portSelector_->Choice(), devices_.map, portSelector_->Detected()), speeds,
      tables::ChosenFirst({1, 2, 3, 4, 5}, numberSelector_->currentIndex() + 1));

  tables::SearchResult result;
  RunOperation([&](tables::OperationObserver&) {
    result = tables::FindRegister(
        *link_, devices_, *searchWindow_, order,
        [this](const tables::SearchTry& next) { searchWindow_->ShowTry(next); });
  });
  if (!result.found) {
    if (!result.stopped) {
      dialogs_->MessageBox(this, base::ui::Translate("TForm1", "ЭККА не найден."), title,
                           tables::BoxButtons::kOk, tables::BoxIcon::kInformation);
    }
    return;
  }
  const tables::SearchTry& found = *result.found;
  portSelector_->Select(found.port);
  const int speedIndex = speedSelector_->findText(QString::number(found.speed));
  if (speedIndex >= 0) {
    speedSelector_->setCurrentIndex(speedIndex);
  } else {
    speedSelector_->setEditText(QString::number(found.speed));
  }
  numberSelector_->setCurrentIndex(found.registerNumber - 1);
  session_->openedPort = found.port.number;
  session_->openedSpeed = found.speed;
  ShowConnected(found.registerNumber);
}

void TForm1::AddNetworkPort() {
  const QString title = base::ui::Translate("TForm1", "Сетевой порт");
  const QString url = dialogs_->AskText(
      this, title,
      base::ui::Translate("TForm1", "Адрес ЭККА в сети: rfc2217://узел:порт или tcp://узел:порт"),
      QStringLiteral("rfc2217://"));
  if (url.isEmpty()) return;
  const auto warn = [&](const QString& text) {
    dialogs_->MessageBox(this, text, title, tables::BoxButtons::kOk, tables::BoxIcon::kWarning);
  };
  if (!link::ParseNetworkAddress(url.toStdString())) {
    warn(base::ui::Translate("TForm1",
                             "Неверный сетевой адрес: %1\nНапример: rfc2217://192.168.1.20:4001")
             .arg(url));
    return;
  }
  const auto name = app::AddNetworkPort(settingsDirectory_, url.toStdString());
  if (!name) {
    warn(base::ui::Translate("TForm1", "Не удалось записать порт в %1.")
             .arg(QString::fromLatin1(kSettingsFileName.data(), kSettingsFileName.size())));
    return;
  }
  const Settings settings = ReadSettings(settingsDirectory_);
  devices_.map = settings.ports;
  portSelector_->SetMappedPorts(settings.ports);
  portSelector_->Select(link::MappedPort(*ComNumber(*name), settings.ports));
}

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
  const files::TableFileKind* kind = files::KindForPage(page);
  QString filter;
  if (kind) {
    filter = files::ui::QtFilter(kind->filter);
    openTitle_ = base::ui::FromCore(kind->openTitle);
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
  const files::TableFileKind* kind = files::KindForPage(page);
  QString filter;
  if (kind) {
    filter = files::ui::QtFilter(kind->filter);
    saveTitle_ = base::ui::FromCore(kind->saveTitle);
    saveSuffix_ = QString::fromLatin1(kind->extension);
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
  numberSelector_->setCurrentIndex(0);
  typeSelector_->setCurrentIndex(0);
  tables::PrepareGrids(workspace_);
  logoPage_->SetLoaded(false);
  portSelector_->setCurrentIndex(0);
  ShowSettings();
  // The pages show the layout of the register type the selector now stands on, so that
  // no caption names another parameter than its field holds.
  workspace_.typeIndex = typeSelector_->currentIndex();
  tables::ApplyTypeLayout(workspace_, workspace_.typeIndex);
  ShowCaptions();
  ShowInterval();
  for (tables::PageId page : tables::AllPages()) ShowPageData(page, -1);
}

void TForm1::ShowConnectionState() {
  if (isConnected_) {
    SetStatus(base::ui::Translate("TForm1", "%1 подключена").arg(typeSelector_->currentText()),
              kGreen);
    connectButton_->setText(base::ui::Translate("TForm1", "Отключить"));
  } else {
    SetStatus(base::ui::Translate("TForm1", "Не подключена"), kRed);
    connectButton_->setText(base::ui::Translate("TForm1", "Подключить"));
  }
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
  portSelector_->SetMappedPorts(settings.ports);
  // Listing the ports touches the on-board ones; not while one of them is in use.
  if (!isConnected_) portSelector_->Refresh();
  portSelector_->Select(StoredPort(settings));
  speedSelector_->setCurrentIndex(settings.speedIndex);
  typeSelector_->setCurrentIndex(settings.typeIndex);
  for (int report = 0; report < reports::ui::kReportCount; ++report) {
    reportsPage_->FileName(report)->setText(
        QString::fromLocal8Bit(settings.reportFiles[report].c_str()));
  }
  reportsPage_->Folder()->SetText(QString::fromLocal8Bit(settings.reportFolder.c_str()));
  devices_.map = settings.ports;
}

}  // namespace kvitmark::app::ui
