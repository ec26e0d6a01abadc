#pragma once

#include <QKeySequence>
#include <functional>
#include <utility>
#include <vector>

#include "base/ui/captions.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace kvitmark::app::ui {

// What the commands that no button stands for do.
struct MenuCommands {
  std::function<void()> sdSales;
  std::function<void()> sdExport;
  std::function<void()> openFromFolder;
  std::function<void()> findRegister;
  std::function<void()> writeChanges;
  std::function<void()> backUp;
  std::function<void()> restore;
  std::function<void()> csvExport;
  std::function<void()> csvImport;
};

// The buttons of the design area that the menu bar stands for too.
struct MenuButtons {
  QPushButton* open = nullptr;
  QPushButton* save = nullptr;
  QPushButton* clearGrid = nullptr;
  QPushButton* close = nullptr;
  QPushButton* connect = nullptr;
  QPushButton* read = nullptr;
  QPushButton* write = nullptr;
  QPushButton* clear = nullptr;
  QPushButton* stop = nullptr;
  QPushButton* about = nullptr;
};

// The window's commands as actions: the context menu (a right click, Shift+F10 or the menu
// key) with the commands no button stands for and the language, and a menu bar with every
// command, each enabled and named as its button is.
class WindowMenus {
 public:
  // `runGuarded` runs a command the way the window runs its buttons' commands.
  WindowMenus(QWidget& window, std::function<void(const std::function<void()>&)> runGuarded);

  void AddContextCommands(const MenuCommands& commands);
  void AddLanguageMenu();
  QMenuBar* BuildMenuBar(const MenuButtons& buttons);

  // The actions as the buttons are now; the others on while no operation runs.
  void FollowButtons(bool operationRunning);
  // The language chosen, ticked.
  void ShowLanguage();
  // The context menu beside the control with the keyboard's focus.
  void ShowContextMenu();

 private:
  // An action with its name, shortcut and status tip, nothing else yet.
  QAction* NewAction(const char* name, const QKeySequence& keys, base::ui::SourceText statusTip);
  QAction* AddButtonCommand(const char* name, QPushButton* button, const QKeySequence& keys,
                            base::ui::SourceText statusTip);
  QAction* Command(const char* name) const;

  QWidget& window_;
  std::function<void(const std::function<void()>&)> runGuarded_;
  std::vector<std::pair<QPushButton*, QAction*>> buttonCommands_;
  std::vector<QAction*> otherCommands_;
  QMenu* languageMenu_ = nullptr;
  QActionGroup* languageActions_ = nullptr;
};

}  // namespace kvitmark::app::ui
