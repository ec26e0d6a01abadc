#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backup/logo_files.h"
#include "backup/manifest.h"
#include "base/message.h"
#include "tables/catalogue.h"
#include "tables/workspace.h"

// A backup folder proved before anything of it is sent: the manifest read, every file it
// names there with the digest it names, every table file loaded whole and every record of
// it encodable, the logo a picture of the logo's size.
namespace kvitmark::backup {

// One table, or the logo, of a checked backup.
struct BackupItem {
  std::optional<tables::PageId> page;  // nothing: the logo
  std::string kind;                    // "art"; "logo"
  std::string file;                    // "art.art"; "logo.bmp"
  bool whole = true;                   // read whole when the backup was taken
  std::vector<int> failed;             // the records it could not read then
};

struct CheckedBackup {
  Manifest manifest;
  tables::Workspace tables;  // every table of the backup, loaded from its file
  std::unique_ptr<logo::LogoPicture> logo;
  std::vector<BackupItem> items;  // those asked for, in the window's order, the logo last
};

struct BackupCheck {
  std::unique_ptr<CheckedBackup> backup;
  // The first thing wrong, naming its file: one line. A table file's own message nested in it
  // may break its lines, which a front end shows as blanks.
  base::Message error;
};

// Checks the backup in `folder`. `only` names the items wanted (kinds, and "logo"); empty
// means all of them. Every file of the backup is checked whichever are wanted.
BackupCheck CheckBackup(const std::string& folder, const std::vector<std::string>& only,
                        LogoFiles& logoFiles);

}  // namespace kvitmark::backup
