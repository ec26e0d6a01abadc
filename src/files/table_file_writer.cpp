#include "files/table_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace kvitmark::files {
namespace {

// A name for the temporary file that nobody else holds: mkstemp makes it.
std::string MakeTemporaryBeside(const std::string& path) {
  std::string name = path + ".XXXXXX";
  const int fd = mkstemp(name.data());
  if (fd < 0) return {};
  close(fd);
  return name;
}

bool WriteTo(const std::string& path, std::ios::openmode mode,
             const std::function<bool(std::ostream&)>& write, bool& opened) {
  std::ofstream out(path, mode);
  opened = static_cast<bool>(out);
  if (!opened) return false;
  const bool written = write(out);
  out.flush();
  const bool flushed = static_cast<bool>(out);
  out.close();
  return written && flushed && !out.fail();
}

}  // namespace

void AppendRecordText(std::string& line, const std::vector<std::string_view>& fields) {
  for (const std::string_view field : fields) {
    line.append(field);
    line.push_back(';');
  }
}

bool WriteLines(std::ostream& out, int lineCount,
                const std::function<std::vector<std::string_view>(int line)>& fieldsOf,
                const std::function<void()>& lineWritten) {
  std::string line;
  for (int index = 1; index <= lineCount; ++index) {
    line.clear();
    AppendRecordText(line, fieldsOf(index));
    line.append("\r\n");
    if (!out.write(line.data(), static_cast<std::streamsize>(line.size()))) return false;
    if (lineWritten) lineWritten();
  }
  return static_cast<bool>(out);
}

SaveOutcome SaveFile(const std::string& path, const std::function<bool(std::ostream&)>& write) {
  const std::string temporary = MakeTemporaryBeside(path);
  bool opened = false;
  if (temporary.empty()) {
    // No room for a second file here: the old one is replaced line by line.
    const bool written = WriteTo(path, std::ios::binary | std::ios::trunc, write, opened);
    if (!opened) return SaveOutcome::kCannotCreate;
    return written ? SaveOutcome::kSaved : SaveOutcome::kWriteFailed;
  }
  const bool written = WriteTo(temporary, std::ios::binary | std::ios::trunc, write, opened);
  if (!opened) {
    std::remove(temporary.c_str());
    return SaveOutcome::kCannotCreate;
  }
  if (!written) {
    std::remove(temporary.c_str());
    return SaveOutcome::kWriteFailed;
  }
  // A file that was there keeps its permissions; a new one gets the usual ones.
  struct stat existing {};
  if (stat(path.c_str(), &existing) == 0) {
    chmod(temporary.c_str(), existing.st_mode & 07777);
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    chmod(temporary.c_str(), 0666 & ~mask);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return SaveOutcome::kCannotCreate;
  }
  return SaveOutcome::kSaved;
}

}  // namespace kvitmark::files
