// Pictures of every common format on their way to the logo: loaded or refused with a reason,
// fitted, turned into dots as the preview shows them, and what the preview's "OK" gives the page.
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "logo/ui/logo_conversion.h"
#include "logo/ui/logo_preview_dialog.h"
#include "logo/ui/picture_file.h"
#include "picture_files.h"

using namespace kvitmark;
using logo::ui::LogoChoice;
using logo::ui::LogoSource;

namespace {

// Black on its left part, white on the rest: whatever is made of it, the edge shows where
// the picture went.
QImage HalfBlack(int width, int height, int blackWidth) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter(&image).fillRect(0, 0, blackWidth, height, Qt::black);
  return image;
}

// The columns of the dots that print in every row, as "first-last".
QString BlackColumns(const logo::DotPicture& dots) {
  int first = -1;
  int last = -1;
  for (int x = 0; x < dots.Width(); ++x) {
    bool column = true;
    for (int y = 0; y < dots.Height() && column; ++y) column = dots.Black(x, y);
    if (column && first < 0) first = x;
    if (column) last = x;
  }
  return QStringLiteral("%1-%2").arg(first).arg(last);
}

int Dots(const logo::DotPicture& dots) {
  int count = 0;
  for (int y = 0; y < dots.Height(); ++y) {
    for (int x = 0; x < dots.Width(); ++x) count += dots.Black(x, y) ? 1 : 0;
  }
  return count;
}

bool Readable(const char* format) {
  return QImageReader::supportedImageFormats().contains(QByteArray(format));
}

}  // namespace

class LogoPictureTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  QString Path(const QString& name) const { return folder_.filePath(name); }

  std::unique_ptr<LogoSource> Source(const QString& name, const QByteArray& bytes) {
    if (!testing::SaveBytes(Path(name), bytes)) return nullptr;
    logo::ui::PictureLoad load = logo::ui::LoadPicture(Path(name));
    if (!load.picture) {
      qWarning() << load.error;
      return nullptr;
    }
    return std::make_unique<LogoSource>(std::move(*load.picture));
  }

 private slots:
  // Each format loads, is fitted by the same rule and keeps its black where it was: a
  // 400 × 100 picture becomes 192 × 48, its black quarter the first 48 dots.
  void everyFormatBecomesTheSameLogo_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QImage picture = HalfBlack(400, 100, 100);
    QTest::newRow("PNG") << "logo.png" << testing::Encoded(picture, "PNG");
    QTest::newRow("JPEG") << "logo.jpg" << testing::Encoded(picture, "JPEG");
    QTest::newRow("GIF") << "logo.gif" << testing::Gif(picture);
    QTest::newRow("WebP") << "logo.webp" << testing::Encoded(picture, "WEBP");
    QTest::newRow("BMP, 24 bits") << "logo.bmp" << testing::Encoded(picture, "BMP");
    QTest::newRow("BMP, 1 bit") << "mono.bmp"
                                << testing::Encoded(picture.convertToFormat(QImage::Format_Mono),
                                                    "BMP");
    QTest::newRow("SVG") << "logo.svg" << testing::Svg(400, 100, QRect(0, 0, 100, 100));
  }

  void everyFormatBecomesTheSameLogo() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QByteArray format = name.endsWith(".jpg") ? "jpeg" : name.section('.', -1).toLatin1();
    if (!Readable(format)) QSKIP("no Qt image plugin for this format on this machine");
    const auto source = Source(name, bytes);
    QVERIFY(source);
    QCOMPARE(source->Fit(), (logo::LogoFit{192, 48, 0, true}));
    QCOMPARE(source->FromBmp(), name.endsWith(".bmp"));
    const LogoChoice choice = logo::ui::DefaultChoice(*source);
    QVERIFY(!choice.asItStands);
    const logo::DotPicture dots = logo::ui::LogoDots(*source, choice);
    QCOMPARE(dots.Height(), 48);
    QCOMPARE(BlackColumns(dots), QStringLiteral("0-47"));
    QCOMPARE(Dots(dots), 48 * 48);
  }

  // Larger pictures shrink to fit through Qt, a narrow one centred; one that fits keeps its
  // size and corner, and a BMP that fits goes as it stands.
  void fitting_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<logo::LogoFit>("fit");
    QTest::addColumn<QString>("black");
    QTest::newRow("wider") << HalfBlack(960, 300, 480) << logo::LogoFit{192, 60, 0, true} << "0-95";
    QTest::newRow("taller") << HalfBlack(100, 400, 50) << logo::LogoFit{50, 200, 71, true}
                            << "71-95";
    QTest::newRow("smaller") << HalfBlack(100, 50, 30) << logo::LogoFit{100, 50, 0, false}
                             << "0-29";
  }

  void fitting() {
    QFETCH(QImage, picture);
    QFETCH(logo::LogoFit, fit);
    QFETCH(QString, black);
    for (const char* format : {"PNG", "BMP"}) {
      const auto source =
          Source(QStringLiteral("fit.") + format, testing::Encoded(picture, format));
      QVERIFY(source);
      QCOMPARE(source->Fit(), fit);
      const LogoChoice choice = logo::ui::DefaultChoice(*source);
      // Only a BMP that fits goes as it stands, the way it always went.
      QCOMPARE(choice.asItStands, !fit.scaled && QByteArray(format) == "BMP");
      const logo::DotPicture dots = logo::ui::LogoDots(*source, choice);
      QCOMPARE(dots.Height(), fit.height);
      QCOMPARE(BlackColumns(dots), black);
    }
  }

  // A vector picture is drawn at its size on the logo, not drawn large and made smaller, and
  // goes where a picture of its proportions goes.
  void aVectorPictureIsDrawnAtItsSizeOnTheLogo() {
    if (!Readable("svg")) QSKIP("no SVG plugin on this machine");
    const auto source = Source("tall.svg", testing::Svg(100, 400, QRect(0, 0, 50, 400)));
    QVERIFY(source);
    QCOMPARE(source->Original().size(), QSize(50, 200));
    QCOMPARE(source->Fit(), (logo::LogoFit{50, 200, 71, true}));
    QCOMPARE(BlackColumns(logo::ui::LogoDots(*source, logo::ui::DefaultChoice(*source))),
             QStringLiteral("71-95"));
  }

  void transparentPartsPrintAsPaper() {
    // Black under full transparency on the left half, opaque black on the right quarter.
    QImage picture(200, 100, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    QPainter(&picture).fillRect(150, 0, 50, 100, Qt::black);
    const auto source = Source("clear.png", testing::Encoded(picture, "PNG"));
    QVERIFY(source);
    QVERIFY(!source->CanStayAsItStands());
    const logo::DotPicture dots = logo::ui::LogoDots(*source, logo::ui::DefaultChoice(*source));
    QCOMPARE(BlackColumns(dots), QStringLiteral("144-191"));
    QCOMPARE(Dots(dots), 48 * dots.Height());
  }

  void refused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");  // %1: the path
    const QString damaged = QString::fromUtf8("Файл «%1» не является рисунком или повреждён.");
    const QImage picture = HalfBlack(300, 200, 100);
    const QByteArray png = testing::Encoded(picture, "PNG");
    const QByteArray jpeg = testing::Encoded(picture, "JPEG");
    const QByteArray gif = testing::Gif(picture);
    QTest::newRow("empty") << QByteArray() << QString::fromUtf8("Файл «%1» пуст.");
    QTest::newRow("text") << QByteArray("1;2;3;\r\n") << damaged;
    QTest::newRow("PNG cut short") << png.left(png.size() / 2) << damaged;
    QTest::newRow("JPEG cut short") << jpeg.left(jpeg.size() * 2 / 3) << damaged;
    QTest::newRow("GIF cut short") << gif.left(gif.size() / 2) << damaged;
    QTest::newRow("PNG header alone") << png.left(33) << damaged;
    QTest::newRow("PNG of 20000 x 10000")
        << testing::PngClaiming(20000, 10000)
        << QString::fromUtf8(
               "Рисунок в файле «%1» слишком велик: 20000 на 10000 точек (можно не больше 100 "
               "миллионов точек).");
  }

  void refused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    QVERIFY(testing::SaveBytes(Path("bad"), bytes));
    const logo::ui::PictureLoad load = logo::ui::LoadPicture(Path("bad"));
    QVERIFY(!load.picture);
    QCOMPARE(load.error, says.arg(Path("bad")));
  }

  // The preview follows its settings: the rows, the warnings, what may be set.
  void preview_followsItsSettings() {
    QImage grey(400, 300, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    const auto source = Source("grey.png", testing::Encoded(grey, "PNG"));
    QVERIFY(source);
    logo::ui::LogoPreviewDialog preview(*source);
    QCOMPARE(preview.MethodBox()->currentIndex(), 1);  // the threshold: a PNG, larger
    QCOMPARE(preview.RowsLabel()->text(),
             QString::fromUtf8("Логотип займёт 144 строки: столько и укажите в «Количество строк "
                               "в логотипе» на странице «Параметры чека»."));
    // The middle grey is not darker than the middle: nothing would print.
    QCOMPARE(Dots(preview.Dots()), 0);
    QCOMPARE(preview.WarningLabel()->text(),
             QString::fromUtf8("Точек почти нет: логотип напечатается пустым местом."));
    QVERIFY(preview.ThresholdBox()->isEnabled());

    preview.MethodBox()->setCurrentIndex(2);  // Floyd–Steinberg
    QVERIFY(!preview.ThresholdBox()->isEnabled());
    QVERIFY(qAbs(Dots(preview.Dots()) - 192 * 144 / 2) < 192 * 144 / 50);
    QVERIFY(preview.WarningLabel()->text().isEmpty());
    QCOMPARE(preview.DotsView()->pixmap().size(), QSize(192, 144));
    QCOMPARE(preview.EnlargedView()->pixmap().size(), QSize(384, 288));

    preview.MethodBox()->setCurrentIndex(1);
    preview.ThresholdBox()->setValue(129);
    QCOMPARE(Dots(preview.Dots()), 192 * 144);
    QCOMPARE(preview.WarningLabel()->text(),
             QString::fromUtf8("Точки почти сплошь: логотип напечатается чёрным прямоугольником."));
    preview.ThresholdBox()->setValue(128);
    QCOMPARE(Dots(preview.Dots()), 0);
    // Inverted, the middle grey is a shade darker than the middle.
    preview.InvertBox()->setChecked(true);
    QCOMPARE(Dots(preview.Dots()), 192 * 144);
    preview.InvertBox()->setChecked(false);
    preview.BrightnessBox()->setValue(-10);
    QCOMPARE(Dots(preview.Dots()), 192 * 144);
    QCOMPARE(preview.Choice().tone,
             (logo::ToneSettings{logo::DotMethod::kThreshold, 128, -10, 0, false}));
  }

  void preview_asItStandsOnlyForAnOpaquePicture() {
    QImage clear(50, 50, QImage::Format_ARGB32);
    clear.fill(qRgba(0, 0, 0, 0));
    const auto transparent = Source("clear.png", testing::Encoded(clear, "PNG"));
    QVERIFY(transparent);
    logo::ui::LogoPreviewDialog refusing(*transparent);
    refusing.SetChoice({.asItStands = true, .tone = {}});
    QVERIFY(!refusing.Choice().asItStands);

    const auto bmp = Source("small.bmp", testing::Encoded(HalfBlack(50, 20, 10), "BMP"));
    QVERIFY(bmp);
    logo::ui::LogoPreviewDialog taking(*bmp);
    QVERIFY(taking.Choice().asItStands);
    QVERIFY(!taking.BrightnessBox()->isEnabled());
    QVERIFY(!taking.InvertBox()->isEnabled());
    // The page keeps the file's own picture, which saves as the file it came from.
    const logo::ui::PagePicture kept = taking.Result();
    QCOMPARE(kept.image, bmp->Original());
    QCOMPARE(kept.bitsPerPixel, 24);
    taking.MethodBox()->setCurrentIndex(1);
    const logo::ui::PagePicture dots = taking.Result();
    QCOMPARE(dots.bitsPerPixel, 1);
    QCOMPARE(dots.image.size(), QSize(192, 20));
  }
};

QTEST_MAIN(LogoPictureTest)
#include "logo_picture_test.moc"
