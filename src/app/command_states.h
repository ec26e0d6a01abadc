#pragma once

#include "tables/catalogue.h"
#include "tables/operation_observer.h"

namespace kvitmark::app {

// The table command buttons that the window's events switch on and off. "Сохранить",
// "Открыть", "О программе", "Закрыть" and "Подключить" are on whenever no operation runs.
struct CommandButtons {
  bool write = false;     // "Записать в ЭККА"
  bool read = false;      // "Прочитать из ЭККА"
  bool clear = false;     // "Очистить"
  bool clearGrid = true;  // "Очистить таблицу"
};

// Each event sets the buttons it names and no other, so a button keeps what the last event
// that named it said. The view returning to the first page after another window closes is no
// such event: the buttons stay as the page before left them until the user picks a page.
class CommandStates {
 public:
  const CommandButtons& Buttons() const { return buttons_; }

  // The user picked `page`.
  void PageSelected(tables::PageId page, bool connected);
  // A register answered while `shown` was the page in view.
  void Connected(tables::PageId shown);
  // Disconnected, or no register answered.
  void NotConnected();
  // A read, write or clear that got as far as its records has ended; `shown` is the page in
  // view now, which need not be the operation's own.
  void TableOperationEnded(tables::OperationKind kind, tables::PageId operationPage,
                           tables::PageId shown);

 private:
  CommandButtons buttons_;
};

}  // namespace kvitmark::app
