#include "backup/backup_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/text_pattern.h"

namespace kvitmark::backup {
namespace {

// Names taken within one minute: far more than anyone makes by hand.
constexpr int kMostTries = 99;

std::tm LocalTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return local;
}

}  // namespace

std::string BackupFolderName(int registerNumber, std::time_t when) {
  const std::tm local = LocalTime(when);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
  return "ЭККА" + std::to_string(registerNumber) + '_' + stamp;
}

std::string IsoLocalTime(std::time_t when) {
  const std::tm local = LocalTime(when);
  // Offsets are whole minutes, less than a day.
  const int offset = static_cast<int>(local.tm_gmtoff / 60 % (24 * 60));
  const int hours = (offset < 0 ? -offset : offset) / 60;
  const int minutes = (offset < 0 ? -offset : offset) % 60;
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                offset < 0 ? '-' : '+', hours, minutes);
  return text;
}

NewFolder MakeNewFolder(const std::string& parent, const std::string& name) {
  std::string base = parent;
  if (!base.empty() && base.back() != '/') base.push_back('/');
  base += name;
  for (int attempt = 1; attempt <= kMostTries; ++attempt) {
    const std::string path = attempt == 1 ? base : base + '_' + std::to_string(attempt);
    // mkdir fails on a name that is there, whoever made it in between: nothing is reused.
    if (mkdir(path.c_str(), 0777) == 0) return {path, {}};
    if (errno != EEXIST) {
      return {{},
              base::Message(KV_PATTERN("backup", "Не удалось создать папку для копии: %1"))
                  .ArgUtf8(std::strerror(errno))};
    }
  }
  return {{},
          KV_PATTERN("backup", "Не удалось создать папку для копии: все имена этой минуты заняты")};
}

BackupFolderFiles::BackupFolderFiles(const std::string& folder) {
  // The folder itself is the one the user chose, a link to it included.
  folder_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) openError_ = errno;
}

BackupFolderFiles::~BackupFolderFiles() {
  if (folder_ >= 0) close(folder_);
}

FolderFile BackupFolderFiles::Read(const std::string& name, size_t limit) const {
  using Problem = FolderFile::Problem;
  FolderFile file;
  if (folder_ < 0) {
    file.problem = Problem::kMissing;
    file.errorNumber = openError_;
    return file;
  }
  if (name.empty() || name.find('/') != std::string::npos) {
    file.problem = Problem::kMissing;
    file.errorNumber = ENOENT;
    return file;
  }
  // Without O_NONBLOCK a pipe in the file's place would hold the open until someone writes.
  const int descriptor =
      openat(folder_, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) {
    file.errorNumber = errno;
    file.problem = errno == ELOOP ? Problem::kLink : Problem::kMissing;
    return file;
  }
  struct stat status {};
  if (fstat(descriptor, &status) != 0) {
    file.errorNumber = errno;
    file.problem = Problem::kMissing;
  } else if (!S_ISREG(status.st_mode)) {
    file.problem = Problem::kNotRegular;
  } else if (static_cast<unsigned long long>(status.st_size) > limit) {
    file.problem = Problem::kTooLarge;
  } else {
    // Read to the end, but never past the limit: a file that grows meanwhile is too large.
    file.bytes.resize(static_cast<size_t>(status.st_size));
    size_t got = 0;
    for (;;) {
      if (got == file.bytes.size()) {
        if (file.bytes.size() > limit) break;
        file.bytes.resize(std::min(limit + 1, file.bytes.size() + 4096));
      }
      const ssize_t n = read(descriptor, file.bytes.data() + got, file.bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        file.errorNumber = errno;
        file.problem = Problem::kMissing;
        break;
      }
      if (n == 0) break;
      got += static_cast<size_t>(n);
    }
    file.bytes.resize(got);
    if (file.ok() && got > limit) file.problem = Problem::kTooLarge;
  }
  close(descriptor);
  if (!file.ok()) file.bytes.clear();
  return file;
}

}  // namespace kvitmark::backup
