#pragma once

#include "tables/operation_host.h"

namespace kvitmark::app::ui {

class TForm1;

// The table operations' window: the main window's controls and dialogs.
class WindowOperationHost final : public tables::OperationHost {
 public:
  explicit WindowOperationHost(TForm1& window) : window_(window) {}

  void ShowMessage(const std::string& text) override;
  tables::BoxAnswer ShowMessageBox(const std::string& text, const std::string& title,
                                   tables::BoxButtons buttons, tables::BoxIcon icon) override;
  tables::PromptAnswer AskExchangeError() override;
  void ProcessPendingEvents() override;
  void SetProgressRange(int maximum) override;
  void SetProgressPosition(int position) override;
  void ShowRecordCounter(const std::string& text) override;
  void SetButtonEnabled(tables::CommandButton button, bool enabled) override;
  void SetCellEditing(int page, bool enabled) override;
  void ScrollGrid(int page, int topRow) override;
  void ScrollAllGridsToTop() override;
  void PageDataChanged(int page, int row) override;
  int ShownPage() override;
  void Repaint() override;

 private:
  TForm1& window_;
};

}  // namespace kvitmark::app::ui
