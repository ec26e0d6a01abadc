#pragma once

#include <string>

// What the long table operations need from the window, and nothing more. The desktop
// window implements it, the command-line tool implements it for a terminal, and the
// tests implement it with a fake that records every call. Texts are code page 1251.
namespace kvitmark::tables {

// The command buttons the operations switch on and off, by their control names.
enum class CommandButton {
  kClose,  // Button1 "Закрыть"
  kSave,   // Button2 "Сохранить"
  kOpen,   // Button3 "Открыть"
  kWrite,  // Button4 "Записать в ЭККА"
  kStop,   // Button6 "Стоп"
  kClear,  // Button8 "Очистить"
  kRead,   // Button9 "Прочитать из ЭККА"
  kAbout,  // Button10 "О программе"
};

enum class BoxButtons { kOk, kOkCancel, kYesNo };
enum class BoxIcon { kNone, kInformation, kWarning, kError };
enum class BoxAnswer { kOk, kCancel, kYes, kNo };

// The exchange error prompt's answers; kClosed when it was closed without a button.
enum class PromptAnswer { kSkip, kRetry, kFinish, kClosed };

class OperationHost {
 public:
  virtual ~OperationHost() = default;

  // A plain message with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual BoxAnswer ShowMessageBox(const std::string& text, const std::string& title,
                                   BoxButtons buttons, BoxIcon icon) = 0;
  // The modal "Ошибка чтения/записи" prompt for a record that failed ten times.
  virtual PromptAnswer AskExchangeError() = 0;
  // Lets the window handle what is waiting (a click on "Стоп" sets the stop flag here).
  virtual void ProcessPendingEvents() = 0;

  virtual void SetProgressRange(int maximum) = 0;
  virtual void SetProgressPosition(int position) = 0;
  // The record counter; empty text empties it.
  virtual void ShowRecordCounter(const std::string& text) = 0;
  virtual void SetButtonEnabled(CommandButton button, bool enabled) = 0;
  virtual void SetCellEditing(int page, bool enabled) = 0;
  // Makes `topRow` the first row the page's grid shows.
  virtual void ScrollGrid(int page, int topRow) = 0;
  virtual void ScrollAllGridsToTop() = 0;
  // The data of a page changed under the window: one grid row, or (row -1) the
  // parameter fields.
  virtual void PageDataChanged(int page, int row) = 0;
  // The page the window shows now (the user may change it during an operation).
  virtual int ShownPage() = 0;
  // Paints the window now, without handling any input.
  virtual void Repaint() = 0;
};

}  // namespace kvitmark::tables
