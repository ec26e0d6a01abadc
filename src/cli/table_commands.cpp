#include "cli/table_commands.h"

#include <iostream>

#include "base/cp1251.h"
#include "cli/connection.h"
#include "files/table_file_kinds.h"
#include "files/table_files.h"
#include "tables/catalogue.h"
#include "tables/default_records.h"
#include "tables/operations.h"

namespace kvitmark::cli {
namespace {

using base::Cp1251;

void Say(const char* utf8) { std::cerr << utf8 << '\n'; }

void SayFileMessage(const files::FileMessage& message, const std::string& file, int line) {
  std::cerr << file << ": " << ForTerminal(message.caption) << ": ";
  std::string text = ForTerminal(message.text);
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  std::cerr << text;
  if (line > 0) std::cerr << " (строка " << line << ")";
  std::cerr << '\n';
}

// The window's interval group with the command's options in it.
void ApplyInterval(tables::Workspace& workspace, tables::PageId page,
                   const IntervalOptions& options) {
  if (!options.Used()) return;
  const int first = options.first.value_or(1);
  const int last = options.last.value_or(tables::Page(page).recordCount);
  const int record = options.record.value_or(first);
  workspace.interval = {true, std::to_string(first), std::to_string(last), std::to_string(record)};
}

// 0 when the operation went through every record; otherwise names what did not.
int Status(const tables::OperationSummary& summary, const TerminalObserver& observer) {
  if (!observer.PromptedRecords().empty()) {
    std::cerr << "Не удалось обменяться записями: " << observer.PromptedRecords() << '\n';
    return 1;
  }
  return summary.result == tables::OperationResult::kDone ? 0 : 1;
}

// The command line offers only the kinds there are.
tables::PageId PageOfKind(const std::string& kind) { return *files::PageOfExtension(kind); }

}  // namespace

int Presence(const ConnectionOptions& options) {
  Connection connection(options);
  const auto outcome = connection.Connect();
  if (!outcome) return 1;
  if (*outcome != link::ConnectOutcome::kRegisterAnswered) {
    Say("Касса не обнаружена");
    return 1;
  }
  std::cerr << "ЭККА " << options.registerNumber << " отвечает\n";
  return 0;
}

int ReadTable(const ConnectionOptions& options, const std::string& kind, const std::string& file,
              const IntervalOptions& interval) {
  const tables::PageId page = PageOfKind(kind);
  Connection connection(options);
  if (!connection.Open()) return 1;
  ApplyInterval(connection.Workspace(), page, interval);
  const auto result =
      tables::ReadFromRegister(connection.Session(), connection.Observer(), page);
  // What was not read is not saved as if it were: a stopped read writes no file.
  if (result.result != tables::OperationResult::kDone) return 1;
  const auto saved = files::SaveTableFile(connection.Workspace(), page, file);
  if (saved.message) {
    SayFileMessage(*saved.message, file, 0);
    return 1;
  }
  return Status(result, connection.Observer());
}

int WriteTable(const ConnectionOptions& options, const std::string& kind, const std::string& file,
               const IntervalOptions& interval) {
  const tables::PageId page = PageOfKind(kind);
  tables::Workspace loaded;
  PreparePages(loaded);
  // The whole file is checked before the port is even opened.
  const auto report = files::LoadTableFile(loaded, page, file);
  if (report.message) {
    SayFileMessage(*report.message, file, report.line);
    return 1;
  }
  Connection connection(options);
  if (!connection.Open()) return 1;
  tables::Workspace& workspace = connection.Workspace();
  if (tables::IsGridPage(page)) {
    workspace.Grid(page) = loaded.Grid(page);
  } else {
    workspace.Parameters(page) = loaded.Parameters(page);
  }
  ApplyInterval(workspace, page, interval);
  const auto result = tables::WriteToRegister(connection.Session(), connection.Observer(), page);
  return Status(result, connection.Observer());
}

int ClearTable(const ConnectionOptions& options, const std::string& kind) {
  const tables::PageId page = PageOfKind(kind);
  Connection connection(options);
  if (!connection.Open()) return 1;
  const auto result = tables::ClearTable(connection.Session(), connection.Observer(), page);
  if (!result.failed.empty()) {
    std::cerr << "Не записано записей: " << result.failed.size() << '\n';
    return 1;
  }
  return result.result == tables::OperationResult::kDone ? 0 : 1;
}

}  // namespace kvitmark::cli
