#include "base/control_characters.h"

namespace kvitmark::base {
namespace {

bool IsEscaped(unsigned char byte) {
  return (byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F;
}

}  // namespace

std::string EscapeControlCharacters(std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!IsEscaped(byte)) {
      escaped.push_back(c);
      continue;
    }
    escaped += "\\x";
    escaped.push_back(kDigits[byte >> 4]);
    escaped.push_back(kDigits[byte & 0xF]);
  }
  return escaped;
}

}  // namespace kvitmark::base
