// Any text as a backup's manifest.json: it is read or refused with a reason, and one that is
// read is written and read back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "backup/manifest.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kvitmark;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const backup::ManifestRead read = backup::ParseManifest(text);
  FUZZ_REQUIRE(read.manifest.has_value() != !read.error.Empty());
  if (!read.manifest) return 0;
  const std::string written = backup::ManifestJson(*read.manifest);
  const backup::ManifestRead again = backup::ParseManifest(written);
  FUZZ_REQUIRE(again.manifest.has_value());
  FUZZ_REQUIRE(backup::ManifestJson(*again.manifest) == written);
  return 0;
}
