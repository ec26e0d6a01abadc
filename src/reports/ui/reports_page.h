#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "reports/report_catalogue.h"
#include "reports/report_download.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace kvitmark::tables::ui {
class Dialogs;
}

namespace kvitmark::reports::ui {

// A text field for a folder with a button that opens a folder chooser.
class DirectoryEdit : public QWidget {
  Q_OBJECT

 public:
  explicit DirectoryEdit(QWidget* parent = nullptr);
  QLineEdit* Field() const { return field_; }
  QString Text() const;
  void SetText(const QString& text);

 private:
  QLineEdit* field_;
};

inline constexpr int kReportCount = reports::kReportCount;

// What the page needs from the main window to download reports.
struct ReportsPageContext {
  // The connection, and the window's side of long operations: the prompt, pending events,
  // "Стоп" and the download's messages all go through its observer.
  tables::TableSession* session = nullptr;
  tables::OperationObserver* observer = nullptr;
  // For what the page itself refuses before a download starts.
  tables::ui::Dialogs* dialogs = nullptr;
  QWidget* dialogParent = nullptr;
  // The window's wrapper for long operations, which keeps every other command off while
  // the download runs; empty, the download runs on its own.
  std::function<void(const std::function<void()>&)> runOperation;
};

// The "Отчеты" page: which reports to download, into which files and folder, and with
// which field separator. The page shows the download's progress on its own controls, from
// the events the window's observer hears.
class ReportsPage : public QWidget, public ReportChoicesSource {
  Q_OBJECT

 public:
  explicit ReportsPage(QWidget* parent = nullptr);

  // Until the page is attached "Чтение отчетов" does nothing.
  void Attach(const ReportsPageContext& context);
  // "Чтение отчетов" (Button19): downloads the checked reports.
  void ReadReports();

  QCheckBox* Check(int report) const { return checks_[report]; }
  QLineEdit* FileName(int report) const { return fileNames_[report]; }
  QLineEdit* Separator() const { return separator_; }        // Edit41
  QLabel* CurrentFile() const { return currentFile_; }       // Label44
  QProgressBar* Progress() const { return progress_; }       // ProgressBar2
  DirectoryEdit* Folder() const { return folder_; }          // DirectoryEdit1
  QPushButton* CheckAllButton() const { return checkAll_; }  // Button17
  QPushButton* ClearAllButton() const { return clearAll_; }  // Button18
  QPushButton* DownloadButton() const { return download_; }  // Button19

  // The controls as they stand now.
  DownloadChoices Choices() override;

 private:
  ReportsPageContext context_;
  bool downloading_ = false;
  std::array<QCheckBox*, kReportCount> checks_{};
  std::array<QLineEdit*, kReportCount> fileNames_{};
  QLineEdit* separator_;
  QLabel* currentFile_;
  QProgressBar* progress_;
  DirectoryEdit* folder_;
  QPushButton* checkAll_;
  QPushButton* clearAll_;
  QPushButton* download_;
};

}  // namespace kvitmark::reports::ui
