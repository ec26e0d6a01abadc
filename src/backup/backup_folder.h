#pragma once

#include <cstddef>
#include <ctime>
#include <string>

#include "base/message.h"

// Where a backup goes: a folder of its own, named after the register and the minute it was
// taken, never one that is there already. And how a backup's files are read back.
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

// One file of a backup folder read whole, or why not.
struct FolderFile {
  enum class Problem {
    kNone,
    kMissing,     // no such file, or it could not be opened or read
    kLink,        // a symbolic link: it may lead anywhere
    kNotRegular,  // a pipe, a device, a folder: reading it may never end
    kTooLarge,    // larger than any such file the program writes
  };
  Problem problem = Problem::kNone;
  std::string bytes;
  int errorNumber = 0;  // kMissing: the system's reason, when it gave one
  bool ok() const { return problem == Problem::kNone; }
};

// The files of a backup folder as the folder holds them: each opened through the folder's
// own descriptor by its name alone, never through a link (a link put in a file's place could
// lead out of the folder or to a device), only a regular file, and read once into memory up
// to a limit, so that its digest and its contents are the same bytes.
class BackupFolderFiles {
 public:
  explicit BackupFolderFiles(const std::string& folder);
  ~BackupFolderFiles();
  BackupFolderFiles(const BackupFolderFiles&) = delete;
  BackupFolderFiles& operator=(const BackupFolderFiles&) = delete;

  // The file `name` (no folder in it), refused when it holds more than `limit` bytes.
  FolderFile Read(const std::string& name, size_t limit) const;

 private:
  int folder_ = -1;
  int openError_ = 0;
};

}  // namespace kvitmark::backup
