#pragma once

// The core speaks Russian: its messages reach the window as Russian text in code page 1251,
// and the window translates them there (base/ui/translation.h). KV_TR marks such a text for
// lupdate, which collects it under its context, one per subsystem; the macro itself gives the
// text unchanged, so nothing the core writes on the line or into a file depends on the
// language.
#define KV_TR(context, text) text

namespace kvitmark::base {

// The contexts the core's texts are collected under, in the order a text is looked up in.
inline constexpr const char* kCoreContexts[] = {"tables", "link",   "files",  "logo", "reports",
                                                "sdcard", "sheets", "backup", "app",  "base"};

}  // namespace kvitmark::base
