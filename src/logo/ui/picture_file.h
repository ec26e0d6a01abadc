#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>
#include <optional>

// Pictures for the logo in any format this machine's Qt image plugins read: BMP as the logo
// page has always loaded it, and PNG, JPEG, GIF, WebP, SVG and the rest as they come.
namespace kvitmark::logo::ui {

// Far beyond any logo: a larger picture is refused from its header, before it is decoded.
inline constexpr qint64 kLargestPicturePixels = 100'000'000;

struct PictureFile {
  QImage image;
  int bitsPerPixel = 0;  // a BMP's as the file stores its pixels; otherwise the image's depth
  bool bmp = false;
  // The size the file gives its picture: the image's own, but for a vector picture drawn
  // smaller.
  QSize size;
};

struct PictureLoad {
  std::optional<PictureFile> picture;
  QString error;  // why the file could not be loaded, for the user
};

// Loads a picture file. A BMP keeps its size and depth; a vector picture (SVG) is drawn at
// the size it takes on the logo; a photograph is turned upright as its camera noted. A file
// that is empty, not a picture, cut short or of more than
// kLargestPicturePixels is refused with a message saying so.
PictureLoad LoadPicture(const QString& path);

// The name patterns of the common picture formats this machine reads ("*.bmp *.png …"), for
// a file dialog's filter.
QString PicturePatterns();

}  // namespace kvitmark::logo::ui
