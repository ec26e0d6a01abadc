#include "base/ui/qt_text.h"

#include "base/cp1251.h"

namespace kvitmark::base::ui {

QString FromCp1251(std::string_view cp1251) {
  QString text;
  text.reserve(static_cast<qsizetype>(cp1251.size()));
  for (char byte : cp1251) {
    text.append(QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(byte)))));
  }
  return text;
}

std::string ToCp1251(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) {
    const auto byte = UnicodeToCp1251(c.unicode());
    bytes.push_back(byte ? static_cast<char>(*byte) : '?');
  }
  return bytes;
}

bool FitsCp1251(const QString& text) {
  for (const QChar c : text) {
    if (!UnicodeToCp1251(c.unicode())) return false;
  }
  return true;
}

}  // namespace kvitmark::base::ui
