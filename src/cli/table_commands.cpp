#include "cli/table_commands.h"

#include <cctype>
#include <cmath>
#include <iostream>

#include "base/cp1251.h"
#include "cli/cli_text.h"
#include "cli/command_report.h"
#include "cli/connection.h"
#include "files/table_file_kinds.h"
#include "files/table_files.h"
#include "tables/catalogue.h"
#include "tables/default_records.h"
#include "tables/operations.h"
#include "tables/planning_observer.h"

namespace kvitmark::cli {
namespace {

using base::Cp1251;

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
    Say(Text(KV_PATTERN("cli", "Не удалось обменяться записями: %1"),
             {observer.PromptedRecords()}));
    return 1;
  }
  return summary.result == tables::OperationResult::kDone ? 0 : 1;
}

// Learns from `path`, a table file of the page's kind, what the register holds: each record
// the file has, encoded as a write would send it. Records beyond a file that ends early are
// not known. False, with the reason said, when the file cannot be used at all.
bool KnownFrom(const std::string& path, tables::PageId page, tables::RegisterCopy& known) {
  // A file named as another kind's is another table, whatever its lines look like.
  const auto dot = path.find_last_of('.');
  if (dot != std::string::npos && path.find('/', dot) == std::string::npos) {
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto other = files::PageOfExtension(extension);
    if (other && *other != page) {
      Say(Text(KV_PATTERN("cli", "%1: файл другого вида, чем %2"),
               {path, files::KindForPage(page)->extension}));
      return false;
    }
  }
  tables::Workspace base;
  PreparePages(base);
  const auto report = files::LoadTableFile(base, page, path);
  if (report.message && !report.endedEarly) {
    SayFileMessage(*report.message, path, report.line);
    Say(Text(KV_PATTERN("cli", "%1: не подходит как то, что хранит ЭККА"), {path}));
    return false;
  }
  // A file that ended early holds its records up to the line before the one that is missing.
  const int lastRecord = report.endedEarly ? report.line - 1 : tables::Page(page).recordCount;
  tables::PlanningObserver quiet;
  auto held = tables::PlanWrite(base, known, page, tables::WriteScope::kAll, quiet);
  if (!held) {
    Say(path + ": " + ForTerminal(quiet.told));
    return false;
  }
  for (auto& record : *held) {
    if (record.record <= lastRecord) known.Remember(page, record.record, std::move(record.text));
  }
  return true;
}

// The records of the page a write covers without an interval.
int RecordsOfKind(tables::PageId page) {
  const auto& descriptor = tables::Page(page);
  return descriptor.shape == tables::PageShape::kGrid
             ? descriptor.recordCount - descriptor.writeFirstRow + 1
             : 1;
}

size_t PlannedCount(const tables::Workspace& workspace, const tables::RegisterCopy& known,
                    tables::PageId page) {
  tables::PlanningObserver quiet;
  const auto planned =
      tables::PlanWrite(workspace, known, page, tables::WriteScope::kChanged, quiet);
  return planned ? planned->size() : 0;
}

// Around each write request about this many bytes cross the line both ways: fill bytes,
// selection and greeting, acknowledgements, check bytes and the closing (bench_changes
// measures 164 a goods record, whose request is about 36).
constexpr double kBytesBesidesRequest = 128;
// A byte on the line is 11 bits: start, eight data bits, two stop bits.
constexpr double kBitsPerByte = 11;

// --dry-run: the records, and about how long the line needs for them.
void TellPlan(const std::vector<tables::PlannedRecord>& planned, tables::PageId page, int speed) {
  double bytes = 0;
  const std::string table = std::to_string(tables::Page(page).tableNumber);
  nlohmann::ordered_json numbers = nlohmann::ordered_json::array();
  for (const auto& record : planned) {
    ResultStream() << "record " << record.record << '\n';
    numbers.push_back(record.record);
    const std::string request = "W" + table + ";" + std::to_string(record.record) + ";";
    bytes += kBytesBesidesRequest + static_cast<double>(request.size() + record.text.size());
  }
  const double seconds = speed > 0 ? bytes * kBitsPerByte / speed : 0;
  const std::string told = std::to_string(planned.size()) + " records would be written (about " +
                           std::to_string(std::llround(seconds)) + " s at " +
                           std::to_string(speed) + " bit/s)";
  ResultStream() << told << '\n';
  Report().Said(told);
  Report().Set("records", {{"total", planned.size()}, {"written", 0}, {"planned", numbers}});
}

// The command line offers only the kinds there are.
tables::PageId PageOfKind(const std::string& kind) { return *files::PageOfExtension(kind); }

}  // namespace

int Presence(const ConnectionOptions& options) {
  Connection connection(options);
  const auto outcome = connection.Connect();
  if (!outcome) return 1;
  if (*outcome != link::ConnectOutcome::kRegisterAnswered) {
    Say(Text(KV_PATTERN("cli", "Касса не обнаружена")));
    return 1;
  }
  Say(Text(KV_PATTERN("cli", "ЭККА %1 отвечает"), {std::to_string(options.registerNumber)}));
  return 0;
}

int ReadTable(const ConnectionOptions& options, const std::string& kind, const std::string& file,
              const IntervalOptions& interval) {
  const tables::PageId page = PageOfKind(kind);
  Connection connection(options);
  if (!connection.Open()) return 1;
  ApplyInterval(connection.Workspace(), page, interval);
  const auto result = tables::ReadFromRegister(connection.Session(), connection.Observer(), page);
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
               const IntervalOptions& interval, const WriteOptions& write) {
  const tables::PageId page = PageOfKind(kind);
  tables::Workspace loaded;
  PreparePages(loaded);
  // The whole file is checked before the port is even opened.
  const auto report = files::LoadTableFile(loaded, page, file);
  if (report.message) {
    SayFileMessage(*report.message, file, report.line);
    return 1;
  }
  ApplyInterval(loaded, page, interval);
  tables::RegisterCopy known;
  if (!write.changedFrom.empty() && !KnownFrom(write.changedFrom, page, known)) return 2;
  const auto scope =
      write.changedFrom.empty() ? tables::WriteScope::kAll : tables::WriteScope::kChanged;

  if (write.dryRun) {
    TerminalObserver observer(options.onError, options.assumeYes);
    const auto planned = tables::PlanWrite(loaded, known, page, scope, observer);
    if (!planned) return 1;
    TellPlan(*planned, page, LineSpeed(options));
    return 0;
  }

  Connection connection(options);
  if (!connection.Open()) return 1;
  tables::Workspace& workspace = connection.Workspace();
  if (tables::IsGridPage(page)) {
    workspace.Grid(page) = loaded.Grid(page);
  } else {
    workspace.Parameters(page) = loaded.Parameters(page);
  }
  workspace.interval = loaded.interval;
  tables::TableSession& session = connection.Session();
  if (scope == tables::WriteScope::kAll) {
    return Status(tables::WriteToRegister(session, connection.Observer(), page),
                  connection.Observer());
  }
  session.registerCopy = known;
  const auto result = tables::WriteChangesToRegister(session, connection.Observer(), page);
  const int records = RecordsOfKind(page);
  const size_t changed = PlannedCount(loaded, known, page);
  const int unchanged = records - static_cast<int>(changed);
  Report().SetUnchanged(unchanged);
  Say("wrote " + std::to_string(result.done.size()) + " of " + std::to_string(records) +
      " records (" + std::to_string(unchanged) + " unchanged skipped)");
  return Status(result, connection.Observer());
}

int ClearTable(const ConnectionOptions& options, const std::string& kind) {
  const tables::PageId page = PageOfKind(kind);
  Connection connection(options);
  if (!connection.Open()) return 1;
  const auto result = tables::ClearTable(connection.Session(), connection.Observer(), page);
  if (!result.failed.empty()) {
    const auto failed = static_cast<long long>(result.failed.size());
    Say(CountText(failed, {KV_PATTERN("cli", "Не записана %1 запись"),
                           KV_PATTERN("cli", "Не записаны %1 записи"),
                           KV_PATTERN("cli", "Не записано %1 записей")}));
    return 1;
  }
  return result.result == tables::OperationResult::kDone ? 0 : 1;
}

}  // namespace kvitmark::cli
