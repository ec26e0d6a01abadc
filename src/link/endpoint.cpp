#include "link/endpoint.h"

#include <cctype>

#include "base/whole_number.h"
#include "link/network_address.h"

namespace kvitmark::link {
namespace {

bool StartsWithCom(std::string_view text) {
  if (text.size() < 3) return false;
  for (size_t i = 0; i < 3; ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != "COM"[i]) return false;
  }
  return true;
}

}  // namespace

std::string ComName(int number) { return "COM" + std::to_string(number); }

std::optional<int> ComNumber(std::string_view name) {
  // "COM010" would be a second name for COM10.
  if (name.size() < 4 || name.size() > 6 || !StartsWithCom(name) || name[3] == '0') {
    return std::nullopt;
  }
  const auto number = base::WholeNumber(name.substr(3));
  if (!number || *number < 1 || *number > kLastComPort) return std::nullopt;
  return number;
}

Endpoint Endpoint::Com(int number, const PortMap& ports) {
  std::string opened;
  const auto mapped = ports.find(number);
  if (mapped != ports.end() && !mapped->second.empty()) {
    opened = mapped->second;
  } else if (number >= 1 && number <= kLinkPorts) {
    opened = "/dev/ttyS" + std::to_string(number - 1);
  }
  return Endpoint(ComName(number), std::move(opened), number);
}

Endpoint Endpoint::Device(std::string path, std::string stableName) {
  std::string opened = stableName.empty() ? path : std::move(stableName);
  return Endpoint(std::move(path), std::move(opened), 0);
}

Endpoint Endpoint::Network(std::string url) {
  std::string opened = url;
  return Endpoint(std::move(url), std::move(opened), 0);
}

bool Endpoint::OnNetwork() const { return IsNetworkDevice(opened_); }

Endpoint DeviceEndpoint(std::string device) {
  if (IsNetworkDevice(device)) return Endpoint::Network(std::move(device));
  return Endpoint::Device(std::move(device));
}

std::optional<Endpoint> ParseEndpoint(std::string_view text, const PortMap& ports) {
  if (text.empty()) return std::nullopt;
  // Whatever starts as a COM name is taken for one: "COM0" is a mistyped port, not a file.
  if (StartsWithCom(text)) {
    const auto number = ComNumber(text);
    if (!number || (*number > kLinkPorts && ports.count(*number) == 0)) return std::nullopt;
    return Endpoint::Com(*number, ports);
  }
  return DeviceEndpoint(std::string(text));
}

}  // namespace kvitmark::link
