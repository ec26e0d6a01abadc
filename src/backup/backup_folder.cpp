#include "backup/backup_folder.h"

#include <sys/stat.h>

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

}  // namespace kvitmark::backup
