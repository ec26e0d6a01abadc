// The serial ports offered to a user: which devices count, what they are called, and in what
// order, from a made-up device list; and the machine's own list.
#include "link/port_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>

namespace kvitmark::testing {
namespace {

using link::DeviceRecord;
using link::SerialPort;

// A port as a user reads it in the list: its device, its stable name, its description.
struct ShownPort {
  std::string devicePath;
  std::string stableName;
  std::string description;
  bool operator==(const ShownPort&) const = default;
  friend void PrintTo(const ShownPort& port, std::ostream* out) {
    *out << port.devicePath << " (" << port.stableName << ") " << port.description;
  }
};

std::vector<ShownPort> Shown(const std::vector<SerialPort>& ports) {
  std::vector<ShownPort> shown;
  for (const SerialPort& port : ports) {
    shown.push_back({port.devicePath, port.stableName, base::RenderUtf8(port.description)});
  }
  return shown;
}

DeviceRecord Tty(std::string name, std::map<std::string, std::string> properties = {},
                 std::vector<std::string> devlinks = {}) {
  properties["SUBSYSTEM"] = "tty";
  properties["DEVNAME"] = "/dev/" + name;
  return {std::move(name), std::move(properties), std::move(devlinks)};
}

TEST(SerialPorts, AdaptersByMakerAndModelThenOnlyTheOnBoardPortsWithAUart) {
  const std::vector<DeviceRecord> records = {
      Tty("ttyS1"),
      Tty("ttyUSB10", {{"ID_VENDOR", "1a86"},
                       {"ID_VENDOR_ID", "1a86"},
                       {"ID_VENDOR_FROM_DATABASE", "QinHeng Electronics"},
                       {"ID_MODEL", "USB2.0-Serial"},
                       {"ID_MODEL_ID", "7523"}}),
      Tty("ttyS0"),
      Tty("ttyACM0",
          {{"ID_VENDOR", "Arduino__www.arduino.cc_"},
           {"ID_MODEL", "0043"},
           {"ID_MODEL_ID", "0043"},
           {"ID_MODEL_FROM_DATABASE", "Uno R3 (CDC ACM)"}},
          {"/dev/serial/by-path/pci-0000:00:14.0-usb-0:2:1.0",
           "/dev/serial/by-id/usb-Arduino__www.arduino.cc__0043_75830-if00"}),
      Tty("ttyUSB2",
          {{"ID_VENDOR", "FTDI"},
           {"ID_VENDOR_ID", "0403"},
           {"ID_MODEL", "FT232R_USB_UART"},
           {"ID_MODEL_ID", "6001"}},
          {"/dev/serial/by-path/pci-0000:00:14.0-usb-0:1:1.0-port0",
           "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"}),
      // What a container without the device database sees.
      Tty("ttyUSB3", {}),
      // The USB serial driver's own device of the same name, not the tty.
      {"ttyUSB4", {{"SUBSYSTEM", "usb-serial"}}, {}},
      Tty("tty0"),
      Tty("ttySAC0"),
      {"sda", {{"SUBSYSTEM", "block"}, {"DEVNAME", "/dev/sda"}}, {}},
  };
  std::vector<std::string> probed;
  const auto uartOnTtyS1 = [&](const std::string& path) {
    probed.push_back(path);
    return path == "/dev/ttyS1";
  };

  const std::vector<ShownPort> expected = {
      {"/dev/ttyUSB2", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
       "FTDI FT232R USB UART"},
      {"/dev/ttyUSB3", "", "USB-адаптер"},
      {"/dev/ttyUSB10", "", "QinHeng Electronics USB2.0-Serial"},
      {"/dev/ttyACM0", "/dev/serial/by-id/usb-Arduino__www.arduino.cc__0043_75830-if00",
       "Arduino www.arduino.cc Uno R3 (CDC ACM)"},
      {"/dev/ttyS1", "", "последовательный порт"},
  };
  EXPECT_EQ(Shown(link::SerialPorts(records, uartOnTtyS1)), expected);
  // Only on-board ports are opened to look; an adapter is never disturbed.
  EXPECT_EQ(std::set<std::string>(probed.begin(), probed.end()),
            (std::set<std::string>{"/dev/ttyS0", "/dev/ttyS1"}));
}

TEST(ListSerialPorts, NamesCharacterDevicesThatExistOnceEach) {
  std::set<std::string> seen;
  for (const SerialPort& port : link::ListSerialPorts()) {
    struct stat device {};
    ASSERT_EQ(stat(port.devicePath.c_str(), &device), 0) << port.devicePath;
    EXPECT_TRUE(S_ISCHR(device.st_mode)) << port.devicePath;
    EXPECT_FALSE(port.description.Empty()) << port.devicePath;
    EXPECT_TRUE(seen.insert(port.devicePath).second) << port.devicePath;
  }
}

}  // namespace
}  // namespace kvitmark::testing
