#pragma once

// KV_TR marks a Russian text for lupdate under its context, one per subsystem, and gives the
// text unchanged: for the few texts kept as plain literals (a report's name). Texts the core
// says to a user are messages (base/message.h), marked with KV_PATTERN.
#define KV_TR(context, text) text

namespace kvitmark::base {

// The contexts the core's texts are collected under.
inline constexpr const char* kCoreContexts[] = {"tables", "link",   "files",  "logo", "reports",
                                                "sdcard", "sheets", "backup", "app",  "base"};

}  // namespace kvitmark::base
