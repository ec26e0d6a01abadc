// The main window against a simulated register: connection, page rules, the table
// commands on screen, the interval group, resizing and the activation pass.
#include "app/ui/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

#include "app/ui/program_font.h"
#include "app/ui/table_commands.h"
#include "base/clock.h"
#include "base/cp1251.h"
#include "base/ui/layout_scale.h"
#include "base/ui/translation.h"
#include "logo/ui/logo_page.h"
#include "scripted_dialogs.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "tables/ui/exchange_error_prompt.h"
#include "tables/ui/string_grid.h"

using namespace kvitmark;
using tables::BoxAnswer;
using tables::FailureAnswer;
using tables::PageId;

using testing::ScriptedDialogs;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<base::VirtualClock> clock_;
  std::unique_ptr<sim::SimRegister> register_;
  std::unique_ptr<sim::MemoryWire> wire_;
  std::unique_ptr<QTemporaryDir> folder_;
  link::UnchangedPriority priority_;
  ScriptedDialogs* dialogs_ = nullptr;
  std::unique_ptr<ScriptedDialogs> ownDialogs_;
  std::unique_ptr<app::ui::TForm1> window_;
  // What each line the window made was for, in order.
  std::vector<link::Endpoint> opened_;

  template <typename T = QWidget>
  T* Find(const char* name) {
    auto* control = window_->findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
  void Connect() {
    Click("Button5");
    QCOMPARE(window_->ConnectedRegister(), 1);
  }
  void ShowPage(int page) { Find<QTabWidget>("PageControl1")->setCurrentIndex(page); }
  bool Enabled(const char* name) { return Find(name)->isEnabled(); }

 private slots:
  void init() {
    clock_ = std::make_unique<base::VirtualClock>();
    register_ = std::make_unique<sim::SimRegister>(1, sim::FactoryTables());
    wire_ = std::make_unique<sim::MemoryWire>(*register_, *clock_);
    folder_ = std::make_unique<QTemporaryDir>();
    ownDialogs_ = std::make_unique<ScriptedDialogs>();
    dialogs_ = ownDialogs_.get();
    opened_.clear();
    app::ui::Environment environment;
    environment.lineFactory = [this](const link::Endpoint& endpoint) {
      opened_.push_back(endpoint);
      return wire_->Factory()(endpoint);
    };
    environment.clock = clock_.get();
    environment.priority = &priority_;
    environment.dialogs = dialogs_;
    environment.settingsDirectory = folder_->path().toStdString();
    window_ = std::make_unique<app::ui::TForm1>(environment);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() { window_.reset(); }

  void firstShow_designSizeSettingsFileAndJuniorLayout() {
    QCOMPARE(Find("DesignArea")->size(), QSize(776, 541));
    // The menu bar above the design area and the status bar below it add to its height only.
    QCOMPARE(window_->size(), QSize(776, 541 + Find("MenuBar")->height() +
                                             Find("StatusBar")->height()));
    QCOMPARE(Find("Button6")->geometry(), QRect(440, 408, 75, 25));
    QCOMPARE(Find("Button1")->geometry(), QRect(688, 504, 75, 25));
    QCOMPARE(window_->windowTitle(), QString::fromUtf8("Программирование Datecs MP-50 Junior"));
    QVERIFY(QFile::exists(folder_->filePath("Tabulon.ini")));
    QCOMPARE(Find<QComboBox>("ComboBox1")->currentText(), QString("COM1"));
    QCOMPARE(Find<QComboBox>("ComboBox2")->currentText(), QString("4800"));
    QCOMPARE(Find<QLabel>("Label3")->text(), QString::fromUtf8("Не подключена"));
    // The layout of the type the selector stands on, from the first show.
    QCOMPARE(window_->Workspace().Grid(PageId::kHeaderText).RowCount(), 8);
    QCOMPARE(Find<QLabel>("CaptionEdit6")->text(), QString::fromUtf8("Тип:"));
    QVERIFY(!Enabled("Button9"));
    QVERIFY(!Enabled("Button6"));
  }

  void connect_registerAnswers_connectedState() {
    Connect();
    QCOMPARE(Find<QLabel>("Label3")->text(), QString::fromUtf8("Datecs MP-50 Junior подключена"));
    QCOMPARE(Find<QLabel>("Label3")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(Find<QPushButton>("Button5")->text(), QString::fromUtf8("Отключить"));
    QVERIFY(Enabled("Button4") && Enabled("Button9") && Enabled("Button8"));
    QVERIFY(!Enabled("ComboBox1") && !Enabled("ComboBox4"));
    QVERIFY(window_->IsConnected());

    Click("Button5");
    QCOMPARE(Find<QLabel>("Label3")->text(), QString::fromUtf8("Не подключена"));
    QCOMPARE(Find<QPushButton>("Button5")->text(), QString::fromUtf8("Подключить"));
    QVERIFY(!Enabled("Button4") && !Enabled("Button9") && !Enabled("Button8"));
    QVERIFY(Enabled("ComboBox1"));
    QCOMPARE(window_->ConnectedRegister(), -1);
    QCOMPARE(window_->Link().OpenPortNumber(), -1);
  }

  void connect_noRegister_warnsAndKeepsThePortForTheNextClick() {
    register_->Faults().silent = true;
    Click("Button5");
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8("box Предупреждение: Касса не обнаружена")});
    QCOMPARE(Find<QLabel>("Label3")->text(), QString::fromUtf8("Не подключена"));
    QCOMPARE(Find<QLabel>("Label3")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(Find<QPushButton>("Button5")->text(), QString::fromUtf8("Подключить"));
    QVERIFY(Enabled("ComboBox1"));
    QCOMPARE(window_->Link().OpenPortNumber(), 1);
    register_->Faults().silent = false;
    Click("Button5");
    QCOMPARE(wire_->closes, 1);
    QCOMPARE(window_->ConnectedRegister(), 1);
  }

  void connect_portCannotBeOpened_saysWhy() {
    wire_->failOpen = true;
    Click("Button5");
    // COM1 is /dev/ttyS0 here; a machine may have a getty on it, which is then named too.
    QCOMPARE(dialogs_->shown.size(), 1);
    QVERIFY2(dialogs_->shown[0].startsWith(
                 QString::fromUtf8("box Ошибка подключения: /dev/ttyS0 занят другой программой")),
             qPrintable(dialogs_->shown[0]));
    QVERIFY(!window_->IsConnected());
  }

  void connect_speedNotOffered_saysSoInsteadOfASystemText() {
    Find<QComboBox>("ComboBox2")->setEditText("57601");
    Click("Button5");
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8(
                 "box Ошибка подключения: Скорость 57601 бит/с не поддерживается.")});
    Find<QComboBox>("ComboBox2")->setEditText("fast");
    dialogs_->shown.clear();
    Click("Button5");
    QCOMPARE(dialogs_->shown.size(), 1);
    QVERIFY(dialogs_->shown[0].contains(QString::fromUtf8("не число")));
    QCOMPARE(wire_->opens, 0);
  }

  void pageRules_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("read");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("clearGrid");
    QTest::addColumn<bool>("intervalGroup");
    QTest::newRow("goods, not connected") << 0 << false << false << false << false << true << true;
    QTest::newRow("goods, connected") << 0 << true << true << true << true << true << true;
    QTest::newRow("cash parameters, connected")
        << 5 << true << true << true << false << false << false;
    QTest::newRow("cash parameters, not connected")
        << 5 << false << false << false << false << false << false;
    QTest::newRow("logo, connected") << 8 << true << false << false << false << false << false;
    QTest::newRow("logo, not connected") << 8 << false << false << false << false << false << false;
    QTest::newRow("social help, connected") << 21 << true << true << true << false << false << true;
    QTest::newRow("social help, not connected")
        << 21 << false << false << false << false << false << true;
  }

  void pageRules() {
    QFETCH(int, page);
    QFETCH(bool, connected);
    if (connected) Connect();
    ShowPage(page == 0 ? 1 : 0);
    ShowPage(page);
    QTEST(Enabled("Button4"), "write");
    QTEST(Enabled("Button9"), "read");
    QTEST(Enabled("Button8"), "clear");
    QTEST(Enabled("Button16"), "clearGrid");
    QTEST(Enabled("GroupBox2"), "intervalGroup");
    if (page == 8) {
      QVERIFY(Enabled("Button7") && Enabled("Button12"));
      QVERIFY(!Enabled("Button11") && !Enabled("Button13"));
    }
  }

  void intervalGroup_keepsItsTickAcrossIntervalPagesOnly() {
    ShowPage(1);
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    ShowPage(3);
    QVERIFY(Find<QCheckBox>("CheckBox1")->isChecked());
    QCOMPARE(Find<QLineEdit>("Edit3")->text(), QString("20"));
    QCOMPARE(Find<QLineEdit>("Edit2")->text(), QString("1"));
    ShowPage(5);
    QVERIFY(!Find<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(!Enabled("GroupBox2"));
    QCOMPARE(Find<QLineEdit>("Edit3")->text(), QString("20"));
    ShowPage(11);
    QVERIFY(!Find<QCheckBox>("CheckBox1")->isChecked());
    QCOMPARE(Find<QLineEdit>("Edit3")->text(), QString("3000"));
  }

  void readOperators_fillsTheGridFromTheRegister() {
    Connect();
    ShowPage(1);
    Click("Button9");
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Tabulon: Операция завершена успешно"));
    auto* grid = Find<tables::ui::StringGrid>("StringGrid2");
    QCOMPARE(grid->model()->data(grid->model()->index(11, 1)).toString(),
             QString::fromUtf8("Оператор12"));
    QCOMPARE(Find<QLineEdit>("Edit1")->text(), QString());
    QVERIFY(Enabled("Button9") && Enabled("Button1") && Enabled("Button5"));
  }

  void write_confirmedSendsRefusedDoesNot() {
    Connect();
    ShowPage(3);
    window_->Workspace().Grid(PageId::kDepartments).SetCell(1, 2, base::Cp1251("Хліб"));
    dialogs_->boxAnswers = {BoxAnswer::kNo};
    Click("Button4");
    QCOMPARE(register_->Counters().writes, 0);
    dialogs_->boxAnswers.clear();
    Click("Button4");
    QCOMPARE(register_->Counters().writes, 20);
    QCOMPARE(register_->Tables()[10].records[1], base::Cp1251("Хліб;"));
  }

  void clear_confirmedSendsTheDefaultsRefusedDoesNot() {
    Connect();
    ShowPage(3);
    dialogs_->boxAnswers = {BoxAnswer::kNo};
    Click("Button8");
    QCOMPARE(register_->Counters().writes, 0);
    register_->Tables()[10].records[9] = "x;";
    Click("Button8");
    QCOMPARE(register_->Counters().writes, 20);
    QCOMPARE(register_->Tables()[10].records[9], base::Cp1251("Відділ 10;"));
  }

  void writeChanges_sendsTheEditedRowOnlyAndItsMarkGoesOnceWritten() {
    Connect();
    ShowPage(1);
    Click("Button9");
    auto* model = Find<tables::ui::StringGrid>("StringGrid2")->model();
    auto marked = [&](int row) {
      return model->data(model->index(row - 1, 1), Qt::BackgroundRole).isValid();
    };
    QVERIFY(!marked(7));
    model->setData(model->index(6, 1), QString::fromUtf8("Олена"), Qt::EditRole);
    QVERIFY(marked(7));
    QVERIFY(!marked(6));
    const int writes = register_->Counters().writes;
    window_->findChild<QAction*>("ActionWriteChanges")->trigger();
    QCOMPARE(register_->Counters().writes - writes, 1);
    QCOMPARE(register_->Tables()[3].records[6], base::Cp1251("7;Олена;0;"));
    QVERIFY(!marked(7));
    window_->findChild<QAction*>("ActionWriteChanges")->trigger();
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("message: Изменений для записи нет."));
    QCOMPARE(register_->Counters().writes - writes, 1);
    // After a disconnect nothing is known of the register: nothing is marked, all is changed.
    Click("Button5");
    model->setData(model->index(2, 1), QString::fromUtf8("Петро"), Qt::EditRole);
    QVERIFY(!marked(3));
    QVERIFY(Find("Button4")->toolTip().contains(QString::fromUtf8("Ctrl+Shift+W")));
  }

  void writeChanges_parameterPage_marksItsEditsUntilWritten() {
    Connect();
    ShowPage(6);
    Click("Button9");
    auto* edit = Find<QLineEdit>("Edit15");
    const QColor plain = edit->palette().color(QPalette::Base);
    QTest::keyClicks(edit, "1");
    QVERIFY(edit->palette().color(QPalette::Base) != plain);
    const int writes = register_->Counters().writes;
    window_->findChild<QAction*>("ActionWriteChanges")->trigger();
    QCOMPARE(register_->Counters().writes - writes, 1);
    QCOMPARE(edit->palette().color(QPalette::Base), plain);
  }

  void findRegister_connectsToTheNumberThatAnswersOrSaysNoneDid() {
    register_->Faults().answerAs = 3;
    window_->findChild<QAction*>("ActionFindRegister")->trigger();
    QCOMPARE(window_->ConnectedRegister(), 3);
    QCOMPARE(Find<QComboBox>("ComboBox3")->currentText(), QString("3"));
    QVERIFY(Find<QLabel>("Label3")->text().endsWith(QString::fromUtf8(" подключена")));
    QVERIFY(Enabled("Button9") && !Enabled("ComboBox1"));
    QVERIFY(Find<QLabel>("SearchTrying")->text().contains(QString::fromUtf8("ЭККА 3")));

    Click("Button5");
    register_->Faults().answerAs = 7;
    window_->findChild<QAction*>("ActionFindRegister")->trigger();
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Найти ЭККА: ЭККА не найден."));
    QCOMPARE(window_->ConnectedRegister(), -1);
    QCOMPARE(window_->Link().OpenPortNumber(), -1);
  }

  void stopDuringAGoodsRead_endsItAndOnlyStopActsMeanwhile() {
    Connect();
    bool othersWereOff = false;
    QTimer::singleShot(0, this, [&] {
      othersWereOff = !Enabled("Button5") && !Enabled("Button16") && !Enabled("Button1") &&
                      !Enabled("Button10") && !Enabled("Button19") && Enabled("Button6");
      Click("Button6");
    });
    Click("Button9");
    QVERIFY(othersWereOff);
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Tabulon: Операция прервана"));
    QVERIFY(window_->Workspace().Grid(PageId::kGoods).Cell(2, 14000).empty());
    QVERIFY(Enabled("Button5") && Enabled("Button16") && Enabled("Button1"));
    QVERIFY(!Enabled("Button6"));
  }

  // The prompt's activation pass puts the selectors back to the settings' port and speed; a
  // skip still reopens the port and speed that were connected.
  void skip_reopensTheEndpointAndSpeedThatWereConnected() {
    Find<QComboBox>("ComboBox1")->setCurrentIndex(2);
    Find<QComboBox>("ComboBox2")->setCurrentIndex(1);
    Connect();
    Find<QComboBox>("ComboBox1")->setCurrentIndex(4);
    Find<QComboBox>("ComboBox2")->setCurrentIndex(7);
    ShowPage(3);
    register_->Faults().silent = true;
    dialogs_->promptAnswers = {FailureAnswer::kSkip, FailureAnswer::kFinish};
    Click("Button9");
    QCOMPARE(dialogs_->shown.count("prompt"), 2);
    QCOMPARE(opened_.size(), size_t{2});
    QVERIFY(opened_[1] == opened_[0]);
    QCOMPARE(QString::fromStdString(opened_[1].Name()), QString("COM3"));
    QCOMPARE(wire_->settings.speed, 9600);
    QCOMPARE(QString::fromStdString(window_->Link().ModeString()), QString("COM3:9600,N,8,2"));
  }

  void promptAnswers_skipRetryFinish() {
    Connect();
    ShowPage(3);
    register_->Faults().silent = true;
    dialogs_->promptAnswers = {FailureAnswer::kRetry, FailureAnswer::kFinish};
    Click("Button9");
    QCOMPARE(dialogs_->shown.count("prompt"), 2);
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Tabulon: Операция прервана"));
    QCOMPARE(wire_->opens, 2);
  }

  void promptWindow_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<int>("opens");
    QTest::addColumn<QString>("notice");
    const QString stopped = QString::fromUtf8("box Tabulon: Операция прервана");
    const QString done = QString::fromUtf8("box Tabulon: Операция завершена успешно");
    QTest::newRow("finish") << QStringList{"Button2"} << 1 << 1 << stopped;
    QTest::newRow("retry, then finish") << QStringList{"Button3", "Button2"} << 2 << 2 << stopped;
    QTest::newRow("skip every record") << QStringList(9, "Button1") << 9 << 10 << done;
    QTest::newRow("close box: on without reopening") << QStringList(9, "close") << 9 << 1 << done;
  }

  void promptWindow() {
    QFETCH(QStringList, clicks);
    Connect();
    ShowPage(16);  // nine message codes
    register_->Faults().silent = true;
    dialogs_->promptClicks = clicks;
    Click("Button9");
    QTEST(static_cast<int>(dialogs_->shown.count("prompt")), "prompts");
    QTEST(wire_->opens, "opens");
    QTEST(dialogs_->shown.last(), "notice");
  }

  void closingDuringAnOperation_stopsItAndClosesWhenItEnds() {
    Connect();
    QTimer::singleShot(0, this, [this] { window_->close(); });
    Click("Button9");
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Tabulon: Операция прервана"));
    QVERIFY(!window_->isVisible());
  }

  void openTableFile_usesTheKindsDialogTextsAndShowsThePath() {
    ShowPage(3);
    const QString path = folder_->filePath("departments.otd");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int n = 1; n <= 20; ++n) file.write(QByteArray::number(n) + ";\r\n");
    file.close();
    dialogs_->fileAnswers << path;
    Click("Button3");
    QCOMPARE(dialogs_->fileDialogs.size(), 1);
    QCOMPARE(dialogs_->fileDialogs[0].title, QString::fromUtf8("Открыть файл отделов"));
    QCOMPARE(dialogs_->fileDialogs[0].filter,
             QString::fromUtf8("Файлы отделов(*.otd) (*.otd *.OTD);;Все файлы (*.*) (*)"));
    QCOMPARE(dialogs_->fileDialogs[0].folder, folder_->path());
    QCOMPARE(Find<QLabel>("Label5")->text(), path);
    QCOMPARE(window_->Workspace().Grid(PageId::kDepartments).Cell(1, 20), std::string("20"));
    QVERIFY(dialogs_->shown.isEmpty());
    // The next open dialog offers the file chosen last.
    Click("Button3");
    QCOMPARE(dialogs_->fileDialogs[1].proposedOrSuffix, path);
  }

  void tableFileDialogs_nameThePagesKind_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("ukrainian");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::newRow("commissions") << 13 << false << "Button3"
                                 << QString::fromUtf8("Открыть файл программирования комиссий")
                                 << QString::fromUtf8(
                                        "Файлы программирования комиссий(*.pko) (*.pko *.PKO);;"
                                        "Все файлы (*.*) (*)");
    QTest::newRow("commissions, Ukrainian")
        << 13 << true << "Button3" << QString::fromUtf8("Відкрити файл програмування комісій")
        << QString::fromUtf8(
               "Файли програмування комісій(*.pko) (*.pko *.PKO);;Усі файли (*.*) (*)");
    QTest::newRow("receipt parameters")
        << 6 << false << "Button3" << QString::fromUtf8("Открыть параметров чека")
        << QString::fromUtf8(
               "Файлы параметров чека(*.pac) (*.pac *.PAC);;"
               "Все файлы (*.*) (*)");
    // The service file's save title has always named the receipt parameters.
    QTest::newRow("service parameters")
        << 7 << false << "Button2" << QString::fromUtf8("Сохранить файл параметров чека")
        << QString::fromUtf8(
               "Файлы служебной информации(*.slu) (*.slu *.SLU);;"
               "Все файлы (*.*) (*)");
  }

  void tableFileDialogs_nameThePagesKind() {
    QFETCH(int, page);
    QFETCH(bool, ukrainian);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    if (ukrainian) QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
    ShowPage(page);
    Click(button.toLatin1().constData());
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QCOMPARE(dialogs_->fileDialogs.size(), 1);
    QCOMPARE(dialogs_->fileDialogs[0].title, title);
    QCOMPARE(dialogs_->fileDialogs[0].filter, filter);
  }

  // A page's edits are not numbered in record order: each shows its own field.
  void parameterEdits_showTheirOwnFieldsOfTheRecord_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("edits");  // record order
    QTest::newRow("numerators") << 20 << "numerators.pnu"
                                << QStringList{"Edit78", "Edit80", "Edit82", "Edit84", "Edit86",
                                               "Edit79", "Edit81", "Edit83", "Edit85", "Edit87"};
    QTest::newRow("cash parameters")
        << 5 << "cash.pak"
        << QStringList{"Edit5",  "Edit6",  "Edit7",  "Edit8",  "Edit9",  "Edit10", "Edit11",
                       "Edit12", "Edit13", "Edit14", "Edit19", "Edit24", "Edit35"};
    QTest::newRow("postal parameters")
        << 10 << "postal.par"
        << QStringList{"Edit51", "Edit52", "Edit53", "Edit54", "Edit55", "Edit56",
                       "Edit57", "Edit64", "Edit58", "Edit59", "Edit60", "Edit61",
                       "Edit62", "Edit63", "Edit65", "Edit66"};
  }

  void parameterEdits_showTheirOwnFieldsOfTheRecord() {
    QFETCH(int, page);
    QFETCH(QString, file);
    QFETCH(QStringList, edits);
    ShowPage(page);
    const QString path = folder_->filePath(file);
    QFile record(path);
    QVERIFY(record.open(QIODevice::WriteOnly));
    for (int field = 1; field <= edits.size(); ++field)
      record.write("f" + QByteArray::number(field) + ";");
    record.write("\r\n");
    record.close();
    dialogs_->fileAnswers << path;
    Click("Button3");
    QVERIFY(dialogs_->shown.isEmpty());
    for (int field = 0; field < edits.size(); ++field) {
      QCOMPARE(Find<QLineEdit>(edits[field].toLatin1().constData())->text(),
               QStringLiteral("f%1").arg(field + 1));
    }
  }

  void openTableFile_shortFile_saysSoAndLeavesTheLabel() {
    ShowPage(1);
    const QString path = folder_->filePath("short.opr");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1;a;0;\r\n");
    file.close();
    dialogs_->fileAnswers << path;
    Click("Button3");
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8("box Незапланированный конец файла: Конец файла! \n В "
                                           "файле неверное число записей!")});
    QCOMPARE(Find<QLabel>("Label5")->text(), QString());
  }

  void saveTableFile_addsTheDefaultExtension() {
    ShowPage(1);
    window_->Workspace().Grid(PageId::kOperators).SetCell(2, 1, base::Cp1251("Іван"));
    dialogs_->fileAnswers << folder_->filePath("cashiers");
    Click("Button2");
    QCOMPARE(dialogs_->fileDialogs[0].title, QString::fromUtf8("Сохранить файл кассиров"));
    QCOMPARE(dialogs_->fileDialogs[0].proposedOrSuffix, QString("opr"));
    QFile saved(folder_->filePath("cashiers.opr"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readLine(), QByteArray(";\xb2\xe2\xe0\xed;;\r\n"));
  }

  void tableFilesReadAndSaved_areTheSameBytesInEitherLanguage() {
    Connect();
    QByteArray saved[2];
    const base::Language languages[2] = {base::Language::kRussian, base::Language::kUkrainian};
    for (int run = 0; run < 2; ++run) {
      QVERIFY(base::ui::UseLanguage(languages[run]));
      for (int page : {1, 3, 5}) {
        ShowPage(page);
        Click("Button9");
        const QString path = folder_->filePath(QStringLiteral("table%1_%2").arg(page).arg(run));
        dialogs_->fileAnswers << path;
        Click("Button2");
        QFile file(path + "." + dialogs_->fileDialogs.last().proposedOrSuffix);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        saved[run] += file.readAll();
      }
    }
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QVERIFY(!saved[0].isEmpty());
    QCOMPARE(saved[1], saved[0]);
  }

  // What a Ukrainian user reads after a failed connect, a read, a write of changes and a whole
  // write: the boxes in Ukrainian, the page's name and the count in their places.
  void ukrainianWindow_messagesOfConnectReadAndWrite() {
    QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
    register_->Faults().silent = true;
    Click("Button5");
    register_->Faults().silent = false;
    Connect();
    ShowPage(1);
    Click("Button9");
    auto* model = Find<tables::ui::StringGrid>("StringGrid2")->model();
    model->setData(model->index(2, 1), QString::fromUtf8("Олена"), Qt::EditRole);
    model->setData(model->index(6, 1), QString::fromUtf8("Петро"), Qt::EditRole);
    window_->findChild<QAction*>("ActionWriteChanges")->trigger();
    dialogs_->boxAnswers = {BoxAnswer::kNo};
    Click("Button4");
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QCOMPARE(dialogs_->shown,
             (QStringList{
                 QString::fromUtf8("box Попередження: Касу не виявлено"),
                 QString::fromUtf8("box Tabulon: Операцію завершено успішно"),
                 QString::fromUtf8("box Tabulon: Таблиця \"Оператори\": буде записано 2 змінені "
                                   "записи. Продовжити?"),
                 QString::fromUtf8("box Tabulon: Операцію завершено успішно"),
                 QString::fromUtf8(
                     "box Tabulon: Таблицю \"Оператори\" в ЕККА буде перезаписано. Продовжити?")}));
    QCOMPARE(register_->Tables()[3].records[2], base::Cp1251("3;Олена;0;"));
  }

  void saveTableFile_cannotCreate_saysSoWithOkAndCancel() {
    ShowPage(1);
    dialogs_->fileAnswers << folder_->filePath("no/such/folder/x.opr");
    Click("Button2");
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8("box Ошибка работы с файлом: Ошибка открытия файла")});
  }

  void clearGrid_emptiesTheWholeTableOfThePage() {
    ShowPage(4);
    window_->Workspace().Grid(PageId::kHeaderText).SetCell(1, 12, "hidden");
    window_->Workspace().Grid(PageId::kHeaderText).SetCell(1, 1, "shown");
    Click("Button16");
    QVERIFY(window_->Workspace().Grid(PageId::kHeaderText).Cell(1, 12).empty());
    QVERIFY(window_->Workspace().Grid(PageId::kHeaderText).Cell(1, 1).empty());
  }

  void reportDownload_fromTheReportsPage_writesTheCheckedReports() {
    Connect();
    ShowPage(22);
    Find<QCheckBox>("CheckBox9")->setChecked(true);  // taxes, one record
    Find<QCheckBox>("CheckBox4")->setChecked(true);  // departments, twenty
    Find<QLineEdit>("Edit41")->setText(",");
    window_->findChild<QWidget*>("DirectoryEdit1")
        ->findChild<QLineEdit*>()
        ->setText(folder_->path() + "/");
    bool othersWereOff = false;
    QTimer::singleShot(0, this, [&] {
      othersWereOff = !Enabled("Button5") && !Enabled("Button9") && Enabled("Button6");
    });
    Click("Button19");
    QVERIFY(dialogs_->shown.last().endsWith(QString::fromUtf8("Успешно!")));
    QFile taxes(folder_->filePath("RepNalog.dat"));
    QVERIFY(taxes.open(QIODevice::ReadOnly));
    QCOMPARE(taxes.readAll().count("\r\n"), 1);
    QFile departments(folder_->filePath("RepOtd.dat"));
    QVERIFY(departments.open(QIODevice::ReadOnly));
    const QByteArray lines = departments.readAll();
    QCOMPARE(lines.count("\r\n"), 20);
    QVERIFY(lines.startsWith("1,"));
    QVERIFY(othersWereOff);
    QVERIFY(Enabled("Button5") && !Enabled("Button6"));
    QCOMPARE(window_->Link().ReadTimeout(), 300u);
  }

  void stopOfAnEarlierOperation_doesNotEndTheNextDownload() {
    Connect();
    QTimer::singleShot(0, this, [this] { Click("Button6"); });
    Click("Button9");
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Tabulon: Операция прервана"));
    ShowPage(22);
    Find<QCheckBox>("CheckBox9")->setChecked(true);  // taxes, one record
    Find<QLineEdit>("Edit41")->setText(",");
    window_->findChild<QWidget*>("DirectoryEdit1")
        ->findChild<QLineEdit*>()
        ->setText(folder_->path() + "/");
    Click("Button19");
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("message: Успешно!"));
    QFile taxes(folder_->filePath("RepNalog.dat"));
    QVERIFY(taxes.open(QIODevice::ReadOnly));
    QCOMPARE(taxes.readAll().count("\r\n"), 1);
  }

  void logoRead_enablesSavingAndWritingUntilTheNextActivationPass() {
    Connect();
    ShowPage(8);
    QVERIFY(!Enabled("Button11") && !Enabled("Button13"));
    Click("Button12");
    QVERIFY(dialogs_->shown.last().endsWith(QString::fromUtf8("Успешно!")));
    QVERIFY(window_->LogoLoaded());
    QVERIFY(Enabled("Button11") && Enabled("Button13"));
    Click("Button10");  // the about box closes: the activation pass clears LogoLoaded
    QVERIFY(!window_->LogoLoaded());
    ShowPage(8);
    QVERIFY(!Enabled("Button11") && !Enabled("Button13"));
  }

  void contextCommands_reachableFromTheContextMenuWithShortcuts() {
    const QStringList names = {"ActionSdSales", "ActionSdExport", "ActionOpenFolder",
                               "ActionWriteChanges", "ActionFindRegister"};
    for (const QString& name : names) {
      auto* action = window_->findChild<QAction*>(name);
      QVERIFY(action);
      QVERIFY(window_->actions().contains(action));
      QVERIFY(!action->shortcut().isEmpty());
    }
    QCOMPARE(window_->contextMenuPolicy(), Qt::ActionsContextMenu);
    ShowPage(5);
    window_->findChild<QAction*>("ActionSdSales")->trigger();
    QCOMPARE(dialogs_->shown.last(), QString("modal TForm4"));
    QCOMPARE(Find<QTabWidget>("PageControl1")->currentIndex(), 0);

    window_->Workspace().Grid(PageId::kGoods).SetCell(2, 1, "Two words");
    dialogs_->fileAnswers << folder_->filePath("goodbase.art");
    window_->findChild<QAction*>("ActionSdExport")->trigger();
    QFile exported(folder_->filePath("goodbase.art"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readLine().contains("Two\x96words"));
  }

  void keyboard_tabFollowsTheLayoutOnEveryPageAndShiftF10OpensTheCommands() {
    auto* pages = Find<QTabWidget>("PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
      ShowPage(page);
      QPoint last(0, 0);
      QString lastName;
      for (QWidget* next = window_->nextInFocusChain(); next != window_.get();
           next = next->nextInFocusChain()) {
        if (!next->isVisibleTo(window_.get()) || !(next->focusPolicy() & Qt::TabFocus)) continue;
        const QPoint place = next->mapTo(window_.get(), QPoint(0, 0));
        // Reading order: along a row, down a column, or on to the next row or column; never
        // back up and to the left.
        QVERIFY2(!(place.y() < last.y() - 5 && place.x() < last.x() - 5),
                 qPrintable(QStringLiteral("page %1: %2 after %3")
                                .arg(page)
                                .arg(next->objectName(), lastName)));
        last = place;
        lastName = next->objectName();
      }
    }

    QStringList offered;
    QTimer::singleShot(0, this, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* action : menu->actions()) offered << action->objectName();
        menu->close();
      }
    });
    QTest::keyClick(window_.get(), Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(offered.contains("ActionFindRegister"));
    QCOMPARE(offered.size(), window_->actions().size());
  }

  void notConnected_saysSoAndTheWindowStays() {
    window_->Tables().Read();
    QCOMPARE(dialogs_->shown, QStringList{QString::fromUtf8("message: ЭККА не подключен")});
    QVERIFY(window_->isVisible());
  }

  void resizeRules() {
    window_->RequestSize(700, 500);
    QCOMPARE(window_->width(), 700);
    QCOMPARE(Find("DesignArea")->height(), 500);
    QCOMPARE(Find("StringGrid1")->width(), 700 * 577 / 601);
    QCOMPARE(Find("Button6")->y(), 500 - 138);
    QCOMPARE(Find("Button4")->y(), 500 - 108);
    QCOMPARE(Find("Button1")->y(), 500 - 56);
    QCOMPARE(Find("Edit1")->y(), 500 - 140);
    QCOMPARE(Find("ProgressBar1")->y(), 500 - 172);
    QCOMPARE(Find("GroupBox1")->y(), 500 - 177);
    QCOMPARE(Find("Button6")->x(), 440);
    const auto widths = Find<tables::ui::StringGrid>("StringGrid2")->ColumnWidths();
    QCOMPARE(widths[2], (700 * 577 / 601) * 270 / 580);
    window_->RequestSize(500, 300);
    QCOMPARE(Find("DesignArea")->size(), QSize(500, 300));
    window_->RequestSize(560, 420);
    QCOMPARE(Find("DesignArea")->size(), QSize(601, 380));
    QCOMPARE(window_->width(), 601);
  }

  void activationPassAfterTheAboutBox_showsPageZeroAndKeepsTheButtons() {
    Connect();
    ShowPage(8);
    QVERIFY(!Enabled("Button9"));
    Click("Button10");
    QCOMPARE(dialogs_->shown.last(), QString("modal TForm2"));
    QCOMPARE(Find<QTabWidget>("PageControl1")->currentIndex(), 0);
    QVERIFY(!Enabled("Button9"));
    ShowPage(1);
    QVERIFY(Enabled("Button9"));
  }

  // The about box's activation pass leaves the coding interval alone: the next read takes
  // exactly the records typed.
  void intervalTypedBeforeTheAboutBox_isTheOneTheNextReadUses() {
    for (int record = 501; record <= 504; ++record) {
      register_->Tables()[0].records[record - 1] = base::Cp1251(
          std::to_string(record) + ";Хліб" + std::to_string(record) + ";1.00;0.000;1;1;1;1;0;0;");
    }
    Connect();
    Find<QCheckBox>("CheckBox1")->setChecked(true);
    Find<QLineEdit>("Edit2")->setText("1");
    Find<QLineEdit>("Edit3")->setText("3");
    Find<QLineEdit>("Edit4")->setText("501");
    Click("Button10");
    QCOMPARE(Find<QLineEdit>("Edit3")->text(), QString("3"));
    Click("Button9");
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Tabulon: Операция завершена успешно"));
    const auto& goods = window_->Workspace().Grid(PageId::kGoods);
    QCOMPARE(base::Cp1251ToUtf8(goods.Cell(2, 1)), std::string("Хліб501"));
    QCOMPARE(base::Cp1251ToUtf8(goods.Cell(2, 3)), std::string("Хліб503"));
    QVERIFY(goods.Cell(2, 4).empty());
  }

  // Connecting switches on the table commands whatever the page; "Очистить" only where the
  // register has a table to reset.
  void connectOnTheLogoPage_enablesReadAndWrite() {
    ShowPage(8);
    Connect();
    QVERIFY(Enabled("Button4") && Enabled("Button9"));
    QVERIFY(!Enabled("Button8") && !Enabled("Button16"));
  }

  // The end of an operation sets the buttons its own rules name, not those of the page shown.
  void endOfOperation_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("shownMeanwhile");  // -1: the prompt sends the view to page 0
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("clearGrid");
    QTest::newRow("clear ends while the cash parameters are shown")
        << 3 << "Button8" << 5 << true << false;
    QTest::newRow("read of message codes after a prompt") << 16 << "Button9" << -1 << false << false;
    QTest::newRow("write of departments ends while the logo is shown")
        << 3 << "Button4" << 8 << false << false;
  }

  void endOfOperation() {
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(int, shownMeanwhile);
    Connect();
    ShowPage(page);
    if (shownMeanwhile < 0) {
      register_->Faults().silent = true;
      dialogs_->promptAnswers = {FailureAnswer::kFinish};
    } else {
      QTimer::singleShot(0, this, [this, shownMeanwhile] { ShowPage(shownMeanwhile); });
    }
    Click(button.toLatin1().constData());
    QVERIFY(Enabled("Button4") && Enabled("Button9") && Enabled("Button2") && Enabled("Button3"));
    QVERIFY(!Enabled("Button6"));
    QTEST(Enabled("Button8"), "clear");
    QTEST(Enabled("Button16"), "clearGrid");
  }

  // The read stops at an answer its page cannot hold, and says so before the counter and the
  // bar move on to that record.
  void refusedAnswer_isToldBeforeTheCounterMovesOn() {
    register_->Tables()[10].records[1] = base::Cp1251("Відділ 2;зайве;");
    Connect();
    ShowPage(3);
    QStringList counterWhileShown;
    dialogs_->whileShown = [&] { counterWhileShown << Find<QLineEdit>("Edit1")->text(); };
    Click("Button9");
    QCOMPARE(dialogs_->shown.first(),
             QString::fromUtf8(
                 "message: Приняты некорректные данные из ЭККА! Ошибка! Операция прерана!"));
    QCOMPARE(counterWhileShown.first(), QString("00001"));
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Tabulon: Операция прервана"));
  }

  // Every command of the context menu is in the menu bar too, and a command with a button is
  // enabled and named as its button is, whatever the page, connection or operation.
  void menuBar_holdsEveryCommandEnabledAsItsButton() {
    QList<QAction*> inMenus;
    std::function<void(QMenu*)> collect = [&](QMenu* menu) {
      for (QAction* action : menu->actions()) {
        inMenus << action;
        if (action->menu()) collect(action->menu());
      }
    };
    for (QAction* top : Find<QMenuBar>("MenuBar")->actions()) {
      inMenus << top;
      if (top->menu()) collect(top->menu());
    }
    for (QAction* command : window_->actions()) {
      const bool there = inMenus.contains(command) ||
                         (command->menu() && inMenus.contains(command->menu()->menuAction()));
      QVERIFY2(there, qPrintable(command->objectName()));
    }

    const std::pair<const char*, const char*> twins[] = {
        {"ActionOpen", "Button3"},      {"ActionSave", "Button2"},  {"ActionClearGrid", "Button16"},
        {"ActionClose", "Button1"},     {"ActionConnect", "Button5"}, {"ActionRead", "Button9"},
        {"ActionWrite", "Button4"},     {"ActionClear", "Button8"}, {"ActionStop", "Button6"},
        {"ActionAbout", "Button10"}};
    auto sameAsButtons = [&](const char* when) {
      for (const auto& [action, button] : twins) {
        QAction* command = Find<QAction>(action);
        QVERIFY2(command->isEnabled() == Enabled(button), qPrintable(QString(when) + " " + action));
        QCOMPARE(command->text(), Find<QPushButton>(button)->text());
        QVERIFY(!command->statusTip().isEmpty());
      }
    };
    sameAsButtons("not connected");
    Connect();
    sameAsButtons("connected, goods");
    ShowPage(8);
    sameAsButtons("connected, logo");
    ShowPage(1);
    bool duringRead = false;
    QTimer::singleShot(0, this, [&] {
      sameAsButtons("during a read");
      duringRead = Find<QAction>("ActionStop")->isEnabled() &&
                   !Find<QAction>("ActionBackup")->isEnabled();
      QTest::keyClick(window_.get(), Qt::Key_Escape);
    });
    Find<QAction>("ActionRead")->trigger();
    QVERIFY(duringRead);
    QCOMPARE(dialogs_->shown.last(), QString::fromUtf8("box Tabulon: Операция прервана"));
  }

  // The status bar says where the window is connected and how the last operation ended, in
  // the language chosen.
  void statusBar_namesTheConnectionAndTheLastOutcome() {
    QCOMPARE(Find<QLabel>("ConnectionStatus")->text(), QString::fromUtf8("Не подключено"));
    Find<QComboBox>("ComboBox2")->setCurrentIndex(1);
    Connect();
    QCOMPARE(Find<QLabel>("ConnectionStatus")->text(),
             QString::fromUtf8("COM1 · 9600 бит/с · ЭККА 1"));
    ShowPage(1);
    Click("Button9");
    const QRegularExpression read(QString::fromUtf8("^Прочитано 20 из 20 записей, \\d+ с$"));
    QVERIFY2(read.match(Find<QLabel>("OutcomeStatus")->text()).hasMatch(),
             qPrintable(Find<QLabel>("OutcomeStatus")->text()));
    window_->findChild<QAction*>("ActionLanguage_uk")->trigger();
    QApplication::processEvents();
    const QRegularExpression ukrainian(QString::fromUtf8("^Прочитано 20 з 20 записів, \\d+ с$"));
    QVERIFY2(ukrainian.match(Find<QLabel>("OutcomeStatus")->text()).hasMatch(),
             qPrintable(Find<QLabel>("OutcomeStatus")->text()));
    QCOMPARE(Find<QLabel>("ConnectionStatus")->text(),
             QString::fromUtf8("COM1 · 9600 біт/с · ЕККА 1"));
    window_->findChild<QAction*>("ActionLanguage_ru")->trigger();
    QApplication::processEvents();
    Click("Button5");
    QCOMPARE(Find<QLabel>("ConnectionStatus")->text(), QString::fromUtf8("Не подключено"));
  }

  void disconnect_closesThePortThatWasOpenedWhateverTheSelectorSays() {
    Connect();
    QFile settings(folder_->filePath("Tabulon.ini"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Communication]\r\nSpeed=9600\r\nSerialPort=COM3\r\n");
    settings.close();
    window_->ActivationPass();
    QCOMPARE(Find<QComboBox>("ComboBox1")->currentText(), QString("COM3"));
    Click("Button5");
    QCOMPARE(window_->Link().OpenPortNumber(), -1);
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // These tests check the design's own pixels.
  kvitmark::base::ui::FixScaleForTests(1.0);
  app::ui::UseProgramFont();
  MainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
