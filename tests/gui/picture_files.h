#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>

#include "e2e/gif_writer.h"

// Picture files of the formats the logo takes, made outside the code under test.
namespace kvitmark::testing {

inline QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

// The picture as a GIF of its greys.
inline QByteArray Gif(const QImage& image) {
  return QByteArray::fromStdString(Gif(image.width(), image.height(), [&image](int x, int y) {
    return qGray(image.pixel(x, y)) * 127 / 255;
  }));
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
