// Every text the program shows is whole, in the fonts a Debian desktop has, at the scale
// factor the process runs with (the test runs once per factor).
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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
#include "scripted_dialogs.h"
#include "sdcard/ui/sales_window.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "tables/ui/exchange_error_prompt.h"

using namespace kvitmark;

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

}  // namespace

class TextFitsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowShowsItsTextsWhole_data() {
    QTest::addColumn<QString>("family");
    QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans");
    QTest::newRow("Liberation Sans") << QStringLiteral("Liberation Sans");
  }

  void everyWindowShowsItsTextsWhole() {
    QFETCH(QString, family);
    QVERIFY2(QFontDatabase::families().contains(family),
             qPrintable(family + " is not installed (scripts/common.sh installs it)"));
    QApplication::setFont(QFont(family));
    app::ui::UseProgramFont();

    base::VirtualClock clock;
    sim::SimRegister simRegister(1, sim::FactoryTables());
    sim::MemoryWire wire(simRegister, clock);
    link::UnchangedPriority priority;
    testing::ScriptedDialogs dialogs;
    QTemporaryDir folder;
    app::ui::Environment environment;
    environment.lineFactory = wire.Factory();
    environment.listPorts = [] { return std::vector<link::SerialPort>{}; };
    environment.clock = &clock;
    environment.priority = &priority;
    environment.dialogs = &dialogs;
    environment.settingsDirectory = folder.path().toStdString();
    app::ui::TForm1 window(environment);
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
};

QTEST_MAIN(TextFitsTest)
#include "text_fits_test.moc"
