#pragma once

#include <QImage>
#include <QString>
#include <optional>

// Logo pictures on disk. A picture keeps the colour depth of the file it came from: a
// 4-bit file saves as 4 bits again, a 32-bit one as 32, so that loading and saving a logo
// hands the user back the file they gave.
namespace kvitmark::logo::ui {

struct BmpPicture {
  QImage image;
  int bitsPerPixel = 0;  // as the file stores its pixels: 1, 4, 8, 16, 24 or 32
};

struct BmpLoad {
  std::optional<BmpPicture> picture;
  QString error;  // why the file could not be loaded, for the user
};

// Reads a picture file whole, refusing one far larger than any logo. Empty error text: read.
QString ReadPictureFile(const QString& path, QByteArray& bytes);

// Loads a BMP file as it is, size and depth. A file that is not a BMP picture, or whose
// pixels are cut short, is refused rather than shown half read.
BmpLoad LoadBmp(const QString& path);
// The same for a file's contents already read; `path` names it in the messages.
BmpLoad LoadBmp(const QByteArray& bytes, const QString& path);

// The depth a picture is saved with: the depth it came with, unless its pixels no longer
// fit it (a palette grown past 16 colours, a palette given up for true colour).
int SaveDepth(const QImage& image, int bitsPerPixel);

// Saves the picture as an uncompressed BMP of the given depth (see SaveDepth). The old
// file, if any, is replaced only once the new one is complete. Empty error text: saved.
QString SaveBmp(const QImage& image, int bitsPerPixel, const QString& path);

// The name the logo is saved under. The file dialog's filter lists "*.BMP", so a name
// chosen with ".bmp" in any letter case is kept as it is (on a case-sensitive file system
// a changed case would be a second file), and any other extension is replaced by ".BMP",
// or ".BMP" added to a name without one.
QString BmpFileName(const QString& chosen);

}  // namespace kvitmark::logo::ui
