// The logo page against a simulated register: BMP files of every depth in and out, the
// save name rule, refused files, reading and writing table 136, and the stretch box.
#include "logo/ui/logo_page.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "base/clock.h"
#include "base/cp1251.h"
#include "link/register_link.h"
#include "logo/row_codec.h"
#include "logo/ui/logo_conversion.h"
#include "logo/ui/logo_preview_dialog.h"
#include "logo/ui/qimage_picture.h"
#include "picture_files.h"
#include "scripted_dialogs.h"
#include "shown_observer.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "tables/operations.h"
#include "tables/workspace.h"

using namespace kvitmark;
using testing::ScriptedDialogs;
using testing::ShownObserver;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// Which pixels of the test pictures are dark: a frame, stripes and a diagonal, so that
// every byte position of a row sees both colours somewhere.
bool Dark(int x, int y) {
  return x == 0 || y == 0 || x == y || (x / 3 + y / 5) % 4 == 0 || (x * y) % 17 == 3;
}

QImage Indexed(QList<QRgb> palette, int darkIndex, int lightIndex, int otherIndex) {
  QImage image(192, 200, QImage::Format_Indexed8);
  image.setColorTable(palette);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 192; ++x) {
      const int index = Dark(x, y) ? darkIndex : (x + y) % 7 == 0 ? otherIndex : lightIndex;
      image.setPixel(x, y, static_cast<uint>(index));
    }
  }
  return image;
}

// A source picture for each depth. Palettes keep black away from index 0, and hold other
// colours whose red decides the dot by its lowest bit.
QImage Source(int depth) {
  switch (depth) {
    case 1: {
      QImage image(192, 200, QImage::Format_Mono);
      image.setColorTable({kWhite, kBlack});
      for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 192; ++x) image.setPixel(x, y, Dark(x, y) ? 1 : 0);
      }
      return image;
    }
    case 4: {
      QList<QRgb> palette;
      for (int i = 0; i < 16; ++i) palette << qRgb(i * 16 + 1, 40, 200);
      palette[9] = kBlack;
      palette[3] = kWhite;
      palette[12] = qRgb(140, 10, 10);  // even red: printed
      return Indexed(palette, 9, 3, 12);
    }
    case 8: {
      QList<QRgb> palette;
      for (int i = 0; i < 256; ++i) palette << qRgb(i | 1, i, 255 - i);
      palette[200] = kBlack;
      palette[17] = kWhite;
      palette[90] = qRgb(90, 90, 90);  // even red: printed
      return Indexed(palette, 200, 17, 90);
    }
    default: {
      QImage image(192, 200, QImage::Format_RGB32);
      for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 192; ++x) {
          image.setPixel(x, y,
                         Dark(x, y)         ? qRgb(0, 0, 0)
                         : (x + y) % 7 == 0 ? qRgb(200, 30, 99)  // printed
                         : (x + y) % 5 == 0 ? qRgb(31, 250, 1)   // not printed
                                            : kWhite);
        }
      }
      return image;
    }
  }
}

void PutLe(QByteArray& bytes, quint32 value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Qt writes no 32-bit BMP, so this one is put together by hand: BGRA rows bottom-up.
QByteArray Bmp32(const QImage& image) {
  QByteArray bytes("BM");
  const quint32 pixelBytes = image.width() * image.height() * 4;
  PutLe(bytes, 54 + pixelBytes, 4);
  PutLe(bytes, 0, 4);
  PutLe(bytes, 54, 4);
  PutLe(bytes, 40, 4);
  PutLe(bytes, image.width(), 4);
  PutLe(bytes, image.height(), 4);
  PutLe(bytes, 1, 2);
  PutLe(bytes, 32, 2);
  for (int i = 0; i < 6; ++i) PutLe(bytes, i == 1 ? pixelBytes : 0, 4);
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      bytes.append(static_cast<char>(qBlue(pixel)));
      bytes.append(static_cast<char>(qGreen(pixel)));
      bytes.append(static_cast<char>(qRed(pixel)));
      bytes.append('\xFF');
    }
  }
  return bytes;
}

int BitsPerPixelOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray head = file.read(30);
  if (head.size() < 30 || !head.startsWith("BM")) return -1;
  return static_cast<uchar>(head[28]) | static_cast<uchar>(head[29]) << 8;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes the picture as a BMP file of the given depth, outside the code under test.
bool WriteBmp(const QImage& image, int depth, const QString& path) {
  if (depth == 32) return WriteFile(path, Bmp32(image));
  return image.save(path, "BMP") && BitsPerPixelOf(path) == depth;
}

QStringList Rows(QImage image) {
  logo::ui::QImagePicture picture(image);
  QStringList rows;
  for (int y = 0; y < 200; ++y) rows << QString::fromStdString(logo::EncodeRow(picture, y));
  return rows;
}

const QString kFilter = "BMP files (*.BMP) (*.bmp *.BMP);;All files (*.*) (*)";

}  // namespace

class LogoPageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<base::VirtualClock> clock_;
  std::unique_ptr<sim::SimRegister> register_;
  std::unique_ptr<sim::MemoryWire> wire_;
  link::UnchangedPriority priority_;
  std::unique_ptr<link::RegisterLink> link_;
  std::unique_ptr<tables::Workspace> workspace_;
  std::unique_ptr<ShownObserver> observer_;
  std::unique_ptr<tables::TableSession> session_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<logo::ui::LogoPage> page_;
  int loadedChanges_ = 0;
  int previews_ = 0;
  logo::ui::LogoPageContext context_;

  QString Path(const QString& name) const { return folder_->filePath(name); }

  QStringList RegisterRows() const {
    QStringList rows;
    for (const auto& record : register_->Tables()[logo::kLogoTable].records) {
      rows << QString::fromStdString(record);
    }
    return rows;
  }

  // Loads the file through the button; the preview is given to `answer` (accepted as it
  // opens unless told otherwise) and left out of what the tests see shown.
  void Load(const QString& path,
            std::function<void(logo::ui::LogoPreviewDialog&)> answer = AcceptPreview) {
    dialogs_->fileAnswers << path;
    dialogs_->modalAnswers.push_back([this, answer](QWidget& window) {
      ++previews_;
      answer(dynamic_cast<logo::ui::LogoPreviewDialog&>(window));
    });
    page_->LoadButton()->click();
    dialogs_->modalAnswers.clear();
    dialogs_->shown.removeAll("modal LogoPreview");
  }

  static void AcceptPreview(logo::ui::LogoPreviewDialog& preview) { preview.OkButton()->click(); }

  void LoadDepth(int depth) {
    const QString path = Path(QString("source%1.bmp").arg(depth));
    QVERIFY(WriteBmp(Source(depth), depth, path));
    Load(path);
    QVERIFY(dialogs_->shown.isEmpty());
    QVERIFY(!page_->Picture().isNull());
  }

  void Save(const QString& chosen) {
    dialogs_->fileAnswers << chosen;
    page_->SaveButton()->click();
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    clock_ = std::make_unique<base::VirtualClock>();
    register_ = std::make_unique<sim::SimRegister>(1, sim::FactoryTables());
    wire_ = std::make_unique<sim::MemoryWire>(*register_, *clock_);
    link_ = std::make_unique<link::RegisterLink>(wire_->Factory(), *clock_, priority_);
    workspace_ = std::make_unique<tables::Workspace>();
    observer_ = std::make_unique<ShownObserver>();
    session_ =
        std::make_unique<tables::TableSession>(tables::TableSession{*link_, *clock_, *workspace_});
    QVERIFY(link_->OpenPort(1, 115200) >= 0);
    QCOMPARE(link_->CheckPresence(1), 1);
    session_->connectedRegister = 1;
    dialogs_ = std::make_unique<ScriptedDialogs>();
    page_ = std::make_unique<logo::ui::LogoPage>();
    loadedChanges_ = 0;
    previews_ = 0;
    logo::ui::LogoPageContext context;
    context.session = session_.get();
    context.observer = observer_.get();
    context.dialogs = dialogs_.get();
    context.dialogParent = page_.get();
    context.folder = folder_->path().toStdString();
    // As the window does: saving and writing follow Loaded().
    context.onLoadedChanged = [this] {
      ++loadedChanges_;
      page_->SaveButton()->setEnabled(page_->Loaded());
      page_->WriteButton()->setEnabled(page_->Loaded());
    };
    page_->Attach(context);
    context_ = context;
    page_->show();
  }

  void cleanup() {
    page_.reset();
    session_.reset();
    link_.reset();
  }

  void load_data() {
    QTest::addColumn<int>("depth");
    for (int depth : {1, 4, 8, 24, 32}) QTest::addRow("%d bpp", depth) << depth;
  }

  void load() {
    QFETCH(int, depth);
    const QString path = Path("logo.bmp");
    QVERIFY(WriteBmp(Source(depth), depth, path));
    Load(path);
    QVERIFY(dialogs_->shown.isEmpty());
    QCOMPARE(page_->Picture().size(), QSize(192, 200));
    QCOMPARE(page_->BitsPerPixel(), depth);
    QCOMPARE(Rows(page_->Picture()), Rows(Source(depth)));
    QVERIFY(page_->Loaded());
    QCOMPARE(loadedChanges_, 1);
    QCOMPARE(dialogs_->fileDialogs.size(), 1);
    QCOMPARE(dialogs_->fileDialogs[0].title, QString::fromUtf8("Загрузка логотипа из BMP-файла"));
    // Every picture first, then the BMP files and all files as before.
    const QString filter = dialogs_->fileDialogs[0].filter;
    QVERIFY2(filter.startsWith(QString::fromUtf8("Рисунки (*.bmp *.png *.jpg *.jpeg *.gif")),
             qPrintable(filter));
    QVERIFY(filter.endsWith(";;" + kFilter));
    QCOMPARE(dialogs_->fileDialogs[0].folder, folder_->path());
  }

  // A photograph larger than the logo: made smaller and dithered in the preview, it is what
  // the page shows, saves and sends, one bit a dot.
  void loadPicture_previewAccepted_thePageHoldsTheDotsItShowed() {
    QImage photo(960, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 960; ++x) photo.setPixel(x, y, qRgb(x * 255 / 960, y * 255 / 600, 90));
    }
    QVERIFY(testing::SaveBytes(Path("photo.jpg"), testing::Encoded(photo, "JPEG")));
    QImage shown;
    Load(Path("photo.jpg"), [&shown](logo::ui::LogoPreviewDialog& preview) {
      preview.MethodBox()->setCurrentIndex(2);
      shown = logo::ui::OneBitImage(preview.Dots());
      AcceptPreview(preview);
    });
    QCOMPARE(previews_, 1);
    QVERIFY(dialogs_->shown.isEmpty());
    QCOMPARE(page_->Picture().size(), QSize(192, 120));
    QCOMPARE(page_->BitsPerPixel(), 1);
    QCOMPARE(Rows(page_->Picture()), Rows(shown));
    QVERIFY(page_->Loaded());

    page_->WriteButton()->click();
    QCOMPARE(register_->Counters().writes, 120);
    QCOMPARE(RegisterRows().mid(0, 120), Rows(shown).mid(0, 120));
    Save(Path("photo"));
    QCOMPARE(BitsPerPixelOf(Path("photo.BMP")), 1);
    QCOMPARE(QImage(Path("photo.BMP")).size(), QSize(192, 120));
  }

  void previewCancelled_changesNothing() {
    LoadDepth(4);
    const QImage before = page_->Picture();
    QVERIFY(testing::SaveBytes(Path("other.png"), testing::Encoded(Source(24), "PNG")));
    Load(Path("other.png"),
         [](logo::ui::LogoPreviewDialog& preview) { preview.CancelButton()->click(); });
    QCOMPARE(previews_, 2);
    QCOMPARE(page_->Picture(), before);
    QCOMPARE(page_->BitsPerPixel(), 4);
    QCOMPARE(loadedChanges_, 1);
  }

  void loadCancelled_changesNothing() {
    page_->LoadButton()->click();
    QCOMPARE(dialogs_->fileDialogs.size(), 1);
    QVERIFY(page_->Picture().isNull());
    QVERIFY(!page_->Loaded());
    QCOMPARE(loadedChanges_, 0);
    QVERIFY(dialogs_->shown.isEmpty());
  }

  // Reading paints black and white into the loaded picture through its own palette, and the
  // picture saves at the depth it came with.
  void readIntoLoadedPicture_data() { load_data(); }

  void readIntoLoadedPicture() {
    QFETCH(int, depth);
    LoadDepth(depth);
    const QImage::Format format = page_->Picture().format();
    const int colours = page_->Picture().colorCount();
    page_->ReadButton()->click();
    QCOMPARE(observer_->shown, QStringList{QString::fromUtf8("message: Успешно!")});
    QCOMPARE(Rows(page_->Picture()), RegisterRows());
    QCOMPARE(page_->Picture().format(), format);
    QCOMPARE(page_->Picture().colorCount(), colours);
    QCOMPARE(loadedChanges_, 2);

    Save(Path("read.bmp"));
    QVERIFY(dialogs_->shown.isEmpty());
    QCOMPARE(BitsPerPixelOf(Path("read.bmp")), depth);
    QCOMPARE(Rows(QImage(Path("read.bmp"))), RegisterRows());
  }

  // Palettes without room for the colour a read paints.
  void readIntoPaletteWithoutTheColours_data() {
    QTest::addColumn<QImage>("source");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("savedDepth");
    QList<QRgb> fifteen;
    for (int i = 0; i < 15; ++i) fifteen << qRgb(i * 16 + 1, 0, 0);
    QList<QRgb> sixteen = fifteen;
    sixteen << qRgb(3, 3, 3);
    QTest::newRow("4 bpp, full palette") << Indexed(sixteen, 0, 1, 2) << 4 << 8;
    fifteen[5] = kBlack;
    QTest::newRow("4 bpp, room for white") << Indexed(fifteen, 5, 1, 2) << 4 << 4;
    QList<QRgb> full;
    for (int i = 0; i < 256; ++i) full << qRgb(i == 0 || i == 255 ? 7 : i, 1, 1);
    QTest::newRow("8 bpp, full palette") << Indexed(full, 0, 1, 2) << 8 << 24;
    QImage twoColours(192, 200, QImage::Format_Mono);
    twoColours.setColorTable({qRgb(200, 0, 0), qRgb(0, 0, 200)});
    twoColours.fill(1);
    QTest::newRow("1 bpp, red and blue") << twoColours << 1 << 8;
  }

  void readIntoPaletteWithoutTheColours() {
    QFETCH(QImage, source);
    QFETCH(int, depth);
    QVERIFY(WriteBmp(source, depth, Path("odd.bmp")));
    Load(Path("odd.bmp"));
    QCOMPARE(page_->BitsPerPixel(), depth);
    page_->ReadButton()->click();
    QCOMPARE(Rows(page_->Picture()), RegisterRows());
    for (int y = 0; y < 200; ++y) {
      for (int x = 0; x < 192; ++x) {
        const QRgb pixel = page_->Picture().pixel(x, y);
        QVERIFY(pixel == kBlack || pixel == kWhite);
      }
    }
    Save(Path("saved.bmp"));
    QTEST(BitsPerPixelOf(Path("saved.bmp")), "savedDepth");
    QCOMPARE(Rows(QImage(Path("saved.bmp"))), RegisterRows());
  }

  void readWithoutPicture_makesALogoSizedOneAndMarksItLoaded() {
    page_->ReadButton()->click();
    QCOMPARE(page_->Picture().size(), QSize(192, 200));
    QCOMPARE(Rows(page_->Picture()), RegisterRows());
    QVERIFY(page_->Loaded());
    QCOMPARE(loadedChanges_, 1);
    QCOMPARE(observer_->shown, QStringList{QString::fromUtf8("message: Успешно!")});
  }

  void readFailing_stillMarksTheRowsReadAsLoaded() {
    register_->Tables()[logo::kLogoTable].records.resize(36);
    page_->ReadButton()->click();
    QCOMPARE(
        observer_->shown,
        QStringList{QString::fromUtf8("message: Ошибка чтения логотипа! Чтение остановлено.")});
    QVERIFY(page_->Loaded());
    QCOMPARE(loadedChanges_, 1);
    QCOMPARE(Rows(page_->Picture()).mid(0, 36), RegisterRows());
  }

  void write_sendsThePictureToTheConnectedRegister() {
    LoadDepth(8);
    page_->WriteButton()->click();
    QCOMPARE(observer_->shown, QStringList{QString::fromUtf8("message: Успешно!")});
    QCOMPARE(RegisterRows(), Rows(Source(8)));
    QCOMPARE(register_->Counters().writes, 200);
  }

  void saveName_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "logo"
                                  << "logo.BMP";
    QTest::newRow("another extension") << "logo.png"
                                       << "logo.BMP";
    QTest::newRow(".bmp") << "logo.bmp"
                          << "logo.bmp";
    QTest::newRow(".Bmp") << "logo.Bmp"
                          << "logo.Bmp";
    QTest::newRow(".BMP") << "logo.BMP"
                          << "logo.BMP";
    QTest::newRow("trailing dot") << "logo."
                                  << "logo.BMP";
    QTest::newRow("two extensions") << "logo.bmp.png"
                                    << "logo.bmp.BMP";
    QTest::newRow("dot in the folder only") << "my.logos/logo"
                                            << "my.logos/logo.BMP";
  }

  void saveName() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    LoadDepth(4);
    QDir saves(Path("saves"));
    QVERIFY(saves.mkpath("my.logos"));
    Save(saves.filePath(chosen));
    QVERIFY(dialogs_->shown.isEmpty());
    QCOMPARE(dialogs_->fileDialogs.size(), 2);
    QCOMPARE(dialogs_->fileDialogs[1].title, QString::fromUtf8("Сохранение логотипа в BMP-файл"));
    QCOMPARE(dialogs_->fileDialogs[1].filter, kFilter);
    QCOMPARE(dialogs_->fileDialogs[1].folder, folder_->path());
    const QString dir = QFileInfo(saves.filePath(written)).path();
    QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QFileInfo(written).fileName()});
    QCOMPARE(BitsPerPixelOf(saves.filePath(written)), 4);
    QCOMPARE(Rows(QImage(saves.filePath(written))), Rows(Source(4)));
  }

  void save_replacesAnExistingFileWithoutAsking() {
    LoadDepth(24);
    QVERIFY(WriteFile(Path("old.BMP"), "not a picture"));
    Save(Path("old"));
    QVERIFY(dialogs_->shown.isEmpty());
    QCOMPARE(BitsPerPixelOf(Path("old.BMP")), 24);
    QCOMPARE(Rows(QImage(Path("old.BMP"))), Rows(Source(24)));
  }

  void saveCancelled_writesNothing() {
    LoadDepth(1);
    page_->SaveButton()->click();
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"source1.bmp"});
  }

  void saveRefused_saysWhyInRussianWithThePath_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing folder") << "no/such/folder/logo"
                                    << QString::fromUtf8(
                                           "Не удалось создать файл «%1.BMP»: нет "
                                           "такого файла или папки");
    QTest::newRow("full disk") << "full"
                               << QString::fromUtf8(
                                      "Не удалось записать файл «%1.BMP»: "
                                      "нет места на диске");
  }

  void saveRefused_saysWhyInRussianWithThePath() {
    QFETCH(QString, chosen);
    QFETCH(QString, why);
    QVERIFY(QFile::link("/dev/full", Path("full.BMP")));
    LoadDepth(1);
    Save(Path(chosen));
    QCOMPARE(dialogs_->shown,
             QStringList{QString::fromUtf8("box Ошибка: ") + why.arg(Path(chosen))});
    QVERIFY(QFileInfo(Path("full.BMP")).isSymLink());
  }

  void loadRefused_data() {
    QTest::addColumn<QByteArray>("contents");  // empty: no file at all
    QImage small(10, 10, QImage::Format_RGB32);
    small.fill(Qt::black);
    QByteArray png;
    QBuffer pngBuffer(&png);
    QVERIFY(pngBuffer.open(QIODevice::WriteOnly));
    QVERIFY(small.save(&pngBuffer, "PNG"));
    QByteArray bmp;
    QBuffer bmpBuffer(&bmp);
    QVERIFY(bmpBuffer.open(QIODevice::WriteOnly));
    QVERIFY(Source(24).save(&bmpBuffer, "BMP"));
    QByteArray badDepth = bmp;
    badDepth[28] = 7;
    QByteArray huge = bmp.left(54);
    for (int at : {18, 22}) huge.replace(at, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));
    QTest::newRow("BMP claiming 2^31 - 1 square pixels") << huge;
    QTest::newRow("PNG cut short") << png.left(png.size() / 2);
    QTest::newRow("text") << QByteArray("1;2;3;\r\n");
    QTest::newRow("BMP cut short") << bmp.left(bmp.size() / 2);
    QTest::newRow("BMP header only") << bmp.left(20);
    QTest::newRow("BMP of 7 bits per pixel") << badDepth;
    QTest::newRow("missing file") << QByteArray();
  }

  void loadRefused() {
    QFETCH(QByteArray, contents);
    LoadDepth(8);
    const QImage before = page_->Picture();
    const QString path = Path("bad.bmp");
    if (!contents.isEmpty()) QVERIFY(WriteFile(path, contents));
    Load(path);
    QCOMPARE(dialogs_->shown.size(), 1);
    QVERIFY(dialogs_->shown[0].startsWith(QString::fromUtf8("box Ошибка: ")));
    QVERIFY(dialogs_->shown[0].contains(path));
    if (contents.isEmpty()) {
      QVERIFY(dialogs_->shown[0].endsWith(QString::fromUtf8("»: нет такого файла или папки")));
    }
    QCOMPARE(page_->Picture(), before);
    QCOMPARE(page_->BitsPerPixel(), 8);
    QCOMPARE(loadedChanges_, 1);
    QCOMPARE(previews_, 1);
  }

  void stretch_changesTheViewNotThePicture() {
    QImage wide = Source(24).copy(0, 0, 150, 120).scaled(300, 240);
    QVERIFY(WriteBmp(wide, 24, Path("wide.bmp")));
    // Larger than the logo, it is taken as it stands only when asked.
    Load(Path("wide.bmp"), [](logo::ui::LogoPreviewDialog& preview) {
      preview.SetChoice({.asItStands = true, .tone = {}});
      AcceptPreview(preview);
    });
    const QImage before = page_->Picture();
    QCOMPARE(page_->Image()->size(), QSize(192, 200));

    page_->StretchBox()->setChecked(true);
    QVERIFY(page_->Image()->hasScaledContents());
    QCOMPARE(page_->Picture(), before);

    page_->StretchBox()->setChecked(false);
    QVERIFY(!page_->Image()->hasScaledContents());
    QCOMPARE(page_->Image()->pixmap().size(), QSize(300, 240));
    QCOMPARE(page_->Picture(), before);
    QCOMPARE(Rows(page_->Picture()), Rows(wide));
  }

  void commands_leaveSaveAndWriteEnablingToTheWindow() {
    logo::ui::LogoPageContext context = context_;
    context.onLoadedChanged = [this] { ++loadedChanges_; };
    page_->Attach(context);
    page_->SaveButton()->setEnabled(false);
    page_->WriteButton()->setEnabled(true);
    LoadDepth(1);
    page_->ReadButton()->click();
    QVERIFY(!page_->SaveButton()->isEnabled());
    QVERIFY(page_->WriteButton()->isEnabled());
    page_->SetLoaded(false);
    QVERIFY(!page_->Loaded());
    QCOMPARE(loadedChanges_, 2);
  }

  void controls_keepTheirNamesAndPlaces() {
    QCOMPARE(page_->findChild<QWidget*>("Panel1")->geometry(), QRect(0, 5, 209, 215));
    QCOMPARE(page_->findChild<QLabel*>("Image1")->geometry(), QRect(9, 6, 192, 200));
    QCOMPARE(page_->findChild<QCheckBox*>("CheckBox2")->geometry(), QRect(272, 16, 281, 17));
    QCOMPARE(page_->findChild<QPushButton*>("Button7")->geometry(), QRect(264, 56, 169, 25));
    QCOMPARE(page_->findChild<QPushButton*>("Button11")->geometry(), QRect(488, 56, 169, 25));
    QCOMPARE(page_->findChild<QPushButton*>("Button13")->geometry(), QRect(264, 96, 169, 25));
    QCOMPARE(page_->findChild<QPushButton*>("Button12")->geometry(), QRect(488, 96, 169, 25));
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  LogoPageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "logo_page_test.moc"
