// The main window: its controls, their design positions and the resize rules.
#include "app/ui/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "app/settings.h"
#include "app/ui/about_box.h"
#include "app/ui/connection_controller.h"
#include "app/ui/design_area.h"
#include "app/ui/interval_group.h"
#include "app/ui/operation_guard.h"
#include "app/ui/port_selector.h"
#include "app/ui/table_commands.h"
#include "app/ui/window_menus.h"
#include "app/ui/window_observer.h"
#include "backup/ui/backup_commands.h"
#include "base/ui/captions.h"
#include "base/ui/qt_text.h"
#include "base/ui/translation.h"
#include "link/system_lines.h"
#include "logo/ui/logo_page.h"
#include "reports/ui/reports_page.h"
#include "sdcard/ui/sales_window.h"
#include "sheets/ui/goods_csv_commands.h"
#include "tables/catalogue.h"
#include "tables/ui/dialogs.h"
#include "tables/ui/exchange_error_prompt.h"
#include "tables/ui/page_widgets.h"
#include "tables/ui/parameter_page_widget.h"
#include "tables/ui/record_text_validator.h"
#include "tables/ui/string_grid.h"

namespace kvitmark::app::ui {
namespace {

using base::ui::FromCp1251;

constexpr int kPageWidth = 745;
constexpr int kPageHeight = 272;

QPushButton* Button(QWidget* parent, const char* name, base::ui::SourceText caption) {
  auto* button = new QPushButton(parent);
  base::ui::SetCaption(*button, caption);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QLabel* Label(QWidget* parent, base::ui::SourceText caption, int x, int y) {
  auto* label = new QLabel(parent);
  base::ui::SetCaption(*label, caption);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TForm1::TForm1(Environment environment) : QWidget(nullptr) {
  setObjectName(QStringLiteral("TForm1"));
  clock_ = environment.clock;
  if (!clock_) {
    ownClock_ = std::make_unique<base::RealClock>();
    clock_ = ownClock_.get();
  }
  priority_ = environment.priority;
  if (!priority_) {
    ownPriority_ = std::make_unique<link::NicePriority>();
    priority_ = ownPriority_.get();
  }
  dialogs_ = environment.dialogs;
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<tables::ui::QtDialogs>();
    dialogs_ = ownDialogs_.get();
  }
  settingsDirectory_ = environment.settingsDirectory;
  if (settingsDirectory_.empty()) settingsDirectory_ = std::filesystem::current_path().string();
  designArea_ = new DesignArea(this);
  BuildStatusBar();

  connection_ = std::make_unique<ConnectionController>(
      environment.lineFactory ? environment.lineFactory : link::SystemLines(), *clock_, *priority_,
      *dialogs_, settingsDirectory_);
  session_ = std::make_unique<tables::TableSession>(
      tables::TableSession{connection_->Link(), *clock_, workspace_});
  guard_ = std::make_unique<OperationGuard>([this] { ApplyCommandStates(); }, [this] { close(); });

  BuildPages();
  intervalGroup_ = new IntervalGroup(workspace_.interval, designArea_);
  BuildConnectionGroup(environment.listPorts
                           ? environment.listPorts
                           : std::function<std::vector<link::SerialPort>()>(link::ListSerialPorts));
  BuildButtons();
  AttachOperations();
  designArea_->Place({pages_, fileNameLabel_, intervalGroup_, connectionGroup_, progress_,
                      recordCounter_, stopButton_, writeButton_, clearButton_, openButton_,
                      readButton_, clearGridButton_, saveButton_, aboutButton_, closeButton_,
                      [this](tables::PageId page) { return Grid(page); }});
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  // The buttons are laid out in pixels for short captions: little padding, so that
  // "О программе" fits its 75 pixels.
  setStyleSheet(QStringLiteral("QPushButton { padding: 1px 2px; }"));

  logo::ui::LogoPageContext logo;
  logo.session = session_.get();
  logo.observer = observer_.get();
  logo.dialogs = dialogs_;
  logo.dialogParent = this;
  logo.folder = settingsDirectory_;
  logo.onLoadedChanged = [this] { ApplyCommandStates(); };
  logoPage_->Attach(logo);

  reports::ui::ReportsPageContext reports;
  reports.session = session_.get();
  reports.observer = observer_.get();
  reports.dialogs = dialogs_;
  reports.dialogParent = this;
  reports.runOperation = [this](const std::function<void()>& operation) {
    RunOperation(operation);
  };
  reportsPage_->Attach(reports);

  // A desktop font wider than the design's makes the whole window larger, not the texts cut.
  designArea_->FitTexts(*this);

  // The program's other windows, created after this one.
  about_ = std::make_unique<TForm2>(this);
  prompt_ = std::make_unique<tables::ui::TForm3>(this);
  salesWindow_ = std::make_unique<sdcard::ui::TForm4>(
      *dialogs_, QString::fromStdString(settingsDirectory_), this);

  menus_ = std::make_unique<WindowMenus>(
      *this, [this](const std::function<void()>& command) { RunGuarded(command); });
  MenuCommands commands;
  commands.sdSales = [this] { ShowSdCardSales(); };
  commands.sdExport = [this] { ExportGoodsForSdCard(); };
  commands.openFromFolder = [this] { tables_->OpenFromCurrentFolder(); };
  commands.findRegister = [this] { connection_->FindRegister(); };
  commands.writeChanges = [this] { tables_->WriteChanges(); };
  commands.backUp = [this] { backups_->BackUp(); };
  commands.restore = [this] { backups_->Restore(); };
  commands.csvExport = [this] { goodsCsv_->Export(); };
  commands.csvImport = [this] { goodsCsv_->Import(); };
  menus_->AddContextCommands(commands);
  AttachBackupCommands();
  menus_->AddLanguageMenu();
  QMenuBar* menuBar = menus_->BuildMenuBar({openButton_, saveButton_, clearGridButton_,
                                            closeButton_, connectButton_, readButton_, writeButton_,
                                            clearButton_, stopButton_, aboutButton_});
  // The bars above and below the design area, which keeps its size.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar);
  layout->addWidget(designArea_);
  layout->addWidget(statusBar_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ApplyCommandStates();
  // The same menu from the keyboard, with the keys other desktop programs use for it.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this] {
      if (!guard_->Running()) menus_->ShowContextMenu();
    });
  }
}

TForm1::~TForm1() {
  // The grids show the workspace, which goes before the child widgets would.
  delete pages_;
}

void TForm1::BuildPages() {
  pages_ = new QTabWidget(designArea_);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  // More pages than fit one row: the row scrolls, and every tab keeps its whole caption.
  pages_->setUsesScrollButtons(true);
  pages_->setElideMode(Qt::ElideNone);
  for (tables::PageId id : tables::AllPages()) {
    const tables::TableDescriptor& page = tables::Page(id);
    const int index = tables::PageIndex(id);
    QWidget* content = nullptr;
    switch (page.shape) {
      case tables::PageShape::kGrid: {
        auto* grid = new tables::ui::StringGrid(workspace_.Grid(id));
        grid->setObjectName(QString::fromLatin1(tables::ui::WidgetsOf(id).grid));
        grid->Model()->SetRowMarker(
            [this, id](int row) { return tables::RowChangedSinceExchange(*session_, id, row); });
        grid->setGeometry(0, 0, kPageWidth, kPageHeight);
        grids_[index] = grid;
        content = new QWidget;
        grid->setParent(content);
        break;
      }
      case tables::PageShape::kParameter:
        parameterPages_[index] = new tables::ui::ParameterPageWidget(id, workspace_.Parameters(id));
        parameterPages_[index]->SetChangeMarker(
            [this, id] { return tables::RowChangedSinceExchange(*session_, id, 1); });
        content = parameterPages_[index];
        break;
      case tables::PageShape::kLogo:
        logoPage_ = new logo::ui::LogoPage;
        content = logoPage_;
        break;
      case tables::PageShape::kReports:
        reportsPage_ = new reports::ui::ReportsPage;
        content = reportsPage_;
        break;
    }
    pages_->addTab(content, base::ui::Render(page.caption));
  }
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!selectingPageQuietly_) OnPageChanged(tables::PageAt(index));
  });
  fileNameLabel_ = new QLabel(designArea_);
  fileNameLabel_->setObjectName(QStringLiteral("Label5"));
  fileNameLabel_->setTextFormat(Qt::PlainText);  // a file name, whatever it holds
}

void TForm1::BuildConnectionGroup(const std::function<std::vector<link::SerialPort>()>& listPorts) {
  connectionGroup_ = new QGroupBox(designArea_);
  base::ui::SetCaption(*connectionGroup_, KV_TEXT("TForm1", "Подключить Datecs MP-50 Junior"));
  connectionGroup_->setObjectName(QStringLiteral("GroupBox1"));
  auto* portLabel = new QLabel(connectionGroup_);
  base::ui::SetCaption(*portLabel, KV_TEXT("TForm1", "Последовательный\nпорт:"));
  portLabel->setGeometry(8, 16, 104, 30);
  auto* portSelector = new PortSelector(listPorts, connectionGroup_);
  portSelector->setObjectName(QStringLiteral("ComboBox1"));
  connect(portSelector, &PortSelector::NetworkPortWanted, this,
          [this] { RunGuarded([this] { connection_->AddNetworkPort(); }); });
  portSelector->setGeometry(112, 20, 153, 22);
  Label(connectionGroup_, KV_TEXT("TForm1", "Скорость:"), 8, 54);
  auto* speedSelector = new QComboBox(connectionGroup_);
  speedSelector->setObjectName(QStringLiteral("ComboBox2"));
  speedSelector->setEditable(true);
  for (const auto entry : kSpeedEntries) speedSelector->addItem(QString::fromLatin1(entry));
  speedSelector->setGeometry(112, 50, 153, 22);
  Label(connectionGroup_, KV_TEXT("TForm1", "Номер ЭККА:"), 8, 82);
  auto* numberSelector = new QComboBox(connectionGroup_);
  numberSelector->setObjectName(QStringLiteral("ComboBox3"));
  for (int number = 1; number <= 5; ++number) numberSelector->addItem(QString::number(number));
  numberSelector->setGeometry(112, 78, 153, 22);
  Label(connectionGroup_, KV_TEXT("TForm1", "Тип ЭККА:"), 8, 110);
  typeSelector_ = new QComboBox(connectionGroup_);
  typeSelector_->setObjectName(QStringLiteral("ComboBox4"));
  for (const auto entry : kTypeEntries) typeSelector_->addItem(QString::fromLatin1(entry));
  typeSelector_->setGeometry(112, 106, 153, 22);
  // Only the user's pick applies a layout here; the activation pass applies its own.
  connect(typeSelector_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    tables::ApplyTypeLayout(workspace_, index);
    workspace_.typeIndex = index;
    intervalGroup_->ShowInterval();
    for (tables::PageId page : tables::AllPages()) ShowPageData(page, -1);
  });
  auto* status = new QLabel(connectionGroup_);
  status->setObjectName(QStringLiteral("Label3"));
  status->setGeometry(8, 136, 190, 17);
  connectButton_ = new QPushButton(connectionGroup_);
  connectButton_->setObjectName(QStringLiteral("Button5"));
  ConnectionHooks hooks;
  hooks.runOperation = [this](const std::function<void()>& operation) { RunOperation(operation); };
  hooks.forgetRegisterCopy = [this] { ForgetRegisterCopy(); };
  hooks.notConnected = [this] {
    states_.NotConnected();
    ApplyCommandStates();
  };
  hooks.connected = [this] {
    states_.Connected(ShownPage());
    ApplyCommandStates();
  };
  connection_->Attach(this,
                      {portSelector, speedSelector, numberSelector, typeSelector_, status,
                       connectButton_, connectionStatus_},
                      *session_, std::move(hooks));
  connectButton_->setGeometry(200, 132, 75, 25);
  connect(connectButton_, &QPushButton::clicked, this,
          [this] { RunGuarded([this] { connection_->ConnectOrDisconnect(); }); });
}

void TForm1::BuildButtons() {
  progress_ = new QProgressBar(designArea_);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  recordCounter_ = new QLineEdit(designArea_);
  recordCounter_->setObjectName(QStringLiteral("Edit1"));
  recordCounter_->setReadOnly(true);

  stopButton_ = Button(designArea_, "Button6", KV_TEXT("TForm1", "Стоп"));
  writeButton_ = Button(designArea_, "Button4", KV_TEXT("TForm1", "Записать в ЭККА"));
  clearButton_ = Button(designArea_, "Button8", KV_TEXT("TForm1", "Очистить"));
  openButton_ = Button(designArea_, "Button3", KV_TEXT("TForm1", "Открыть"));
  readButton_ = Button(designArea_, "Button9", KV_TEXT("TForm1", "Прочитать из ЭККА"));
  clearGridButton_ = Button(designArea_, "Button16", KV_TEXT("TForm1", "Очистить таблицу"));
  saveButton_ = Button(designArea_, "Button2", KV_TEXT("TForm1", "Сохранить"));
  aboutButton_ = Button(designArea_, "Button10", KV_TEXT("TForm1", "О программе"));
  closeButton_ = Button(designArea_, "Button1", KV_TEXT("TForm1", "Закрыть"));
  base::ui::SetToolTip(
      *writeButton_, KV_TEXT("TForm1",
                             "Записать в ЭККА всю таблицу страницы.\nТолько изменённые записи (они "
                             "выделены цветом): «Записать изменения в ЭККА», Ctrl+Shift+W или "
                             "контекстное меню окна."));

  auto command = [this](QPushButton* button, std::function<void()> run) {
    connect(button, &QPushButton::clicked, this, [this, run = std::move(run)] { RunGuarded(run); });
  };
  command(readButton_, [this] { tables_->Read(); });
  command(writeButton_, [this] { tables_->Write(); });
  command(clearButton_, [this] { tables_->Clear(); });
  command(clearGridButton_, [this] { tables_->ClearGrid(); });
  command(openButton_, [this] { tables_->Open(); });
  command(saveButton_, [this] { tables_->Save(); });
  command(aboutButton_, [this] { ShowAbout(); });
  connect(stopButton_, &QPushButton::clicked, this, [this] { guard_->RequestStop(); });
  connect(closeButton_, &QPushButton::clicked, this, [this] { close(); });
}

void TForm1::AttachOperations() {
  OperationDisplay display;
  display.window = this;
  display.progress = progress_;
  display.recordCounter = recordCounter_;
  display.grid = [this](tables::PageId page) { return Grid(page); };
  display.showPageData = [this](tables::PageId page, int row) { ShowPageData(page, row); };
  display.dialogs = dialogs_;
  display.prompt = [this]() -> tables::ui::TForm3& { return *prompt_; };
  display.afterPrompt = [this] { ActivationPass(); };
  display.guard = guard_.get();
  display.clock = clock_;
  display.ended = [this](const base::Message& outcome) {
    lastOutcome_ = outcome;
    ShowOutcome();
  };
  observer_ = std::make_unique<WindowObserver>(std::move(display));

  TableCommandsContext context;
  context.window = this;
  context.session = session_.get();
  context.dialogs = dialogs_;
  context.observer = observer_.get();
  context.guard = guard_.get();
  context.shownPage = [this] { return ShownPage(); };
  context.grid = [this](tables::PageId page) { return Grid(page); };
  context.showPageData = [this](tables::PageId page, int row) { ShowPageData(page, row); };
  context.operationEnded = [this](tables::OperationKind kind, tables::PageId page) {
    states_.TableOperationEnded(kind, page, ShownPage());
    ApplyCommandStates();
  };
  context.progress = progress_;
  context.fileName = fileNameLabel_;
  context.folder = settingsDirectory_;
  tables_ = std::make_unique<TableCommands>(std::move(context));
}

bool TForm1::event(QEvent* event) {
  // The menu commands' status tips, as a main window shows them.
  if (event->type() == QEvent::StatusTip) {
    statusBar_->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  designArea_->FollowResizeRules();
  if (const QScreen* shownOn = screen()) {
    QRect place = frameGeometry();
    place.moveCenter(shownOn->availableGeometry().center());
    move(place.topLeft());
  }
  ActivationPass();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (guard_->MayClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TForm1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) RetranslateTexts();
}

void TForm1::RetranslateTexts() {
  base::ui::RetranslateCaptions(*this);
  connection_->ShowState();
  ShowCaptions();
  for (tables::PageId id : tables::AllPages()) {
    pages_->setTabText(tables::PageIndex(id), base::ui::Render(tables::Page(id).caption));
    ShowPageData(id, -1);
  }
  // A longer translation makes the window larger rather than cut its texts.
  designArea_->FitTexts(*this);
  menus_->ShowLanguage();
  ShowOutcome();
  ApplyCommandStates();
}

void TForm1::RequestSize(int width, int height) { designArea_->RequestSize(width, height); }

void TForm1::ShowPageData(tables::PageId page, int row) {
  if (auto* grid = Grid(page)) {
    if (row < 0) {
      grid->Model()->Reload();
    } else {
      grid->Model()->GridRowChanged(row);
    }
  } else if (auto* parameters = ParameterPage(page)) {
    parameters->Refresh();
  }
}

}  // namespace kvitmark::app::ui
