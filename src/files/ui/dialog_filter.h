#pragma once

#include <QString>
#include <string>

namespace kvitmark::files::ui {

// A filter written the Windows way, "description|pattern|description|pattern" in code
// page 1251, as a Qt file dialog takes it. File names are case-sensitive here, so each
// pattern matches both cases ("*.ART" finds goods.art and GOODS.ART), and "*.*" is every
// file, dot or none.
QString QtFilter(const std::string& windowsFilter);

}  // namespace kvitmark::files::ui
