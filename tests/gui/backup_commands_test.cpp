// The main window's backup, restore and goods sheet commands against a simulated register,
// with the progress window and every question answered by script.
#include "backup/ui/backup_commands.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/ui/main_window.h"
#include "app/ui/program_font.h"
#include "backup/manifest.h"
#include "backup/sha256.h"
#include "backup/ui/backup_window.h"
#include "base/clock.h"
#include "base/cp1251.h"
#include "base/ui/translation.h"
#include "scripted_dialogs.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"

using namespace kvitmark;
using tables::BoxAnswer;
using tables::PageId;
using testing::ScriptedDialogs;

class BackupCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<base::VirtualClock> clock_;
  std::unique_ptr<sim::SimRegister> register_;
  std::unique_ptr<sim::MemoryWire> wire_;
  std::unique_ptr<QTemporaryDir> folder_;
  link::UnchangedPriority priority_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<app::ui::TForm1> window_;

  QAction* Action(const char* name) { return window_->findChild<QAction*>(name); }
  void Connect() {
    QTest::mouseClick(window_->findChild<QPushButton*>("Button5"), Qt::LeftButton);
    QCOMPARE(window_->ConnectedRegister(), 1);
  }
  // The backup folders made in the test's folder.
  QStringList Backups() const {
    return QDir(folder_->path()).entryList({QString::fromUtf8("ЭККА*")}, QDir::Dirs);
  }

 private slots:
  void init() {
    clock_ = std::make_unique<base::VirtualClock>();
    register_ = std::make_unique<sim::SimRegister>(1, sim::FactoryTables());
    wire_ = std::make_unique<sim::MemoryWire>(*register_, *clock_);
    folder_ = std::make_unique<QTemporaryDir>();
    dialogs_ = std::make_unique<ScriptedDialogs>();
    app::ui::Environment environment;
    environment.lineFactory = wire_->Factory();
    environment.clock = clock_.get();
    environment.priority = &priority_;
    environment.dialogs = dialogs_.get();
    environment.settingsDirectory = folder_->path().toStdString();
    window_ = std::make_unique<app::ui::TForm1>(environment);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() { window_.reset(); }

  void contextMenu_backupEverywhereCsvOnTheGoodsPageOnly() {
    for (const char* name :
         {"ActionBackup", "ActionRestore", "ActionCsvExport", "ActionCsvImport"}) {
      QVERIFY2(Action(name) && window_->actions().contains(Action(name)), name);
    }
    QCOMPARE(Action("ActionBackup")->text(), QString::fromUtf8("Резервная копия ЭККА..."));
    QCOMPARE(Action("ActionRestore")->text(), QString::fromUtf8("Восстановить ЭККА из копии..."));
    QVERIFY(Action("ActionCsvExport")->isVisible());
    window_->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
    QVERIFY(!Action("ActionCsvExport")->isVisible() && !Action("ActionCsvImport")->isVisible());
    QVERIFY(Action("ActionBackup")->isVisible());
  }

  void backup_notConnected_saysSoAndAsksNothing() {
    Action("ActionBackup")->trigger();
    QCOMPARE(dialogs_->shown, QStringList{QString::fromUtf8("message: ЭККА не подключен")});
    QVERIFY(dialogs_->fileDialogs.isEmpty());
  }

  void backup_intoTheChosenFolder_thenRestoreOfWhatItHolds() {
    Connect();
    dialogs_->fileAnswers = {folder_->path()};
    Action("ActionBackup")->trigger();
    QCOMPARE(Backups().size(), 1);
    const QString made = folder_->filePath(Backups().first());
    QVERIFY(QFile::exists(made + "/manifest.json") && QFile::exists(made + "/logo.bmp"));
    QCOMPARE(dialogs_->shown.last(),
             QString::fromUtf8("box Резервная копия ЭККА: Резервная копия ЭККА 1 сохранена: "
                               "таблиц 21 и логотип.\n\nПапка копии:\n") +
                 made);
    QVERIFY(window_->Backups().Progress().isHidden());

    // The register changed outside the program: after a new connection everything is
    // written, and the operator comes back.
    register_->Tables()[3].records[1] = base::Cp1251("2;Чужий;0;");
    auto* connect = window_->findChild<QPushButton*>("Button5");
    QTest::mouseClick(connect, Qt::LeftButton);  // disconnects
    Connect();
    window_->Workspace().Grid(PageId::kOperators).SetCell(2, 2, base::Cp1251("Моя правка"));
    dialogs_->fileAnswers = {made};
    dialogs_->shown.clear();
    Action("ActionRestore")->trigger();
    QCOMPARE(dialogs_->shown.size(), 2);
    QVERIFY2(dialogs_->shown[0].startsWith(QString::fromUtf8(
                 "box Восстановление ЭККА: В ЭККА 1 будет записано из резервной копии ЭККА 1")),
             qPrintable(dialogs_->shown[0]));
    QVERIFY(dialogs_->shown[1].startsWith(
        QString::fromUtf8("box Восстановление ЭККА: Восстановление ЭККА завершено.")));
    QCOMPARE(register_->Tables()[3].records[1], base::Cp1251("2;Оператор2;0;"));
    QCOMPARE(base::Cp1251ToUtf8(window_->Workspace().Grid(PageId::kOperators).Cell(2, 2)),
             std::string("Моя правка"));
  }

  // In Ukrainian every line of the backup's report and of the restore's question and report is
  // Ukrainian, whatever counts and names the lines carry.
  void backupAndRestore_inUkrainian_everyLineIsUkrainian() {
    QVERIFY(base::ui::UseLanguage(base::Language::kUkrainian));
    Connect();
    dialogs_->fileAnswers = {folder_->path()};
    Action("ActionBackup")->trigger();
    QCOMPARE(Backups().size(), 1);
    dialogs_->fileAnswers = {folder_->filePath(Backups().first())};
    Action("ActionRestore")->trigger();
    QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
    QCOMPARE(dialogs_->shown.size(), 3);
    const QRegularExpression russianOnly(QStringLiteral("[ыэъёЫЭЪЁ]"));
    for (const QString& box : dialogs_->shown) {
      // The folder's name is the file system's, the same in any language.
      QVERIFY2(!QString(box).remove(Backups().first()).contains(russianOnly), qPrintable(box));
      QVERIFY2(box.contains(QString::fromUtf8("ЕККА")), qPrintable(box));
    }
  }

  void backup_stopInTheProgressWindow_leavesAnIncompleteBackup() {
    Connect();
    dialogs_->fileAnswers = {folder_->path()};
    QString shownItem;
    bool shown = false;
    // "Стоп" once the first table is being read.
    std::function<void()> stopDuringTheGoods = [&] {
      auto& progress = window_->Backups().Progress();
      if (progress.ItemLabel()->text().isEmpty()) {
        QTimer::singleShot(0, this, stopDuringTheGoods);
        return;
      }
      shownItem = progress.ItemLabel()->text();
      shown = progress.isVisible();
      progress.StopButton()->click();
    };
    QTimer::singleShot(0, this, stopDuringTheGoods);
    Action("ActionBackup")->trigger();
    QCOMPARE(shownItem, QString::fromUtf8("Товары (art.art) — 1 из 22"));
    QVERIFY(shown);
    QVERIFY(dialogs_->shown.last().contains(QString::fromUtf8("Резервная копия прервана")));
    QCOMPARE(Backups().size(), 1);
    QFile file(folder_->filePath(Backups().first()) + "/manifest.json");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\"complete\": false"));
  }

  void restore_spoiltBackup_isRefusedWithNothingSent() {
    Connect();
    dialogs_->fileAnswers = {folder_->path()};
    Action("ActionBackup")->trigger();
    const QString made = folder_->filePath(Backups().first());
    QFile departments(made + "/otd.otd");
    QVERIFY(departments.open(QIODevice::ReadWrite));
    departments.seek(2);
    departments.write("#");
    departments.close();
    const int writes = register_->Counters().writes;
    dialogs_->fileAnswers = {made};
    dialogs_->shown.clear();
    Action("ActionRestore")->trigger();
    QCOMPARE(dialogs_->shown.size(), 1);
    QVERIFY2(dialogs_->shown[0].contains(QString::fromUtf8("Файл otd.otd изменён или повреждён")),
             qPrintable(dialogs_->shown[0]));
    QVERIFY(dialogs_->shown[0].endsWith(QString::fromUtf8("Ничего не записано в ЭККА.")));
    QCOMPARE(register_->Counters().writes, writes);
  }

  // A table file that loads short, under its own digest: the file's own message, in the
  // window's language, on the refusal's one line.
  void restore_tableFileEndingEarly_isRefusedWithTheFilesMessage() {
    Connect();
    dialogs_->fileAnswers = {folder_->path()};
    Action("ActionBackup")->trigger();
    const QString made = folder_->filePath(Backups().first());
    const std::string departments = "1;\r\n2;\r\n3;\r\n";
    QFile file(made + "/otd.otd");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(departments.data(), static_cast<qint64>(departments.size()));
    file.close();
    QFile manifestFile(made + "/manifest.json");
    QVERIFY(manifestFile.open(QIODevice::ReadOnly));
    auto manifest = backup::ParseManifest(manifestFile.readAll().toStdString()).manifest;
    manifestFile.close();
    QVERIFY(manifest);
    for (auto& kind : manifest->kinds) {
      if (kind.file == "otd.otd") kind.sha256 = backup::Sha256(departments);
    }
    QVERIFY(manifestFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    manifestFile.write(QByteArray::fromStdString(backup::ManifestJson(*manifest)));
    manifestFile.close();

    const struct {
      base::Language language;
      const char* box;
    } cases[] = {
        {base::Language::kRussian,
         "box Восстановление ЭККА: Файл otd.otd: Конец файла!   В файле неверное число записей! "
         "(строка 4)\n\nНичего не записано в ЭККА."},
        {base::Language::kUkrainian,
         "box Відновлення ЕККА: Файл otd.otd: Кінець файлу!   У файлі неправильна кількість "
         "записів! (рядок 4)\n\nДо ЕККА нічого не записано."},
    };
    for (const auto& language : cases) {
      QVERIFY(base::ui::UseLanguage(language.language));
      dialogs_->fileAnswers = {made};
      dialogs_->shown.clear();
      Action("ActionRestore")->trigger();
      QVERIFY(base::ui::UseLanguage(base::Language::kRussian));
      QCOMPARE(dialogs_->shown, QStringList{QString::fromUtf8(language.box)});
    }
  }

  void goodsCsv_exportThenImportWithProblems_thenWhole() {
    auto& goods = window_->Workspace().Grid(PageId::kGoods);
    goods.SetRow(3, 1, {"3", base::Cp1251("Хліб"), "12.50", "", "1", "1", "1", "0", "0", ""});
    const QString sheet = folder_->filePath("goods.csv");
    dialogs_->fileAnswers = {folder_->filePath("goods")};  // the extension is added
    Action("ActionCsvExport")->trigger();
    QFile exported(sheet);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QVERIFY(exported.readAll().startsWith("\xEF\xBB\xBF№;Код;Название"));

    QFile bad(folder_->filePath("bad.csv"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("Код;Название;Цена\r\n1;Сир;дорого\r\n2;Масло;x\r\n");
    bad.close();
    dialogs_->fileAnswers = {bad.fileName()};
    dialogs_->shown.clear();
    Action("ActionCsvImport")->trigger();
    QCOMPARE(dialogs_->shown.size(), 1);
    QVERIFY(dialogs_->shown[0].contains(QString::fromUtf8("ошибок: 2. Товары не загружены.")));
    QVERIFY(dialogs_->shown[0].contains(QString::fromUtf8("строка 3, столбец 3 (Цена)")));
    QCOMPARE(goods.Cell(2, 3), base::Cp1251("Хліб"));

    QFile good(folder_->filePath("good.csv"));
    QVERIFY(good.open(QIODevice::WriteOnly));
    good.write("Код;Название;Цена\r\n1;Сир;99,9\r\n");
    good.close();
    dialogs_->fileAnswers = {good.fileName()};
    dialogs_->boxAnswers = {BoxAnswer::kYes};
    dialogs_->shown.clear();
    Action("ActionCsvImport")->trigger();
    QCOMPARE(dialogs_->shown,
             (QStringList{QString::fromUtf8("box Импорт товаров из CSV: Товары на странице будут "
                                            "заменены товарами из файла (1). Продолжить ?"),
                          QString::fromUtf8("box Импорт товаров из CSV: Загружено товаров: 1.")}));
    QCOMPARE(base::Cp1251ToUtf8(goods.Cell(2, 1)), std::string("Сир"));
    QCOMPARE(goods.Cell(3, 1), std::string("99.90"));
    QCOMPARE(goods.Cell(2, 3), std::string());
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  app::ui::UseProgramFont();
  BackupCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "backup_commands_test.moc"
