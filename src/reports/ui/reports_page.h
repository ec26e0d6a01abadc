#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

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

inline constexpr int kReportCount = 12;

// The "Отчеты" page: which reports to download, into which files and folder, and with
// which field separator.
class ReportsPage : public QWidget {
  Q_OBJECT

 public:
  explicit ReportsPage(QWidget* parent = nullptr);

  QCheckBox* Check(int report) const { return checks_[report]; }
  QLineEdit* FileName(int report) const { return fileNames_[report]; }
  QLineEdit* Separator() const { return separator_; }          // Edit41
  QLabel* CurrentFile() const { return currentFile_; }         // Label44
  QProgressBar* Progress() const { return progress_; }         // ProgressBar2
  DirectoryEdit* Folder() const { return folder_; }            // DirectoryEdit1
  QPushButton* CheckAllButton() const { return checkAll_; }    // Button17
  QPushButton* ClearAllButton() const { return clearAll_; }    // Button18
  QPushButton* DownloadButton() const { return download_; }    // Button19

 private:
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
