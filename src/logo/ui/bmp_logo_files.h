#pragma once

#include "backup/logo_files.h"

namespace kvitmark::logo::ui {

// A backup's logo file through the logo page's own BMP codec: saved as the page saves a
// logo read from the register (1 bit a dot), loaded as the page loads any BMP file.
class BmpLogoFiles final : public backup::LogoFiles {
 public:
  std::string Save(const LogoPicture& picture, const std::string& path) override;
  std::unique_ptr<LogoPicture> Load(std::string_view bytes, const std::string& path,
                                    std::string& why) override;
};

}  // namespace kvitmark::logo::ui
