// Every text the program shows is whole, in the fonts a Debian desktop has, at the scale
// factor the process runs with (the test runs once per factor); in Ukrainian, every one is
// Ukrainian.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ui/about_box.h"
#include "app/ui/main_window.h"
#include "app/ui/program_font.h"
#include "app/ui/search_window.h"
#include "base/clock.h"
#include "base/ui/translation.h"
#include "scripted_dialogs.h"
#include "sdcard/ui/sales_window.h"
#include "tables/ui/exchange_error_prompt.h"

using namespace kvitmark;

Q_DECLARE_METATYPE(kvitmark::base::Language)

namespace {

int WidestLine(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split('\n')) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return widest;
}

// The width the control's text takes and the width it has for it, when it shows text.
std::optional<std::pair<int, int>> TextAndRoom(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    if (label->text().isEmpty() || label->wordWrap()) return std::nullopt;
    return std::pair{WidestLine(label->fontMetrics(), label->text()),
                     label->contentsRect().width()};
  }
  if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                          box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    return std::pair{box->fontMetrics().horizontalAdvance(box->text()), box->width() - indicator};
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
    // Two pixels of frame each side at least.
    return std::pair{button->fontMetrics().horizontalAdvance(button->text()), button->width() - 4};
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
    return std::pair{group->fontMetrics().horizontalAdvance(group->title()), group->width() - 8};
  }
  return std::nullopt;
}

// "Button7 «Загрузить логотип из файла» needs 173, has 169" for each text that is cut.
QStringList CutTexts(const QWidget& window) {
  QStringList cut;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (control->isHidden()) continue;
    if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
      for (int tab = 0; tab < tabs->count(); ++tab) {
        const int needs = tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab));
        if (needs > tabs->tabRect(tab).width()) cut << "tab " + tabs->tabText(tab);
      }
      continue;
    }
    const auto text = TextAndRoom(*control);
    if (text && text->first > text->second) {
      cut << QStringLiteral("%1 %2 needs %3, has %4")
                 .arg(control->metaObject()->className(), control->objectName())
                 .arg(text->first)
                 .arg(text->second);
    }
  }
  return cut;
}

// "Label7 «Товары»" for each text the window and what it holds show that has a letter Ukrainian
// does not: a text left in Russian. The language menu names Russian in Russian on purpose.
QStringList RussianTexts(const QWidget& window) {
  static const QRegularExpression russianOnly(QStringLiteral("[ыэъёЫЭЪЁ]"));
  QStringList found;
  auto check = [&](const QObject& where, const QString& text) {
    if (text.contains(russianOnly)) found << where.objectName() + " «" + text + "»";
  };
  check(window, window.windowTitle());
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    check(*control, control->toolTip());
    if (const auto* label = qobject_cast<const QLabel*>(control)) check(*label, label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
      check(*button, button->text());
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) check(*group, group->title());
    if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
      for (int tab = 0; tab < tabs->count(); ++tab) check(*tabs, tabs->tabText(tab));
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
      for (int item = 0; item < combo->count(); ++item) check(*combo, combo->itemText(item));
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(control)) {
      const QAbstractItemModel* model = view->model();
      for (int column = 0; model && column < model->columnCount(); ++column) {
        check(*view, model->headerData(column, Qt::Horizontal).toString());
      }
      for (int row = 0; model && row < model->rowCount(); ++row) {
        check(*view, model->headerData(row, Qt::Vertical).toString());
      }
    }
  }
  for (const QAction* action : window.findChildren<QAction*>()) {
    if (!action->objectName().startsWith(QStringLiteral("ActionLanguage"))) {
      check(*action, action->text());
    }
  }
  return found;
}

// What a window that is only looked at works with: no register, no serial ports, answers
// from a script and a settings folder of its own.
struct Surroundings {
  base::VirtualClock clock;
  link::UnchangedPriority priority;
  testing::ScriptedDialogs dialogs;
  QTemporaryDir folder;

  app::ui::Environment Environment() {
    app::ui::Environment environment;
    environment.listPorts = [] { return std::vector<link::SerialPort>{}; };
    environment.clock = &clock;
    environment.priority = &priority;
    environment.dialogs = &dialogs;
    environment.settingsDirectory = folder.path().toStdString();
    return environment;
  }
};

}  // namespace

class TextFitsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowShowsItsTextsWhole_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<base::Language>("language");
    // Ukrainian texts are often longer than the Russian ones the windows were drawn for.
    for (const auto& [name, language] :
         {std::pair{"ru", base::Language::kRussian}, std::pair{"uk", base::Language::kUkrainian}}) {
      for (const char* family : {"DejaVu Sans", "Liberation Sans"}) {
        QTest::newRow((std::string(family) + ", " + name).c_str())
            << QString::fromLatin1(family) << language;
      }
    }
  }

  void everyWindowShowsItsTextsWhole() {
    QFETCH(QString, family);
    QFETCH(base::Language, language);
    QVERIFY(base::ui::UseLanguage(language));
    QVERIFY2(QFontDatabase::families().contains(family),
             qPrintable(family + " is not installed (scripts/common.sh installs it)"));
    QApplication::setFont(QFont(family));
    app::ui::UseProgramFont();

    Surroundings surroundings;
    app::ui::TForm1 window(surroundings.Environment());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QFontInfo(window.font()).family(), family);

    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QStringList cut;
    for (int page = 0; page < pages->count(); ++page) {
      pages->setCurrentIndex(page);
      QApplication::processEvents();
      cut << CutTexts(window);
    }
    cut.removeDuplicates();
    QVERIFY2(cut.isEmpty(), qPrintable("main window: " + cut.join("; ")));

    for (QWidget* other : std::initializer_list<QWidget*>{
             &window.AboutBox(), &window.Prompt(), &window.SalesWindow(), &window.Search()}) {
      other->show();
      QApplication::processEvents();
      const QStringList otherCut = CutTexts(*other);
      other->hide();
      QVERIFY2(otherCut.isEmpty(), qPrintable(other->objectName() + ": " + otherCut.join("; ")));
    }
  }

  // Opened in Ukrainian, or switched to it while open: no window shows a Russian text.
  void ukrainianWindowsShowNoRussianText_data() {
    QTest::addColumn<bool>("switchedWhileOpen");
    QTest::newRow("opened in Ukrainian") << false;
    QTest::newRow("switched while open") << true;
  }

  void ukrainianWindowsShowNoRussianText() {
    QFETCH(bool, switchedWhileOpen);
    QVERIFY(base::ui::UseLanguage(switchedWhileOpen ? base::Language::kRussian
                                                    : base::Language::kUkrainian));
    Surroundings surroundings;
    app::ui::TForm1 window(surroundings.Environment());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (switchedWhileOpen) {
      window.findChild<QAction*>(QStringLiteral("ActionLanguage_uk"))->trigger();
      QApplication::processEvents();
    }
    QStringList russian;
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; page < pages->count(); ++page) {
      pages->setCurrentIndex(page);
      QApplication::processEvents();
      russian << RussianTexts(window);
    }
    for (QWidget* other : std::initializer_list<QWidget*>{
             &window.AboutBox(), &window.Prompt(), &window.SalesWindow(), &window.Search()}) {
      russian << RussianTexts(*other);
    }
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    russian.removeDuplicates();
    QVERIFY2(russian.isEmpty(), qPrintable(russian.join('\n')));
  }

  // The menu's choice applies to a window already open: its texts change and still fit.
  void aSwitchedLanguageFitsTheOpenWindow() {
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans")));
    app::ui::UseProgramFont();
    Surroundings surroundings;
    app::ui::TForm1 window(surroundings.Environment());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* read = window.findChild<QPushButton*>(QStringLiteral("Button9"));
    QCOMPARE(read->text(), QString::fromUtf8("Прочитать из ЭККА"));

    auto* ukrainian = window.findChild<QAction*>(QStringLiteral("ActionLanguage_uk"));
    QVERIFY(ukrainian);
    ukrainian->trigger();
    QApplication::processEvents();
    QCOMPARE(read->text(), QString::fromUtf8("Прочитати з ЕККА"));
    QCOMPARE(window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->tabText(0),
             QString::fromUtf8("Товари"));
    QVERIFY(ukrainian->isChecked());
    const QStringList cut = CutTexts(window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));

    window.findChild<QAction*>(QStringLiteral("ActionLanguage_ru"))->trigger();
    QApplication::processEvents();
    QCOMPARE(read->text(), QString::fromUtf8("Прочитать из ЭККА"));
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Программирование Datecs MP-50 Junior"));
  }
};

QTEST_MAIN(TextFitsTest)
#include "text_fits_test.moc"
