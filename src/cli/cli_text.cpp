#include "cli/cli_text.h"

#include <filesystem>
#include <vector>

#include "app/settings.h"
#include "base/ui/translation.h"

namespace kvitmark::cli {
namespace {

std::string Filled(base::TextPattern pattern, std::span<const std::string_view> pieces) {
  const std::string translated = base::ui::Translate(pattern.context, pattern.source).toStdString();
  return base::FillPlaceholders(translated, pieces);
}

}  // namespace

void ChooseLanguage(std::optional<base::Language> stated) {
  if (!stated) {
    // The settings file is read, never created or changed.
    stated = app::ReadSettings(std::filesystem::current_path().string()).language;
  }
  base::ui::UseLanguage(base::ChosenLanguage(stated, base::SystemLanguage()));
}

std::string Text(base::TextPattern pattern, std::initializer_list<std::string_view> pieces) {
  return Filled(pattern, std::span(pieces.begin(), pieces.size()));
}

std::string CountText(long long count, const base::CountedPattern& patterns,
                      std::initializer_list<std::string_view> otherPieces) {
  const std::string number = std::to_string(count);
  std::vector<std::string_view> pieces{number};
  pieces.insert(pieces.end(), otherPieces.begin(), otherPieces.end());
  return Filled(base::PatternFor(count, patterns), pieces);
}

}  // namespace kvitmark::cli
