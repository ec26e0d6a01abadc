#include "link/network_address.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

namespace kvitmark::link {
namespace {

constexpr std::string_view kRfc2217Scheme = "rfc2217://";
constexpr std::string_view kTcpScheme = "tcp://";

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

std::optional<int> PortNumber(std::string_view text) {
  int port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  if (port < 1 || port > 65535) return {};
  return port;
}

bool PlainHost(std::string_view host) {
  return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
  });
}

bool Ipv6Host(std::string_view host) {
  return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.';
  });
}

}  // namespace

bool IsNetworkDevice(const std::string& device) {
  return StartsWithIgnoringCase(device, kRfc2217Scheme) ||
         StartsWithIgnoringCase(device, kTcpScheme);
}

std::optional<NetworkAddress> ParseNetworkAddress(const std::string& device) {
  NetworkAddress address{NetworkProtocol::kRfc2217, {}, 0};
  std::string_view rest = device;
  if (StartsWithIgnoringCase(rest, kRfc2217Scheme)) {
    rest.remove_prefix(kRfc2217Scheme.size());
  } else if (StartsWithIgnoringCase(rest, kTcpScheme)) {
    address.protocol = NetworkProtocol::kRawTcp;
    rest.remove_prefix(kTcpScheme.size());
  } else {
    return {};
  }
  // A trailing "/" is how URLs are often typed; nothing may follow it.
  if (rest.ends_with('/')) rest.remove_suffix(1);
  std::string_view host;
  std::string_view port;
  if (rest.starts_with('[')) {
    const auto close = rest.find(']');
    if (close == std::string_view::npos || rest.substr(close + 1, 1) != ":") return {};
    host = rest.substr(1, close - 1);
    port = rest.substr(close + 2);
    if (!Ipv6Host(host)) return {};
  } else {
    const auto colon = rest.rfind(':');
    if (colon == std::string_view::npos) return {};
    host = rest.substr(0, colon);
    port = rest.substr(colon + 1);
    if (!PlainHost(host)) return {};
  }
  const auto number = PortNumber(port);
  if (!number) return {};
  address.host = std::string(host);
  address.port = *number;
  return address;
}

std::string HostAndPort(const std::string& device) {
  const auto address = ParseNetworkAddress(device);
  if (!address) return device;
  const bool ipv6 = address->host.find(':') != std::string::npos;
  return (ipv6 ? '[' + address->host + ']' : address->host) + ':' + std::to_string(address->port);
}

}  // namespace kvitmark::link
