#pragma once

#include <string>

#include "cli/cli_options.h"
#include "cli/logo_picture.h"

namespace kvitmark::cli {

// The receipt logo between a picture file and the register's table 136: read into a BMP
// file, written from a picture of any format.
int ReadLogo(const ConnectionOptions& options, const std::string& file);
int WriteLogo(const ConnectionOptions& options, const std::string& file,
              const LogoOptions& logoOptions);

}  // namespace kvitmark::cli
