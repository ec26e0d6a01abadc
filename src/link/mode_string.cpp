#include "link/mode_string.h"

#include <array>

#include "base/whole_number.h"

namespace kvitmark::link {
namespace {

constexpr std::array kOfferedSpeeds = {4800,  9600,  14400, 19200, 28800,
                                       38400, 56000, 57600, 57700, 115200};

constexpr std::string_view kLineParameters = "N,8,2";

}  // namespace

std::optional<std::string> SpeedText(int speed) {
  for (int offered : kOfferedSpeeds) {
    if (offered == speed) return ':' + std::to_string(speed) + ',';
  }
  return std::nullopt;
}

std::string BuildModeString(std::string_view deviceName, std::string_view speedText) {
  std::string mode(deviceName);
  mode.append(speedText);
  mode.append(kLineParameters);
  return mode;
}

std::optional<LineSettings> ParseModeString(std::string_view modeString) {
  // COMn:speed,parity,data,stop
  const auto colon = modeString.find(':');
  if (colon == std::string_view::npos || !modeString.starts_with("COM")) return std::nullopt;
  return ParseLineParameters(modeString.substr(colon + 1));
}

std::optional<LineSettings> ParseLineParameters(std::string_view parameters) {
  std::array<std::string_view, 4> parts;
  std::string_view rest = parameters;
  for (size_t i = 0; i < parts.size(); ++i) {
    const auto comma = rest.find(',');
    if ((comma == std::string_view::npos) != (i == parts.size() - 1)) return std::nullopt;
    parts[i] = rest.substr(0, comma);
    if (comma != std::string_view::npos) rest = rest.substr(comma + 1);
  }
  const auto speed = base::WholeNumber(parts[0]);
  const auto dataBits = base::WholeNumber(parts[2]);
  const auto stopBits = base::WholeNumber(parts[3]);
  if (!speed || *speed <= 0) return std::nullopt;
  if (parts[1].size() != 1 || std::string_view("NEOMS").find(parts[1][0]) == std::string_view::npos)
    return std::nullopt;
  if (!dataBits || *dataBits < 5 || *dataBits > 8) return std::nullopt;
  if (!stopBits || *stopBits < 1 || *stopBits > 2) return std::nullopt;
  LineSettings settings;
  settings.speed = *speed;
  settings.parity = parts[1][0];
  settings.dataBits = *dataBits;
  settings.stopBits = *stopBits;
  return settings;
}

}  // namespace kvitmark::link
