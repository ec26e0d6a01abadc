#include "cli/terminal_observer.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>

#include "base/ui/translation.h"
#include "cli/cli_text.h"
#include "cli/command_report.h"

namespace kvitmark::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) { interrupted = 1; }

// A message without the line breaks a message box would show: one line per notice.
std::string OneLine(const base::Message& message) {
  std::string text = ForTerminal(message);
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  return text;
}

}  // namespace

std::string ForTerminal(const base::Message& message) {
  return base::ui::Render(message).toStdString();
}

void SayFileMessage(const files::FileMessage& message, const std::string& file, int line) {
  // The system's reason names the file itself.
  std::string said = message.reason.Empty() ? file + ": " : std::string();
  said += ForTerminal(message.caption) + ": " + OneLine(message.text);
  if (line > 0) said += Text(KV_PATTERN("cli", " (строка %1)"), {std::to_string(line)});
  if (!message.reason.Empty()) said += ": " + ForTerminal(message.reason);
  Say(said);
}

bool Interrupted() { return interrupted != 0; }

void InstallInterruptStop() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

TerminalObserver::TerminalObserver(OnError onError, bool assumeYes)
    : onError_(onError),
      assumeYes_(assumeYes),
      terminal_(isatty(STDERR_FILENO) == 1),
      started_(std::chrono::steady_clock::now()) {}

void TerminalObserver::Started(const tables::OperationStart& start) {
  Report().Started(start);
  SetProgressMaximum(start.progressMaximum);
  position_ = start.progressPosition;
}

void TerminalObserver::PartStarted(const tables::PartStart& part) {
  FinishProgress();
  std::cerr << part.fileName << '\n';
}

void TerminalObserver::PartReady(int records) {
  // The bar counts a maximum's positions from 0; a part's records go from 1.
  SetProgressMaximum(records - 1);
  Report().AddToRun(records);
}

void TerminalObserver::SetProgressMaximum(int maximum) {
  maximum_ = maximum;
  started_ = std::chrono::steady_clock::now();
}

void TerminalObserver::RecordDone(const tables::RecordStep& step) {
  position_ = step.progress;
  DrawProgress();
}

tables::FailureAnswer TerminalObserver::RecordFailed(int record) {
  FinishProgress();
  if (!promptedRecords_.empty()) promptedRecords_ += ", ";
  promptedRecords_ += std::to_string(record);
  const bool skip = onError_ == OnError::kSkip;
  const std::string number = std::to_string(record);
  Say(skip ? Text(KV_PATTERN("cli", "Ошибка записи/чтения таблицы ЭККА: запись %1 пропущена"),
                  {number})
           : Text(KV_PATTERN("cli",
                             "Ошибка записи/чтения таблицы ЭККА: запись %1, операция завершена"),
                  {number}));
  return skip ? tables::FailureAnswer::kSkip : tables::FailureAnswer::kFinish;
}

void TerminalObserver::Tell(const tables::Notice& notice) {
  FinishProgress();
  Say(notice.reason.Empty() ? OneLine(notice.text)
                            : OneLine(notice.text) + ": " + ForTerminal(notice.reason));
}

bool TerminalObserver::Confirm(const base::Message& question) {
  FinishProgress();
  if (assumeYes_) return true;
  if (isatty(STDIN_FILENO) != 1) {
    std::cerr << OneLine(question) << '\n';
    Say(Text(KV_PATTERN("cli", "Нужно подтверждение: запустите с --yes (ввод не с терминала).")));
    return false;
  }
  std::cerr << OneLine(question) << " [y/N] " << std::flush;
  std::string answer;
  std::getline(std::cin, answer);
  return answer == "y" || answer == "Y";
}

bool TerminalObserver::StopRequested() { return interrupted != 0; }

void TerminalObserver::Finished(const tables::OperationSummary& summary) {
  FinishProgress();
  Report().Finished(summary);
}

void TerminalObserver::DrawProgress() {
  if (!terminal_ || maximum_ <= 0 || position_ <= 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (progressDrawn_ && now - lastDrawn_ < std::chrono::milliseconds(200) &&
      position_ < maximum_ + 1) {
    return;
  }
  lastDrawn_ = now;
  const double seconds = std::chrono::duration<double>(now - started_).count();
  const int total = maximum_ + 1;
  const int done = std::min(position_, total);
  const int width = 30;
  const int filled = done * width / total;
  std::fprintf(stderr, "\r[%s%s] %d/%d  %.1f rec/s ", std::string(filled, '#').c_str(),
               std::string(width - filled, '.').c_str(), done, total,
               seconds > 0 ? done / seconds : 0.0);
  progressDrawn_ = true;
}

void TerminalObserver::FinishProgress() {
  if (progressDrawn_) std::fputc('\n', stderr);
  progressDrawn_ = false;
}

}  // namespace kvitmark::cli
