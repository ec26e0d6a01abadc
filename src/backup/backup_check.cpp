#include "backup/backup_check.h"

#include <algorithm>
#include <set>
#include <utility>

#include "backup/backup_contents.h"
#include "backup/backup_folder.h"
#include "backup/scratch_session.h"
#include "backup/sha256.h"
#include "base/message.h"
#include "base/text_pattern.h"
#include "files/table_file_kinds.h"
#include "files/table_files.h"
#include "logo/logo_picture.h"
#include "tables/operations.h"
#include "tables/planning_observer.h"

namespace kvitmark::backup {
namespace {

using base::Message;
using tables::PageId;

bool IsDigest(const std::string& text) {
  return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

// Why a file of the copy could not be taken, but for its being missing, which each kind of
// file says in its own words.
Message FolderFileText(const std::string& file, const FolderFile& read, size_t limit) {
  switch (read.problem) {
    case FolderFile::Problem::kLink:
      return Message(KV_PATTERN("backup",
                                "Файл %1 в папке копии - символическая ссылка: копия читается "
                                "только из своих файлов."))
          .ArgUtf8(file);
    case FolderFile::Problem::kNotRegular:
      return Message(KV_PATTERN("backup",
                                "Файл %1 в папке копии - не обычный файл (канал, устройство "
                                "или папка)."))
          .ArgUtf8(file);
    case FolderFile::Problem::kTooLarge:
      return Message(KV_PATTERN("backup",
                                "Файл %1 в папке копии больше, чем бывает в копии ЭККА "
                                "(больше %2 КБ)."))
          .ArgUtf8(file)
          .Arg(static_cast<long long>(limit / 1024));
    case FolderFile::Problem::kMissing:
    case FolderFile::Problem::kNone:
      break;
  }
  return Message(KV_PATTERN("backup", "Файла %1 нет в папке копии (или он не читается)."))
      .ArgUtf8(file);
}

// What is wrong with one of the copy's files, `why` being a message of its own.
Message FileProblem(const std::string& file, Message why) {
  return Message(KV_PATTERN("backup", "Файл %1: %2")).ArgUtf8(file).Arg(std::move(why));
}

class Checker {
 public:
  Checker(const std::string& folder, LogoFiles& logoFiles)
      : folder_(folder),
        files_(folder),
        logoFiles_(logoFiles),
        checked_(std::make_unique<CheckedBackup>()) {
    PrepareJuniorPages(checked_->tables);
  }

  BackupCheck Check(const std::vector<std::string>& only) {
    if (!ReadManifest() || !CheckEntries() || !CheckWanted(only) || !CheckFiles()) {
      return {nullptr, error_};
    }
    ListItems(only);
    if (checked_->items.empty()) {
      return {nullptr, KV_PATTERN("backup", "В копии нет ни одной таблицы.")};
    }
    return {std::move(checked_), {}};
  }

 private:
  bool Fail(Message text) {
    error_ = std::move(text);
    return false;
  }

  std::string Path(const std::string& file) const { return folder_ + '/' + file; }

  bool ReadManifest() {
    const FolderFile text = files_.Read(kManifestFile, kLargestManifest);
    if (text.problem == FolderFile::Problem::kMissing) {
      return Fail(Message(KV_PATTERN("backup",
                                     "В папке нет файла %1 (или он не читается): "
                                     "это не резервная копия ЭККА."))
                      .ArgUtf8(kManifestFile));
    }
    if (!text.ok()) return Fail(FolderFileText(kManifestFile, text, kLargestManifest));
    ManifestRead read = ParseManifest(text.bytes);
    if (!read.manifest) return Fail(read.error);
    checked_->manifest = std::move(*read.manifest);
    return true;
  }

  // The manifest names only kinds there are, each once, under its own file name (so that
  // nothing outside the folder is ever read), with the kind's records and a digest.
  bool CheckEntries() {
    std::set<PageId> seen;
    for (const ManifestKind& kind : checked_->manifest.kinds) {
      const auto page = files::PageOfExtension(kind.kind);
      if (!page) {
        return Fail(
            Message(KV_PATTERN("backup", "manifest.json: таблица \"%1\" - такого вида таблиц нет"))
                .ArgUtf8(kind.kind));
      }
      if (!seen.insert(*page).second) {
        return Fail(Message(KV_PATTERN("backup", "manifest.json: таблица \"%1\" указана дважды"))
                        .ArgUtf8(kind.kind));
      }
      if (kind.file != KindFile(*page)) {
        return Fail(Message(KV_PATTERN("backup",
                                       "manifest.json: таблица \"%1\" в файле \"%2\", "
                                       "а должна быть в %3"))
                        .ArgUtf8(kind.kind)
                        .ArgUtf8(kind.file)
                        .ArgUtf8(KindFile(*page)));
      }
      if (kind.records != FileRecords(*page)) {
        return Fail(Message(KV_PATTERN("backup",
                                       "manifest.json: таблица \"%1\" из %2 записей, "
                                       "а в таблице их %3"))
                        .ArgUtf8(kind.kind)
                        .Arg(kind.records)
                        .Arg(FileRecords(*page)));
      }
      if (!IsDigest(kind.sha256)) {
        return Fail(
            Message(KV_PATTERN("backup", "manifest.json: таблица \"%1\" без верной суммы sha256"))
                .ArgUtf8(kind.kind));
      }
    }
    if (const auto& logo = checked_->manifest.logo) {
      if (logo->file != kLogoFile) {
        return Fail(Message(KV_PATTERN("backup",
                                       "manifest.json: логотип в файле \"%1\", а должен быть в %2"))
                        .ArgUtf8(logo->file)
                        .ArgUtf8(kLogoFile));
      }
      if (!IsDigest(logo->sha256))
        return Fail(KV_PATTERN("backup", "manifest.json: логотип без верной суммы sha256"));
    }
    return true;
  }

  const ManifestKind* Entry(PageId page) const {
    for (const ManifestKind& kind : checked_->manifest.kinds) {
      if (kind.kind == KindName(page)) return &kind;
    }
    return nullptr;
  }

  bool CheckWanted(const std::vector<std::string>& only) {
    for (const std::string& name : only) {
      if (name == kLogoKind) {
        if (!checked_->manifest.logo) return Fail(KV_PATTERN("backup", "В копии нет логотипа."));
        continue;
      }
      const auto page = files::PageOfExtension(name);
      if (!page) {
        return Fail(Message(KV_PATTERN("backup", "Нет такого вида таблиц: \"%1\"")).ArgUtf8(name));
      }
      if (!Entry(*page)) {
        return Fail(Message(KV_PATTERN("backup", "В копии нет таблицы \"%1\" (%2)."))
                        .Arg(tables::Page(*page).caption)
                        .ArgUtf8(KindFile(*page)));
      }
    }
    return true;
  }

  // The file's bytes, read once: its digest and its contents are the same bytes.
  std::optional<std::string> ReadChecked(const std::string& file, const std::string& digest) {
    FolderFile read = files_.Read(file, kLargestBackupFile);
    if (!read.ok()) {
      Fail(FolderFileText(file, read, kLargestBackupFile));
      return std::nullopt;
    }
    if (Sha256(read.bytes) != digest) {
      Fail(Message(KV_PATTERN("backup",
                              "Файл %1 изменён или повреждён: его сумма "
                              "sha256 не та, что в manifest.json."))
               .ArgUtf8(file));
      return std::nullopt;
    }
    return std::move(read.bytes);
  }

  bool CheckFiles() {
    for (const ManifestKind& kind : checked_->manifest.kinds) {
      const auto bytes = ReadChecked(kind.file, kind.sha256);
      if (!bytes) return false;
      const PageId page = *files::PageOfExtension(kind.kind);
      const auto loaded = files::LoadTableBytes(checked_->tables, page, *bytes);
      if (loaded.message) {
        if (loaded.line > 0) {
          return Fail(Message(KV_PATTERN("backup", "Файл %1: %2 (строка %3)"))
                          .ArgUtf8(kind.file)
                          .Arg(loaded.message->text)
                          .Arg(loaded.line));
        }
        return Fail(FileProblem(kind.file, loaded.message->text));
      }
      // Every record as it would be sent: a field the register cannot take is found now.
      tables::PlanningObserver notice;
      if (!tables::PlanWrite(checked_->tables, {}, page, tables::WriteScope::kAll, notice)) {
        return Fail(FileProblem(kind.file, Message().Arg(notice.told)));
      }
    }
    if (const auto& logo = checked_->manifest.logo) {
      const auto bytes = ReadChecked(logo->file, logo->sha256);
      if (!bytes) return false;
      std::string why;
      checked_->logo = logoFiles_.Load(*bytes, Path(logo->file), why);
      if (!checked_->logo) {
        return Fail(FileProblem(logo->file, Message::DataUtf8(why)));
      }
      if (checked_->logo->Width() != logo::kLogoWidth ||
          checked_->logo->Height() != logo::kLogoHeight) {
        return Fail(Message(KV_PATTERN("backup", "Файл %1: рисунок %2 x %3, а логотип 192 x 200."))
                        .ArgUtf8(logo->file)
                        .Arg(checked_->logo->Width())
                        .Arg(checked_->logo->Height()));
      }
    }
    return true;
  }

  void ListItems(const std::vector<std::string>& only) {
    const auto wanted = [&](const std::string& name) {
      return only.empty() || std::find(only.begin(), only.end(), name) != only.end();
    };
    for (PageId page : BackupPages()) {
      const ManifestKind* entry = Entry(page);
      if (!entry || !wanted(entry->kind)) continue;
      checked_->items.push_back(
          {page, entry->kind, entry->file, entry->result == ItemResult::kDone, entry->failed});
    }
    if (const auto& logo = checked_->manifest.logo; logo && wanted(kLogoKind)) {
      checked_->items.push_back(
          {std::nullopt, kLogoKind, logo->file, logo->result == ItemResult::kDone, {}});
    }
  }

  std::string folder_;
  BackupFolderFiles files_;
  LogoFiles& logoFiles_;
  std::unique_ptr<CheckedBackup> checked_;
  Message error_;
};

}  // namespace

BackupCheck CheckBackup(const std::string& folder, const std::vector<std::string>& only,
                        LogoFiles& logoFiles) {
  return Checker(folder, logoFiles).Check(only);
}

}  // namespace kvitmark::backup
