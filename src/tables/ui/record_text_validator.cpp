#include "tables/ui/record_text_validator.h"

#include "base/ui/qt_text.h"

namespace kvitmark::tables::ui {

QValidator::State RecordTextValidator::validate(QString& input, int& /*position*/) const {
  // Invalid rather than Intermediate: the line edit then refuses the keystroke or the
  // paste outright instead of holding text that could never be stored.
  return Acceptable(input) ? QValidator::Acceptable : QValidator::Invalid;
}

bool RecordTextValidator::Acceptable(const QString& text) {
  for (const QChar c : text) {
    if (c == u';' || c == u'\r' || c == u'\n') return false;
  }
  return base::ui::FitsCp1251(text);
}

}  // namespace kvitmark::tables::ui
