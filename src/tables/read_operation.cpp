// "Прочитать из ЭККА": the table of a page read from the register into the page.
#include <algorithm>

#include "base/message.h"
#include "tables/catalogue.h"
#include "tables/operation_support.h"
#include "tables/operations.h"
#include "tables/record_codec.h"
#include "tables/retry_policy.h"

namespace kvitmark::tables {
namespace {

using namespace support;

base::Message BadAnswerText() {
  // As the register program has always shown it.
  return KV_PATTERN("tables", "Приняты некорректные данные из ЭККА! Ошибка! Операция прерана!");
}

base::Message ParameterDoneText() { return KV_PATTERN("tables", "Операция завершена успешно!"); }

class TableRead {
 public:
  TableRead(TableSession& session, OperationObserver& observer, PageId page)
      : session_(session), observer_(observer), page_(page), descriptor_(Page(page)) {}

  OperationSummary ReadParameterPage() {
    observer_.Started({OperationKind::kReadTable, page_, 0, 0, 1});
    const RecordOutcome outcome = ReadRecord(1);
    summary_.result = OperationResult::kDone;
    switch (outcome) {
      case RecordOutcome::kDone: {
        auto& parameters = session_.workspace.Parameters(page_);
        DecodeParameterRecord(page_, session_.recordBuffer, parameters);
        session_.registerCopy.Remember(page_, 1, EncodeParameterPage(page_, parameters));
        summary_.done.push_back(1);
        observer_.RecordDone({.record = 1});
        observer_.Tell(Plain(ParameterDoneText()));
        break;
      }
      case RecordOutcome::kSkipped:
        session_.registerCopy.Forget(page_, 1);
        summary_.skipped.push_back(1);
        break;
      case RecordOutcome::kFailed:
      case RecordOutcome::kFinished:
      case RecordOutcome::kStopped:
        session_.registerCopy.Forget(page_, 1);
        summary_.failed.push_back(1);
        summary_.result = OperationResult::kStopped;
        break;
    }
    return Finish(observer_, std::move(summary_));
  }

  OperationSummary ReadGridPage() {
    const auto run = PlanRun(descriptor_, session_.workspace.interval, Direction::kReading);
    if (!run) {
      observer_.Tell(Plain(BadIntervalText()));
      return Finish(observer_, {});
    }

    observer_.Started({OperationKind::kReadTable, page_, run->lastRow - run->firstRow, 0,
                       std::max(0, run->lastRow - run->firstRow + 1)});
    int progress = 0;
    int record = run->firstRecord - 1;
    for (int row = run->firstRow;; ++row) {
      // Asked once more after the last row, so that a click during it still ends the read
      // as stopped.
      if (observer_.StopRequested()) stopped_ = true;
      ++record;
      if (row > run->lastRow || stopped_) break;
      // A refused answer is told before the counter and the bar move on to its record.
      if (ReadRow(row, record)) {
        observer_.Tell(Plain(BadAnswerText()));
        stopped_ = true;
      }
      observer_.RecordDone({record, row, ++progress});
    }

    summary_.result = stopped_ ? OperationResult::kStopped : OperationResult::kDone;
    AnnounceEnd(session_, observer_, stopped_);
    return Finish(observer_, std::move(summary_));
  }

 private:
  RecordOutcome ReadRecord(int record) {
    std::string& answer = session_.recordBuffer;
    return ExchangeRecord(session_, observer_, kTablePolicy, record, [&] {
      return session_.link.ReadRecord(session_.connectedRegister, descriptor_.tableNumber, record,
                                      answer, 0) >= 0;
    });
  }

  // One record into one row; true when the page could not take the answer, which stops
  // the read after this record.
  bool ReadRow(int row, int record) {
    const RecordOutcome outcome = ReadRecord(record);
    if (outcome != RecordOutcome::kDone) {
      session_.registerCopy.Forget(page_, record);
      if (NoteNotExchanged(summary_, outcome, record)) stopped_ = true;
      return false;
    }
    GridTable& grid = session_.workspace.Grid(page_);
    const auto decoded = DecodeGridRecord(page_, row, session_.recordBuffer, grid);
    // What the register holds, as a write of the row would send it: an answer the page
    // shows differently (a price of "12.5") still counts as the record read.
    EncodedRecord encoded = EncodeGridRow(page_, grid, row);
    if (decoded == DecodeResult::kRefused || !encoded.ok()) {
      session_.registerCopy.Forget(page_, record);
    } else {
      session_.registerCopy.Remember(page_, record, std::move(encoded.text));
    }
    if (decoded == DecodeResult::kRefused) {
      summary_.failed.push_back(record);
      return true;
    }
    summary_.done.push_back(record);
    return false;
  }

  TableSession& session_;
  OperationObserver& observer_;
  const PageId page_;
  const TableDescriptor& descriptor_;
  OperationSummary summary_;
  bool stopped_ = false;
};

}  // namespace

OperationSummary ReadFromRegister(TableSession& session, OperationObserver& observer, PageId page) {
  if (!IsConnected(session)) {
    // The window stays open: closing it would throw away every unsaved page.
    observer.Tell(Plain(NotConnectedText()));
    return Finish(observer, {});
  }
  TableRead read(session, observer, page);
  switch (Page(page).shape) {
    case PageShape::kParameter:
      return read.ReadParameterPage();
    case PageShape::kGrid:
      return read.ReadGridPage();
    case PageShape::kLogo:
    case PageShape::kReports:
      break;
  }
  return Finish(observer, {});
}

}  // namespace kvitmark::tables
