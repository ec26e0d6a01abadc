#pragma once

#include <QValidator>

namespace kvitmark::tables::ui {

// Cells and parameter fields hold what a record can carry: characters of code page 1251,
// and never ";", CR or LF, which would split the record.
class RecordTextValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
  static bool Acceptable(const QString& text);
};

}  // namespace kvitmark::tables::ui
