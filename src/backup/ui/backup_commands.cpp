#include "backup/ui/backup_commands.h"

#include <QFile>
#include <QWidget>
#include <ctime>

#include "backup/backup_check.h"
#include "backup/backup_contents.h"
#include "backup/backup_operation.h"
#include "backup/restore_operation.h"
#include "backup/ui/backup_window.h"
#include "base/translatable.h"
#include "base/ui/translation.h"
#include "logo/ui/bmp_logo_files.h"
#include "tables/operation_support.h"
#include "tables/operations.h"
#include "tables/ui/dialogs.h"

namespace kvitmark::backup::ui {
namespace {

const char* const kBackupTitle = KV_TR("BackupWindow", "Резервная копия ЭККА");
const char* const kRestoreTitle = KV_TR("BackupWindow", "Восстановление ЭККА");

// Folder names are the file system's bytes, never code page 1251 text.
std::string FileSystemBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromFileSystem(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// A text meant as one line, whatever the messages nested in it hold.
QString OneLine(QString text) { return text.replace(QLatin1Char('\n'), QLatin1Char(' ')); }

}  // namespace

BackupCommands::BackupCommands(const BackupCommandsContext& context)
    : context_(context),
      progress_(std::make_unique<BackupWindow>(
          BackupWindowContext{context.dialogs, context.prompt, context.afterPrompt,
                              context.windowStop},
          context.window)) {}

BackupCommands::~BackupCommands() = default;

QString BackupCommands::StartFolder() const {
  return lastFolder_.isEmpty() ? context_.folder : lastFolder_;
}

bool BackupCommands::Connected() {
  if (tables::support::IsConnected(*context_.session)) return true;
  context_.dialogs->ShowMessage(context_.window, base::ui::Render(NotConnected()));
  return false;
}

void BackupCommands::BackUp() {
  if (!Connected()) return;
  const QString title = base::ui::Translate("BackupWindow", kBackupTitle);
  const QString parent = context_.dialogs->ExistingFolder(
      context_.window, base::ui::Translate("BackupWindow", "Резервная копия ЭККА: в какую папку"),
      StartFolder());
  if (parent.isEmpty()) return;
  lastFolder_ = parent;

  logo::ui::BmpLogoFiles logoFiles;
  const BackupRequest request{FileSystemBytes(parent), context_.typeText().toStdString(),
                              std::time(nullptr)};
  BackupResult result;
  progress_->SetRunTitle(title);
  context_.runOperation(
      [&] { result = BackupRegister(*context_.session, *progress_, logoFiles, request); });
  context_.registerCopyChanged();

  QString text = base::ui::Render(BackupReport(result));
  if (!result.folder.empty()) {
    text +=
        base::ui::Translate("BackupWindow", "\n\nПапка копии:\n") + FromFileSystem(result.folder);
  }
  const bool whole = result.outcome == BackupOutcome::kComplete;
  context_.dialogs->MessageBox(context_.window, text, title, tables::BoxButtons::kOk,
                               whole ? tables::BoxIcon::kInformation : tables::BoxIcon::kWarning);
}

void BackupCommands::Restore() {
  if (!Connected()) return;
  const QString title = base::ui::Translate("BackupWindow", kRestoreTitle);
  const QString folder = context_.dialogs->ExistingFolder(
      context_.window,
      base::ui::Translate("BackupWindow", "Восстановить ЭККА из копии: папка копии"),
      StartFolder());
  if (folder.isEmpty()) return;
  lastFolder_ = folder;

  logo::ui::BmpLogoFiles logoFiles;
  // Nothing is sent before the whole backup has been checked.
  auto check = CheckBackup(FileSystemBytes(folder), {}, logoFiles);
  if (!check.backup) {
    context_.dialogs->MessageBox(
        context_.window,
        OneLine(base::ui::Render(check.error)) +
            base::ui::Translate("BackupWindow", "\n\nНичего не записано в ЭККА."),
        title, tables::BoxButtons::kOk, tables::BoxIcon::kError);
    return;
  }
  RestoreResult result;
  progress_->SetRunTitle(title);
  context_.runOperation(
      [&] { result = RestoreRegister(*context_.session, *progress_, *check.backup); });
  context_.registerCopyChanged();
  if (!result.confirmed) return;

  bool whole = !result.stopped;
  for (const StepResult& step : result.steps) {
    whole = whole && (step.state == StepState::kWritten || step.state == StepState::kUnchanged);
  }
  context_.dialogs->MessageBox(context_.window, base::ui::Render(RestoreReport(result)), title,
                               tables::BoxButtons::kOk,
                               whole ? tables::BoxIcon::kInformation : tables::BoxIcon::kWarning);
}

}  // namespace kvitmark::backup::ui
