#include "app/ui/program_font.h"

#include <QApplication>
#include <QFont>

namespace kvitmark::app::ui {

void UseProgramFont() {
  QFont font = QApplication::font();
  font.setPixelSize(11);
  QApplication::setFont(font);
}

}  // namespace kvitmark::app::ui
