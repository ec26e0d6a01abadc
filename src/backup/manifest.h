#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"

// manifest.json: what a backup folder holds and how each part of it went, so that a
// restore can prove the set complete and intact before it sends anything. Texts in it are
// UTF-8, as JSON is.
namespace kvitmark::backup {

enum class ItemResult { kDone, kFailed };

// One table file of the backup.
struct ManifestKind {
  std::string kind;  // "art"
  std::string file;  // "art.art"
  int records = 0;   // the file's records
  std::string sha256;
  ItemResult result = ItemResult::kDone;
  std::vector<int> failed;  // records that could not be read (kFailed)
};

struct ManifestLogo {
  std::string file;  // "logo.bmp"
  std::string sha256;
  ItemResult result = ItemResult::kDone;
};

struct Manifest {
  std::string programName;
  std::string programVersion;
  std::string created;  // ISO 8601 with the offset from UTC
  int registerNumber = 0;
  std::string type;  // the register type selector's text
  bool complete = false;
  std::vector<ManifestKind> kinds;
  std::optional<ManifestLogo> logo;
};

// The file's text: indented JSON, one line end at the end.
std::string ManifestJson(const Manifest& manifest);

struct ManifestRead {
  std::optional<Manifest> manifest;
  base::Message error;  // what is wrong with the text
};

// Reads the text back; every field must be there with its type. Whether the kinds and
// files make sense is the restore's to check.
ManifestRead ParseManifest(std::string_view json);

}  // namespace kvitmark::backup
