#include "cli/logo_commands.h"

#include <QImage>
#include <iostream>

#include "cli/command_report.h"
#include "cli/connection.h"
#include "logo/logo_picture.h"
#include "logo/logo_transfer.h"
#include "logo/ui/bmp_file.h"
#include "logo/ui/qimage_picture.h"

namespace kvitmark::cli {

int ReadLogo(const ConnectionOptions& options, const std::string& file) {
  Connection connection(options);
  if (!connection.Open()) return 1;
  // A black-and-white picture of the logo's size, as the window makes for a read.
  QImage image(logo::kLogoWidth, logo::kLogoHeight, QImage::Format_Mono);
  image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  image.fill(1);
  logo::ui::QImagePicture picture(image);
  const auto result = logo::ReadLogo(connection.Session(), connection.Observer(), picture);
  // A logo read only in part is not saved as if it were whole.
  if (!result.succeeded) return 1;
  const QString error = logo::ui::SaveBmp(image, 1, QString::fromLocal8Bit(file.c_str()));
  if (!error.isEmpty()) {
    Say(error.toStdString());
    return 1;
  }
  return 0;
}

int WriteLogo(const ConnectionOptions& options, const std::string& file,
              const LogoOptions& logoOptions) {
  const auto picture = LogoOfPicture(file, logoOptions, false);
  if (!picture) return 1;
  Connection connection(options);
  if (!connection.Open()) return 1;
  const auto result = logo::WriteLogo(connection.Session(), connection.Observer(), *picture);
  return result.succeeded ? 0 : 1;
}

}  // namespace kvitmark::cli
