#include "tables/operation_outcome.h"

namespace kvitmark::tables {
namespace {

using base::Message;

struct Wording {
  base::TextPattern whole;
  base::TextPattern partly;
  bool counted;  // says how many records of how many, else only how long it took
};

std::optional<Wording> WordingOf(OperationKind kind) {
  switch (kind) {
    case OperationKind::kReadTable:
      return Wording{KV_PATTERN("tables", "Прочитано %1 из %2, %3 с"),
                     KV_PATTERN("tables", "Прочитано не полностью: %1 из %2, %3 с"), true};
    case OperationKind::kWriteTable:
      return Wording{KV_PATTERN("tables", "Записано %1 из %2, %3 с"),
                     KV_PATTERN("tables", "Записано не полностью: %1 из %2, %3 с"), true};
    case OperationKind::kClearTable:
      return Wording{KV_PATTERN("tables", "Очищено %1 из %2, %3 с"),
                     KV_PATTERN("tables", "Очищено не полностью: %1 из %2, %3 с"), true};
    case OperationKind::kReadLogo:
      return Wording{KV_PATTERN("tables", "Логотип прочитан, %1 с"),
                     KV_PATTERN("tables", "Логотип прочитан не полностью, %1 с"), false};
    case OperationKind::kWriteLogo:
      return Wording{KV_PATTERN("tables", "Логотип записан, %1 с"),
                     KV_PATTERN("tables", "Логотип записан не полностью, %1 с"), false};
    case OperationKind::kDownloadReports:
      return Wording{KV_PATTERN("tables", "Отчеты загружены, %1 с"),
                     KV_PATTERN("tables", "Отчеты загружены не полностью, %1 с"), false};
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<base::Message> OutcomeLine(const OperationStart& start,
                                         const OperationSummary& summary, base::Milliseconds took) {
  if (summary.result == OperationResult::kNotStarted) return std::nullopt;
  const long long seconds = (took.count() + 500) / 1000;
  const bool whole =
      summary.result == OperationResult::kDone && summary.skipped.empty() && summary.failed.empty();
  const auto wording = WordingOf(start.kind);
  if (!wording) return std::nullopt;
  Message line(whole ? wording->whole : wording->partly);
  if (!wording->counted) return line.Arg(seconds);
  // "из 1 записи", "из 5 записей": the count after "из" governs the noun.
  const Message planned = Message::Counted(
      start.records, {KV_PATTERN("tables", "%1 записи"), KV_PATTERN("tables", "%1 записей"),
                      KV_PATTERN("tables", "%1 записей")});
  return line.Arg(static_cast<long long>(summary.done.size())).Arg(planned).Arg(seconds);
}

}  // namespace kvitmark::tables
