#include "app/ui/window_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include "base/ui/translation.h"

namespace kvitmark::app::ui {
namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, base::ui::SourceText title) {
  auto* menu = bar->addMenu(QString());
  menu->setObjectName(QString::fromLatin1(name));
  base::ui::SetCaption(*menu->menuAction(), title);
  return menu;
}

}  // namespace

WindowMenus::WindowMenus(QWidget& window,
                         std::function<void(const std::function<void()>&)> runGuarded)
    : window_(window), runGuarded_(std::move(runGuarded)) {}

QAction* WindowMenus::Command(const char* name) const {
  return window_.findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

QAction* WindowMenus::NewAction(const char* name, const QKeySequence& keys,
                                base::ui::SourceText statusTip) {
  auto* action = new QAction(&window_);
  base::ui::SetStatusTip(*action, statusTip);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  return action;
}

QAction* WindowMenus::AddButtonCommand(const char* name, QPushButton* button,
                                       const QKeySequence& keys, base::ui::SourceText statusTip) {
  QAction* action = NewAction(name, keys, statusTip);
  action->setText(button->text());
  QObject::connect(action, &QAction::triggered, button, &QPushButton::click);
  buttonCommands_.emplace_back(button, action);
  return action;
}

void WindowMenus::AddContextCommands(const MenuCommands& commands) {
  // The commands no button of the window stands for: a right click on the window, or their
  // shortcuts, besides the menu bar.
  struct ContextCommand {
    const char* name;
    base::ui::SourceText caption;
    QKeySequence keys;
    base::ui::SourceText statusTip;
    std::function<void()> MenuCommands::*run;
  };
  const ContextCommand table[] = {
      {"ActionSdSales", KV_TEXT("TForm1", "База продаж SD-карты..."),
       QKeySequence(Qt::CTRL | Qt::Key_D),
       KV_TEXT("TForm1", "Показать продажи из файлов SD-карты ЭККА"), &MenuCommands::sdSales},
      {"ActionSdExport", KV_TEXT("TForm1", "Экспорт товаров на SD-карту..."),
       QKeySequence(Qt::CTRL | Qt::Key_E),
       KV_TEXT("TForm1", "Записать товары страницы в файл для SD-карты ЭККА"),
       &MenuCommands::sdExport},
      {"ActionOpenFolder", KV_TEXT("TForm1", "Открывать файлы из текущей папки"),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
       KV_TEXT("TForm1", "Диалог открытия файла снова начнёт с папки программы"),
       &MenuCommands::openFromFolder},
      {"ActionFindRegister", KV_TEXT("TForm1", "Найти ЭККА..."), QKeySequence(Qt::CTRL | Qt::Key_F),
       KV_TEXT("TForm1", "Перебрать порты, скорости и номера, пока ЭККА не ответит"),
       &MenuCommands::findRegister},
      {"ActionWriteChanges", KV_TEXT("TForm1", "Записать изменения в ЭККА"),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
       KV_TEXT("TForm1", "Записать в ЭККА только изменённые записи страницы"),
       &MenuCommands::writeChanges},
      {"ActionBackup", KV_TEXT("TForm1", "Резервная копия ЭККА..."),
       QKeySequence(Qt::CTRL | Qt::Key_B),
       KV_TEXT("TForm1", "Прочитать все таблицы и логотип ЭККА в папку копии"),
       &MenuCommands::backUp},
      {"ActionRestore", KV_TEXT("TForm1", "Восстановить ЭККА из копии..."),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
       KV_TEXT("TForm1", "Проверить папку копии и записать её в ЭККА"), &MenuCommands::restore},
      {"ActionCsvExport", KV_TEXT("TForm1", "Экспорт товаров в CSV..."),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
       KV_TEXT("TForm1", "Сохранить товары таблицей для LibreOffice или Excel"),
       &MenuCommands::csvExport},
      {"ActionCsvImport", KV_TEXT("TForm1", "Импорт товаров из CSV..."),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I),
       KV_TEXT("TForm1", "Загрузить товары из таблицы LibreOffice или Excel"),
       &MenuCommands::csvImport},
  };
  window_.setContextMenuPolicy(Qt::ActionsContextMenu);
  for (const ContextCommand& command : table) {
    QAction* action = NewAction(command.name, command.keys, command.statusTip);
    base::ui::SetCaption(*action, command.caption);
    QObject::connect(action, &QAction::triggered, &window_,
                     [this, run = commands.*command.run] { runGuarded_(run); });
    otherCommands_.push_back(action);
    window_.addAction(action);
  }
}

void WindowMenus::AddLanguageMenu() {
  // Named in both languages, so that a user who cannot read the one shown finds it.
  auto* menuAction = new QAction(QString::fromUtf8("Мова / Язык"), &window_);
  menuAction->setObjectName(QStringLiteral("ActionLanguage"));
  auto* menu = new QMenu(&window_);
  menu->setObjectName(QStringLiteral("LanguageMenu"));
  languageMenu_ = menu;
  languageActions_ = new QActionGroup(&window_);
  // Each language by its own name.
  for (const auto& [code, name] : {std::pair{"uk", "Українська"}, std::pair{"ru", "Русский"}}) {
    auto* choice = menu->addAction(QString::fromUtf8(name));
    choice->setObjectName(QStringLiteral("ActionLanguage_") + QLatin1String(code));
    choice->setData(QString::fromLatin1(code));
    choice->setCheckable(true);
    choice->setChecked(base::LanguageFromCode(code) == base::ui::CurrentLanguage());
    languageActions_->addAction(choice);
    // Off while an operation runs, as every other command.
    QObject::connect(choice, &QAction::triggered, &window_,
                     [code] { base::ui::UseLanguage(*base::LanguageFromCode(code)); });
  }
  menuAction->setMenu(menu);
  window_.addAction(menuAction);
}

QMenuBar* WindowMenus::BuildMenuBar(const MenuButtons& buttons) {
  auto* bar = new QMenuBar(&window_);
  bar->setObjectName(QStringLiteral("MenuBar"));

  QMenu* file = AddMenu(bar, "FileMenu", KV_TEXT("TForm1", "Файл"));
  file->addAction(AddButtonCommand("ActionOpen", buttons.open, QKeySequence::Open,
                                   KV_TEXT("TForm1", "Загрузить файл таблицы в страницу")));
  file->addAction(AddButtonCommand("ActionSave", buttons.save, QKeySequence::Save,
                                   KV_TEXT("TForm1", "Сохранить таблицу страницы в файл")));
  file->addAction(Command("ActionOpenFolder"));
  file->addSeparator();
  file->addAction(Command("ActionCsvImport"));
  file->addAction(Command("ActionCsvExport"));
  file->addSeparator();
  file->addAction(Command("ActionSdSales"));
  file->addAction(Command("ActionSdExport"));
  file->addSeparator();
  // Emptying a whole page takes no shortcut: a slip of the fingers must not cost a table.
  file->addAction(AddButtonCommand("ActionClearGrid", buttons.clearGrid, QKeySequence(),
                                   KV_TEXT("TForm1", "Очистить таблицу страницы в окне")));
  file->addSeparator();
  file->addAction(AddButtonCommand("ActionClose", buttons.close, QKeySequence(Qt::CTRL | Qt::Key_Q),
                                   KV_TEXT("TForm1", "Закрыть программу")));

  QMenu* cashRegister = AddMenu(bar, "RegisterMenu", KV_TEXT("TForm1", "ЭККА"));
  cashRegister->addAction(
      AddButtonCommand("ActionConnect", buttons.connect, QKeySequence(Qt::CTRL | Qt::Key_K),
                       KV_TEXT("TForm1", "Подключить ЭККА на выбранном порту или отключить")));
  cashRegister->addAction(Command("ActionFindRegister"));
  cashRegister->addSeparator();
  cashRegister->addAction(
      AddButtonCommand("ActionRead", buttons.read, QKeySequence(Qt::CTRL | Qt::Key_R),
                       KV_TEXT("TForm1", "Прочитать таблицу страницы из ЭККА")));
  cashRegister->addAction(
      AddButtonCommand("ActionWrite", buttons.write, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W),
                       KV_TEXT("TForm1", "Записать всю таблицу страницы в ЭККА")));
  cashRegister->addAction(Command("ActionWriteChanges"));
  // Resetting the register's table takes no shortcut either.
  cashRegister->addAction(
      AddButtonCommand("ActionClear", buttons.clear, QKeySequence(),
                       KV_TEXT("TForm1", "Записать в таблицу ЭККА заводские записи")));
  cashRegister->addAction(AddButtonCommand("ActionStop", buttons.stop, QKeySequence(Qt::Key_Escape),
                                           KV_TEXT("TForm1", "Прервать операцию после записи")));
  cashRegister->addSeparator();
  cashRegister->addAction(Command("ActionBackup"));
  cashRegister->addAction(Command("ActionRestore"));

  // Named in both languages, as in the context menu.
  languageMenu_->setTitle(QString::fromUtf8("Мова / Язык"));
  languageMenu_->menuAction()->setObjectName(QStringLiteral("ActionLanguageMenu"));
  bar->addMenu(languageMenu_);

  QMenu* help = AddMenu(bar, "HelpMenu", KV_TEXT("TForm1", "Справка"));
  help->addAction(AddButtonCommand("ActionAbout", buttons.about, QKeySequence::HelpContents,
                                   KV_TEXT("TForm1", "О программе и её версии")));
  return bar;
}

void WindowMenus::ShowContextMenu() {
  // Where the keyboard is: beside the control that has the focus.
  const QWidget* focus = window_.focusWidget();
  const QPoint place = focus ? focus->mapToGlobal(QPoint(0, focus->height()))
                             : window_.mapToGlobal(window_.rect().center());
  QMenu::exec(window_.actions(), place, nullptr, &window_);
}

void WindowMenus::FollowButtons(bool operationRunning) {
  for (const auto& [button, action] : buttonCommands_) {
    action->setEnabled(button->isEnabled());
    action->setText(button->text());
  }
  for (QAction* action : otherCommands_) action->setEnabled(!operationRunning);
  languageActions_->setEnabled(!operationRunning);
}

void WindowMenus::ShowLanguage() {
  for (QAction* action : languageActions_->actions()) {
    action->setChecked(base::LanguageFromCode(action->data().toString().toStdString()) ==
                       base::ui::CurrentLanguage());
  }
}

}  // namespace kvitmark::app::ui
