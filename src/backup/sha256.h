#pragma once

#include <optional>
#include <string>
#include <string_view>

// The SHA-256 digests a backup's manifest holds for its files, as 64 lower-case hex digits.
namespace kvitmark::backup {

std::string Sha256(std::string_view bytes);
// Nothing when the file cannot be read to its end.
std::optional<std::string> FileSha256(const std::string& path);

}  // namespace kvitmark::backup
