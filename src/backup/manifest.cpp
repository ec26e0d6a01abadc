#include "backup/manifest.h"

#include <nlohmann/json.hpp>

#include "base/message.h"
#include "base/text_pattern.h"

namespace kvitmark::backup {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

const char* ResultText(ItemResult result) {
  return result == ItemResult::kDone ? "done" : "failed";
}

// Reading: each field is looked up and its type checked; the first one missing or of the
// wrong type is named.
class Reader {
 public:
  base::Message error;

  const json* Field(const json& object, const char* name, json::value_t type, const char* where) {
    if (!error.Empty()) return nullptr;
    const auto found = object.find(name);
    const bool typeFits = found != object.end() &&
                          (found->type() == type ||
                           (type == json::value_t::number_integer && found->is_number_unsigned()));
    if (!typeFits) {
      error =
          base::Message(KV_PATTERN("backup", "manifest.json: нет поля \"%1\" или оно не того типа"))
              .ArgUtf8(std::string(where) + name);
      return nullptr;
    }
    return &*found;
  }
  std::string Text(const json& object, const char* name, const char* where = "") {
    const json* field = Field(object, name, json::value_t::string, where);
    return field ? field->get<std::string>() : std::string();
  }
  int Number(const json& object, const char* name, const char* where = "") {
    const json* field = Field(object, name, json::value_t::number_integer, where);
    if (!field) return 0;
    const auto value = field->get<long long>();
    if (value < 0 || value > 1'000'000) {
      error =
          base::Message(KV_PATTERN("backup", "manifest.json: поле \"%1\" вне допустимых пределов"))
              .ArgUtf8(std::string(where) + name);
      return 0;
    }
    return static_cast<int>(value);
  }
  ItemResult Result(const json& object, const char* where) {
    const std::string text = Text(object, "result", where);
    if (text == "failed") return ItemResult::kFailed;
    if (text != "done" && error.Empty()) {
      error = base::Message(
                  KV_PATTERN("backup", "manifest.json: поле \"%1\" не \"done\" и не \"failed\""))
                  .ArgUtf8(std::string(where) + "result");
    }
    return ItemResult::kDone;
  }
};

}  // namespace

std::string ManifestJson(const Manifest& manifest) {
  ordered_json kinds = ordered_json::array();
  for (const ManifestKind& kind : manifest.kinds) {
    ordered_json entry = {{"kind", kind.kind},
                          {"file", kind.file},
                          {"records", kind.records},
                          {"sha256", kind.sha256},
                          {"result", ResultText(kind.result)}};
    if (kind.result == ItemResult::kFailed) entry["failed"] = kind.failed;
    kinds.push_back(std::move(entry));
  }
  ordered_json root = {
      {"program", {{"name", manifest.programName}, {"version", manifest.programVersion}}},
      {"created", manifest.created},
      {"register", manifest.registerNumber},
      {"type", manifest.type},
      {"complete", manifest.complete},
      {"kinds", std::move(kinds)},
  };
  if (manifest.logo) {
    root["logo"] = {{"file", manifest.logo->file},
                    {"sha256", manifest.logo->sha256},
                    {"result", ResultText(manifest.logo->result)}};
  }
  // Texts that are not UTF-8 (none should be) are replaced rather than thrown over.
  return root.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

ManifestRead ParseManifest(std::string_view text) {
  const json root = json::parse(text.begin(), text.end(), nullptr, false);
  if (root.is_discarded() || !root.is_object()) {
    return {std::nullopt, KV_PATTERN("backup", "manifest.json: это не JSON-объект")};
  }
  Reader read;
  Manifest manifest;
  if (const json* program = read.Field(root, "program", json::value_t::object, "")) {
    manifest.programName = read.Text(*program, "name", "program.");
    manifest.programVersion = read.Text(*program, "version", "program.");
  }
  manifest.created = read.Text(root, "created");
  manifest.registerNumber = read.Number(root, "register");
  manifest.type = read.Text(root, "type");
  if (const json* complete = read.Field(root, "complete", json::value_t::boolean, "")) {
    manifest.complete = complete->get<bool>();
  }
  if (const json* kinds = read.Field(root, "kinds", json::value_t::array, "")) {
    for (const json& entry : *kinds) {
      if (!entry.is_object()) {
        read.error = KV_PATTERN("backup", "manifest.json: в \"kinds\" не объект");
        break;
      }
      ManifestKind kind;
      kind.kind = read.Text(entry, "kind", "kinds[].");
      kind.file = read.Text(entry, "file", "kinds[].");
      kind.records = read.Number(entry, "records", "kinds[].");
      kind.sha256 = read.Text(entry, "sha256", "kinds[].");
      kind.result = read.Result(entry, "kinds[].");
      if (kind.result == ItemResult::kFailed) {
        if (const json* failed = read.Field(entry, "failed", json::value_t::array, "kinds[].")) {
          for (const json& record : *failed) {
            const bool number = record.is_number_integer() && record.get<long long>() >= 1 &&
                                record.get<long long>() <= 1'000'000;
            if (!number) {
              read.error = KV_PATTERN("backup", "manifest.json: в \"failed\" не номер записи");
              break;
            }
            kind.failed.push_back(static_cast<int>(record.get<long long>()));
          }
        }
      }
      if (!read.error.Empty()) break;
      manifest.kinds.push_back(std::move(kind));
    }
  }
  if (root.contains("logo")) {
    if (const json* logo = read.Field(root, "logo", json::value_t::object, "")) {
      ManifestLogo entry;
      entry.file = read.Text(*logo, "file", "logo.");
      entry.sha256 = read.Text(*logo, "sha256", "logo.");
      entry.result = read.Result(*logo, "logo.");
      manifest.logo = std::move(entry);
    }
  }
  if (!read.error.Empty()) return {std::nullopt, read.error};
  return {std::move(manifest), {}};
}

}  // namespace kvitmark::backup
