#pragma once

// The link's integer results. Callers tell only success (non-negative) from failure,
// but tests and the trace speak in these codes, so every failure has its own.
namespace kvitmark::link {

// OpenPort
inline constexpr int kPortOutOfRange = -1;    // port number outside 1..9
inline constexpr int kSpeedNotOffered = -2;   // speed not in the speed table
inline constexpr int kCannotOpenDevice = -3;  // missing, not permitted, or held by someone
inline constexpr int kCannotConfigure = -5;   // line settings or time-outs refused

// ClosePort, EndExchange
inline constexpr int kNotTheOpenPort = -1;
inline constexpr int kNoPortOpen = -1;

// ReadRecord, WriteRecord, CheckPresence
inline constexpr int kSelectionUnanswered = -1;  // five selections in vain; CheckPresence: no port
inline constexpr int kRegisterOutOfRange = -2;   // register number outside 1..99; nothing sent
inline constexpr int kProbeUnanswered = -3;      // sixteen probes in vain
inline constexpr int kBadMode = -10;             // mode other than 0 or 1; nothing sent
inline constexpr int kExchangeBroken = -12;      // frame not acknowledged, or a reply stopped
                                                 // short or was longer than it may be
inline constexpr int kRefused = -15;             // ten E replies
// A request longer than one frame can carry (196 characters for a write) is never
// sent: cutting it would store a different record than the caller asked for.
inline constexpr int kRequestTooLong = -20;
// A write request holding a CR or NUL cannot be framed; it is never sent.
inline constexpr int kUnframeableText = -21;
inline constexpr int kBadCheck = -1000;  // the read reply failed its check

}  // namespace kvitmark::link
