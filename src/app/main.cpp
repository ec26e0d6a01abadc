// kvitmark: the desktop program for programming the register.
#include <QApplication>

#include "app/ui/main_window.h"
#include "app/ui/program_font.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kvitmark"));
  kvitmark::app::ui::UseProgramFont();
  kvitmark::app::ui::TForm1 window;
  window.show();
  return QApplication::exec();
}
