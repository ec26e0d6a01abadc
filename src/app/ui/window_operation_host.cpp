#include "app/ui/window_operation_host.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "app/ui/main_window.h"
#include "base/ui/qt_text.h"
#include "tables/catalogue.h"
#include "tables/ui/dialogs.h"
#include "tables/ui/string_grid.h"

namespace kvitmark::app::ui {

using base::ui::FromCp1251;

void WindowOperationHost::ShowMessage(const std::string& text) {
  window_.DialogService().ShowMessage(&window_, FromCp1251(text));
}

tables::BoxAnswer WindowOperationHost::ShowMessageBox(const std::string& text,
                                                      const std::string& title,
                                                      tables::BoxButtons buttons,
                                                      tables::BoxIcon icon) {
  return window_.DialogService().MessageBox(&window_, FromCp1251(text), FromCp1251(title), buttons,
                                            icon);
}

tables::PromptAnswer WindowOperationHost::AskExchangeError() {
  const auto answer = window_.DialogService().ExchangeErrorPrompt(window_.Prompt());
  // The main window is the active one again.
  window_.ActivationPass();
  return answer;
}

void WindowOperationHost::ProcessPendingEvents() { QApplication::processEvents(); }

void WindowOperationHost::SetProgressRange(int maximum) {
  // A range of 0 to 0 would turn the bar into a busy indicator.
  window_.progress_->setRange(0, maximum > 0 ? maximum : 1);
}

void WindowOperationHost::SetProgressPosition(int position) {
  window_.progress_->setValue(position);
}

void WindowOperationHost::ShowRecordCounter(const std::string& text) {
  window_.recordCounter_->setText(FromCp1251(text));
}

void WindowOperationHost::SetButtonEnabled(tables::CommandButton button, bool enabled) {
  QPushButton* control = nullptr;
  switch (button) {
    case tables::CommandButton::kClose:
      control = window_.closeButton_;
      break;
    case tables::CommandButton::kSave:
      control = window_.saveButton_;
      break;
    case tables::CommandButton::kOpen:
      control = window_.openButton_;
      break;
    case tables::CommandButton::kWrite:
      control = window_.writeButton_;
      break;
    case tables::CommandButton::kStop:
      control = window_.stopButton_;
      break;
    case tables::CommandButton::kClear:
      control = window_.clearButton_;
      break;
    case tables::CommandButton::kRead:
      control = window_.readButton_;
      break;
    case tables::CommandButton::kAbout:
      control = window_.aboutButton_;
      break;
  }
  window_.SetCommandEnabled(control, enabled);
}

void WindowOperationHost::SetCellEditing(int page, bool enabled) {
  if (auto* grid = window_.Grid(page)) grid->SetEditingEnabled(enabled);
}

void WindowOperationHost::ScrollGrid(int page, int topRow) {
  if (auto* grid = window_.Grid(page)) grid->ScrollToTopRow(topRow);
}

void WindowOperationHost::ScrollAllGridsToTop() {
  for (int page = 0; page < tables::kPageCount; ++page) ScrollGrid(page, 1);
}

void WindowOperationHost::PageDataChanged(int page, int row) { window_.ShowPageData(page, row); }

int WindowOperationHost::ShownPage() { return window_.pages_->currentIndex(); }

void WindowOperationHost::Repaint() { window_.repaint(); }

}  // namespace kvitmark::app::ui
