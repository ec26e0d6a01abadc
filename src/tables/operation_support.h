#pragma once

#include <optional>
#include <string>

#include "base/message.h"
#include "tables/operations.h"
#include "tables/retry_policy.h"

// What the read, write and clear operations share: their texts, the coding interval and
// the notices that end them.
namespace kvitmark::tables::support {

// What the user is told.
base::Message NotConnectedText();  // "ЭККА не подключен"
base::Message BadIntervalText();   // "Ошибка! Неверные границы данных!"
base::Message DoneText();          // "Операция завершена успешно"
base::Message StoppedText();       // "Операция прервана"
// "Tabulon": the program's name, the same in every language.
base::Message TitleText();
// Таблица "…"  в ЭККА будет перезаписана. Продолжить ?
// A clear that gave up `skipped` records, which the register keeps as they were.
base::Message SkippedRecordsText(size_t skipped);
base::Message OverwriteQuestion(PageId page);

bool IsConnected(const TableSession& session);

// A plain message, and a "Tabulon" box with an OK button.
Notice Plain(base::Message text);
Notice Box(base::Message text, BoxIcon icon = BoxIcon::kNone);

// The rows of a grid an operation covers, and the register record the first one goes to.
struct RowRun {
  int firstRow;
  int lastRow;
  int firstRecord;
};

enum class Direction { kReading, kWriting };

// The page's own rows, or the coding interval's when it is in use and the page honours it in
// that direction. Nothing when the interval is in use but does not pass the checks: each a
// whole number from 1 to 14000, the rows fit from the first record on, and for writing
// "Конец" not before "Начало".
std::optional<RowRun> PlanRun(const TableDescriptor& page, const CodingInterval& interval,
                              Direction direction);

// The notice that ends a grid read or write: "Операция прервана" and the end of the
// exchange after a stop, else "Операция завершена успешно".
void AnnounceEnd(TableSession& session, OperationObserver& observer, bool stopped);

// Writes `text` as record `record` of the page's table by `policy`, and keeps what the
// register is known to hold up to date: the text once taken, nothing when it may not have
// been (a record the register did not take for certain may hold anything now).
RecordOutcome WriteRecordText(TableSession& session, OperationObserver& observer,
                              const RetryPolicy& policy, PageId page, int record,
                              const std::string& text);

// Notes a record that did not go through (skipped, or failed) in the summary; true when
// the user's answer ends the operation ("Завершить операцию", "Стоп").
bool NoteNotExchanged(OperationSummary& summary, RecordOutcome outcome, int record);

// Tells the observer the operation is over and hands the summary back.
OperationSummary Finish(OperationObserver& observer, OperationSummary summary);

}  // namespace kvitmark::tables::support
