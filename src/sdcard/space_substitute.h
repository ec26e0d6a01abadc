#pragma once

#include <string>
#include <string_view>

// Goods names in the register's SD-card files hold no spaces: each space of a name stands
// there as the byte 0x96 (the en dash of code page 1251), the space substitute.
namespace kvitmark::sdcard {

inline constexpr char kSpaceSubstitute = '\x96';

// Every space becomes the substitute; nothing else changes.
std::string WithSpaceSubstitutes(std::string_view name);

// Every substitute becomes a space; nothing else changes.
std::string WithSpaces(std::string_view name);

}  // namespace kvitmark::sdcard
