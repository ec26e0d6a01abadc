#pragma once

#include <ctime>
#include <string>

#include "base/message.h"

// Where a backup goes: a folder of its own, named after the register and the minute it was
// taken, never one that is there already.
namespace kvitmark::backup {

// "ЭККА1_2024-05-01_1430" (UTF-8, a file name), local time.
std::string BackupFolderName(int registerNumber, std::time_t when);

// "2024-05-01T14:30:05+03:00": local time with its offset from UTC.
std::string IsoLocalTime(std::time_t when);

struct NewFolder {
  std::string path;     // empty when none could be made
  base::Message error;  // why not
};

// Makes the folder `name` in `parent`. When that name is taken (a second backup within the
// minute) the folder is "<name>_2", "<name>_3", …: an earlier backup is never written into.
NewFolder MakeNewFolder(const std::string& parent, const std::string& name);

}  // namespace kvitmark::backup
