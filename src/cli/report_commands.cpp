#include "cli/report_commands.h"

#include <sstream>

#include "app/ini_file.h"
#include "base/cp1251.h"
#include "cli/cli_text.h"
#include "cli/command_report.h"
#include "cli/connection.h"
#include "reports/report_catalogue.h"
#include "reports/report_download.h"

namespace kvitmark::cli {
namespace {

// The choices a download asks for, fixed for the whole run.
class CommandLineChoices final : public reports::ReportChoicesSource {
 public:
  explicit CommandLineChoices(reports::DownloadChoices choices) : choices_(std::move(choices)) {}
  reports::DownloadChoices Choices() override { return choices_; }

 private:
  reports::DownloadChoices choices_;
};

}  // namespace

int DownloadReports(const ConnectionOptions& options, const std::string& folder,
                    const std::string& only, const std::string& separator) {
  reports::DownloadChoices choices;
  choices.folder = folder;
  if (!choices.folder.empty() && choices.folder.back() != '/') choices.folder.push_back('/');
  choices.separator = base::Cp1251(separator);
  const auto& catalogue = reports::ReportCatalogue();
  std::vector<std::string> wanted;
  std::stringstream keys(only);
  for (std::string key; std::getline(keys, key, ',');) {
    if (!key.empty()) wanted.push_back(key);
  }
  for (const auto& key : wanted) {
    bool known = false;
    for (const auto& report : catalogue) known |= app::EqualIgnoringCase(report.settingsKey, key);
    if (!known) {
      Say(Text(KV_PATTERN("cli", "Нет такого отчета: %1"), {key}));
      return 2;
    }
  }
  for (size_t i = 0; i < catalogue.size(); ++i) {
    bool checked = wanted.empty();
    for (const auto& key : wanted) checked |= app::EqualIgnoringCase(catalogue[i].settingsKey, key);
    choices.reports[i] = {checked, std::string(catalogue[i].defaultFileName)};
  }

  Connection connection(options);
  if (!connection.Open()) return 1;
  CommandLineChoices fixed(choices);
  const auto result = reports::DownloadReports(connection.Session(), connection.Observer(), fixed);
  if (!connection.Observer().PromptedRecords().empty()) {
    Say(Text(KV_PATTERN("cli", "Не удалось прочитать записи: %1"),
             {connection.Observer().PromptedRecords()}));
  }
  return result == reports::DownloadResult::kDone ? 0 : 1;
}

}  // namespace kvitmark::cli
