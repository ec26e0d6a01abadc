#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "logo/logo_picture.h"

// The logo's BMP file in a backup. The core moves the dots; the file itself is written and
// read by the image library the front ends already use for the logo page, so that a
// backup's logo.bmp is the file "Сохранить логотип в файл" would write.
namespace kvitmark::backup {

class LogoFiles {
 public:
  virtual ~LogoFiles() = default;
  // Saves the picture as a black-and-white BMP, one bit a dot, whole or not at all. Empty
  // when saved, else why not (UTF-8).
  virtual std::string Save(const logo::LogoPicture& picture, const std::string& path) = 0;
  // The picture of a BMP file's contents, already read from `path`; null, with why not
  // (UTF-8), when it is none.
  virtual std::unique_ptr<logo::LogoPicture> Load(std::string_view bytes, const std::string& path,
                                                  std::string& why) = 0;
};

}  // namespace kvitmark::backup
