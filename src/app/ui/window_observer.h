#pragma once

#include <functional>

#include "base/clock.h"
#include "tables/operation_observer.h"

class QLineEdit;
class QProgressBar;
class QWidget;

namespace kvitmark::tables::ui {
class Dialogs;
class StringGrid;
class TForm3;
}  // namespace kvitmark::tables::ui

namespace kvitmark::app::ui {

class OperationGuard;

// The parts of the main window an operation shows itself on.
struct OperationDisplay {
  QWidget* window = nullptr;  // repainted during the logo transfers; the boxes' parent
  QProgressBar* progress = nullptr;
  QLineEdit* recordCounter = nullptr;
  std::function<tables::ui::StringGrid*(tables::PageId)> grid;  // null on other pages
  // Shows a row of the page again (-1: the whole page).
  std::function<void(tables::PageId, int)> showPageData;
  tables::ui::Dialogs* dialogs = nullptr;
  std::function<tables::ui::TForm3&()> prompt;
  // The main window is the active one again after the prompt: its activation pass.
  std::function<void()> afterPrompt;
  OperationGuard* guard = nullptr;
  base::Clock* clock = nullptr;
  // How the operation ended, for the status bar.
  std::function<void(const base::Message&)> ended;
};

// The long operations as the main window shows them: its progress bar and record counter,
// the grids' scrolling and editing, the exchange error prompt, message boxes and "Стоп".
class WindowObserver final : public tables::OperationObserver {
 public:
  explicit WindowObserver(OperationDisplay display) : display_(std::move(display)) {}

  void Started(const tables::OperationStart& start) override;
  void RecordDone(const tables::RecordStep& step) override;
  tables::FailureAnswer RecordFailed(int record) override;
  void Tell(const tables::Notice& notice) override;
  bool Confirm(const base::Message& question) override;
  bool StopRequested() override;
  void Finished(const tables::OperationSummary& summary) override;

 private:
  // A table operation on a grid page: the progress shows in the record counter and the
  // grid follows the rows.
  bool OnGrid() const;
  void SetProgressRange(int maximum);

  OperationDisplay display_;
  bool started_ = false;
  tables::OperationStart start_{tables::OperationKind::kReadTable, tables::PageId::kGoods};
  base::Milliseconds startedAt_{};
};

// The record counter's text: five digits, 00012.
std::string RecordCounterText(int record);

}  // namespace kvitmark::app::ui
