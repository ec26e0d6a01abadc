// The reports page on screen against a simulated register: its buttons, its fields as
// the download reads them, and its label and progress bar.
#include "reports/ui/reports_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "base/clock.h"
#include "base/cp1251.h"
#include "base/ui/qt_text.h"
#include "link/connect.h"
#include "link/register_link.h"
#include "scripted_dialogs.h"
#include "shown_observer.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "tables/operations.h"
#include "tables/workspace.h"

using namespace kvitmark;
using testing::ScriptedDialogs;
using testing::ShownObserver;

class ReportsPageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<base::VirtualClock> clock_;
  std::unique_ptr<sim::SimRegister> register_;
  std::unique_ptr<sim::MemoryWire> wire_;
  link::UnchangedPriority priority_;
  std::unique_ptr<link::RegisterLink> link_;
  std::unique_ptr<link::Session> connection_;
  std::unique_ptr<tables::Workspace> workspace_;
  std::unique_ptr<ShownObserver> observer_;
  std::unique_ptr<tables::TableSession> session_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<reports::ui::ReportsPage> page_;
  int operationsRun_ = 0;

  template <typename T = QWidget>
  T* Find(const char* name) {
    auto* control = page_->findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
  void Tick(const char* name) {
    auto* check = Find<QCheckBox>(name);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
  }
  void Type(const char* name, const QString& text) {
    auto* field = Find<QLineEdit>(name);
    field->clear();
    // As typed, so that the field's validator has its say; QTest's key clicks take Latin-1
    // characters only.
    for (const QChar character : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
      QApplication::sendEvent(field, &press);
    }
  }
  QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }
  QStringList LinesOf(const QString& path) {
    QStringList lines = base::ui::FromCp1251(FileBytes(path).toStdString()).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
  }

 private slots:
  void init() {
    clock_ = std::make_unique<base::VirtualClock>();
    register_ = std::make_unique<sim::SimRegister>(1, sim::FactoryTables());
    wire_ = std::make_unique<sim::MemoryWire>(*register_, *clock_);
    link_ = std::make_unique<link::RegisterLink>(wire_->Factory(), *clock_, priority_);
    workspace_ = std::make_unique<tables::Workspace>();
    workspace_->typeIndex = 0;
    observer_ = std::make_unique<ShownObserver>();
    session_ =
        std::make_unique<tables::TableSession>(tables::TableSession{*link_, *clock_, *workspace_});
    auto connected = link::Connect(*link_, link::Endpoint::Com(1, {}), 115200, 1);
    QVERIFY(connected.outcome == link::ConnectOutcome::kRegisterAnswered);
    connection_ = std::move(connected.session);
    session_->connectedRegister = 1;
    session_->connection = connection_.get();
    dialogs_ = std::make_unique<ScriptedDialogs>();
    folder_ = std::make_unique<QTemporaryDir>();
    page_ = std::make_unique<reports::ui::ReportsPage>();
    operationsRun_ = 0;
    reports::ui::ReportsPageContext context;
    context.session = session_.get();
    context.observer = observer_.get();
    context.dialogs = dialogs_.get();
    context.dialogParent = page_.get();
    context.runOperation = [this](const std::function<void()>& operation) {
      ++operationsRun_;
      operation();
    };
    page_->Attach(context);
    page_->Folder()->SetText(folder_->path() + "/");
    for (int report = 0; report < reports::ui::kReportCount; ++report) {
      page_->FileName(report)->setText(
          QString::fromLatin1(reports::ReportCatalogue()[report].defaultFileName.data()));
    }
    page_->resize(737, 230);
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
  }

  // The link closes its line on the way out, so it goes before the wire that line uses.
  void cleanup() {
    page_.reset();
    session_.reset();
    connection_.reset();
    link_.reset();
    wire_.reset();
    register_.reset();
  }

  void readReports_twoChecked_writesTheirFilesInTheFolderOfTheFolderField() {
    // The folder and the names are the file system's own (UTF-8), not code page 1251.
    const QString reports = folder_->path() + QString::fromUtf8("/Звіти/");
    QVERIFY(QDir().mkpath(reports));
    page_->Folder()->SetText(reports);
    Type("Edit39", QString::fromUtf8("Відділи.dat"));
    Type("Edit41", ",");
    Tick("CheckBox4");
    Tick("CheckBox9");
    QStringList labels;
    observer_->onStopQuestion = [&] {
      const QString label = Find<QLabel>("Label44")->text();
      if (labels.isEmpty() || labels.last() != label) labels << label;
    };

    Click("Button19");

    QCOMPARE(QDir(reports).entryList(QDir::Files),
             (QStringList{"RepNalog.dat", QString::fromUtf8("Відділи.dat")}));
    const QStringList departments = LinesOf(reports + QString::fromUtf8("Відділи.dat"));
    QCOMPARE(departments.size(), 20);
    QCOMPARE(departments.first(), QString::fromUtf8("1,Відділ 1,85.81"));
    QCOMPARE(FileBytes(reports + "RepNalog.dat"),
             QByteArray("1,1250.30,208.38,310.00,15.50,395.60,0.00,0.00,0.00\r\n"));
    QCOMPARE(labels, (QStringList{QString::fromUtf8("Відділи.dat"), "RepNalog.dat"}));
    QCOMPARE(Find<QLabel>("Label44")->text(), QString());
    QCOMPARE(Find<QProgressBar>("ProgressBar2")->value(), 0);
    QCOMPARE(observer_->shown, QStringList{QString::fromUtf8("message: Успешно!")});
    QCOMPARE(operationsRun_, 1);
  }

  // Where the label and the bar stand once a download has ended: emptied after a complete
  // one, where it ended otherwise.
  void displays_whenTheDownloadEnds_data() {
    QTest::addColumn<QString>("groupsFile");
    QTest::addColumn<int>("refuseAfterRecord");  // 0: the register answers every record
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("shown");
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    QTest::newRow("done") << text("RepGrp.dat") << 0 << 0 << QString() << 99 << 0
                          << text("message: Успешно!");
    QTest::newRow("aFileThatCannotBeMade")
        << text("missing/RepGrp.dat") << 0 << 0 << text("missing/RepGrp.dat") << 20 << 20
        << text("box Ошибка работы с файлом: Ошибка открытия файла");
    QTest::newRow("aRecordGivenUp")
        << text("RepGrp.dat") << 5 << 0 << text("RepOtd.dat") << 20 << 5 << text("prompt 6");
    // Without a register type the goods turnover has no records: the bar gets a range all
    // the same, never the busy indicator of 0 to 0.
    QTest::newRow("noRecords") << text("RepGrp.dat") << 0 << -1 << QString() << 1 << 0
                               << text("message: Успешно!");
  }

  void displays_whenTheDownloadEnds() {
    QFETCH(QString, groupsFile);
    QFETCH(int, refuseAfterRecord);
    QFETCH(int, typeIndex);
    QFETCH(QString, label);
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(QString, shown);
    workspace_->typeIndex = typeIndex;
    page_->FileName(2)->setText(groupsFile);
    // The goods turnover alone, or the departments and then the groups.
    for (const int report : typeIndex < 0 ? std::vector<int>{0} : std::vector<int>{1, 2}) {
      page_->Check(report)->setChecked(true);
    }
    auto* bar = Find<QProgressBar>("ProgressBar2");
    observer_->onStopQuestion = [&] {
      if (refuseAfterRecord > 0 && bar->value() == refuseAfterRecord) {
        register_->Faults().refuse = 1000;
      }
    };

    Click("Button19");

    QCOMPARE(Find<QLabel>("Label44")->text(), label);
    QCOMPARE(bar->maximum(), maximum);
    QCOMPARE(bar->value(), position);
    QCOMPARE(observer_->shown, QStringList{shown});
  }

  void separatorField_takesCodePageCharactersOnly() {
    Type("Edit41", QString::fromUtf8("✓"));
    QCOMPARE(Find<QLineEdit>("Edit41")->text(), QString());
    Type("Edit41", QString::fromUtf8("€"));
    QCOMPARE(Find<QLineEdit>("Edit41")->text(), QString::fromUtf8("€"));
    Tick("CheckBox9");
    Click("Button19");
    // The separator is written as its code page 1251 byte.
    QCOMPARE(FileBytes(folder_->filePath("RepNalog.dat")), QByteArray("1\x88"
                                                                      "1250.30\x88"
                                                                      "208.38\x88"
                                                                      "310.00\x88"
                                                                      "15.50\x88"
                                                                      "395.60\x88"
                                                                      "0.00\x88"
                                                                      "0.00\x88"
                                                                      "0.00\r\n"));
  }

  void separatorOutsideTheCodePage_isRefusedBeforeTheDownload() {
    Find<QLineEdit>("Edit41")->setText(QString::fromUtf8("✓"));
    Tick("CheckBox9");
    Click("Button19");
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8(
                 "box Tabulon: Разделитель между полями нельзя записать в кодировке 1251.")});
    QVERIFY(QDir(folder_->path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(operationsRun_, 0);
  }

  void emptySeparator_isRefusedWithAMessage() {
    Find<QLineEdit>("Edit41")->clear();
    Tick("CheckBox9");
    Click("Button19");
    QCOMPARE(
        observer_->shown,
        QStringList{QString::fromUtf8("message: Укажите разделитель между полями: один символ.")});
    QVERIFY(QDir(folder_->path()).entryList(QDir::Files).isEmpty());
  }

  void checkAllAndClearAll_setEveryReport() {
    Click("Button17");
    for (int report = 0; report < reports::ui::kReportCount; ++report) {
      QVERIFY(page_->Check(report)->isChecked());
    }
    Click("Button18");
    for (int report = 0; report < reports::ui::kReportCount; ++report) {
      QVERIFY(!page_->Check(report)->isChecked());
    }
  }

  void notAttached_readReportsDoesNothing() {
    reports::ui::ReportsPage lonePage;
    lonePage.Folder()->SetText(folder_->path() + "/");
    lonePage.FileName(4)->setText("RepNalog.dat");
    lonePage.Check(4)->setChecked(true);
    lonePage.DownloadButton()->click();
    QVERIFY(QDir(folder_->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(observer_->shown.isEmpty());
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ReportsPageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "reports_page_test.moc"
