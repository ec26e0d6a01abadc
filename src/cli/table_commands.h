#pragma once

#include <string>

#include "cli/cli_options.h"

// The table commands of kvitmark-cli. Each returns the program's exit status: 0 done, 1 the
// register or a file failed, 2 a file given as what the register holds could not be used.
namespace kvitmark::cli {

int Presence(const ConnectionOptions& options);
int ReadTable(const ConnectionOptions& options, const std::string& kind, const std::string& file,
              const IntervalOptions& interval);
int WriteTable(const ConnectionOptions& options, const std::string& kind, const std::string& file,
               const IntervalOptions& interval, const WriteOptions& write);
int ClearTable(const ConnectionOptions& options, const std::string& kind);

}  // namespace kvitmark::cli
