#pragma once

#include <QString>

#include "base/text_pattern.h"

#include "base/text_pattern.h"

namespace kvitmark::files::ui {

// A filter written the Windows way, "description|pattern|description|pattern", as a Qt
// file dialog takes it. File names are case-sensitive here, so each pattern matches both
// cases ("*.ART" finds goods.art and GOODS.ART), and "*.*" is every file, dot or none.
QString QtFilter(const QString& windowsFilter);
// The same for a marked filter, its descriptions in the language now chosen.
QString QtFilter(const base::TextPattern& windowsFilter);

}  // namespace kvitmark::files::ui
