// The main window's backup, restore and goods sheet commands: the window lends them its
// connection, dialogs, prompt and operation guard; the commands themselves live apart.
#include <QAction>
#include <QComboBox>
#include <QTabWidget>

#include "app/ui/main_window.h"
#include "app/ui/operation_guard.h"
#include "backup/ui/backup_commands.h"
#include "sheets/ui/goods_csv_commands.h"
#include "tables/catalogue.h"

namespace kvitmark::app::ui {

void TForm1::AttachBackupCommands() {
  backup::ui::BackupCommandsContext backups;
  backups.window = this;
  backups.session = session_.get();
  backups.dialogs = dialogs_;
  backups.prompt = prompt_.get();
  backups.folder = QString::fromStdString(settingsDirectory_);
  backups.typeText = [this] { return typeSelector_->currentText(); };
  backups.runOperation = [this](const std::function<void()>& run) { RunOperation(run); };
  backups.afterPrompt = [this] { ActivationPass(); };
  backups.windowStop = [this] { return guard_->StopRequested(); };
  backups.registerCopyChanged = [this] {
    for (tables::PageId page : tables::AllPages()) ShowPageData(page, -1);
  };
  backups_ = std::make_unique<backup::ui::BackupCommands>(backups);

  sheets::ui::GoodsCsvContext sheets;
  sheets.window = this;
  sheets.dialogs = dialogs_;
  sheets.workspace = &workspace_;
  sheets.folder = QString::fromStdString(settingsDirectory_);
  sheets.goodsChanged = [this] { ShowPageData(tables::PageId::kGoods, -1); };
  goodsCsv_ = std::make_unique<sheets::ui::GoodsCsvCommands>(sheets);
  sheets::ui::OfferOnGoodsPageOnly(pages_,
                                   {findChild<QAction*>(QStringLiteral("ActionCsvExport")),
                                    findChild<QAction*>(QStringLiteral("ActionCsvImport"))});
}

}  // namespace kvitmark::app::ui
