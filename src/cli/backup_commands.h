#pragma once

#include <string>

#include "cli/cli_options.h"

// kvitmark-cli backup and restore. Each returns the exit status: 0 done, 1 the register or a
// file failed (a restore refused before anything was sent included).
namespace kvitmark::cli {

// Reads every table and the logo into a new folder inside `folder`; prints its path.
int Backup(const ConnectionOptions& options, const std::string& folder);

// Checks the backup in `backupFolder` whole, then writes it (or the kinds `only` lists,
// "art,opr,logo") after the question; `dryRun` prints what would be written and opens
// nothing.
int Restore(const ConnectionOptions& options, const std::string& backupFolder,
            const std::string& only, bool dryRun);

}  // namespace kvitmark::cli
