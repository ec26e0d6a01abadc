#pragma once

#include <optional>
#include <string>

// A port can be a register behind the network: a serial-to-Ethernet converter or a
// machine running ser2net. Its "device" is then a URL.
namespace kvitmark::link {

enum class NetworkProtocol {
  kRfc2217,  // Telnet with the COM-PORT option: the line is set up from here
  kRawTcp,   // bytes as they are: the converter is set up for the register by hand
};

struct NetworkAddress {
  NetworkProtocol protocol;
  std::string host;  // a name, an IPv4 address or an IPv6 address without its brackets
  int port = 0;      // 1 to 65535
};

// True for a device that names the network ("rfc2217://…", "tcp://…"), well formed or not:
// such a device is never a path on this machine.
bool IsNetworkDevice(const std::string& device);

// rfc2217://HOST:PORT or tcp://HOST:PORT (an IPv6 host in brackets, [::1]:4001); nothing for
// anything else.
std::optional<NetworkAddress> ParseNetworkAddress(const std::string& device);

// "HOST:PORT" of a network device, as a message names it; the device itself when it is not
// a well-formed network address.
std::string HostAndPort(const std::string& device);

}  // namespace kvitmark::link
