#include "link/port_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <tuple>

#include "base/text_pattern.h"

namespace kvitmark::link {
namespace {

struct PortKind {
  std::string_view prefix;
  bool usb;
};

// In the order a user looks for the register: it hangs on an adapter far more often than on
// an on-board port.
constexpr std::array<PortKind, 3> kKinds = {{{"ttyUSB", true}, {"ttyACM", true}, {"ttyS", false}}};

// The kind's place and the device's number, when `name` is one of ours: the prefix and a
// number, nothing else ("ttySAC0" is not "ttyS").
struct Recognised {
  size_t kind;
  unsigned long number;
};

std::optional<Recognised> Recognise(std::string_view name) {
  for (size_t kind = 0; kind < kKinds.size(); ++kind) {
    if (!name.starts_with(kKinds[kind].prefix)) continue;
    const std::string_view digits = name.substr(kKinds[kind].prefix.size());
    unsigned long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
      return std::nullopt;
    }
    return Recognised{kind, number};
  }
  return std::nullopt;
}

std::string Property(const DeviceRecord& record, const std::string& key) {
  const auto found = record.properties.find(key);
  return found == record.properties.end() ? std::string() : found->second;
}

// udev writes what the device says of itself with '_' for every blank and odd character.
std::string Readable(std::string_view text) {
  std::string readable;
  for (char c : text) {
    if (c == '_') c = ' ';
    if (c == ' ' && (readable.empty() || readable.back() == ' ')) continue;
    readable += c;
  }
  while (!readable.empty() && readable.back() == ' ') readable.pop_back();
  return readable;
}

// The device's own word ("FTDI", "FT232R_USB_UART") reads as what is printed on the adapter;
// many cheap adapters say nothing but their hexadecimal id, and then the USB id database's
// name is the better one.
std::string Named(const DeviceRecord& record, const std::string& own, const std::string& id,
                  const std::string& fromDatabase) {
  const std::string said = Property(record, own);
  if (said.empty() || said == Property(record, id)) return Property(record, fromDatabase);
  return Readable(said);
}

base::Message UsbDescription(const DeviceRecord& record, const PortKind& kind) {
  const std::string maker = Named(record, "ID_VENDOR", "ID_VENDOR_ID", "ID_VENDOR_FROM_DATABASE");
  const std::string model = Named(record, "ID_MODEL", "ID_MODEL_ID", "ID_MODEL_FROM_DATABASE");
  if (maker.empty() && model.empty()) {
    return kind.prefix == "ttyACM" ? KV_PATTERN("link", "USB-устройство (ACM)")
                                   : KV_PATTERN("link", "USB-адаптер");
  }
  if (maker.empty() || model.empty()) return base::Message::DataUtf8(maker + model);
  return base::Message::DataUtf8(maker + ' ' + model);
}

std::string DevicePath(const DeviceRecord& record) {
  const std::string name = Property(record, "DEVNAME");
  if (name.starts_with('/')) return name;
  return "/dev/" + (name.empty() ? record.name : name);
}

// The by-id name stays the same whichever USB socket the adapter is in; of several, the first
// in order, so that the same adapter always gets the same one.
std::string StableName(const DeviceRecord& record) {
  std::string stable;
  for (const std::string& link : record.devlinks) {
    if (link.starts_with("/dev/serial/by-id/") && (stable.empty() || link < stable)) {
      stable = link;
    }
  }
  return stable;
}

}  // namespace

std::vector<SerialPort> SerialPorts(const std::vector<DeviceRecord>& records,
                                    const UartProbe& hasUart) {
  struct Found {
    Recognised place;
    SerialPort port;
  };
  std::vector<Found> found;
  for (const DeviceRecord& record : records) {
    // The USB serial driver has a device of the same name in its own subsystem.
    if (Property(record, "SUBSYSTEM") != "tty") continue;
    const auto place = Recognise(record.name);
    if (!place) continue;
    const PortKind& kind = kKinds[place->kind];
    SerialPort port{DevicePath(record), StableName(record), {}};
    if (kind.usb) {
      port.description = UsbDescription(record, kind);
    } else {
      // The kernel makes ttyS devices for every port it might have, most with nothing behind.
      if (!hasUart || !hasUart(port.devicePath)) continue;
      port.description = KV_PATTERN("link", "последовательный порт");
    }
    found.push_back({*place, std::move(port)});
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return std::tie(a.place.kind, a.place.number, a.port.devicePath) <
           std::tie(b.place.kind, b.place.number, b.port.devicePath);
  });
  std::vector<SerialPort> ports;
  for (Found& each : found) ports.push_back(std::move(each.port));
  return ports;
}

std::vector<SerialPort> ListSerialPorts() { return SerialPorts(TtyDeviceRecords(), HasUart); }

Endpoint DetectedEndpoint(const SerialPort& port) {
  return Endpoint::Device(port.devicePath, port.stableName);
}

bool IsPort(const SerialPort& port, const std::string& path) {
  if (path == port.devicePath || (!port.stableName.empty() && path == port.stableName)) {
    return true;
  }
  std::error_code error;
  const auto resolved = std::filesystem::canonical(path, error);
  return !error && resolved == port.devicePath;
}

}  // namespace kvitmark::link
