#pragma once

#include <string>

#include "cli/cli_options.h"

namespace kvitmark::cli {

// "kvitmark-cli find": looks for the register on the ports (only the one --port or --device
// names, if given), at `speeds` and with `registers` (comma-separated lists; empty: the
// window's speeds and numbers 1 to 5), the chosen ones first. Prints "DEVICE SPEED REGISTER"
// of the register found: 0; none found: 1; a list that is no list: 2.
int FindRegister(const ConnectionOptions& options, const std::string& speeds,
                 const std::string& registers);

}  // namespace kvitmark::cli
