#include "cli/terminal_host.h"

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <iostream>

#include "base/cp1251.h"

namespace kvitmark::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) { interrupted = 1; }

// A cp1251 text without the line breaks a message box would show: one line per message.
std::string OneLine(const std::string& cp1251) {
  std::string text = ForTerminal(cp1251);
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  return text;
}

}  // namespace

std::string ForTerminal(const std::string& cp1251) { return base::Cp1251ToUtf8(cp1251); }

void InstallInterruptStop(tables::Workspace&) {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

TerminalHost::TerminalHost(tables::Workspace& workspace, OnError onError, bool assumeYes)
    : workspace_(workspace),
      onError_(onError),
      assumeYes_(assumeYes),
      terminal_(isatty(STDERR_FILENO) == 1),
      started_(std::chrono::steady_clock::now()) {}

void TerminalHost::ShowMessage(const std::string& text) {
  FinishProgress();
  std::cerr << OneLine(text) << '\n';
}

tables::BoxAnswer TerminalHost::ShowMessageBox(const std::string& text, const std::string&,
                                               tables::BoxButtons buttons, tables::BoxIcon) {
  FinishProgress();
  if (buttons != tables::BoxButtons::kYesNo) {
    std::cerr << OneLine(text) << '\n';
    return tables::BoxAnswer::kOk;
  }
  if (assumeYes_) return tables::BoxAnswer::kYes;
  if (isatty(STDIN_FILENO) != 1) {
    std::cerr << OneLine(text) << '\n'
              << base::Cp1251ToUtf8(
                     base::Cp1251("Нужно подтверждение: запустите с --yes (ввод не с терминала)."))
              << '\n';
    return tables::BoxAnswer::kNo;
  }
  std::cerr << OneLine(text) << " [y/N] " << std::flush;
  std::string answer;
  std::getline(std::cin, answer);
  return answer == "y" || answer == "Y" ? tables::BoxAnswer::kYes : tables::BoxAnswer::kNo;
}

tables::PromptAnswer TerminalHost::AskExchangeError() {
  FinishProgress();
  ++failures_;
  const int record = lastRecord_ + 1;
  if (!failedRecords_.empty()) failedRecords_ += ", ";
  failedRecords_ += std::to_string(record);
  std::cerr << base::Cp1251ToUtf8(
                   base::Cp1251("Ошибка записи/чтения таблицы ЭККА: запись ") +
                   std::to_string(record) +
                   base::Cp1251(onError_ == OnError::kSkip ? " пропущена" : ", операция завершена"))
            << '\n';
  return onError_ == OnError::kSkip ? tables::PromptAnswer::kSkip : tables::PromptAnswer::kFinish;
}

void TerminalHost::ProcessPendingEvents() {
  if (interrupted) workspace_.flags.stop = true;
}

void TerminalHost::SetProgressRange(int maximum) {
  maximum_ = maximum;
  started_ = std::chrono::steady_clock::now();
}

void TerminalHost::SetProgressPosition(int position) {
  position_ = position;
  DrawProgress(false);
}

void TerminalHost::ShowRecordCounter(const std::string& text) {
  if (!text.empty()) lastRecord_ = std::atoi(text.c_str());
}

void TerminalHost::DrawProgress(bool force) {
  if (!terminal_ || maximum_ <= 0 || position_ <= 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (!force && progressDrawn_ && now - lastDrawn_ < std::chrono::milliseconds(200) &&
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

void TerminalHost::FinishProgress() {
  if (progressDrawn_) std::fputc('\n', stderr);
  progressDrawn_ = false;
}

}  // namespace kvitmark::cli
