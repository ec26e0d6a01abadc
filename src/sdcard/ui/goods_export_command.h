#pragma once

#include <QString>

class QProgressBar;
class QWidget;

namespace kvitmark::tables {
class Workspace;
}
namespace kvitmark::tables::ui {
class Dialogs;
}

namespace kvitmark::sdcard::ui {

// The main window's export of the goods page for the register's SD card: the save dialog
// proposes goodbase.art in `folder` (empty: the process's current directory), the file is
// written, and a failure is told through `dialogs`. `progress`, when given, moves one step
// per line. True when the file was written: the goods page's names then carry the space
// substitutes, so the window must show the goods page again.
bool ExportGoodsForSdCard(QWidget* parent, tables::ui::Dialogs& dialogs,
                          tables::Workspace& workspace, const QString& folder = {},
                          QProgressBar* progress = nullptr);

}  // namespace kvitmark::sdcard::ui
