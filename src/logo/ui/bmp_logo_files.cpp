#include "logo/ui/bmp_logo_files.h"

#include <QFile>
#include <QImage>

#include "logo/ui/bmp_file.h"
#include "logo/ui/qimage_picture.h"

namespace kvitmark::logo::ui {
namespace {

// A loaded file's image together with the codec's view of it.
class LoadedPicture final : public LogoPicture {
 public:
  explicit LoadedPicture(QImage image) : image_(std::move(image)), view_(image_) {}
  int Width() const override { return view_.Width(); }
  int Height() const override { return view_.Height(); }
  int RedAt(int x, int y) const override { return view_.RedAt(x, y); }
  void Paint(int x, int y, bool black) override { view_.Paint(x, y, black); }

 private:
  QImage image_;
  QImagePicture view_;
};

QString FileName(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

std::string BmpLogoFiles::Save(const LogoPicture& picture, const std::string& path) {
  // The picture the page makes for a read: black and white, black at index 0.
  QImage image(picture.Width(), picture.Height(), QImage::Format_Mono);
  image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  image.fill(1);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if ((picture.RedAt(x, y) & 1) == 0) image.setPixel(x, y, 0);
    }
  }
  return SaveBmp(image, 1, FileName(path)).toStdString();
}

std::unique_ptr<LogoPicture> BmpLogoFiles::Load(std::string_view bytes, const std::string& path,
                                                std::string& why) {
  BmpLoad loaded =
      LoadBmp(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), FileName(path));
  if (!loaded.picture) {
    why = loaded.error.toStdString();
    return nullptr;
  }
  return std::make_unique<LoadedPicture>(std::move(loaded.picture->image));
}

}  // namespace kvitmark::logo::ui
