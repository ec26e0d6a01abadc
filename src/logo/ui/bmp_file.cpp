#include "logo/ui/bmp_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/system_error_text.h"
#include "base/ui/translation.h"
#include "base/whole_file.h"

namespace kvitmark::logo::ui {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;  // the old OS/2 header, 16-bit width and height
constexpr int kInfoHeaderSize = 40;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;
constexpr qint64 kLargestFile = qint64{256} * 1024 * 1024;

uint32_t Le(const QByteArray& bytes, int at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  }
  return value;
}

void PutLe(QByteArray& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

struct Header {
  int bitsPerPixel = 0;
  int64_t width = 0;
  int64_t height = 0;
  uint32_t compression = kUncompressed;
  uint32_t dataOffset = 0;
};

std::optional<Header> ReadHeader(const QByteArray& bytes) {
  if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || !bytes.startsWith("BM")) {
    return std::nullopt;
  }
  Header header;
  header.dataOffset = Le(bytes, 10, 4);
  const uint32_t infoSize = Le(bytes, kFileHeaderSize, 4);
  if (infoSize == kCoreHeaderSize) {
    header.width = Le(bytes, 18, 2);
    header.height = Le(bytes, 20, 2);
    header.bitsPerPixel = static_cast<int>(Le(bytes, 24, 2));
  } else {
    if (infoSize < kInfoHeaderSize || bytes.size() < kFileHeaderSize + kInfoHeaderSize) {
      return std::nullopt;
    }
    header.width = static_cast<int32_t>(Le(bytes, 18, 4));
    header.height = static_cast<int32_t>(Le(bytes, 22, 4));
    header.bitsPerPixel = static_cast<int>(Le(bytes, 28, 2));
    header.compression = Le(bytes, 30, 4);
  }
  return header;
}

// Uncompressed pixels have a size known in advance; a file shorter than that would load
// with its missing rows in black.
bool PixelsComplete(const Header& header, qint64 fileSize) {
  if (header.compression != kUncompressed && header.compression != kBitFields) return true;
  if (header.width <= 0 || header.height == 0 || header.dataOffset > fileSize) return false;
  const int64_t stride = (header.width * header.bitsPerPixel + 31) / 32 * 4;
  // Divided, not multiplied: a made-up header must not overflow the size it claims.
  return stride <= (fileSize - header.dataOffset) / std::llabs(header.height);
}

QString NotABmp(const QString& path) {
  return base::ui::Translate("LogoFiles", "Файл «%1» не является BMP-рисунком или повреждён.")
      .arg(path);
}

// Qt's writer has no 32-bit form; this is the plain one every reader knows: BGRA rows from
// the bottom up, no palette, no compression.
QByteArray Bmp32(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  const uint32_t pixelBytes = static_cast<uint32_t>(image.width()) * image.height() * 4;
  QByteArray bytes;
  bytes.reserve(kFileHeaderSize + kInfoHeaderSize + static_cast<qsizetype>(pixelBytes));
  bytes.append("BM");
  PutLe(bytes, kFileHeaderSize + kInfoHeaderSize + pixelBytes, 4);
  PutLe(bytes, 0, 4);
  PutLe(bytes, kFileHeaderSize + kInfoHeaderSize, 4);
  PutLe(bytes, kInfoHeaderSize, 4);
  PutLe(bytes, static_cast<uint32_t>(image.width()), 4);
  PutLe(bytes, static_cast<uint32_t>(image.height()), 4);
  PutLe(bytes, 1, 2);
  PutLe(bytes, 32, 2);
  PutLe(bytes, kUncompressed, 4);
  PutLe(bytes, pixelBytes, 4);
  PutLe(bytes, static_cast<uint32_t>(image.dotsPerMeterX()), 4);
  PutLe(bytes, static_cast<uint32_t>(image.dotsPerMeterY()), 4);
  PutLe(bytes, 0, 4);
  PutLe(bytes, 0, 4);
  for (int y = image.height() - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      bytes.append(static_cast<char>(qBlue(line[x])));
      bytes.append(static_cast<char>(qGreen(line[x])));
      bytes.append(static_cast<char>(qRed(line[x])));
      bytes.append(static_cast<char>(qAlpha(line[x])));
    }
  }
  return bytes;
}

// Qt's writer picks the depth from the image: 1 bit for a two-colour picture, 4 bits for
// a palette of up to 16 colours, 8 bits for a larger one, 24 bits for anything else.
QImage ForQtWriter(const QImage& image, int depth) {
  switch (depth) {
    case 1:
      return image.convertToFormat(QImage::Format_Mono);
    case 4:
    case 8: {
      QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
      // Unused entries keep a small palette from being written in four bits.
      if (depth == 8 && indexed.colorCount() <= 16) indexed.setColorCount(17);
      return indexed;
    }
    default:
      return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                           : QImage::Format_RGB32);
  }
}

}  // namespace

QString ReadPictureFile(const QString& path, QByteArray& bytes) {
  // Opened here rather than by QFile, whose reasons come in the system's English.
  const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
  QFile file;
  if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    const int error = fd < 0 ? errno : EIO;
    return base::ui::Translate("LogoFiles", "Не удалось открыть файл «%1»: %2")
        .arg(path, base::ui::Render(base::SystemErrorMessage(error)));
  }
  // Far beyond any logo, and beyond what the image reader would allocate anyway.
  if (file.size() > kLargestFile) {
    return base::ui::Translate("LogoFiles", "Файл «%1» слишком велик для логотипа.").arg(path);
  }
  bytes = file.readAll();
  return QString();
}

BmpLoad LoadBmp(const QString& path) {
  QByteArray bytes;
  const QString error = ReadPictureFile(path, bytes);
  if (!error.isEmpty()) return {std::nullopt, error};
  return LoadBmp(bytes, path);
}

BmpLoad LoadBmp(const QByteArray& bytes, const QString& path) {
  const auto header = ReadHeader(bytes);
  if (!header || !PixelsComplete(*header, bytes.size())) return {std::nullopt, NotABmp(path)};
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer, "bmp");
  reader.setAutoDetectImageFormat(false);
  QImage image = reader.read();
  if (image.isNull()) return {std::nullopt, NotABmp(path)};
  return {BmpPicture{std::move(image), header->bitsPerPixel}, QString()};
}

int SaveDepth(const QImage& image, int bitsPerPixel) {
  switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
      return 1;
    case QImage::Format_Indexed8:
      return bitsPerPixel == 4 && image.colorCount() <= 16 ? 4 : 8;
    default:
      return bitsPerPixel == 32 ? 32 : 24;
  }
}

QString SaveBmp(const QImage& image, int bitsPerPixel, const QString& path) {
  const int depth = SaveDepth(image, bitsPerPixel);
  QByteArray bytes;
  if (depth == 32) {
    bytes = Bmp32(image);
  } else {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(ForQtWriter(image, depth))) {
      return base::ui::Translate("LogoFiles", "Не удалось записать файл «%1»: %2")
          .arg(path, writer.errorString());
    }
  }
  const base::SaveResult saved =
      base::SaveWholeFile(path.toLocal8Bit().toStdString(),
                          std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (saved.Saved()) return QString();
  const QString why = base::ui::Render(base::SystemErrorMessage(saved.errorNumber));
  return saved.outcome == base::SaveOutcome::kCannotCreate
             ? base::ui::Translate("LogoFiles", "Не удалось создать файл «%1»: %2").arg(path, why)
             : base::ui::Translate("LogoFiles", "Не удалось записать файл «%1»: %2").arg(path, why);
}

QString BmpFileName(const QString& chosen) {
  const qsizetype nameStart = chosen.lastIndexOf('/') + 1;
  const qsizetype dot = chosen.lastIndexOf('.');
  if (dot < nameStart) return chosen + QStringLiteral(".BMP");
  if (chosen.mid(dot + 1).compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0) return chosen;
  return chosen.left(dot) + QStringLiteral(".BMP");
}

}  // namespace kvitmark::logo::ui
