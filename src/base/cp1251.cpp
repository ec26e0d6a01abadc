#include "base/cp1251.h"

#include <array>
#include <unordered_map>

namespace kvitmark::base {
namespace {

// Characters of the bytes 0x80 to 0xFF; the lower half is ASCII.
constexpr std::array<char32_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const std::unordered_map<char32_t, unsigned char>& ReverseTable() {
  static const auto* table = [] {
    auto* map = new std::unordered_map<char32_t, unsigned char>();
    for (int i = 0; i < 128; ++i) map->emplace(kUpperHalf[i], static_cast<unsigned char>(0x80 + i));
    return map;
  }();
  return *table;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at `pos`; nothing for a malformed one.
std::optional<char32_t> NextUtf8(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (pos + length > text.size()) return std::nullopt;
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  pos += length;
  return c;
}

}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
  return byte < 0x80 ? char32_t{byte} : kUpperHalf[byte - 0x80];
}

std::optional<unsigned char> UnicodeToCp1251(char32_t character) {
  if (character < 0x80) return static_cast<unsigned char>(character);
  const auto& reverse = ReverseTable();
  const auto found = reverse.find(character);
  if (found == reverse.end()) return std::nullopt;
  return found->second;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char byte : cp1251) AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(byte)));
  return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto c = NextUtf8(utf8, pos);
    if (!c) return std::nullopt;
    const auto byte = UnicodeToCp1251(*c);
    if (!byte) return std::nullopt;
    out.push_back(static_cast<char>(*byte));
  }
  return out;
}

bool IsUtf8(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size()) {
    if (!NextUtf8(text, pos)) return false;
  }
  return true;
}

std::optional<char32_t> FirstOutsideCp1251(std::string_view utf8) {
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto c = NextUtf8(utf8, pos);
    if (!c) return std::nullopt;
    if (!UnicodeToCp1251(*c)) return c;
  }
  return std::nullopt;
}

std::string Cp1251(std::string_view utf8Literal) {
  std::string out;
  size_t pos = 0;
  while (pos < utf8Literal.size()) {
    const auto c = NextUtf8(utf8Literal, pos);
    if (!c) {
      ++pos;
      out.push_back('?');
      continue;
    }
    const auto byte = UnicodeToCp1251(*c);
    out.push_back(byte ? static_cast<char>(*byte) : '?');
  }
  return out;
}

}  // namespace kvitmark::base
