#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "base/whole_file.h"
#include "tables/workspace.h"

// Loading a page from its table file and saving a page into one: what the "Открыть" and
// "Сохранить" commands do once the user has picked the file.
namespace kvitmark::files {

// A message box for the user: text and caption. `reason` is the system's (with the path): for
// the tools whose messages may say more than the box's fixed text.
struct FileMessage {
  base::Message text;
  base::Message caption;
  base::Message reason = {};
};

// What a load or save tells the window to show. `done` is false when nothing could be
// done at all (the file did not open).
struct FileReport {
  bool done = false;
  std::optional<FileMessage> message;
  int line = 0;             // where a load stopped: the line that ended early or could not be read
  bool endedEarly = false;  // the file held fewer records than its kind; those before stand
};

// The progress bar: reset to zero, then one step per record.
struct Progress {
  std::function<void(int maximum)> start = [](int) {};
  std::function<void()> step = [] {};
};

// Overwrites the page's cells or fields from the file, in place; rows the file does not
// reach and columns beyond the kind's fields keep their texts. Pages without a kind read
// nothing. `done` and no message mean the file was read to its end.
FileReport LoadTableFile(tables::Workspace& workspace, tables::PageId page, const std::string& path,
                         const Progress& progress = {});
// The same from a file's contents already read.
FileReport LoadTableBytes(tables::Workspace& workspace, tables::PageId page,
                          std::string_view bytes);

// Writes the page's whole table into the file; an existing file is replaced only by a
// complete one. Pages without a kind write nothing and leave an existing file alone.
FileReport SaveTableFile(const tables::Workspace& workspace, tables::PageId page,
                         const std::string& path, const Progress& progress = {});

// What a save tells the user: nothing when the file was saved whole; otherwise "Ошибка
// открытия файла" or "Ошибка записи данных в файл", with the system's reason for `path`.
FileReport SaveReport(const base::SaveResult& result, const std::string& path);

// "Очистить таблицу": empties every row of the page's table, the rows the layout hides and
// the row-number column included. Only the five first pages have it.
void ClearPageGrid(tables::Workspace& workspace, tables::PageId page);

}  // namespace kvitmark::files
