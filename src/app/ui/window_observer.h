#pragma once

#include "tables/operation_observer.h"

namespace kvitmark::app::ui {

class TForm1;

// The long operations as the main window shows them: its progress bar and record counter,
// the grids' scrolling and editing, the exchange error prompt, message boxes and "Стоп".
class WindowObserver final : public tables::OperationObserver {
 public:
  explicit WindowObserver(TForm1& window) : window_(window) {}

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

  TForm1& window_;
  bool started_ = false;
  tables::OperationStart start_{tables::OperationKind::kReadTable, tables::PageId::kGoods};
};

// The record counter's text: five digits, 00012.
std::string RecordCounterText(int record);

}  // namespace kvitmark::app::ui
