// kvitmark: the desktop program for programming the register.
#include <QApplication>
#include <QIcon>

#include "app/ui/main_window.h"
#include "app/ui/program_font.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kvitmark"));
  // Where the package is installed, the desktop knows the program by its entry and icon.
  QApplication::setDesktopFileName(QStringLiteral("kvitmark"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kvitmark")));
  kvitmark::app::ui::UseProgramFont();
  kvitmark::app::ui::TForm1 window;
  window.show();
  return QApplication::exec();
}
