// Texts that come from files, registers and settings are shown as they are: a backup's date
// "2024-05-01<b></b><!--" in a question must not hide the rest of the question as markup.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/ui/main_window.h"
#include "app/ui/program_font.h"
#include "base/clock.h"
#include "scripted_dialogs.h"
#include "tables/ui/dialogs.h"

using namespace kvitmark;
using tables::BoxAnswer;
using tables::BoxButtons;
using tables::BoxIcon;

namespace {

const QString kFromAFile = QString::fromUtf8(
    "Резервная копия от 2024-05-01<b></b><!--\nТаблицы: art, opr\nКопия другого ЭККА!");

// The message box on screen, as the user would see it; it is answered with `button`.
struct ShownBox {
  Qt::TextFormat format = Qt::AutoText;
  QString text;
};

void AnswerWhenShown(ShownBox& shown, QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [&shown, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!box && window->isVisible()) box = qobject_cast<QMessageBox*>(window);
    }
    QVERIFY(box);
    shown = {box->textFormat(), box->text()};
    box->button(button)->click();
  });
}

}  // namespace

class PlainTextTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxes_showTheTextAsPlainText_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("answer");
    QTest::newRow("message") << -1 << int(QMessageBox::Ok);
    QTest::newRow("ok") << int(BoxButtons::kOk) << int(QMessageBox::Ok);
    QTest::newRow("ok or cancel") << int(BoxButtons::kOkCancel) << int(QMessageBox::Cancel);
    QTest::newRow("yes or no") << int(BoxButtons::kYesNo) << int(QMessageBox::No);
  }

  void messageBoxes_showTheTextAsPlainText() {
    QFETCH(int, buttons);
    QFETCH(int, answer);
    tables::ui::QtDialogs dialogs;
    ShownBox shown;
    AnswerWhenShown(shown, static_cast<QMessageBox::StandardButton>(answer));
    if (buttons < 0) {
      dialogs.ShowMessage(nullptr, kFromAFile);
    } else {
      dialogs.MessageBox(nullptr, kFromAFile, QStringLiteral("Kvitmark"),
                         static_cast<BoxButtons>(buttons), BoxIcon::kWarning);
    }
    QCOMPARE(shown.text, kFromAFile);
    QCOMPARE(shown.format, Qt::PlainText);
  }

  // The labels that show a file's name, a port from the settings file or a backup's file.
  void labelsOfNamesFromElsewhere_arePlainText() {
    QTemporaryDir folder;
    base::VirtualClock clock;
    link::UnchangedPriority priority;
    testing::ScriptedDialogs dialogs;
    app::ui::Environment environment;
    environment.clock = &clock;
    environment.priority = &priority;
    environment.dialogs = &dialogs;
    environment.settingsDirectory = folder.path().toStdString();
    app::ui::TForm1 window(environment);
    for (const char* name : {"Label5", "Label44", "SearchTrying", "BackupItem"}) {
      auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY2(label, name);
      QVERIFY2(label->textFormat() == Qt::PlainText, name);
    }
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  app::ui::UseProgramFont();
  PlainTextTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "plain_text_test.moc"
