#include "logo/ui/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QStringList>

#include "base/ui/translation.h"
#include "logo/logo_fit.h"
#include "logo/ui/bmp_file.h"

namespace kvitmark::logo::ui {
namespace {

// Room for the largest picture taken, decoded at four bytes a pixel; Qt's own limit would
// refuse a photograph of a few dozen megapixels.
constexpr int kAllocationLimitMb = 512;

QString NotAPicture(const QString& path) {
  return base::ui::Translate("LogoFiles", "Файл «%1» не является рисунком или повреждён.")
      .arg(path);
}

QString TooLarge(const QString& path, QSize size) {
  return base::ui::Translate("LogoFiles",
                             "Рисунок в файле «%1» слишком велик: %2 на %3 точек (можно не больше "
                             "100 миллионов точек).")
      .arg(path)
      .arg(size.width())
      .arg(size.height());
}

bool TooManyPixels(QSize size) {
  return qint64{size.width()} * size.height() > kLargestPicturePixels;
}

// Where an image block's data sub-blocks end, from `at` on; -1 when the file ends first.
qsizetype AfterSubBlocks(const QByteArray& bytes, qsizetype at) {
  while (at < bytes.size()) {
    const auto length = static_cast<uchar>(bytes[at]);
    at += 1 + length;
    if (length == 0) return at;
  }
  return -1;
}

qsizetype AfterColourTable(qsizetype at, uchar flags) {
  return (flags & 0x80) != 0 ? at + 3 * (qsizetype{1} << ((flags & 7) + 1)) : at;
}

// Qt draws a GIF cut short as far as it goes and leaves the rest in the background colour:
// its first picture's data must be there to its end.
bool GifComplete(const QByteArray& bytes) {
  constexpr qsizetype kScreenDescriptorEnd = 13;
  constexpr qsizetype kImageDescriptorSize = 10;
  if (bytes.size() < kScreenDescriptorEnd) return false;
  qsizetype at = AfterColourTable(kScreenDescriptorEnd, static_cast<uchar>(bytes[10]));
  while (at >= 0 && at < bytes.size()) {
    switch (bytes[at]) {
      case '!':  // an extension: its label, then its sub-blocks
        at = AfterSubBlocks(bytes, at + 2);
        break;
      case ',': {
        if (at + kImageDescriptorSize > bytes.size()) return false;
        at = AfterColourTable(at + kImageDescriptorSize, static_cast<uchar>(bytes[at + 9]));
        // The LZW code size, then the data.
        return AfterSubBlocks(bytes, at + 1) >= 0;
      }
      default:  // the trailer or anything else before a picture
        return false;
    }
  }
  return false;
}

// A JPEG cut short decodes with its missing part grey. The data of its last scan cannot hold
// the end marker, so a whole file has one after the last scan's start.
bool JpegComplete(const QByteArray& bytes) {
  const qsizetype end = bytes.lastIndexOf(QByteArrayView("\xFF\xD9", 2));
  const qsizetype scan = bytes.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
  return scan >= 0 && end > scan;
}

// The decoders say what troubles them in their own English (libpng's, libtiff's), which would
// reach a terminal beside the message that tells the user what is wrong with the file.
class QuietDecoders {
 public:
  QuietDecoders() : previous_(qInstallMessageHandler(Drop)) {}
  ~QuietDecoders() { qInstallMessageHandler(previous_); }
  QuietDecoders(const QuietDecoders&) = delete;
  QuietDecoders& operator=(const QuietDecoders&) = delete;

 private:
  static void Drop(QtMsgType, const QMessageLogContext&, const QString&) {}

  QtMessageHandler previous_;
};

}  // namespace

PictureLoad LoadPicture(const QString& path) {
  QByteArray bytes;
  const QString error = ReadPictureFile(path, bytes);
  if (!error.isEmpty()) return {std::nullopt, error};
  if (bytes.isEmpty()) {
    return {std::nullopt, base::ui::Translate("LogoFiles", "Файл «%1» пуст.").arg(path)};
  }
  const QuietDecoders quiet;
  QImageReader::setAllocationLimit(kAllocationLimitMb);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(true);
  const QByteArray format = reader.format();
  const bool bmp = format == "bmp" || bytes.startsWith("BM");
  if (format.isEmpty() && !bmp) return {std::nullopt, NotAPicture(path)};
  const bool vector = format == "svg" || format == "svgz";
  const QSize size = reader.size();
  if (size.isValid()) {
    if (size.isEmpty()) return {std::nullopt, NotAPicture(path)};
    if (!vector && TooManyPixels(size)) return {std::nullopt, TooLarge(path, size)};
  }
  if (bmp) {
    BmpLoad loaded = LoadBmp(bytes, path);
    if (!loaded.picture) return {std::nullopt, loaded.error};
    const QSize own = loaded.picture->image.size();
    return {PictureFile{std::move(loaded.picture->image), loaded.picture->bitsPerPixel, true, own},
            {}};
  }
  if (vector && size.isValid()) {
    // Drawn at the logo's size rather than drawn large and made smaller: its lines stay sharp.
    const LogoFit fit = FitToLogo(size.width(), size.height());
    if (fit.scaled) reader.setScaledSize(QSize(fit.width, fit.height));
  }
  QImage image = reader.read();
  if (image.isNull() || (format == "gif" && !GifComplete(bytes)) ||
      (format == "jpeg" && !JpegComplete(bytes))) {
    return {std::nullopt, NotAPicture(path)};
  }
  if (TooManyPixels(image.size())) return {std::nullopt, TooLarge(path, image.size())};
  const int depth = image.depth();
  const QSize own = vector && size.isValid() ? size : image.size();
  return {PictureFile{std::move(image), depth, false, own}, {}};
}

QString PicturePatterns() {
  struct Format {
    const char* name;
    const char* patterns;
  };
  static const Format kCommon[] = {
      {"bmp", "*.bmp"},   {"png", "*.png"}, {"jpeg", "*.jpg *.jpeg"}, {"gif", "*.gif"},
      {"webp", "*.webp"}, {"svg", "*.svg"}, {"svgz", "*.svgz"},       {"tiff", "*.tif *.tiff"},
  };
  const QList<QByteArray> readable = QImageReader::supportedImageFormats();
  QStringList patterns;
  for (const Format& format : kCommon) {
    if (readable.contains(format.name)) patterns << QString::fromLatin1(format.patterns);
  }
  return patterns.join(' ');
}

}  // namespace kvitmark::logo::ui
