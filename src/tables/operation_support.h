#pragma once

#include <optional>
#include <string>

#include "tables/operations.h"

// What the read, write and clear operations share: their texts, the coding interval,
// the ten-attempts-then-ask rule and the window's end-of-operation state.
namespace kvitmark::tables::support {

// Texts shown to the user (code page 1251).
const std::string& NotConnectedText();  // "ЭККА не подключен"
const std::string& BadIntervalText();  // "Ошибка! Неверные границы данных!"
const std::string& DoneText();         // "Операция завершена успешно"
const std::string& StoppedText();      // "Операция прервана"
const std::string& TitleText();        // "Tabulon"
std::string OverwriteQuestion(int page);  // Таблица "…"  в ЭККА будет перезаписана. Продолжить ?
std::string RecordCounterText(int record);  // five digits: 00012

bool IsConnected(const TableSession& session);

// The interval's three numbers once they pass the checks both reading and writing make
// (each a whole number from 1 to 14000, and the rows fit from the first record on);
// writing also wants "Конец" not before "Начало".
struct IntervalRows {
  int start;
  int end;
  int firstRecord;
};
std::optional<IntervalRows> CheckInterval(const CodingInterval& interval, bool endNotBeforeStart);

// Closes and reopens the port that was opened at connect time.
void ReopenPort(TableSession& session);

enum class Recovery { kDone, kSkipped, kAbandoned };

// What the user chose in the exchange error prompt, as the operations see it: the answer
// is put into the flags, then read back in the order skip, retry, anything else.
enum class PromptOutcome { kSkip, kRetry, kGiveUp };
PromptOutcome AskWhatToDo(TableSession& session);

// Makes up to ten attempts, then asks the user, for one record: skip (the port is
// reopened and `afterSkip` runs), retry (the port is reopened, ten more attempts), or
// finish / close (the record is abandoned; "finish" has set the stop flag).
template <typename Attempt, typename AfterSkip>
Recovery ExchangeWithRecovery(TableSession& session, Attempt attempt, AfterSkip afterSkip) {
  constexpr int kAttemptsPerRecord = 10;
  for (;;) {
    for (int call = 0; call < kAttemptsPerRecord; ++call) {
      if (attempt()) return Recovery::kDone;
    }
    switch (AskWhatToDo(session)) {
      case PromptOutcome::kSkip:
        afterSkip();
        return Recovery::kSkipped;
      case PromptOutcome::kRetry:
        break;
      case PromptOutcome::kGiveUp:
        return Recovery::kAbandoned;
    }
  }
}

template <typename Attempt>
Recovery ExchangeWithRecovery(TableSession& session, Attempt attempt) {
  return ExchangeWithRecovery(session, attempt, [] {});
}

// While records go to or from the register only "Стоп" is offered: save, open, write,
// clear and read are off.
void EnterRunningState(OperationHost& host);

// The notice that ends a grid read or write: "Операция прервана" and the end of the
// exchange after a stop, else "Операция завершена успешно".
void AnnounceEnd(TableSession& session);

// "Стоп" off; write, read, close and about on; "Очистить" on only while the page shown is
// one of the clearable ones; the progress bar back to 0.
void SetEndOfOperationState(TableSession& session);

}  // namespace kvitmark::tables::support
