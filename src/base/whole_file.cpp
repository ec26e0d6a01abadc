#include "base/whole_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <streambuf>
#include <vector>

#include "base/system_error_text.h"

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

// The last name in `path`; "." for a path ending in "/", which names the folder itself.
std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == path.size() - 1) return ".";
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A folder to work in by its descriptor: the file's name is looked up, replaced and opened
// there, so that no link swapped into the path between two steps sends a step elsewhere.
int OpenFolder(int at, const std::string& path) {
  return ::openat(at, FolderOf(path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// Whether a link in `folder` may be followed. Where others may write, a link any of them made
// would send the file wherever they like, with this user's rights: there only links of this
// user or of the folder's owner count, as the system itself decides for links in /tmp.
bool MayFollow(int folder, const struct stat& link) {
  struct stat status {};
  if (::fstat(folder, &status) != 0) return false;
  const bool shared = (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
  return !shared || link.st_uid == ::geteuid() || link.st_uid == status.st_uid;
}

// 0, or the system's reason.
int ReadLink(int folder, const std::string& name, std::string& target) {
  std::vector<char> link(256);
  ssize_t length = 0;
  while ((length = ::readlinkat(folder, name.c_str(), link.data(), link.size())) >= 0 &&
         static_cast<size_t>(length) == link.size()) {
    link.resize(link.size() * 2);
  }
  if (length < 0) return errno;
  target.assign(link.data(), static_cast<size_t>(length));
  return 0;
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

// A temporary file in `folder`, named after the file it stands in for; -1 and errno set when
// none can be made there. Made as mkostemp makes one, but in a folder held open.
int MakeTemporary(int folder, std::string name, std::string& made) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[6] = {};
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) break;
    made = name + '.';
    for (unsigned char byte : random) made += kLetters[byte % (sizeof kLetters - 1)];
    const int fd =
        ::openat(folder, made.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    if (errno == ENAMETOOLONG && name != ".kvitmark") {
      name = ".kvitmark";
    } else if (errno != EEXIST) {
      break;
    }
  }
  made.clear();
  return -1;
}

}  // namespace

struct WholeFileWriter::State {
  enum class Way {
    kReplace,  // the temporary file is renamed over the file
    kInPlace,  // the temporary file's bytes are copied over the file's own
    kDirect,   // a device or a pipe: written as the bytes come
  };

  // The file itself, links followed: its folder, held open, and its name there.
  int folder = -1;
  std::string name;
  int scratch = -1;       // another folder for the temporary file, when the file's takes none
  std::string temporary;  // its name; empty for kDirect
  struct stat existing {};
  bool exists = false;
  Way way = Way::kReplace;
  int fd = -1;         // the temporary file's, or the device's
  SaveResult refused;  // why the writer is not ready
  DescriptorBuffer buffer;
  std::ostream out{&buffer};

  ~State() {
    Discard();
    if (folder >= 0) ::close(folder);
    if (scratch >= 0) ::close(scratch);
  }

  bool Ready() const { return refused.Saved(); }

  void Refuse(int errorNumber) {
    refused = {SaveOutcome::kCannotCreate, errorNumber != 0 ? errorNumber : EIO};
    out.setstate(std::ios::badbit);
  }

  // Follows the links at `path` one by one, each looked up in the folder that holds it, to the
  // file itself (or to the name a file is to be made under). 0, or why not.
  int Resolve(const std::string& path) {
    folder = OpenFolder(AT_FDCWD, path);
    if (folder < 0) return errno;
    name = NameOf(path);
    for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
      exists = ::fstatat(folder, name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
      if (!exists) return errno == ENOENT ? 0 : errno;
      if (!S_ISLNK(existing.st_mode)) return 0;
      if (!MayFollow(folder, existing)) return kUntrustedLink;
      std::string next;
      if (const int error = ReadLink(folder, name, next)) return error;
      const int nextFolder = OpenFolder(folder, next);
      if (nextFolder < 0) return errno;
      ::close(folder);
      folder = nextFolder;
      name = NameOf(next);
    }
    return ELOOP;
  }

  int TemporaryFolder() const { return scratch >= 0 ? scratch : folder; }

  void Start(const std::string& path) {
    if (path.empty()) return Refuse(ENOENT);
    if (const int error = Resolve(path)) return Refuse(error);
    if (exists && S_ISDIR(existing.st_mode)) return Refuse(EISDIR);
    if (exists && !S_ISREG(existing.st_mode)) return StartDirect();
    // A write-protected file stays as it is, although its folder would take a new one.
    if (exists && ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0) {
      return Refuse(errno);
    }
    if (exists && existing.st_nlink > 1) way = Way::kInPlace;
    fd = MakeTemporary(folder, name, temporary);
    if (fd < 0 && exists && (errno == EACCES || errno == EPERM)) {
      // The folder takes no new file, but the file itself may be written: the new contents
      // are made complete elsewhere first.
      std::error_code ignored;
      scratch = ::open(std::filesystem::temp_directory_path(ignored).c_str(),
                       O_PATH | O_DIRECTORY | O_CLOEXEC);
      fd = scratch >= 0 ? MakeTemporary(scratch, "kvitmark", temporary) : -1;
      way = Way::kInPlace;
    }
    if (fd < 0) return Refuse(errno);
    buffer.Attach(fd);
  }

  void StartDirect() {
    way = Way::kDirect;
    // A pipe nobody reads must not hang the program.
    fd = ::openat(folder, name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
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
    if (!temporary.empty()) ::unlinkat(TemporaryFolder(), temporary.c_str(), 0);
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
    if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
      return Failed(SaveOutcome::kCannotCreate, errno);
    }
    temporary.clear();
    return {};
  }

  SaveResult RewriteInPlace() {
    const off_t size = static_cast<off_t>(buffer.BytesWritten());
    const int file = ::openat(folder, name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW);
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

WholeFileWriter::~WholeFileWriter() = default;

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
