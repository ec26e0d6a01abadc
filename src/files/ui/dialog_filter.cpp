#include "files/ui/dialog_filter.h"

#include <QStringList>

#include "base/ui/translation.h"

namespace kvitmark::files::ui {

QString QtFilter(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = parts[i + 1].trimmed();
    QString patterns;
    if (pattern == QStringLiteral("*.*")) {
      patterns = QStringLiteral("*");
    } else {
      patterns = pattern.toLower();
      if (pattern.toUpper() != patterns) patterns += ' ' + pattern.toUpper();
    }
    filters << parts[i] + QStringLiteral(" (") + patterns + ')';
  }
  return filters.join(QStringLiteral(";;"));
}

QString QtFilter(const base::TextPattern& windowsFilter) {
  return QtFilter(base::ui::Render(windowsFilter));
}

QString QtFilter(const std::string& windowsFilter) {
  return QtFilter(base::ui::FromCore(windowsFilter));
}

}  // namespace kvitmark::files::ui
