#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// What the fuzz targets share: files for the parsers that read from disk (one private
// folder per process, removed when it ends) and the check that reports a broken property.
namespace kvitmark::fuzzing {

class TemporaryFolder {
 public:
  TemporaryFolder() {
    const char* base = std::getenv("TMPDIR");
    path_ = std::string(base && *base ? base : "/tmp") + "/kvitmark-fuzz-XXXXXX";
    if (!mkdtemp(path_.data())) std::abort();
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

inline const std::string& FuzzFolder() {
  static const TemporaryFolder folder;
  return folder.Path();
}

// Writes `bytes` as the file `name` in the fuzz folder and returns its path.
inline std::string WriteFuzzFile(std::string_view name, std::string_view bytes) {
  const std::string path = FuzzFolder() + "/" + std::string(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) std::abort();
  return path;
}

}  // namespace kvitmark::fuzzing

// A property every input must keep; a broken one is a finding, reported with its place.
#define FUZZ_REQUIRE(condition)                                                    \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (false)
