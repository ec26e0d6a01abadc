#include "link/device_holder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <charconv>
#include <fstream>
#include <memory>
#include <string_view>

namespace kvitmark::link {
namespace {

struct DirectoryCloser {
  void operator()(DIR* directory) const { closedir(directory); }
};
using Directory = std::unique_ptr<DIR, DirectoryCloser>;

std::optional<int> ProcessId(std::string_view name) {
  int id = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), id);
  if (name.empty() || error != std::errc() || end != name.data() + name.size()) return std::nullopt;
  return id;
}

// The device is compared by its device number, not by name: a program may have opened it
// through /dev/serial/by-id or another link.
bool HoldsDevice(const std::string& processFolder, dev_t device) {
  const std::string folder = processFolder + "/fd";
  const Directory descriptors(opendir(folder.c_str()));
  if (!descriptors) return false;
  while (const dirent* entry = readdir(descriptors.get())) {
    struct stat target {};
    if (entry->d_name[0] == '.') continue;
    if (stat((folder + '/' + entry->d_name).c_str(), &target) == 0 && S_ISCHR(target.st_mode) &&
        target.st_rdev == device) {
      return true;
    }
  }
  return false;
}

std::string CommandName(const std::string& processFolder) {
  std::ifstream comm(processFolder + "/comm");
  std::string name;
  std::getline(comm, name);
  return name;
}

}  // namespace

std::optional<DeviceHolder> FindDeviceHolder(const std::string& devicePath) {
  struct stat device {};
  if (stat(devicePath.c_str(), &device) != 0 || !S_ISCHR(device.st_mode)) return std::nullopt;
  const Directory processes(opendir("/proc"));
  if (!processes) return std::nullopt;
  while (const dirent* entry = readdir(processes.get())) {
    const auto id = ProcessId(entry->d_name);
    if (!id) continue;
    const std::string folder = "/proc/" + std::string(entry->d_name);
    if (HoldsDevice(folder, device.st_rdev)) return DeviceHolder{CommandName(folder), *id};
  }
  return std::nullopt;
}

}  // namespace kvitmark::link
