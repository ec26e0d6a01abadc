#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/message.h"
#include "tables/catalogue.h"

// What a backup folder holds: one table file per table file kind, named after its kind
// ("art.art"), the logo and the manifest.
namespace kvitmark::backup {

inline constexpr const char* kManifestFile = "manifest.json";
inline constexpr const char* kLogoFile = "logo.bmp";
inline constexpr const char* kLogoKind = "logo";  // the logo's name where kinds are listed
inline constexpr const char* kProgramName = "Kvitmark";

// The largest file of a backup but its manifest. The largest a register can fill is the goods
// file: 14000 lines of the longest answer a read takes (499 characters) with their fields'
// separators, under 7 MiB; the logo is a few KiB. The rest is headroom.
inline constexpr size_t kLargestBackupFile = 16 * 1024 * 1024;
// manifest.json is longest when every table failed whole: it lists each of their 18439
// records then, in about 260 KiB.
inline constexpr size_t kLargestManifest = 512 * 1024;
// "1.0.0": the version a backup's manifest names.
const char* ProgramVersion();

// The pages whose tables a backup holds, in the window's order.
const std::vector<tables::PageId>& BackupPages();

// "art.art" for the goods page.
std::string KindFile(tables::PageId page);

// "art" for the goods page.
std::string KindName(tables::PageId page);

// The records of the page's table file, as "Сохранить" writes it with the Junior picked.
int FileRecords(tables::PageId page);

// The caption the run shows for a table (its page's) or, for nothing, the logo.
base::Message ItemCaption(std::optional<tables::PageId> page);

// "Товары (art.art)": a table or the logo with its file in the copy.
base::Message NamedItem(base::Message caption, const std::string& file);

// "Товары (art.art): <what>", one line of a report.
base::Message ItemLine(base::Message caption, const std::string& file, base::Message what);

// "7, 9–12, 20": record numbers in order, runs joined (code page 1251).
std::string RecordList(std::vector<int> records);

// "1 запись", "3 записи", "14000 записей".
base::Message RecordsText(int count);

// Lines shown as one message (a box's text), each line a message of its own.
base::Message JoinedLines(const base::MessageList& lines);

// "ЭККА не подключен", as the table operations say it.
base::Message NotConnected();

}  // namespace kvitmark::backup
