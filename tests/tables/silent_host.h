#pragma once

#include <string>

#include "tables/operation_host.h"

namespace kvitmark::testing {

// A window that shows nothing, answers every box with OK and the exchange error prompt
// with "Завершить операцию", and stands on the goods page: the base of the fakes that
// care about a few of the host's calls only.
class SilentHost : public tables::OperationHost {
 public:
  void ShowMessage(const std::string&) override {}
  tables::BoxAnswer ShowMessageBox(const std::string&, const std::string&, tables::BoxButtons,
                                   tables::BoxIcon) override {
    return tables::BoxAnswer::kOk;
  }
  tables::PromptAnswer AskExchangeError() override { return tables::PromptAnswer::kFinish; }
  void ProcessPendingEvents() override {}
  void SetProgressRange(int) override {}
  void SetProgressPosition(int) override {}
  void ShowRecordCounter(const std::string&) override {}
  void SetButtonEnabled(tables::CommandButton, bool) override {}
  void SetCellEditing(int, bool) override {}
  void ScrollGrid(int, int) override {}
  void ScrollAllGridsToTop() override {}
  void PageDataChanged(int, int) override {}
  int ShownPage() override { return 0; }
  void Repaint() override {}
};

}  // namespace kvitmark::testing
