#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// What the link opens, as one value: the name the user knows it by ("COM3", "/dev/ttyUSB0",
// "rfc2217://10.0.0.7:4001") and what that name leads to on this machine. Every front end
// turns a choice into an endpoint once; the link, the search and a session then work with that
// endpoint and never ask again what a name means.
namespace kvitmark::link {

// COMn → device, as the settings file names them in [Ports] ("COM1=/dev/ttyUSB0",
// "COM10=rfc2217://10.0.0.7:4001").
using PortMap = std::map<int, std::string>;

// COM1 … COM9: the ports OpenPort takes and the window's selector lists. The settings may map
// further names, up to COM255.
inline constexpr int kLinkPorts = 9;
inline constexpr int kLastComPort = 255;

std::string ComName(int number);  // "COM12"
// The number of a COM name, in any case ("com12" → 12); nothing for anything else.
std::optional<int> ComNumber(std::string_view name);

class Endpoint {
 public:
  // COMn: the device `ports` names for it, else, for COM1 … COM9, the n-th on-board port
  // (/dev/ttyS<n-1>). A further name the map lacks leads nowhere: Opened() is empty, and the
  // link refuses it as a port out of range.
  static Endpoint Com(int number, const PortMap& ports);
  // A serial device by its path; opened through `stableName` (its /dev/serial/by-id name)
  // where there is one, so that a re-plugged adapter is the same port whatever its number.
  static Endpoint Device(std::string path, std::string stableName = {});
  // A register behind the network, rfc2217://HOST:PORT or tcp://HOST:PORT. A malformed
  // address is kept as it is: opening it says what is wrong with it.
  static Endpoint Network(std::string url);

  const std::string& Name() const { return name_; }
  const std::string& Opened() const { return opened_; }
  // n for COMn, 0 for a device or address named by itself.
  int ComNumber() const { return comNumber_; }
  // Whether what is opened is on the network (a COM name may lead there too).
  bool OnNetwork() const;

  bool operator==(const Endpoint&) const = default;

 private:
  Endpoint(std::string name, std::string opened, int comNumber)
      : name_(std::move(name)), opened_(std::move(opened)), comNumber_(comNumber) {}

  std::string name_;
  std::string opened_;
  int comNumber_ = 0;
};

// A device or network address as the user gives it by its own name: a URL is a network
// endpoint, anything else a device path.
Endpoint DeviceEndpoint(std::string device);

// What a user or a settings file names: a COM name (resolved through `ports`), a network
// address or a device path. Nothing for a text that names nothing to open: an empty one, a
// COM name outside COM1 … COM255, or one past COM9 that `ports` does not map.
std::optional<Endpoint> ParseEndpoint(std::string_view text, const PortMap& ports);

}  // namespace kvitmark::link
