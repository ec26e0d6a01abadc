// The main window's menu bar and status bar: every command of its buttons and of its context
// menu in the usual menus, and a line that says what the window is connected to and how the
// last operation ended.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "app/ui/main_window.h"
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

void TForm1::BuildMenuBar() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setObjectName(QStringLiteral("MenuBar"));
  auto command = [this](const char* name) {
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
  };

  QMenu* file = AddMenu(menuBar_, "FileMenu", KV_TEXT("TForm1", "Файл"));
  file->addAction(AddButtonCommand("ActionOpen", openButton_, QKeySequence::Open,
                                   KV_TEXT("TForm1", "Загрузить файл таблицы в страницу")));
  file->addAction(AddButtonCommand("ActionSave", saveButton_, QKeySequence::Save,
                                   KV_TEXT("TForm1", "Сохранить таблицу страницы в файл")));
  file->addAction(command("ActionOpenFolder"));
  file->addSeparator();
  file->addAction(command("ActionCsvImport"));
  file->addAction(command("ActionCsvExport"));
  file->addSeparator();
  file->addAction(command("ActionSdSales"));
  file->addAction(command("ActionSdExport"));
  file->addSeparator();
  // Emptying a whole page takes no shortcut: a slip of the fingers must not cost a table.
  file->addAction(AddButtonCommand("ActionClearGrid", clearGridButton_, QKeySequence(),
                                   KV_TEXT("TForm1", "Очистить таблицу страницы в окне")));
  file->addSeparator();
  file->addAction(AddButtonCommand("ActionClose", closeButton_, QKeySequence(Qt::CTRL | Qt::Key_Q),
                                   KV_TEXT("TForm1", "Закрыть программу")));

  QMenu* cashRegister = AddMenu(menuBar_, "RegisterMenu", KV_TEXT("TForm1", "ЭККА"));
  cashRegister->addAction(
      AddButtonCommand("ActionConnect", connectButton_, QKeySequence(Qt::CTRL | Qt::Key_K),
                       KV_TEXT("TForm1", "Подключить ЭККА на выбранном порту или отключить")));
  cashRegister->addAction(command("ActionFindRegister"));
  cashRegister->addSeparator();
  cashRegister->addAction(
      AddButtonCommand("ActionRead", readButton_, QKeySequence(Qt::CTRL | Qt::Key_R),
                       KV_TEXT("TForm1", "Прочитать таблицу страницы из ЭККА")));
  cashRegister->addAction(
      AddButtonCommand("ActionWrite", writeButton_, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W),
                       KV_TEXT("TForm1", "Записать всю таблицу страницы в ЭККА")));
  cashRegister->addAction(command("ActionWriteChanges"));
  // Resetting the register's table takes no shortcut either.
  cashRegister->addAction(
      AddButtonCommand("ActionClear", clearButton_, QKeySequence(),
                       KV_TEXT("TForm1", "Записать в таблицу ЭККА заводские записи")));
  cashRegister->addAction(AddButtonCommand("ActionStop", stopButton_, QKeySequence(Qt::Key_Escape),
                                           KV_TEXT("TForm1", "Прервать операцию после записи")));
  cashRegister->addSeparator();
  cashRegister->addAction(command("ActionBackup"));
  cashRegister->addAction(command("ActionRestore"));

  // Named in both languages, as in the context menu.
  languageMenu_->setTitle(QString::fromUtf8("Мова / Язык"));
  languageMenu_->menuAction()->setObjectName(QStringLiteral("ActionLanguageMenu"));
  menuBar_->addMenu(languageMenu_);

  QMenu* help = AddMenu(menuBar_, "HelpMenu", KV_TEXT("TForm1", "Справка"));
  help->addAction(AddButtonCommand("ActionAbout", aboutButton_, QKeySequence::HelpContents,
                                   KV_TEXT("TForm1", "О программе и её версии")));
}

void TForm1::BuildStatusBar() {
  statusBar_ = new QStatusBar(this);
  statusBar_->setObjectName(QStringLiteral("StatusBar"));
  statusBar_->setSizeGripEnabled(false);
  connectionStatus_ = new QLabel(statusBar_);
  connectionStatus_->setObjectName(QStringLiteral("ConnectionStatus"));
  outcomeStatus_ = new QLabel(statusBar_);
  outcomeStatus_->setObjectName(QStringLiteral("OutcomeStatus"));
  for (QLabel* label : {connectionStatus_, outcomeStatus_}) {
    // A device's long name is cut rather than widen the window.
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumWidth(1);
  }
  statusBar_->addWidget(connectionStatus_, 1);
  statusBar_->addWidget(outcomeStatus_, 1);
}

void TForm1::ShowOutcome() {
  outcomeStatus_->setText(lastOutcome_ ? base::ui::Render(*lastOutcome_) : QString());
}

}  // namespace kvitmark::app::ui
