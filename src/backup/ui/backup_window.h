#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "backup/run_observer.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kvitmark::tables::ui {
class Dialogs;
class TForm3;
}  // namespace kvitmark::tables::ui

namespace kvitmark::backup::ui {

// What the progress window needs from the main window.
struct BackupWindowContext {
  tables::ui::Dialogs* dialogs = nullptr;
  tables::ui::TForm3* prompt = nullptr;  // "Ошибка чтения/записи"
  // Runs after the prompt closed (the main window is the active one again).
  std::function<void()> afterPrompt;
  // Whether the main window wants the run to end (it is being closed).
  std::function<bool()> windowStop;
};

// A backup or restore as it runs: the table being done with its own progress, the whole
// run's progress and "Стоп", which ends the run before the next record. It is the run's
// observer: the prompt, the question and the notices go through the program's dialogs.
class BackupWindow : public QDialog, public RunObserver {
  Q_OBJECT

 public:
  // Sets every caption again in the language now chosen (QEvent::LanguageChange).
  void RetranslateTexts();

  BackupWindow(const BackupWindowContext& context, QWidget* parent);

  // The title of the run about to start ("Резервная копия ЭККА").
  void SetRunTitle(const QString& title);

  void Started(const tables::OperationStart& start) override;
  void ItemStarted(const RunItem& item) override;
  void RecordDone(const tables::RecordStep& step) override;
  tables::FailureAnswer RecordFailed(int record) override;
  void Tell(const tables::Notice& notice) override;
  bool Confirm(const base::Message& question) override;
  bool StopRequested() override;
  void Finished(const tables::OperationSummary& summary) override;

  QLabel* ItemLabel() const { return item_; }
  QProgressBar* ItemProgress() const { return itemProgress_; }
  QProgressBar* RunProgress() const { return runProgress_; }
  QPushButton* StopButton() const { return stop_; }

 protected:
  void changeEvent(QEvent* event) override;
  // The close box and Esc are "Стоп": a run is never cut off inside a record.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  BackupWindowContext context_;
  QString title_;
  QLabel* item_;
  QProgressBar* itemProgress_;
  QProgressBar* runProgress_;
  QPushButton* stop_;
  bool running_ = false;
  bool stopRequested_ = false;
  int itemDone_ = 0;
};

}  // namespace kvitmark::backup::ui
