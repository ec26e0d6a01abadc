#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/temp_directory.h"
#include "backup/backup_check.h"
#include "backup/backup_operation.h"
#include "backup/restore_operation.h"
#include "backup/run_observer.h"
#include "logo/ui/bmp_logo_files.h"
#include "tables/table_fixture.h"

namespace kvitmark::testing {

// The user of a backup or restore: a recording observer that also notes each table as it
// begins and may act then (the register may misbehave from that table on).
class RunUser final : public backup::RunObserver {
 public:
  RecordingObserver recorded;
  std::vector<std::string> items;  // the files, in the order they were begun
  std::function<void(const backup::RunItem&)> onItem;

  void ItemStarted(const backup::RunItem& item) override {
    items.push_back(item.file);
    if (onItem) onItem(item);
  }
  void Started(const tables::OperationStart& start) override { recorded.Started(start); }
  void RecordDone(const tables::RecordStep& step) override { recorded.RecordDone(step); }
  tables::FailureAnswer RecordFailed(int record) override { return recorded.RecordFailed(record); }
  void Tell(const tables::Notice& notice) override { recorded.Tell(notice); }
  bool Confirm(const base::Message& question) override { return recorded.Confirm(question); }
  bool StopRequested() override { return stop || recorded.StopRequested(); }
  void Finished(const tables::OperationSummary& summary) override { recorded.Finished(summary); }

  bool stop = false;  // "Стоп" pressed
};

// A connected simulated register and a folder for its backups.
class BackupTest : public TablesTest {
 public:
  backup::BackupResult TakeBackup() {
    return backup::BackupRegister(session, user, logoFiles,
                                  {folder.Path(), "Datecs MP-50 Junior", kWhen});
  }

  // 2024-05-01 12:30:00 UTC.
  static constexpr std::time_t kWhen = 1714566600;

  app::TempDirectory folder;
  logo::ui::BmpLogoFiles logoFiles;
  RunUser user;
};

}  // namespace kvitmark::testing
