// The one place that asks udev: its tty devices turned into plain records.
#include <libudev.h>

#include <memory>

#include "link/port_list.h"

namespace kvitmark::link {
namespace {

struct UdevUnref {
  void operator()(udev* context) const { udev_unref(context); }
  void operator()(udev_enumerate* enumerate) const { udev_enumerate_unref(enumerate); }
  void operator()(udev_device* device) const { udev_device_unref(device); }
};

std::string Text(const char* text) { return text ? text : ""; }

DeviceRecord Record(udev_device* device) {
  DeviceRecord record;
  record.name = Text(udev_device_get_sysname(device));
  for (udev_list_entry* entry = udev_device_get_properties_list_entry(device); entry;
       entry = udev_list_entry_get_next(entry)) {
    record.properties[Text(udev_list_entry_get_name(entry))] =
        Text(udev_list_entry_get_value(entry));
  }
  for (udev_list_entry* entry = udev_device_get_devlinks_list_entry(device); entry;
       entry = udev_list_entry_get_next(entry)) {
    record.devlinks.push_back(Text(udev_list_entry_get_name(entry)));
  }
  return record;
}

}  // namespace

std::vector<DeviceRecord> TtyDeviceRecords() {
  std::vector<DeviceRecord> records;
  const std::unique_ptr<udev, UdevUnref> context(udev_new());
  if (!context) return records;
  const std::unique_ptr<udev_enumerate, UdevUnref> enumerate(udev_enumerate_new(context.get()));
  if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "tty") < 0 ||
      udev_enumerate_scan_devices(enumerate.get()) < 0) {
    return records;
  }
  for (udev_list_entry* entry = udev_enumerate_get_list_entry(enumerate.get()); entry;
       entry = udev_list_entry_get_next(entry)) {
    const char* path = udev_list_entry_get_name(entry);
    if (!path) continue;
    // A device may go away between the scan and this look.
    const std::unique_ptr<udev_device, UdevUnref> device(
        udev_device_new_from_syspath(context.get(), path));
    if (device) records.push_back(Record(device.get()));
  }
  return records;
}

}  // namespace kvitmark::link
