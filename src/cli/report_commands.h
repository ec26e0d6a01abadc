#pragma once

#include <string>

#include "cli/cli_options.h"

namespace kvitmark::cli {

// Downloads the reports named in `only` (settings keys, "Art,Otd"; empty: all twelve) into
// `folder`, fields separated by `separator`. The exit status as for the other commands.
int DownloadReports(const ConnectionOptions& options, const std::string& folder,
                    const std::string& only, const std::string& separator);

}  // namespace kvitmark::cli
