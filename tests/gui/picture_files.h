#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>

// Picture files of the formats the logo takes, made outside the code under test.
namespace kvitmark::testing {

inline QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

// A GIF of a picture's black and white (Qt writes none): codes of eight bits, the code table
// cleared before it grows, so that no compression is needed.
inline QByteArray Gif(const QImage& image) {
  QByteArray bytes("GIF89a");
  const auto word = [&bytes](int value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
  };
  word(image.width());
  word(image.height());
  bytes.append('\xF6');  // a colour table of 128 entries
  bytes.append('\0');
  bytes.append('\0');
  for (int entry = 0; entry < 128; ++entry) bytes.append(QByteArray(3, entry == 1 ? '\xFF' : '\0'));
  bytes.append(',');
  word(0);
  word(0);
  word(image.width());
  word(image.height());
  bytes.append('\0');
  bytes.append('\x07');
  QByteArray codes(1, static_cast<char>(128));  // clear
  int sinceClear = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (sinceClear++ == 126) {
        codes.append(static_cast<char>(128));
        sinceClear = 1;
      }
      codes.append(qGray(image.pixel(x, y)) < 128 ? '\0' : '\x01');
    }
  }
  codes.append(static_cast<char>(129));  // end of information
  for (qsizetype at = 0; at < codes.size(); at += 255) {
    const QByteArray block = codes.mid(at, 255);
    bytes.append(static_cast<char>(block.size()));
    bytes.append(block);
  }
  bytes.append('\0');
  bytes.append(';');
  return bytes;
}

inline quint32 Crc32(const QByteArray& bytes) {
  quint32 crc = 0xFFFFFFFFu;
  for (char byte : bytes) {
    crc ^= static_cast<uchar>(byte);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// A PNG whose header claims `width` × `height` pixels, with no pixels behind it.
inline QByteArray PngClaiming(quint32 width, quint32 height) {
  const auto big = [](QByteArray& bytes, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.append(static_cast<char>(value >> shift));
  };
  QByteArray header("IHDR");
  big(header, width);
  big(header, height);
  header.append("\x08\x00\x00\x00\x00", 5);  // 8 bits of grey, no interlace
  QByteArray bytes("\x89PNG\r\n\x1A\n", 8);
  big(bytes, 13);
  bytes.append(header);
  big(bytes, Crc32(header));
  // The header is read up to the first pixel data: an empty one, and the end.
  for (const char* chunk : {"IDAT", "IEND"}) {
    big(bytes, 0);
    bytes.append(chunk);
    big(bytes, Crc32(chunk));
  }
  return bytes;
}

// An SVG of `width` × `height` with a black box in it, on nothing (transparent).
inline QByteArray Svg(int width, int height, QRect box) {
  return QStringLiteral(
             "<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2'>"
             "<rect x='%3' y='%4' width='%5' height='%6' fill='black'/></svg>")
      .arg(width)
      .arg(height)
      .arg(box.x())
      .arg(box.y())
      .arg(box.width())
      .arg(box.height())
      .toUtf8();
}

inline bool SaveBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace kvitmark::testing
