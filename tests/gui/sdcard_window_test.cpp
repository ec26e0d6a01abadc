// The SD-card sales window on screen and the goods export command: loading a card folder
// into the grid, the messages, the save dialog and the file it writes, closing and
// reopening, and the resize rules.
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

#include "base/cp1251.h"
#include "base/ui/layout_scale.h"
#include "base/ui/qt_text.h"
#include "reports/ui/reports_page.h"
#include "scripted_dialogs.h"
#include "sdcard/ui/goods_export_command.h"
#include "sdcard/ui/sales_window.h"
#include "tables/ui/string_grid.h"
#include "tables/workspace.h"

using namespace kvitmark;
using base::Cp1251;
using sdcard::ui::TForm4;
using testing::ScriptedDialogs;

namespace {

constexpr int kRows = 14000;

const QString kEndOfFile = QString::fromUtf8(
    "box Незапланированный конец файла: Конец файла! \n В файле неверное число записей!");

std::string UploadLines(int count) {
  std::string text;
  for (int n = 1; n <= count; ++n) {
    const std::string k = std::to_string(n);
    const std::string name = n == 1 ? Cp1251("Хлеб") + "\x96" + Cp1251("белый") : "Name" + k;
    text += "17;" + k + ";" + name + ";5.50;0.000;1;1;1;1;0;77" + k + ";\r\n";
  }
  return text;
}

std::string SalesLines(int count) {
  std::string text;
  for (int n = 1; n <= count; ++n) text += "1;0;" + std::to_string(n) + ";66.00;1;5.50;0.00\r\n";
  return text;
}

void WriteFile(const QString& path, const std::string& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class SdCardWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<TForm4> window_;

  template <typename T = QWidget>
  T* Find(const char* name) {
    auto* control = window_->findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
  QString Path(const char* name) const { return folder_->filePath(QString::fromLatin1(name)); }
  // Grid row and column as the window numbers them: row 1 is the first data row.
  QString Shown(int row, int column) {
    auto* model = window_->Grid()->model();
    return model->data(model->index(row - 1, column - 1)).toString();
  }
  void SetFolderField(const QString& text) {
    Find<reports::ui::DirectoryEdit>("DirectoryEdit1")->SetText(text);
  }
  void WriteCard(int uploadLines, int salesLines) {
    WriteFile(Path("upload.art"), UploadLines(uploadLines));
    WriteFile(Path("sales.art"), SalesLines(salesLines));
  }

 private slots:
  void init() {
    dialogs_ = std::make_unique<ScriptedDialogs>();
    folder_ = std::make_unique<QTemporaryDir>();
    window_ = std::make_unique<TForm4>(*dialogs_, folder_->path());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void opening_showsHeadersRowNumbersAndTheStartFolder() {
    QCOMPARE(window_->objectName(), QString("TForm4"));
    QCOMPARE(window_->windowTitle(), QString::fromUtf8("База продаж SD-карты"));
    QCOMPARE(window_->size(), QSize(924, 706));
    QCOMPARE(Find("StringGrid1")->pos(), QPoint(8, 4));
    QCOMPARE(Find("ProgressBar1")->geometry(), QRect(8, 616, 897, 17));
    QCOMPARE(Find("Button1")->geometry(), QRect(464, 640, 177, 25));
    QCOMPARE(Find("Button3")->geometry(), QRect(648, 640, 177, 25));
    QCOMPARE(Find("Button2")->geometry(), QRect(832, 640, 75, 25));
    QCOMPARE(Find<QPushButton>("Button1")->text(),
             QString::fromUtf8("Загрузить продажи с SD карты"));
    QCOMPARE(Find<QPushButton>("Button3")->text(), QString::fromUtf8("Сохранить продажи в файл"));
    QCOMPARE(Find<QPushButton>("Button2")->text(), QString::fromUtf8("Закрыть"));
    QCOMPARE(Find<QLabel>("Label1")->text(), QString::fromUtf8("Выбрать местонахождение файлов:"));
    QCOMPARE(Find("DirectoryEdit1")->geometry(), QRect(280, 642, 177, 21));

    auto* model = window_->Grid()->model();
    QCOMPARE(model->rowCount(), kRows);
    QCOMPARE(model->columnCount(), 16);
    QCOMPARE(window_->Grid()->Model()->CornerText(), QString::fromUtf8("Ряд"));
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Код"));
    QCOMPARE(model->headerData(9, Qt::Horizontal).toString(), QString::fromUtf8("Штрих-код"));
    QCOMPARE(model->headerData(10, Qt::Horizontal).toString(), QString::fromUtf8("Прз"));
    QCOMPARE(model->headerData(15, Qt::Horizontal).toString(), QString::fromUtf8("Скидки"));
    QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QString("1"));
    QCOMPARE(model->headerData(kRows - 1, Qt::Vertical).toString(), QString("14000"));
    QCOMPARE(window_->Folder()->Text(), folder_->path());
  }

  void load_fullCard_fillsTheGridQuietlyAndResetsTheProgressBar() {
    WriteCard(kRows, kRows);
    SetFolderField(folder_->path());
    Click("Button1");
    QCOMPARE(dialogs_->shown, QStringList());
    QCOMPARE(Shown(1, 1), QString("1"));
    QCOMPARE(Shown(1, 2), QString::fromUtf8("Хлеб белый"));
    QCOMPARE(Shown(1, 10), QString("771"));
    QCOMPARE(Shown(1, 11), QString("0"));
    QCOMPARE(Shown(1, 13), QString("66.00"));
    QCOMPARE(Shown(1, 16), QString("0.00"));
    QCOMPARE(Shown(kRows, 2), QString("Name14000"));
    QCOMPARE(Shown(kRows, 12), QString("14000"));
    QCOMPARE(window_->Progress()->maximum(), kRows);
    QCOMPARE(window_->Progress()->value(), 0);
  }

  void load_namesInCapitalsAndFolderWithSeparator_loadsToo() {
    WriteFile(Path("UPLOAD.ART"), UploadLines(kRows));
    WriteFile(Path("SALES.ART"), SalesLines(kRows));
    SetFolderField(folder_->path() + "/");
    Click("Button1");
    QCOMPARE(dialogs_->shown, QStringList());
    QCOMPARE(Shown(kRows, 1), QString("14000"));
  }

  void load_uploadOneLineShort_showsTheRowsReadAndTheEndOfFileMessage() {
    WriteCard(kRows - 1, kRows);
    SetFolderField(folder_->path());
    Click("Button1");
    QCOMPARE(dialogs_->shown, QStringList{kEndOfFile});
    QCOMPARE(Shown(kRows - 1, 2), QString("Name13999"));
    QCOMPARE(Shown(kRows, 2), QString());
    QCOMPARE(Shown(1, 12), QString());
  }

  void load_missingSales_namesTheFileAndChangesNothing() {
    WriteFile(Path("upload.art"), UploadLines(kRows));
    SetFolderField(folder_->path());
    Click("Button1");
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8("box Файл отсутствует или неверный формат: "
                                           "Ошибка открытия файла sales.art")});
    QCOMPARE(Shown(1, 1), QString());
  }

  void load_emptyFolderField_saysSoAndReadsNothing() {
    WriteCard(kRows, kRows);
    SetFolderField(QString());
    Click("Button1");
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8(
                 "box Папка не выбрана: Выберите папку с файлами upload.art и sales.art")});
    QCOMPARE(Shown(1, 1), QString());
  }

  void save_askedForAFile_writesTheGridAsEditedWithTheSuffixAdded() {
    WriteCard(kRows, kRows);
    SetFolderField(folder_->path());
    Click("Button1");
    auto* model = window_->Grid()->model();
    QVERIFY(model->setData(model->index(1, 2), QString::fromUtf8("Цена 2"), Qt::EditRole));
    dialogs_->fileAnswers << Path("sold");
    Click("Button3");

    QCOMPARE(dialogs_->fileDialogs.size(), 1);
    const auto& dialog = dialogs_->fileDialogs.first();
    QCOMPARE(dialog.title, QString::fromUtf8("Сохранить файл артикулов"));
    QCOMPARE(dialog.proposedOrSuffix, QString("art"));
    QCOMPARE(dialog.folder, folder_->path());
    QVERIFY(dialog.filter.contains("*.art"));
    QCOMPARE(dialogs_->shown, QStringList());

    const QByteArray bytes = FileBytes(Path("sold.art"));
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), kRows + 1);  // the last line end leaves an empty piece
    QCOMPARE(lines[0], QByteArray(Cp1251("1;Хлеб белый;5.50;0.000;1;1;1;1;0;771;0;1;66.00;1;"
                                         "5.50;0.00;\r")
                                      .c_str()));
    QCOMPARE(lines[1], QByteArray(Cp1251("2;Name2;Цена 2;0.000;1;1;1;1;0;772;0;2;66.00;1;5.50;"
                                         "0.00;\r")
                                      .c_str()));
    QCOMPARE(window_->Progress()->value(), 0);
  }

  void save_rightAfterOpening_writesEmptyLines() {
    dialogs_->fileAnswers << Path("empty.art");
    Click("Button3");
    QByteArray expected;
    for (int row = 0; row < kRows; ++row) expected += QByteArray(16, ';') + "\r\n";
    QCOMPARE(FileBytes(Path("empty.art")), expected);
  }

  void save_cancelled_writesNothing() {
    Click("Button3");
    QCOMPARE(dialogs_->fileDialogs.size(), 1);
    QCOMPARE(dialogs_->shown, QStringList());
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList());
  }

  void save_intoAFolderThatIsNotThere_saysTheFileCannotBeOpened() {
    dialogs_->fileAnswers << Path("none/sold.art");
    Click("Button3");
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8("box Ошибка работы с файлом: Ошибка открытия файла")});
  }

  void close_hidesTheWindowAndReopeningKeepsTheTable() {
    WriteCard(kRows, kRows);
    SetFolderField(folder_->path());
    Click("Button1");
    SetFolderField(QString::fromUtf8("/где-то"));
    Click("Button2");
    QVERIFY(!window_->isVisible());
    window_->show();
    QVERIFY(window_->isVisible());
    QCOMPARE(Shown(kRows, 2), QString("Name14000"));
    QCOMPARE(window_->Grid()->model()->headerData(kRows - 1, Qt::Vertical).toString(),
             QString("14000"));
    QCOMPARE(window_->Folder()->Text(), folder_->path());
  }

  void resizeRules_gridAndColumnsFollowTheWidthAndSmallSizesAreCorrected() {
    auto columnWidths = [this] { return window_->Grid()->ColumnWidths(); };
    window_->RequestSize(1200, 800);
    QCOMPARE(window_->size(), QSize(1200, 800));
    const int grid = 1200 * 577 / 601;
    QCOMPARE(window_->Grid()->width(), grid);
    QCOMPARE(window_->Grid()->height(), 605);
    QCOMPARE(columnWidths()[2], grid * 135 / 899);
    QCOMPARE(columnWidths()[16], grid * 55 / 899);
    QCOMPARE(Find("Button1")->pos(), QPoint(464, 640));

    // From a wide window any size is taken as asked, however small.
    window_->RequestSize(700, 300);
    QCOMPARE(window_->size(), QSize(700, 300));
    QCOMPARE(window_->Grid()->width(), 700 * 577 / 601);
    // From a narrow, low one the next size is widened and raised.
    window_->RequestSize(1000, 350);
    QCOMPARE(window_->size(), QSize(931, 380));
    QCOMPARE(window_->Grid()->width(), 931 * 577 / 601);
    QCOMPARE(columnWidths()[1], (931 * 577 / 601) * 46 / 899);
  }

  void exportGoods_proposesGoodbaseAndWritesTheNamesWithSubstitutes() {
    tables::Workspace workspace;
    tables::PrepareGrids(workspace);
    workspace.Grid(tables::PageId::kGoods).SetCell(2, 1, Cp1251("Хлеб белый"));
    QProgressBar progress;
    dialogs_->fileAnswers << Path("card");
    QVERIFY(sdcard::ui::ExportGoodsForSdCard(window_.get(), *dialogs_, workspace, folder_->path(),
                                             &progress));
    const auto& dialog = dialogs_->fileDialogs.first();
    QCOMPARE(dialog.title, QString::fromUtf8("Сохранить файл артикулов на SD-диск"));
    QCOMPARE(dialog.folder, folder_->filePath("goodbase.art"));
    QCOMPARE(dialog.proposedOrSuffix, QString("art"));
    QVERIFY(dialog.filter.contains("*.art"));
    QCOMPARE(dialogs_->shown, QStringList());
    const QByteArray bytes = FileBytes(Path("card.art"));
    QCOMPARE(bytes.count('\n'), kRows);
    QVERIFY(bytes.startsWith(QByteArray(";") + Cp1251("Хлеб").c_str() + "\x96" +
                             Cp1251("белый").c_str() + ";;;;;;;;;\r\n"));
    QCOMPARE(workspace.Grid(tables::PageId::kGoods).Cell(2, 1),
             Cp1251("Хлеб") + "\x96" + Cp1251("белый"));
    QCOMPARE(progress.value(), 0);
  }

  void exportGoods_cancelledOrFailed_changesNoName() {
    tables::Workspace workspace;
    workspace.Grid(tables::PageId::kGoods).SetCell(2, 1, "a b");
    QVERIFY(
        !sdcard::ui::ExportGoodsForSdCard(window_.get(), *dialogs_, workspace, folder_->path()));
    dialogs_->fileAnswers << Path("none/card.art");
    QVERIFY(
        !sdcard::ui::ExportGoodsForSdCard(window_.get(), *dialogs_, workspace, folder_->path()));
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8("box Ошибка работы с файлом: Ошибка открытия файла")});
    QCOMPARE(workspace.Grid(tables::PageId::kGoods).Cell(2, 1), std::string("a b"));
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList());
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // These tests check the design's own pixels.
  kvitmark::base::ui::FixScaleForTests(1.0);
  SdCardWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "sdcard_window_test.moc"
