#include "logo/logo_coverage.h"

#include <algorithm>

#include "base/text_pattern.h"

namespace kvitmark::logo {

Coverage CoverageOf(const DotPicture& logo, int left, int width) {
  left = std::clamp(left, 0, logo.Width());
  width = std::clamp(width, 0, logo.Width() - left);
  const long long area = static_cast<long long>(width) * logo.Height();
  if (area == 0) return Coverage::kNearlyEmpty;
  long long dots = 0;
  for (int y = 0; y < logo.Height(); ++y) {
    for (int x = left; x < left + width; ++x) dots += logo.Black(x, y) ? 1 : 0;
  }
  if (dots * 100 < area) return Coverage::kNearlyEmpty;
  if (dots * 100 > area * 95) return Coverage::kNearlyBlack;
  return Coverage::kFine;
}

base::Message CoverageWarning(Coverage coverage) {
  switch (coverage) {
    case Coverage::kNearlyEmpty:
      return KV_PATTERN("logo", "Точек почти нет: логотип напечатается пустым местом.");
    case Coverage::kNearlyBlack:
      return KV_PATTERN("logo", "Точки почти сплошь: логотип напечатается чёрным прямоугольником.");
    case Coverage::kFine:
      break;
  }
  return {};
}

base::Message RowsNote(int rows) {
  return base::Message::Counted(
      rows, {KV_PATTERN("logo",
                        "Логотип займёт %1 строку: столько и укажите в «Количество строк в "
                        "логотипе» на странице «Параметры чека»."),
             KV_PATTERN("logo",
                        "Логотип займёт %1 строки: столько и укажите в «Количество строк в "
                        "логотипе» на странице «Параметры чека»."),
             KV_PATTERN("logo",
                        "Логотип займёт %1 строк: столько и укажите в «Количество строк в "
                        "логотипе» на странице «Параметры чека».")});
}

}  // namespace kvitmark::logo
