#include "cli/backup_commands.h"

#include <ctime>
#include <iostream>
#include <sstream>

#include "app/settings.h"
#include "backup/backup_operation.h"
#include "backup/restore_operation.h"
#include "base/message.h"
#include "base/ui/translation.h"
#include "cli/command_report.h"
#include "cli/connection.h"
#include "logo/ui/bmp_logo_files.h"

namespace kvitmark::cli {
namespace {

// A message in the user's language, UTF-8.
std::string Told(const base::Message& message) { return base::ui::Render(message).toStdString(); }
std::string Told(const base::MessageList& lines) { return base::ui::Render(lines).toStdString(); }

// A text meant as one line, whatever the messages nested in it hold.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  return text;
}

// The run on the terminal: a line as each table begins, the progress bar over the whole
// run, the prompt and the question as the other commands have them.
class TerminalRun final : public backup::RunObserver {
 public:
  explicit TerminalRun(TerminalObserver& terminal) : terminal_(terminal) {}

  void ItemStarted(const backup::RunItem& item) override {
    terminal_.FinishProgress();
    std::cerr << '[' << item.index + 1 << '/' << item.count << "] " << Told(item.caption) << " ("
              << item.file << ")\n";
  }
  void Started(const tables::OperationStart& start) override { terminal_.Started(start); }
  void RecordDone(const tables::RecordStep& step) override { terminal_.RecordDone(step); }
  tables::FailureAnswer RecordFailed(int record) override { return terminal_.RecordFailed(record); }
  void Tell(const tables::Notice& notice) override { terminal_.Tell(notice); }
  bool Confirm(const base::Message& question) override { return terminal_.Confirm(question); }
  // The question's lines are the plan; the terminal asks its last one.
  bool ConfirmLines(const base::MessageList& question) override {
    if (question.empty()) return terminal_.Confirm({});
    for (size_t line = 0; line + 1 < question.size(); ++line) {
      std::cerr << Told(question[line]) << '\n';
    }
    return terminal_.Confirm(question.back());
  }
  bool StopRequested() override { return terminal_.StopRequested(); }
  void Finished(const tables::OperationSummary& summary) override { terminal_.Finished(summary); }

 private:
  TerminalObserver& terminal_;
};

void SayLines(const base::MessageList& lines) { std::cerr << Told(lines) << '\n'; }

std::vector<std::string> KindList(const std::string& only) {
  std::vector<std::string> kinds;
  std::istringstream list(only);
  for (std::string kind; std::getline(list, kind, ',');) {
    if (!kind.empty()) kinds.push_back(kind);
  }
  return kinds;
}

}  // namespace

int Backup(const ConnectionOptions& options, const std::string& folder) {
  Connection connection(options);
  if (!connection.Open()) return 1;
  TerminalRun run(connection.Observer());
  logo::ui::BmpLogoFiles logoFiles;
  const backup::BackupRequest request{folder, std::string(app::kTypeEntries[0]),
                                      std::time(nullptr)};
  const auto result = backup::BackupRegister(connection.Session(), run, logoFiles, request);
  SayLines(backup::BackupReport(result));
  if (result.outcome == backup::BackupOutcome::kComplete &&
      connection.Observer().PromptedRecords().empty()) {
    ResultStream() << result.folder << '\n';
    return 0;
  }
  if (!result.folder.empty()) {
    Say(Told(base::Message(KV_PATTERN("cli", "Папка копии: %1")).ArgUtf8(result.folder)));
  }
  return 1;
}

int Restore(const ConnectionOptions& options, const std::string& backupFolder,
            const std::string& only, bool dryRun) {
  logo::ui::BmpLogoFiles logoFiles;
  // Everything is checked before the port is even opened.
  auto check = backup::CheckBackup(backupFolder, KindList(only), logoFiles);
  if (!check.backup) {
    Say(Told(base::Message(KV_PATTERN("cli", "%1: %2\nНичего не записано в ЭККА."))
                 .ArgUtf8(backupFolder)
                 .ArgUtf8(OneLine(Told(check.error)))));
    return 1;
  }
  if (dryRun) {
    const auto steps = backup::PlanRestore(*check.backup, {});
    size_t records = 0;
    for (const auto& step : steps) records += step.records.size();
    for (const base::Message& line : backup::PlanLines(steps)) {
      ResultStream() << Told(line) << '\n';
    }
    ResultStream() << records << " records would be written\n";
    return 0;
  }
  Connection connection(options);
  if (!connection.Open()) return 1;
  TerminalRun run(connection.Observer());
  const auto result = backup::RestoreRegister(connection.Session(), run, *check.backup);
  if (!result.confirmed) {
    if (!result.error.Empty()) SayLines({result.error});
    return 1;
  }
  SayLines(backup::RestoreReport(result));
  bool whole = !result.stopped && connection.Observer().PromptedRecords().empty();
  for (const auto& step : result.steps) {
    whole = whole && (step.state == backup::StepState::kWritten ||
                      step.state == backup::StepState::kUnchanged);
  }
  return whole ? 0 : 1;
}

}  // namespace kvitmark::cli
