// The words of the backup's reports that agree with a number.
#include "backup/backup_contents.h"

#include <gtest/gtest.h>

#include <string>

#include "backup/manifest.h"
#include "base/message.h"
#include "link/register_link.h"
#include "tables/catalogue.h"

namespace kvitmark::testing {
namespace {

struct Counted {
  int count;
  const char* text;  // UTF-8
};

TEST(BackupContents, RecordsTextAgreesWithItsNumber) {
  const Counted cases[] = {{0, "0 записей"},         {1, "1 запись"},        {2, "2 записи"},
                           {4, "4 записи"},          {5, "5 записей"},       {11, "11 записей"},
                           {12, "12 записей"},       {14, "14 записей"},     {21, "21 запись"},
                           {22, "22 записи"},        {111, "111 записей"},   {112, "112 записей"},
                           {14000, "14000 записей"}, {13991, "13991 запись"}};
  for (const Counted& counted : cases) {
    EXPECT_EQ(base::RenderUtf8(backup::RecordsText(counted.count)), counted.text) << counted.count;
  }
}

// The limits the check reads a backup's files with hold every file this program can write:
// each table filled with the longest answers a read takes, and a manifest of a backup in which
// every table failed whole, listing every record.
TEST(BackupContents, FileLimitsHoldTheLargestFilesABackupCanHold) {
  backup::Manifest manifest{
      "Kvitmark", "1.0.0", "2024-05-01T14:30:00+02:00", 99, "Datecs MP-50 Junior", false, {}, {}};
  for (const tables::PageId page : backup::BackupPages()) {
    const size_t longestLine =
        link::kMaxReadReplyText + static_cast<size_t>(tables::Page(page).FieldCount()) + 2;
    EXPECT_LE(static_cast<size_t>(backup::FileRecords(page)) * longestLine,
              backup::kLargestBackupFile)
        << backup::KindFile(page);
    backup::ManifestKind kind{backup::KindName(page),      backup::KindFile(page),
                              backup::FileRecords(page),   std::string(64, 'f'),
                              backup::ItemResult::kFailed, {}};
    for (int record = 1; record <= kind.records; ++record) kind.failed.push_back(record);
    manifest.kinds.push_back(std::move(kind));
  }
  manifest.logo =
      backup::ManifestLogo{"logo.bmp", std::string(64, 'f'), backup::ItemResult::kFailed};
  EXPECT_LE(backup::ManifestJson(manifest).size(), backup::kLargestManifest);
}

}  // namespace
}  // namespace kvitmark::testing
