#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

// Saving a file whole: the one way the program replaces a file it writes (table files, the
// SD card's files, the logo, reports, the settings file). A file is replaced only by complete
// new contents, and keeps what the user set up around it:
//
// - a symbolic link stays a link; the file it leads to gets the new contents. In a folder
//   other users may write (/tmp, a shared folder) only a link of this user or of the folder's
//   owner is followed: one that another user made there is refused (kUntrustedLink), since it
//   would send the contents wherever that user chose;
// - the file keeps its mode, and its owner and group where this process may give them;
// - a file with more than one hard link, whose owner this process cannot give back, or whose
//   folder takes no new file, is rewritten in place, but only once its new contents stand
//   complete in a temporary file and the disk has room for them; otherwise it stays whole;
// - any other file is replaced by a complete temporary file renamed over it, so that a
//   reader sees the old file or the new one, never a mix;
// - a write-protected file is refused, as the user asked; a device or a pipe in the file's
//   place is written directly.
namespace kvitmark::base {

enum class SaveOutcome {
  kSaved,
  kCannotCreate,  // nothing could be written: the file is as it was
  kWriteFailed,   // the new contents could not be written whole: the file is as it was
};

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::kSaved;
  // The system's reason (an errno value) or kUntrustedLink; 0 when the writer gave up.
  int errorNumber = 0;
  bool Saved() const { return outcome == SaveOutcome::kSaved; }
};

// A save whose contents arrive piece by piece (a report, read record by record): until
// Commit, the file at the path is as it was.
class WholeFileWriter {
 public:
  explicit WholeFileWriter(const std::string& path);
  ~WholeFileWriter();  // without Commit the new contents are dropped
  WholeFileWriter(const WholeFileWriter&) = delete;
  WholeFileWriter& operator=(const WholeFileWriter&) = delete;

  // False when the file cannot be written at all; Commit and Abandon then say why.
  bool Ready() const;
  // Where the new contents go. A failed write is remembered, with its reason.
  std::ostream& Out();
  // Puts the new contents in place.
  SaveResult Commit();
  // Drops the new contents (the writer gave up): kWriteFailed, with the reason a failed
  // write left, or kCannotCreate when the writer never was ready.
  SaveResult Abandon();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The file at `path` replaced by what `write` puts out; `write` returns false to give up.
SaveResult SaveWholeFile(const std::string& path, const std::function<bool(std::ostream&)>& write);
SaveResult SaveWholeFile(const std::string& path, std::string_view bytes);

}  // namespace kvitmark::base
