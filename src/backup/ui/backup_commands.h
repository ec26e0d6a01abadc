#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace kvitmark::tables {
struct TableSession;
}
namespace kvitmark::tables::ui {
class Dialogs;
class TForm3;
}  // namespace kvitmark::tables::ui

namespace kvitmark::backup::ui {

class BackupWindow;

// What the two commands need from the main window.
struct BackupCommandsContext {
  QWidget* window = nullptr;
  tables::TableSession* session = nullptr;
  tables::ui::Dialogs* dialogs = nullptr;
  tables::ui::TForm3* prompt = nullptr;
  // The folder the folder dialogs first start in (the program's).
  QString folder;
  // The register type selector's text.
  std::function<QString()> typeText;
  // Runs the run as the window's long operation: nothing else acts meanwhile.
  std::function<void(const std::function<void()>&)> runOperation;
  // Runs after the prompt closed; and whether the window wants the run to end.
  std::function<void()> afterPrompt;
  std::function<bool()> windowStop;
  // The run has changed what the register is known to hold: the pages mark their changes
  // anew.
  std::function<void()> registerCopyChanged;
};

// "Резервная копия ЭККА..." and "Восстановить ЭККА из копии..." of the main window's context
// menu, with their progress window.
class BackupCommands {
 public:
  explicit BackupCommands(const BackupCommandsContext& context);
  ~BackupCommands();

  void BackUp();
  void Restore();

  BackupWindow& Progress() { return *progress_; }

 private:
  bool Connected();
  // The folder the last backup went to or came from, else the program's.
  QString StartFolder() const;

  BackupCommandsContext context_;
  std::unique_ptr<BackupWindow> progress_;
  QString lastFolder_;
};

}  // namespace kvitmark::backup::ui
