#pragma once

#include <chrono>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "tables/operation_observer.h"

namespace kvitmark::cli {

// What a command did, as `--json` prints it at the command's end: one object on standard
// output, the counts taken from the operation's own summary, never from the words shown.
class CommandReport {
 public:
  void Start(std::string command, bool json);
  bool Json() const { return json_; }

  void SetDevice(const std::string& device) { device_ = device; }
  void SetRegister(int registerNumber) { register_ = registerNumber; }
  // Anything else the command found, such as the speed `find` found the register at.
  void Set(const std::string& key, nlohmann::ordered_json value) { extra_[key] = std::move(value); }
  // Told as the command's message; the last one told is the one the object carries.
  void Said(const std::string& utf8) { message_ = utf8; }

  // The operation's run, and how it ended.
  void Started(const tables::OperationStart& start);
  // A download of several reports: `records` more records in the run.
  void AddToRun(int records) { total_ += records; }
  void Finished(const tables::OperationSummary& summary);
  // Only what a write with --changed-from left out because the register holds it already.
  void SetUnchanged(int records) { unchanged_ = records; }

  // The object for a command that ends with exit status `status`.
  nlohmann::ordered_json Result(int status, bool interrupted) const;

 private:
  std::string command_;
  bool json_ = false;
  std::chrono::steady_clock::time_point started_;
  std::optional<std::string> device_;
  std::optional<int> register_;
  std::string message_;
  nlohmann::ordered_json extra_ = nlohmann::ordered_json::object();
  std::optional<tables::OperationKind> kind_;
  // A backup or a restore runs one operation a table: no one count stands for them all.
  int runs_ = 0;
  int total_ = 0;
  std::optional<tables::OperationSummary> summary_;
  std::optional<int> unchanged_;
};

// The report of this run of the tool.
CommandReport& Report();

// Tells the user something, one line on standard error, and keeps it as the command's message.
void Say(const std::string& utf8);

// Where a command's own results go: standard output, or standard error under --json, where
// standard output carries the one object alone.
std::ostream& ResultStream();

// Prints the report's object on standard output as one line.
void PrintReport(int status, bool interrupted);

}  // namespace kvitmark::cli
