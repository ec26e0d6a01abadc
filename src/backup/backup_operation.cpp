#include "backup/backup_operation.h"

#include <fstream>
#include <utility>

#include "backup/backup_contents.h"
#include "backup/backup_folder.h"
#include "backup/item_observer.h"
#include "backup/scratch_session.h"
#include "backup/sha256.h"
#include "base/message.h"
#include "base/text_pattern.h"
#include "files/table_file_kinds.h"
#include "files/table_file_writer.h"
#include "files/table_files.h"
#include "logo/dot_picture.h"
#include "logo/logo_transfer.h"
#include "tables/operation_support.h"

namespace kvitmark::backup {
namespace {

using base::Message;
using tables::PageId;

std::string InFolder(const std::string& folder, const std::string& file) {
  return folder + '/' + file;
}

// The records of 1 … count that the read did not bring.
std::vector<int> NotRead(const tables::OperationSummary& summary, int count) {
  std::vector<bool> read(static_cast<size_t>(count) + 1, false);
  for (int record : summary.done) {
    if (record >= 1 && record <= count) read[record] = true;
  }
  std::vector<int> missing;
  for (int record = 1; record <= count; ++record) {
    if (!read[record]) missing.push_back(record);
  }
  return missing;
}

class Backup {
 public:
  Backup(tables::TableSession& session, RunObserver& observer, LogoFiles& logoFiles,
         const std::string& folder)
      : scratch_(session, workspace_),
        observer_(observer),
        items_(observer),
        logoFiles_(logoFiles),
        folder_(folder) {
    PrepareJuniorPages(workspace_);
  }

  // Reads every item in turn; false when the run ended before the last one.
  bool Run(Manifest& manifest, Message& error) {
    const auto& pages = BackupPages();
    const int count = static_cast<int>(pages.size()) + 1;
    int total = logo::kLogoHeight;
    for (PageId page : pages) total += FileRecords(page);
    observer_.Started({tables::OperationKind::kBackup, pages.front(), total - 1, 0});
    for (int index = 0; index < count; ++index) {
      if (items_.StopBetweenItems()) return false;
      const bool logoItem = index == count - 1;
      if (logoItem) {
        observer_.ItemStarted(
            {index, count, ItemCaption(std::nullopt), kLogoFile, logo::kLogoHeight});
        if (!BackUpLogo(manifest, error)) return false;
      } else {
        const PageId page = pages[index];
        observer_.ItemStarted({index, count, ItemCaption(page), KindFile(page), FileRecords(page)});
        if (!BackUpTable(page, manifest, error)) return false;
      }
    }
    return true;
  }

  void Finish(bool stopped) {
    tables::OperationSummary summary;
    summary.result = stopped ? tables::OperationResult::kStopped : tables::OperationResult::kDone;
    observer_.Finished(summary);
  }

 private:
  static Message CannotWriteText(const std::string& file, Message why) {
    return Message(KV_PATTERN("backup", "Не удалось записать файл %1: %2"))
        .ArgUtf8(file)
        .Arg(std::move(why));
  }

  bool BackUpTable(PageId page, Manifest& manifest, Message& error) {
    const auto summary = tables::ReadFromRegister(scratch_.Session(), items_, page);
    items_.TakeTold();
    // A table the user cut short is left out: the manifest holds what was done.
    if (items_.RunEnded()) return false;
    const std::string file = KindFile(page);
    const std::string path = InFolder(folder_, file);
    const auto saved = files::SaveTableFile(workspace_, page, path);
    if (saved.message) {
      error = CannotWriteText(file, saved.message->text);
      return false;
    }
    ManifestKind entry{KindName(page), file, FileRecords(page), {}, ItemResult::kDone, {}};
    const int records = tables::Page(page).recordCount;
    entry.failed = NotRead(summary, records);
    if (!entry.failed.empty()) entry.result = ItemResult::kFailed;
    if (!Digest(path, file, entry.sha256, error)) return false;
    manifest.kinds.push_back(std::move(entry));
    return true;
  }

  bool BackUpLogo(Manifest& manifest, Message& error) {
    logo::DotPicture picture;
    const auto transfer = logo::ReadLogo(scratch_.Session(), items_, picture);
    items_.TakeTold();
    const std::string path = InFolder(folder_, kLogoFile);
    const std::string why = logoFiles_.Save(picture, path);
    if (!why.empty()) {
      error = CannotWriteText(kLogoFile, Message::DataUtf8(why));
      return false;
    }
    ManifestLogo entry{kLogoFile, {}, transfer.succeeded ? ItemResult::kDone : ItemResult::kFailed};
    if (!Digest(path, kLogoFile, entry.sha256, error)) return false;
    manifest.logo = std::move(entry);
    return true;
  }

  static bool Digest(const std::string& path, const std::string& file, std::string& digest,
                     Message& error) {
    const auto sha = FileSha256(path);
    if (!sha) {
      error = Message(KV_PATTERN("backup", "Не удалось прочитать только что записанный файл %1"))
                  .ArgUtf8(file);
      return false;
    }
    digest = *sha;
    return true;
  }

  tables::Workspace workspace_;
  ScratchSession scratch_;
  RunObserver& observer_;
  ItemObserver items_;
  LogoFiles& logoFiles_;
  std::string folder_;
};

bool SaveManifest(const std::string& folder, const Manifest& manifest) {
  const std::string json = ManifestJson(manifest);
  return files::SaveFile(InFolder(folder, kManifestFile), [&](std::ostream& out) {
           return static_cast<bool>(
               out.write(json.data(), static_cast<std::streamsize>(json.size())));
         }) == files::SaveOutcome::kSaved;
}

Message FailedLine(Message caption, const std::string& file, const std::vector<int>& records) {
  if (records.empty()) return NamedItem(std::move(caption), file);
  return ItemLine(std::move(caption), file,
                  Message(KV_PATTERN("backup", "не прочитаны записи %1")).Arg(RecordList(records)));
}

}  // namespace

BackupResult BackupRegister(tables::TableSession& session, RunObserver& observer,
                            LogoFiles& logoFiles, const BackupRequest& request) {
  BackupResult result;
  if (!tables::support::IsConnected(session)) {
    result.errors.push_back(NotConnected());
    return result;
  }
  const NewFolder folder = MakeNewFolder(
      request.parentFolder, BackupFolderName(session.connectedRegister, request.created));
  if (folder.path.empty()) {
    result.errors.push_back(folder.error);
    return result;
  }
  result.folder = folder.path;
  Manifest& manifest = result.manifest;
  manifest.programName = kProgramName;
  manifest.programVersion = ProgramVersion();
  manifest.created = IsoLocalTime(request.created);
  manifest.registerNumber = session.connectedRegister;
  manifest.type = request.typeText;

  bool whole = false;
  {
    Backup backup(session, observer, logoFiles, folder.path);
    Message error;
    whole = backup.Run(manifest, error);
    backup.Finish(!whole);
    if (!error.Empty()) result.errors.push_back(std::move(error));
  }
  manifest.complete = whole;
  if (!SaveManifest(folder.path, manifest)) {
    result.errors.push_back(
        Message(KV_PATTERN("backup", "Не удалось записать %1")).ArgUtf8(kManifestFile));
  }
  if (!result.errors.empty()) {
    result.outcome = BackupOutcome::kFailed;
  } else if (!whole) {
    result.outcome = BackupOutcome::kStopped;
  } else {
    bool allDone = manifest.logo && manifest.logo->result == ItemResult::kDone;
    for (const ManifestKind& kind : manifest.kinds)
      allDone = allDone && kind.result == ItemResult::kDone;
    result.outcome = allDone ? BackupOutcome::kComplete : BackupOutcome::kIncomplete;
  }
  return result;
}

base::MessageList BackupReport(const BackupResult& result) {
  const Manifest& manifest = result.manifest;
  base::MessageList lines;
  const auto tablesDone = static_cast<long long>(manifest.kinds.size());
  switch (result.outcome) {
    case BackupOutcome::kComplete:
      lines.push_back(
          Message(KV_PATTERN("backup", "Резервная копия ЭККА %1 сохранена: таблиц %2 и логотип."))
              .Arg(manifest.registerNumber)
              .Arg(tablesDone));
      break;
    case BackupOutcome::kIncomplete:
      lines.push_back(
          Message(KV_PATTERN("backup", "Резервная копия ЭККА %1 сохранена не полностью."))
              .Arg(manifest.registerNumber));
      break;
    case BackupOutcome::kStopped:
      lines.push_back(Message(manifest.logo
                                  ? KV_PATTERN("backup",
                                               "Резервная копия прервана: сохранено таблиц %1 из "
                                               "%2 и логотип. Копия отмечена как неполная.")
                                  : KV_PATTERN("backup",
                                               "Резервная копия прервана: сохранено таблиц %1 из "
                                               "%2. Копия отмечена как неполная."))
                          .Arg(tablesDone)
                          .Arg(static_cast<long long>(BackupPages().size())));
      break;
    case BackupOutcome::kFailed:
      // With a folder made, what was read before the fault is there, marked incomplete.
      lines.push_back(
          result.folder.empty()
              ? KV_PATTERN("backup", "Резервная копия не сделана.")
              : KV_PATTERN("backup", "Резервная копия прервана, копия отмечена как неполная."));
      lines.insert(lines.end(), result.errors.begin(), result.errors.end());
      break;
  }
  base::MessageList failed;
  for (const ManifestKind& kind : manifest.kinds) {
    if (kind.result != ItemResult::kFailed) continue;
    const auto page = files::PageOfExtension(kind.kind);
    failed.push_back(FailedLine(page ? ItemCaption(page) : Message::DataUtf8(kind.kind), kind.file,
                                kind.failed));
  }
  if (manifest.logo && manifest.logo->result == ItemResult::kFailed) {
    failed.push_back(ItemLine(ItemCaption(std::nullopt), kLogoFile,
                              KV_PATTERN("backup", "прочитан не полностью")));
  }
  if (!failed.empty()) {
    lines.push_back(
        KV_PATTERN("backup", "Не прочитано полностью (восстановление это не записывает):"));
    lines.insert(lines.end(), failed.begin(), failed.end());
  }
  return lines;
}

}  // namespace kvitmark::backup
