#include "tables/operation_support.h"

#include "base/cp1251.h"
#include "base/text_pattern.h"
#include "base/whole_number.h"
#include "tables/catalogue.h"

namespace kvitmark::tables::support {
namespace {

constexpr int kIntervalBound = 14000;

// The interval's fields take spaces around their number and a "+" before it.
std::optional<int> IntervalNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return base::WholeNumber(text, {.plusSign = true});
}

}  // namespace

base::Message NotConnectedText() { return KV_PATTERN("tables", "ЭККА не подключен"); }

base::Message BadIntervalText() { return KV_PATTERN("tables", "Ошибка! Неверные границы данных!"); }

base::Message DoneText() { return KV_PATTERN("tables", "Операция завершена успешно"); }

base::Message StoppedText() { return KV_PATTERN("tables", "Операция прервана"); }

base::Message TitleText() { return base::Message::Data("Tabulon"); }

base::Message OverwriteQuestion(PageId page) {
  return base::Message(
             KV_PATTERN("tables", "Таблица \"%1\"  в ЭККА будет перезаписана. Продолжить ?"))
      .Arg(Page(page).caption);
}

base::Message SkippedRecordsText(size_t skipped) {
  return base::Message::Counted(
      static_cast<long long>(skipped),
      {KV_PATTERN("tables",
                  "Операция завершена, но %1 запись не удалось записать в ЭККА: она "
                  "осталась прежней."),
       KV_PATTERN("tables",
                  "Операция завершена, но %1 записи не удалось записать в ЭККА: они "
                  "остались прежними."),
       KV_PATTERN("tables",
                  "Операция завершена, но %1 записей не удалось записать в ЭККА: они "
                  "остались прежними.")});
}

bool IsConnected(const TableSession& session) { return session.connectedRegister > 0; }

Notice Plain(base::Message text) { return Notice{std::move(text)}; }

Notice Box(base::Message text, BoxIcon icon) {
  return Notice{std::move(text), TitleText(), BoxButtons::kOk, icon};
}

std::optional<RowRun> PlanRun(const TableDescriptor& page, const CodingInterval& interval,
                              Direction direction) {
  const bool writing = direction == Direction::kWriting;
  const int firstRow = writing ? page.writeFirstRow : 1;
  RowRun run{firstRow, page.recordCount, firstRow};
  if (!interval.use) return run;
  const auto start = IntervalNumber(interval.start);
  const auto end = IntervalNumber(interval.end);
  const auto first = IntervalNumber(interval.firstRecord);
  auto inRange = [](const std::optional<int>& value) {
    return value && *value >= 1 && *value <= kIntervalBound;
  };
  if (!inRange(start) || !inRange(end) || !inRange(first)) return std::nullopt;
  if (*end - *start > kIntervalBound - *first) return std::nullopt;
  if (writing && *end - *start < 0) return std::nullopt;
  if (writing ? page.intervalOnWrite : page.intervalOnRead) run = {*start, *end, *first};
  return run;
}

void AnnounceEnd(TableSession& session, OperationObserver& observer, bool stopped) {
  if (stopped) {
    observer.Tell(Box(StoppedText()));
    session.link.EndExchange();
  } else {
    observer.Tell(Box(DoneText()));
  }
}

RecordOutcome WriteRecordText(TableSession& session, OperationObserver& observer,
                              const RetryPolicy& policy, PageId page, int record,
                              const std::string& text) {
  const int table = Page(page).tableNumber;
  const RecordOutcome outcome = ExchangeRecord(session, observer, policy, record, [&] {
    return session.link.WriteRecord(session.connectedRegister, table, record, text, 0) >= 0;
  });
  if (outcome == RecordOutcome::kDone) {
    session.registerCopy.Remember(page, record, text);
  } else {
    session.registerCopy.Forget(page, record);
  }
  return outcome;
}

bool NoteNotExchanged(OperationSummary& summary, RecordOutcome outcome, int record) {
  (outcome == RecordOutcome::kSkipped ? summary.skipped : summary.failed).push_back(record);
  return outcome == RecordOutcome::kFinished || outcome == RecordOutcome::kStopped;
}

OperationSummary Finish(OperationObserver& observer, OperationSummary summary) {
  observer.Finished(summary);
  return summary;
}

}  // namespace kvitmark::tables::support
