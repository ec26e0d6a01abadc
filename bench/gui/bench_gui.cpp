// How quickly the desktop program is there: from the start of the process to the first
// painted main window, and from a goods table of 14000 records already read into the core
// to the goods grid showing it.
//
// Last line: "startup Xms goods-fill Yms". Without a display it paints offscreen.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "app/ui/main_window.h"
#include "app/ui/program_font.h"
#include "sim/sim_tables.h"
#include "tables/record_codec.h"
#include "tables/ui/string_grid.h"

namespace {

// Milliseconds since the kernel started this process (its start time is kept in clock
// ticks since boot).
double MillisecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  std::getline(stat, line);
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string field;
  for (int index = 3; index <= 22; ++index) fields >> field;  // field 22: starttime
  const double startSeconds = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return (now.tv_sec + now.tv_nsec / 1e9 - startSeconds) * 1000.0;
}

class FirstPaint : public QObject {
 public:
  double at = -1;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && at < 0) {
      // Measured once the paint has been delivered: the handler runs first.
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this, [this] { at = MillisecondsSinceProcessStart(); }, Qt::QueuedConnection);
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  QApplication application(argc, argv);
  kvitmark::app::ui::UseProgramFont();
  QTemporaryDir settings;
  kvitmark::app::ui::Environment environment;
  environment.settingsDirectory = settings.path().toStdString();
  kvitmark::app::ui::TForm1 window(environment);
  FirstPaint firstPaint;
  window.installEventFilter(&firstPaint);
  window.show();
  while (firstPaint.at < 0) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  const double startup = firstPaint.at;

  // A whole goods table in the core, as a read leaves it.
  const auto goods = kvitmark::sim::FactoryTables().at(0).records;
  using kvitmark::tables::PageId;
  auto& table = window.Workspace().Grid(PageId::kGoods);
  for (size_t record = 1; record <= goods.size(); ++record) {
    const std::string answer = "0;" + std::to_string(record) + ";" + goods[record - 1];
    kvitmark::tables::DecodeGridRecord(PageId::kGoods, static_cast<int>(record), answer, table);
  }
  QElapsedTimer fill;
  fill.start();
  window.ShowPageData(PageId::kGoods, -1);
  window.Grid(PageId::kGoods)->ScrollToTopRow(7000);
  window.Grid(PageId::kGoods)->repaint();
  const double goodsFill = static_cast<double>(fill.nsecsElapsed()) / 1e6;

  std::printf("platform %s\n", qPrintable(QApplication::platformName()));
  std::printf("startup %.0fms goods-fill %.0fms\n", startup, goodsFill);
  return 0;
}
