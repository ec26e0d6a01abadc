#pragma once

// Bytes with a role on the line besides the frames' LF and CR.
namespace kvitmark::link {

inline constexpr char kFill = static_cast<char>(0xFF);  // runs of it wrap every message
inline constexpr char kXon = 0x11;                      // twice, opens a selection or probe
inline constexpr char kXoff = 0x13;                     // twice, inside every closing sequence
inline constexpr char kAck = 0x06;
inline constexpr char kRefusal = 'E';  // a reply text beginning with E

}  // namespace kvitmark::link
