#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "backup/logo_files.h"
#include "backup/manifest.h"
#include "backup/run_observer.h"
#include "base/message.h"
#include "tables/operations.h"

// "Резервная копия ЭККА": every table of the connected register and its logo read into a
// new folder, each table as the table file "Сохранить" writes, with a manifest of what was
// read and how it went. The pages the user edits are not touched.
namespace kvitmark::backup {

struct BackupRequest {
  std::string parentFolder;  // where the backup's own folder is made (file system bytes)
  std::string typeText;      // the register type selector's text, UTF-8
  std::time_t created = 0;   // the wall clock when the user asked
};

enum class BackupOutcome {
  kComplete,    // every table and the logo read whole
  kIncomplete,  // some could not be read whole; the manifest names them
  kStopped,  // "Стоп" or "Завершить операцию": the manifest holds what was done
  kFailed,   // no folder, or a file could not be written: `errors` say why
};

struct BackupResult {
  BackupOutcome outcome = BackupOutcome::kFailed;
  std::string folder;  // the backup's folder (file system bytes); empty when none was made
  Manifest manifest;
  base::MessageList errors;  // one line each
};

BackupResult BackupRegister(tables::TableSession& session, RunObserver& observer,
                            LogoFiles& logoFiles, const BackupRequest& request);

// How the backup went, for the user, line by line; the folder is the front end's to name.
base::MessageList BackupReport(const BackupResult& result);

}  // namespace kvitmark::backup
