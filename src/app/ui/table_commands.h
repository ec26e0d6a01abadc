#pragma once

#include <QString>
#include <functional>
#include <string>

#include "files/table_files.h"
#include "tables/operations.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace kvitmark::tables::ui {
class Dialogs;
class StringGrid;
}  // namespace kvitmark::tables::ui

namespace kvitmark::app::ui {

class OperationGuard;

// What the table commands use of the main window.
struct TableCommandsContext {
  QWidget* window = nullptr;  // the dialogs' parent
  tables::TableSession* session = nullptr;
  tables::ui::Dialogs* dialogs = nullptr;
  tables::OperationObserver* observer = nullptr;
  OperationGuard* guard = nullptr;
  std::function<tables::PageId()> shownPage;
  std::function<tables::ui::StringGrid*(tables::PageId)> grid;  // null on other pages
  std::function<void(tables::PageId, int)> showPageData;        // -1: the whole page
  // A read, write or clear ended after its records began.
  std::function<void(tables::OperationKind, tables::PageId)> operationEnded;
  QProgressBar* progress = nullptr;
  QLabel* fileName = nullptr;  // the table file last opened
  std::string folder;          // where the file dialogs start
};

// The commands on the table of the page shown: read it from the register, write it (or what
// changed of it), reset the register's table, empty the page, open and save its table file.
class TableCommands {
 public:
  explicit TableCommands(TableCommandsContext context) : context_(std::move(context)) {}

  void Read();          // Button9
  void Write();         // Button4
  void WriteChanges();  // "Записать изменения в ЭККА"
  void Clear();         // Button8
  void ClearGrid();     // Button16
  void Open();          // Button3
  void Save();          // Button2
  // The open dialog starts in the program's folder again, with no name proposed.
  void OpenFromCurrentFolder() { lastOpened_.clear(); }

 private:
  using Operation = tables::OperationSummary (*)(tables::TableSession&, tables::OperationObserver&,
                                                 tables::PageId);
  void Run(tables::OperationKind kind, Operation operation, bool fromTheTop);
  void ShowFileMessage(const files::FileMessage& message, tables::BoxButtons buttons);
  files::Progress ProgressBarSteps();

  TableCommandsContext context_;
  // The file dialogs remember what the last page with a table file gave them.
  QString openTitle_;
  QString saveTitle_;
  QString saveSuffix_;
  QString lastOpened_;
};

}  // namespace kvitmark::app::ui
