#pragma once

#include <string>

#include "cli/cli_options.h"

namespace kvitmark::cli {

// The receipt logo between a BMP file and the register's table 136.
int ReadLogo(const ConnectionOptions& options, const std::string& file);
int WriteLogo(const ConnectionOptions& options, const std::string& file);

}  // namespace kvitmark::cli
