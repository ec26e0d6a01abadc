#include "cli/command_report.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <iostream>
#include <string_view>

namespace kvitmark::cli {
namespace {

using tables::OperationKind;

// Whether the operation's records went to the register or came from it.
const char* DoneKey(OperationKind kind) {
  switch (kind) {
    case OperationKind::kWriteTable:
    case OperationKind::kClearTable:
    case OperationKind::kWriteLogo:
      return "written";
    default:
      return "read";
  }
}

}  // namespace

void CommandReport::Start(std::string command, bool json) {
  command_ = std::move(command);
  json_ = json;
  started_ = std::chrono::steady_clock::now();
}

void CommandReport::Started(const tables::OperationStart& start) {
  kind_ = start.kind;
  ++runs_;
  // The progress range counts as the operations draw it: a read or write runs over positions
  // 0 to its maximum, one record each; a clear and a logo transfer go from their starting
  // position to their maximum, one record a step.
  switch (start.kind) {
    case OperationKind::kReadTable:
    case OperationKind::kWriteTable:
      total_ = start.progressMaximum + 1;
      break;
    case OperationKind::kClearTable:
    case OperationKind::kReadLogo:
    case OperationKind::kWriteLogo:
      total_ = start.progressMaximum - start.progressPosition;
      break;
    case OperationKind::kDownloadReports:
    case OperationKind::kFindRegister:
    case OperationKind::kBackup:
    case OperationKind::kRestore:
      total_ = 0;
      break;
  }
}

void CommandReport::Finished(const tables::OperationSummary& summary) {
  // A search is no run of records; its findings are told apart.
  if (kind_ && *kind_ != OperationKind::kFindRegister) summary_ = summary;
}

nlohmann::ordered_json CommandReport::Result(int status, bool interrupted) const {
  nlohmann::ordered_json result = nlohmann::ordered_json::object();
  result["command"] = command_;
  if (device_) result["device"] = *device_;
  if (register_) result["register"] = *register_;
  result["result"] = status == 0 ? "done" : interrupted ? "stopped" : "failed";
  if (summary_ && kind_ && runs_ == 1) {
    nlohmann::ordered_json records = {{"total", total_},
                                      {DoneKey(*kind_), summary_->done.size()},
                                      {"skipped", summary_->skipped},
                                      {"failed", summary_->failed}};
    if (unchanged_) records["unchanged"] = *unchanged_;
    result["records"] = std::move(records);
  }
  for (const auto& [key, value] : extra_.items()) result[key] = value;
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - started_;
  result["seconds"] = std::round(seconds.count() * 1000) / 1000;
  if (!message_.empty()) result["message"] = message_;
  return result;
}

CommandReport& Report() {
  static CommandReport report;
  return report;
}

void Say(const std::string& utf8) {
  std::cerr << utf8 << '\n';
  Report().Said(utf8);
}

std::ostream& ResultStream() { return Report().Json() ? std::cerr : std::cout; }

void PrintReport(int status, bool interrupted) {
  // File names are the file system's bytes and need not be UTF-8: such bytes are replaced
  // rather than making the object unreadable.
  const std::string line =
      Report()
          .Result(status, interrupted)
          .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
      '\n';
  // In one write, so that the objects of tools run in parallel into one file stay whole lines.
  std::cout.flush();
  std::string_view left = line;
  while (!left.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, left.data(), left.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    left.remove_prefix(static_cast<size_t>(written));
  }
}

}  // namespace kvitmark::cli
