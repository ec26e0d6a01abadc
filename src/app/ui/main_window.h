#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_states.h"
#include "base/clock.h"
#include "base/message.h"
#include "link/port_list.h"
#include "link/priority.h"
#include "link/register_link.h"
#include "tables/operations.h"
#include "tables/workspace.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;

namespace kvitmark::tables::ui {
class Dialogs;
class ParameterPageWidget;
class StringGrid;
class TForm3;
}  // namespace kvitmark::tables::ui
namespace kvitmark::logo::ui {
class LogoPage;
}
namespace kvitmark::reports::ui {
class ReportsPage;
}
namespace kvitmark::sdcard::ui {
class TForm4;
}
namespace kvitmark::backup::ui {
class BackupCommands;
}
namespace kvitmark::sheets::ui {
class GoodsCsvCommands;
}

namespace kvitmark::app::ui {

class ConnectionController;
class DesignArea;
class IntervalGroup;
class OperationGuard;
class SearchWindow;
class TableCommands;
class WindowMenus;
class TForm2;
class WindowObserver;

// What the main window works with. Left empty, each part is the real one: the serial
// devices and network ports the endpoints name, the machine's serial ports, its clock and
// priority, Qt's dialogs, and the current directory for the settings file.
struct Environment {
  link::LineFactory lineFactory;
  std::function<std::vector<link::SerialPort>()> listPorts;
  base::Clock* clock = nullptr;
  link::PriorityControl* priority = nullptr;
  tables::ui::Dialogs* dialogs = nullptr;
  std::string settingsDirectory;
};

// The program's working window: a menu bar, the design area (the table pages, the coding
// interval, the connection group, the progress display and the command buttons, placed and
// resized by the design's own rules) and a status bar. It owns the state every command
// shares; the table data itself lives in the core workspace it shows.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(Environment environment = {});
  ~TForm1() override;

  // State the commands share.
  int ConnectedRegister() const { return session_->connectedRegister; }
  bool IsConnected() const;
  bool LogoLoaded() const;
  tables::Workspace& Workspace() { return workspace_; }
  link::RegisterLink& Link();
  tables::ui::TForm3& Prompt() { return *prompt_; }
  TForm2& AboutBox() { return *about_; }
  sdcard::ui::TForm4& SalesWindow() { return *salesWindow_; }
  SearchWindow& Search();
  TableCommands& Tables() { return *tables_; }
  backup::ui::BackupCommands& Backups() { return *backups_; }

  // The commands that open the program's other windows or the SD card's export.
  void ShowAbout();             // Button10, F1
  void ShowSdCardSales();       // Ctrl+D
  void ExportGoodsForSdCard();  // Ctrl+E

  // Sets every text of the window again in the language now chosen (QEvent::LanguageChange).
  void RetranslateTexts();

  // Run each time the window becomes the program's active window again.
  void ActivationPass();

  // Changes the design area's size the way the window's own rules allow; the window is the
  // menu bar and the status bar taller.
  void RequestSize(int width, int height);

  tables::ui::StringGrid* Grid(tables::PageId page) const {
    return grids_[tables::PageIndex(page)];
  }
  tables::ui::ParameterPageWidget* ParameterPage(tables::PageId page) const {
    return parameterPages_[tables::PageIndex(page)];
  }
  logo::ui::LogoPage* Logo() const { return logoPage_; }
  reports::ui::ReportsPage* Reports() const { return reportsPage_; }

  // Shows a row of the page again from the workspace (-1: the whole page).
  void ShowPageData(tables::PageId page, int row);

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildPages();
  void BuildConnectionGroup(const std::function<std::vector<link::SerialPort>()>& listPorts);
  void BuildButtons();
  // The operations' display, and the table commands on it.
  void AttachOperations();
  void BuildStatusBar();  // main_window_status.cpp
  void ShowOutcome();

  tables::PageId ShownPage() const;
  void OnPageChanged(tables::PageId page);
  // Every command button as the last events set it, or all off but "Стоп" while an
  // operation runs.
  void ApplyCommandStates();
  void ShowSettings();
  // The window's title and the connection group's, as the register type's layout names them.
  void ShowCaptions();
  // Runs one of the long operations: nothing but "Стоп" and the prompt acts meanwhile.
  void RunOperation(const std::function<void()>& operation);
  // Runs a command unless an operation is running; whatever escapes it is told the user.
  void RunGuarded(const std::function<void()>& command);
  void ForgetRegisterCopy();

  std::unique_ptr<base::Clock> ownClock_;
  std::unique_ptr<link::PriorityControl> ownPriority_;
  std::unique_ptr<tables::ui::Dialogs> ownDialogs_;
  base::Clock* clock_;
  link::PriorityControl* priority_;
  tables::ui::Dialogs* dialogs_;
  std::string settingsDirectory_;

  tables::Workspace workspace_;
  std::unique_ptr<ConnectionController> connection_;
  std::unique_ptr<tables::TableSession> session_;
  std::unique_ptr<OperationGuard> guard_;
  std::unique_ptr<WindowObserver> observer_;
  std::unique_ptr<TableCommands> tables_;
  std::unique_ptr<WindowMenus> menus_;
  CommandStates states_;
  bool shownOnce_ = false;
  bool selectingPageQuietly_ = false;

  DesignArea* designArea_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* connectionStatus_ = nullptr;
  QLabel* outcomeStatus_ = nullptr;
  // How the last operation the window showed ended.
  std::optional<base::Message> lastOutcome_;
  QTabWidget* pages_ = nullptr;
  std::array<tables::ui::StringGrid*, tables::kPageCount> grids_{};
  std::array<tables::ui::ParameterPageWidget*, tables::kPageCount> parameterPages_{};
  logo::ui::LogoPage* logoPage_ = nullptr;
  reports::ui::ReportsPage* reportsPage_ = nullptr;

  IntervalGroup* intervalGroup_ = nullptr;

  QGroupBox* connectionGroup_ = nullptr;
  QComboBox* typeSelector_ = nullptr;
  QPushButton* connectButton_ = nullptr;

  QProgressBar* progress_ = nullptr;
  QLineEdit* recordCounter_ = nullptr;
  QLabel* fileNameLabel_ = nullptr;
  QPushButton* stopButton_ = nullptr;
  QPushButton* writeButton_ = nullptr;
  QPushButton* clearButton_ = nullptr;
  QPushButton* openButton_ = nullptr;
  QPushButton* readButton_ = nullptr;
  QPushButton* clearGridButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* aboutButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;

  std::unique_ptr<TForm2> about_;
  std::unique_ptr<tables::ui::TForm3> prompt_;
  std::unique_ptr<sdcard::ui::TForm4> salesWindow_;
  std::unique_ptr<backup::ui::BackupCommands> backups_;
  std::unique_ptr<sheets::ui::GoodsCsvCommands> goodsCsv_;
  // Makes backups_ and goodsCsv_ (main_window_backup.cpp).
  void AttachBackupCommands();
};

}  // namespace kvitmark::app::ui
