#pragma once

#include <QString>

#include "base/language.h"
#include "base/message.h"

// The program's texts in the language the user reads. Russian is the source language: its
// texts are the program's own literals and need no catalogue; Ukrainian comes from the
// catalogue compiled from translations/kvitmark_uk.ts into the program.
namespace kvitmark::base::ui {

// Makes `language` the one Translate answers in. In a running application the catalogue is
// installed there too, and every window gets a QEvent::LanguageChange to set its texts again.
// False when the Ukrainian catalogue could not be loaded (the program then stays Russian).
bool UseLanguage(Language language);

Language CurrentLanguage();

// `source` (the Russian text, UTF-8) of `context` in the current language; the source itself
// where the catalogue has no translation. lupdate collects the calls.
QString Translate(const char* context, const char* source);

// A message of the core in the current language: its patterns translated, its data as it is.
QString Render(const Message& message);
// The list's messages one per line.
QString Render(const MessageList& messages);
// A marked text alone (a caption, a header) in the current language.
QString Render(const TextPattern& text);

}  // namespace kvitmark::base::ui
