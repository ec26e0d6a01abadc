#pragma once

#include <optional>
#include <string>
#include <string_view>

// Code page 1251 is the one text encoding of the register, its tables and every file
// the program keeps. The core holds such text as bytes in std::string; conversion to
// and from UTF-8 happens only at the edges (the window, the terminal).
//
// The codec is lossless: each of the 256 bytes maps to exactly one character and
// back. The byte 0x98, which the code page leaves unassigned, maps to U+0098.
namespace kvitmark::base {

// The character that a code page 1251 byte stands for.
char32_t Cp1251ToUnicode(unsigned char byte);

// The byte for a character, or nothing when the code page has no byte for it.
std::optional<unsigned char> UnicodeToCp1251(char32_t character);

std::string Cp1251ToUtf8(std::string_view cp1251);

// Nothing when the input is not valid UTF-8 or holds a character the code page
// cannot store.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (files that do not say their encoding).
bool IsUtf8(std::string_view text);

// The first character of well-formed UTF-8 text that the code page cannot store; nothing
// when there is none.
std::optional<char32_t> FirstOutsideCp1251(std::string_view utf8);

// For the program's own literals (source files are UTF-8): converts text that is
// known to be representable; any character that is not becomes '?'.
std::string Cp1251(std::string_view utf8Literal);

}  // namespace kvitmark::base
