#pragma once

#include <QDialog>

#include "tables/operation_observer.h"
#include "tables/register_search.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kvitmark::app::ui {

// "Найти ЭККА": what is being tried ("COM3, 9600 бит/с, ЭККА 2"), a progress bar over the
// tries and "Стоп". It is the search's observer: "Стоп" is heard between tries.
class SearchWindow : public QDialog, public tables::OperationObserver {
  Q_OBJECT

 public:
  // Sets every caption again in the language now chosen (QEvent::LanguageChange).
  void RetranslateTexts();

  explicit SearchWindow(QWidget* parent = nullptr);

  // Shows the try about to be made.
  void ShowTry(const tables::SearchTry& next);

  void Started(const tables::OperationStart& start) override;
  void RecordDone(const tables::RecordStep& step) override;
  tables::FailureAnswer RecordFailed(int) override { return tables::FailureAnswer::kFinish; }
  void Tell(const tables::Notice&) override {}
  bool Confirm(const base::Message&) override { return false; }
  bool StopRequested() override;
  void Finished(const tables::OperationSummary&) override;

  QLabel* Trying() const { return trying_; }
  QPushButton* StopButton() const { return stop_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QLabel* trying_;
  QProgressBar* progress_;
  QPushButton* stop_;
  bool stopRequested_ = false;
};

}  // namespace kvitmark::app::ui
