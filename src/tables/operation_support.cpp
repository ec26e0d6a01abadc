#include "tables/operation_support.h"

#include <charconv>

#include "base/cp1251.h"
#include "tables/catalogue.h"
#include "tables/default_records.h"

namespace kvitmark::tables::support {
namespace {

constexpr int kIntervalBound = 14000;

std::optional<int> WholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

const std::string& NotConnectedText() {
  static const std::string text = base::Cp1251("ЭККА не подключен");
  return text;
}

const std::string& BadIntervalText() {
  static const std::string text = base::Cp1251("Ошибка! Неверные границы данных!");
  return text;
}

const std::string& DoneText() {
  static const std::string text = base::Cp1251("Операция завершена успешно");
  return text;
}

const std::string& StoppedText() {
  static const std::string text = base::Cp1251("Операция прервана");
  return text;
}

const std::string& TitleText() {
  static const std::string text = base::Cp1251("Tabulon");
  return text;
}

std::string OverwriteQuestion(int page) {
  return base::Cp1251("Таблица \"") + Page(page).caption +
         base::Cp1251("\"  в ЭККА будет перезаписана. Продолжить ?");
}

std::string RecordCounterText(int record) {
  // Shown once per record, so without the cost of a format string.
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, record).ptr;
  const size_t length = static_cast<size_t>(end - digits);
  std::string text;
  if (record >= 0 && length < 5) text.assign(5 - length, '0');
  text.append(digits, length);
  return text;
}

bool IsConnected(const TableSession& session) { return session.connectedRegister > 0; }

std::optional<IntervalRows> CheckInterval(const CodingInterval& interval, bool endNotBeforeStart) {
  const auto start = WholeNumber(interval.start);
  const auto end = WholeNumber(interval.end);
  const auto first = WholeNumber(interval.firstRecord);
  auto inRange = [](const std::optional<int>& value) {
    return value && *value >= 1 && *value <= kIntervalBound;
  };
  if (!inRange(start) || !inRange(end) || !inRange(first)) return std::nullopt;
  if (*end - *start > kIntervalBound - *first) return std::nullopt;
  if (endNotBeforeStart && *end - *start < 0) return std::nullopt;
  return IntervalRows{*start, *end, *first};
}

void ReopenPort(TableSession& session) {
  session.link.ClosePort(session.openedPort);
  session.portHandle = session.link.OpenPort(session.openedPort, session.openedSpeed);
}

PromptOutcome AskWhatToDo(TableSession& session) {
  OperationFlags& flags = session.workspace.flags;
  switch (session.host.AskExchangeError()) {
    case PromptAnswer::kSkip:
      flags.skip = true;
      break;
    case PromptAnswer::kRetry:
      flags.retry = true;
      break;
    case PromptAnswer::kFinish:
      flags.stop = true;
      break;
    case PromptAnswer::kClosed:
      break;
  }
  if (flags.skip) {
    ReopenPort(session);
    flags.skip = false;
    return PromptOutcome::kSkip;
  }
  if (!flags.retry) return PromptOutcome::kGiveUp;
  flags.retry = false;
  ReopenPort(session);
  return PromptOutcome::kRetry;
}

void EnterRunningState(OperationHost& host) {
  host.SetButtonEnabled(CommandButton::kStop, true);
  for (auto button : {CommandButton::kSave, CommandButton::kOpen, CommandButton::kWrite,
                      CommandButton::kClear, CommandButton::kRead}) {
    host.SetButtonEnabled(button, false);
  }
}

void AnnounceEnd(TableSession& session) {
  if (session.workspace.flags.stop) {
    session.host.ShowMessageBox(StoppedText(), TitleText(), BoxButtons::kOk, BoxIcon::kNone);
    session.link.EndExchange();
  } else {
    session.host.ShowMessageBox(DoneText(), TitleText(), BoxButtons::kOk, BoxIcon::kNone);
  }
}

void SetEndOfOperationState(TableSession& session) {
  OperationHost& host = session.host;
  host.SetButtonEnabled(CommandButton::kStop, false);
  host.SetButtonEnabled(CommandButton::kWrite, true);
  host.SetButtonEnabled(CommandButton::kRead, true);
  host.SetButtonEnabled(CommandButton::kClose, true);
  host.SetButtonEnabled(CommandButton::kAbout, true);
  host.SetButtonEnabled(CommandButton::kClear, IsClearablePage(host.ShownPage()));
  host.SetProgressPosition(0);
}

}  // namespace kvitmark::tables::support
