#include "sdcard/ui/goods_export_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>

#include "base/ui/translation.h"
#include "files/ui/dialog_filter.h"
#include "sdcard/goods_export.h"
#include "tables/ui/dialogs.h"
#include "tables/workspace.h"

namespace kvitmark::sdcard::ui {

bool ExportGoodsForSdCard(QWidget* parent, tables::ui::Dialogs& dialogs,
                          tables::Workspace& workspace, const QString& folder,
                          QProgressBar* progress) {
  const QString start = folder.isEmpty() ? QDir::currentPath() : folder;
  // A file name after the folder is what the dialog proposes.
  QString path = dialogs.SaveFileName(
      parent, base::ui::Translate("TForm4", "Сохранить файл артикулов на SD-диск"),
      files::ui::QtFilter(KV_PATTERN("sdcard", "Файлы артикулов(*.art)|*.ART|Все файлы (*.*)|*.*")),
      QDir(start).filePath(QStringLiteral("goodbase.art")), QStringLiteral("art"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".art");

  sdcard::Progress steps;
  if (progress != nullptr) {
    steps.setRange = [progress](int maximum) { progress->setRange(0, maximum); };
    steps.setPosition = [progress](int position) { progress->setValue(position); };
    steps.step = [progress] { progress->setValue(progress->value() + 1); };
  }
  const files::FileReport report =
      ExportGoodsForSd(workspace, QFile::encodeName(path).toStdString(), steps);
  if (report.message) {
    dialogs.MessageBox(parent, base::ui::Render(report.message->text),
                       base::ui::Render(report.message->caption), tables::BoxButtons::kOkCancel,
                       tables::BoxIcon::kNone);
  }
  return report.done;
}

}  // namespace kvitmark::sdcard::ui
