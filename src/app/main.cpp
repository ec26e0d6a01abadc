// kvitmark: the desktop program for programming the register.
#include <QApplication>
#include <QIcon>
#include <filesystem>

#include "app/settings.h"
#include "app/ui/main_window.h"
#include "app/ui/program_font.h"
#include "base/ui/translation.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kvitmark"));
  // Where the package is installed, the desktop knows the program by its entry and icon.
  QApplication::setDesktopFileName(QStringLiteral("kvitmark"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kvitmark")));
  kvitmark::app::ui::UseProgramFont();
  // The settings file's choice, or the locale's; the window's menu changes it while it runs.
  const auto stated =
      kvitmark::app::ReadSettings(std::filesystem::current_path().string()).language;
  kvitmark::base::ui::UseLanguage(
      kvitmark::base::ChosenLanguage(stated, kvitmark::base::SystemLanguage()));
  kvitmark::app::ui::TForm1 window;
  window.show();
  return QApplication::exec();
}
