#include "logo/logo_transfer.h"

#include <algorithm>
#include <string>

#include "base/message.h"
#include "logo/row_codec.h"
#include "tables/retry_policy.h"

namespace kvitmark::logo {
namespace {

using tables::OperationKind;
using tables::RecordOutcome;

base::Message DoneText() { return KV_PATTERN("logo", "Успешно!"); }

base::Message WriteFailedText() { return KV_PATTERN("logo", "Ошибка записи логотипа!"); }

base::Message ReadFailedText() {
  return KV_PATTERN("logo", "Ошибка чтения логотипа! Чтение остановлено.");
}

// Moves the rows one record each; `exchange` makes one attempt at a row.
template <typename Exchange>
TransferResult Transfer(tables::TableSession& session, tables::OperationObserver& observer,
                        OperationKind kind, int rows, const tables::RetryPolicy& policy,
                        const base::Message& failedText, Exchange exchange) {
  observer.Started({kind, tables::PageId::kLogo, kLogoHeight, 0});
  TransferResult result{true, 0};
  tables::OperationSummary summary;
  for (int y = 0; y < rows; ++y) {
    const int record = y + 1;
    const RecordOutcome outcome =
        tables::ExchangeRecord(session, observer, policy, record, [&] { return exchange(y); });
    if (outcome != RecordOutcome::kDone) {
      summary.failed.push_back(record);
      observer.Tell(tables::Notice{failedText});
      result.succeeded = false;
      break;
    }
    summary.done.push_back(record);
    ++result.rows;
    observer.RecordDone({.record = record, .progress = record});
  }
  if (result.succeeded) observer.Tell(tables::Notice{DoneText()});
  summary.result =
      result.succeeded ? tables::OperationResult::kDone : tables::OperationResult::kStopped;
  observer.Finished(summary);
  return result;
}

}  // namespace

TransferResult WriteLogo(tables::TableSession& session, tables::OperationObserver& observer,
                         const LogoPicture& picture) {
  // The table has 200 records: rows below them have nowhere to go, and asking for record
  // 201 would only turn a complete logo into a failed write.
  const int rows = std::clamp(picture.Height(), 0, kLogoHeight);
  return Transfer(session, observer, OperationKind::kWriteLogo, rows, tables::kLogoWritePolicy,
                  WriteFailedText(), [&](int y) {
                    return session.link.WriteRecord(session.connectedRegister, kLogoTable, y + 1,
                                                    EncodeRow(picture, y), 0) >= 0;
                  });
}

TransferResult ReadLogo(tables::TableSession& session, tables::OperationObserver& observer,
                        LogoPicture& picture) {
  return Transfer(
      session, observer, OperationKind::kReadLogo, kLogoHeight, tables::kLogoReadPolicy,
      ReadFailedText(), [&](int y) {
        std::string& answer = session.recordBuffer;
        answer.clear();
        if (session.link.ReadRecord(session.connectedRegister, kLogoTable, y + 1, answer, 0) < 0) {
          return false;
        }
        DecodeRow(answer, picture, y);
        return true;
      });
}

}  // namespace kvitmark::logo
