// Any bytes as a backup folder's table file, named in its manifest with their own digest so
// that only the check of the contents can refuse them; or any bytes as the folder's
// manifest.json. The check either refuses with a reason or passes, and a backup it passes
// holds only records a write will send, each as the link takes it.
//
// Input: [0] bit 0 clear: [1] the table (among the backup's), then the file's bytes; set: then
// the manifest's bytes, in a folder of no other file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "backup/backup_check.h"
#include "backup/backup_contents.h"
#include "backup/manifest.h"
#include "backup/sha256.h"
#include "fuzz_support.h"
#include "link/write_request.h"
#include "tables/operations.h"
#include "tables/planning_observer.h"

namespace {

using namespace kvitmark;

// The backups fuzzed here have no logo.
class NoLogoFiles final : public backup::LogoFiles {
 public:
  std::string Save(const logo::LogoPicture&, const std::string&) override { return "no logo"; }
  std::unique_ptr<logo::LogoPicture> Load(std::string_view, const std::string&,
                                          std::string& why) override {
    why = "no logo";
    return nullptr;
  }
};

std::string Folder(const char* name) {
  const std::string folder = fuzzing::FuzzFolder() + "/" + name;
  std::filesystem::create_directories(folder);
  return folder;
}

void Write(const std::string& path, std::string_view bytes) {
  const std::string name = std::filesystem::path(path).filename().string();
  std::filesystem::rename(fuzzing::WriteFuzzFile(name, bytes), path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
  std::string folder;
  if ((data[0] & 1) == 0) {
    folder = Folder("backup");
    const auto& pages = backup::BackupPages();
    const tables::PageId page = pages[data[1] % pages.size()];
    backup::Manifest manifest{"Kvitmark", "1.0.0", "2024-05-01T14:30:00+02:00", 1,
                              "Datecs MP-50 Junior", true, {}, {}};
    manifest.kinds.push_back({backup::KindName(page), backup::KindFile(page),
                              backup::FileRecords(page), backup::Sha256(rest),
                              backup::ItemResult::kDone, {}});
    Write(folder + "/" + backup::KindFile(page), rest);
    Write(folder + "/" + backup::kManifestFile, backup::ManifestJson(manifest));
  } else {
    folder = Folder("manifest_only");
    Write(folder + "/" + backup::kManifestFile,
          std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  }

  NoLogoFiles logoFiles;
  const backup::BackupCheck check = backup::CheckBackup(folder, {}, logoFiles);
  FUZZ_REQUIRE((check.backup != nullptr) == check.error.Empty());
  if (!check.backup) return 0;
  for (const backup::BackupItem& item : check.backup->items) {
    if (!item.page) continue;
    tables::PlanningObserver planning;
    const auto planned = tables::PlanWrite(check.backup->tables, {}, *item.page,
                                           tables::WriteScope::kAll, planning);
    FUZZ_REQUIRE(planned.has_value());
    for (const tables::PlannedRecord& record : *planned) {
      FUZZ_REQUIRE(!link::RefusedWrite(tables::Page(*item.page).tableNumber, record.record,
                                       record.text)
                        .Refused());
    }
  }
  return 0;
}
