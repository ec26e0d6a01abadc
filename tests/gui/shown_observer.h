#pragma once

#include <QApplication>
#include <QStringList>
#include <functional>

#include "base/ui/translation.h"
#include "tables/operation_observer.h"

namespace kvitmark::testing {

// The main window's side of a long operation, for the page tests that run one without the
// window: writes down what the user was told ("message: …", "box <title>: …",
// "prompt 12"), answers the prompt with "Завершить операцию" and questions with yes, and
// lets Qt handle its events whenever the operation listens for "Стоп", which is never
// pressed.
class ShownObserver final : public tables::OperationObserver {
 public:
  QStringList shown;
  // Runs each time the operation listens for "Стоп", after the events were handled.
  std::function<void()> onStopQuestion;

  void Started(const tables::OperationStart&) override {}
  void RecordDone(const tables::RecordStep&) override {}
  tables::FailureAnswer RecordFailed(int record) override {
    shown << QString("prompt %1").arg(record);
    return tables::FailureAnswer::kFinish;
  }
  void Tell(const tables::Notice& notice) override {
    const QString text = base::ui::Render(notice.text);
    shown << (notice.IsPlainMessage() ? "message: " + text
                                      : "box " + base::ui::Render(notice.title) + ": " + text);
  }
  bool Confirm(const base::Message& question) override {
    shown << "box Tabulon: " + base::ui::Render(question);
    return true;
  }
  bool StopRequested() override {
    QApplication::processEvents();
    if (onStopQuestion) onStopQuestion();
    return false;
  }
  void Finished(const tables::OperationSummary&) override {}
};

}  // namespace kvitmark::testing
