#include "base/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <streambuf>
#include <vector>

namespace kvitmark::base {
namespace {

// Links that lead on and on are a loop, as the system itself counts them.
constexpr int kMostLinksFollowed = 40;

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file `path` leads to once every symbolic link on the way is followed, also when that
// file is not there yet (a link to a file to be made). 0, or the system's reason.
int FollowLinks(std::string path, std::string& target) {
  for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
      target = std::move(path);
      return 0;
    }
    std::vector<char> link(256);
    ssize_t length = 0;
    while ((length = ::readlink(path.c_str(), link.data(), link.size())) >= 0 &&
           static_cast<size_t>(length) == link.size()) {
      link.resize(link.size() * 2);
    }
    if (length < 0) return errno;
    std::string next(link.data(), static_cast<size_t>(length));
    path = next.starts_with('/') ? next : FolderOf(path) + '/' + next;
  }
  return ELOOP;
}

bool WriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// An output stream's bytes into a file descriptor, keeping the reason of a failed write.
class DescriptorBuffer final : public std::streambuf {
 public:
  void Attach(int fd) {
    fd_ = fd;
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  int ErrorNumber() const { return errorNumber_; }
  long long BytesWritten() const { return bytesWritten_; }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }

  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    // Large pieces go straight through; small ones gather in the buffer.
    if (count >= static_cast<std::streamsize>(buffer_.size())) {
      if (!Drain() || !Send(bytes, static_cast<size_t>(count))) return 0;
      return count;
    }
    return std::streambuf::xsputn(bytes, count);
  }

  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    const size_t pending = static_cast<size_t>(pptr() - pbase());
    const bool sent = pending == 0 || Send(pbase(), pending);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return sent;
  }

  bool Send(const char* bytes, size_t size) {
    if (errorNumber_ != 0 || fd_ < 0) return false;
    if (!WriteAll(fd_, bytes, size)) {
      errorNumber_ = errno != 0 ? errno : EIO;
      return false;
    }
    bytesWritten_ += static_cast<long long>(size);
    return true;
  }

  std::array<char, 64 * 1024> buffer_{};
  int fd_ = -1;
  int errorNumber_ = 0;
  long long bytesWritten_ = 0;
};

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A temporary file in `folder`, named after the file it stands in for; -1 and errno set
// when none can be made there.
int MakeTemporary(const std::string& folder, const std::string& name, std::string& made) {
  made = folder + '/' + name + ".XXXXXX";
  int fd = ::mkostemp(made.data(), O_CLOEXEC);
  if (fd < 0 && errno == ENAMETOOLONG) {
    made = folder + "/.kvitmark.XXXXXX";
    fd = ::mkostemp(made.data(), O_CLOEXEC);
  }
  if (fd < 0) made.clear();
  return fd;
}

}  // namespace

struct WholeFileWriter::State {
  enum class Way {
    kReplace,  // the temporary file is renamed over the file
    kInPlace,  // the temporary file's bytes are copied over the file's own
    kDirect,   // a device or a pipe: written as the bytes come
  };

  std::string target;     // the file itself, links followed
  std::string temporary;  // empty for kDirect
  struct stat existing {};
  bool exists = false;
  Way way = Way::kReplace;
  int fd = -1;         // the temporary file's, or the device's
  SaveResult refused;  // why the writer is not ready
  DescriptorBuffer buffer;
  std::ostream out{&buffer};

  bool Ready() const { return refused.Saved(); }

  void Refuse(int errorNumber) {
    refused = {SaveOutcome::kCannotCreate, errorNumber != 0 ? errorNumber : EIO};
    out.setstate(std::ios::badbit);
  }

  void Start(const std::string& path) {
    if (path.empty()) return Refuse(ENOENT);
    if (const int error = FollowLinks(path, target)) return Refuse(error);
    exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) return Refuse(errno);
    if (exists && S_ISDIR(existing.st_mode)) return Refuse(EISDIR);
    if (exists && !S_ISREG(existing.st_mode)) return StartDirect();
    // A write-protected file stays as it is, although its folder would take a new one.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
      return Refuse(errno);
    }
    if (exists && existing.st_nlink > 1) way = Way::kInPlace;
    fd = MakeTemporary(FolderOf(target), NameOf(target), temporary);
    if (fd < 0 && exists && (errno == EACCES || errno == EPERM)) {
      // The folder takes no new file, but the file itself may be written: the new contents
      // are made complete elsewhere first.
      std::error_code ignored;
      fd = MakeTemporary(std::filesystem::temp_directory_path(ignored).string(), "kvitmark",
                         temporary);
      way = Way::kInPlace;
    }
    if (fd < 0) return Refuse(errno);
    buffer.Attach(fd);
  }

  void StartDirect() {
    way = Way::kDirect;
    // A pipe nobody reads must not hang the program.
    fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Refuse(errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    buffer.Attach(fd);
  }

  SaveResult Failed(SaveOutcome outcome, int errorNumber) {
    Discard();
    return {outcome, errorNumber};
  }

  void Discard() {
    if (fd >= 0) ::close(fd);
    fd = -1;
    if (!temporary.empty()) ::unlink(temporary.c_str());
    temporary.clear();
  }

  // Gives the temporary file the old file's owner, group and mode (or a new file's mode).
  // False when the owner or group cannot be given: the file is then rewritten in place.
  bool TakeOverAttributes() {
    if (!exists) {
      (void)::fchmod(fd, NewFileMode());
      return true;
    }
    struct stat made {};
    if (::fstat(fd, &made) != 0) return false;
    if (made.st_uid != existing.st_uid || made.st_gid != existing.st_gid) {
      if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) return false;
    }
    // After the owner, which clears set-user-ID and set-group-ID bits. A file system that
    // keeps no modes is no reason to lose the new contents.
    (void)::fchmod(fd, existing.st_mode & 07777);
    return true;
  }

  SaveResult Replace() {
    if (::fsync(fd) != 0) return Failed(SaveOutcome::kWriteFailed, errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return Failed(SaveOutcome::kWriteFailed, errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
      return Failed(SaveOutcome::kCannotCreate, errno);
    }
    temporary.clear();
    return {};
  }

  SaveResult RewriteInPlace() {
    const off_t size = static_cast<off_t>(buffer.BytesWritten());
    const int file = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (file < 0) return Failed(SaveOutcome::kCannotCreate, errno);
    // Room for the whole new contents first: a full disk then leaves the old ones whole.
    if (size > 0 && ::fallocate(file, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
        errno != ENOSYS && errno != EINVAL) {
      const int error = errno;
      ::close(file);
      return Failed(SaveOutcome::kWriteFailed, error);
    }
    std::array<char, 64 * 1024> chunk{};
    off_t at = 0;
    int error = 0;
    while (at < size && error == 0) {
      const ssize_t got = ::pread(fd, chunk.data(), chunk.size(), at);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        error = got < 0 ? errno : EIO;
      } else if (!WriteAll(file, chunk.data(), static_cast<size_t>(got))) {
        error = errno;
      } else {
        at += got;
      }
    }
    if (error == 0 && ::ftruncate(file, size) != 0) error = errno;
    if (error == 0 && ::fsync(file) != 0) error = errno;
    if (::close(file) != 0 && error == 0) error = errno;
    if (error != 0) return Failed(SaveOutcome::kWriteFailed, error);
    Discard();
    return {};
  }

  SaveResult Commit() {
    if (!Ready()) return refused;
    out.flush();
    if (!out) return Failed(SaveOutcome::kWriteFailed, buffer.ErrorNumber());
    if (way == Way::kDirect) {
      const int closed = ::close(fd);
      fd = -1;
      return closed == 0 ? SaveResult{} : SaveResult{SaveOutcome::kWriteFailed, errno};
    }
    if (way == Way::kReplace && !TakeOverAttributes()) way = Way::kInPlace;
    return way == Way::kReplace ? Replace() : RewriteInPlace();
  }
};

WholeFileWriter::WholeFileWriter(const std::string& path) : state_(std::make_unique<State>()) {
  state_->Start(path);
}

WholeFileWriter::~WholeFileWriter() { state_->Discard(); }

bool WholeFileWriter::Ready() const { return state_->Ready(); }

std::ostream& WholeFileWriter::Out() { return state_->out; }

SaveResult WholeFileWriter::Commit() { return state_->Commit(); }

SaveResult WholeFileWriter::Abandon() {
  if (!state_->Ready()) return state_->refused;
  return state_->Failed(SaveOutcome::kWriteFailed, state_->buffer.ErrorNumber());
}

SaveResult SaveWholeFile(const std::string& path, const std::function<bool(std::ostream&)>& write) {
  WholeFileWriter writer(path);
  if (!writer.Ready()) return writer.Commit();
  if (!write(writer.Out())) return writer.Abandon();
  return writer.Commit();
}

SaveResult SaveWholeFile(const std::string& path, std::string_view bytes) {
  return SaveWholeFile(path, [bytes](std::ostream& out) {
    return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
  });
}

}  // namespace kvitmark::base
