// "Записать в ЭККА": the table of a page written from the page into the register, whole or
// only what changed.
#include <optional>
#include <string>
#include <vector>

#include "base/message.h"
#include "link/write_request.h"
#include "tables/catalogue.h"
#include "tables/operation_support.h"
#include "tables/operations.h"
#include "tables/record_codec.h"
#include "tables/retry_policy.h"

namespace kvitmark::tables {
namespace {

using namespace support;

base::Message ParameterDoneText() { return KV_PATTERN("tables", "Операция завершена успешно!"); }

base::Message NotANumberText(const TableDescriptor& page, int row, int column,
                             const std::string& cell) {
  return base::Message(KV_PATTERN("tables",
                                  "Строка %1, столбец \"%2\": \"%3\" - не число. "
                                  "Таблица в ЭККА не записана."))
      .Arg(row)
      .Arg(page.ColumnCaption(column))
      .Arg(cell);
}

base::Message ChangesQuestion(const TableDescriptor& page, size_t count) {
  return base::Message::Counted(
             static_cast<long long>(count),
             {KV_PATTERN("tables",
                         "Таблица \"%2\": будет записана %1 изменённая запись. Продолжить ?"),
              KV_PATTERN("tables",
                         "Таблица \"%2\": будут записаны %1 изменённые записи. Продолжить ?"),
              KV_PATTERN("tables",
                         "Таблица \"%2\": будет записано %1 изменённых записей. Продолжить ?")})
      .Arg(page.caption);
}

base::Message NoChangesText() { return KV_PATTERN("tables", "Изменений для записи нет."); }

base::Message RowName(int row) { return base::Message(KV_PATTERN("tables", "Строка %1")).Arg(row); }

// The length and the limit agree with their words each: they are patterns of their own, put
// into the sentence's.
base::Message TooLongText(base::Message where, size_t length, size_t limit) {
  return base::Message(KV_PATTERN("tables",
                                  "%1: запись длиной %2, а в запрос помещается %3. "
                                  "Таблица в ЭККА не записана."))
      .Arg(std::move(where))
      .Arg(base::Message::Counted(
          static_cast<long long>(length),
          {KV_PATTERN("tables", "%1 символ"), KV_PATTERN("tables", "%1 символа"),
           KV_PATTERN("tables", "%1 символов")}))
      .Arg(base::Message::Counted(static_cast<long long>(limit),
                                  {KV_PATTERN("tables", "не более %1 символа"),
                                   KV_PATTERN("tables", "не более %1 символов"),
                                   KV_PATTERN("tables", "не более %1 символов")}));
}

// A byte the link would refuse to frame, by its code: the byte itself would not show.
std::string ByteCode(char byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const auto value = static_cast<unsigned char>(byte);
  return {'0', 'x', kDigits[value >> 4], kDigits[value & 0x0F]};
}

base::Message UnframeableText(base::Message where, char byte) {
  return base::Message(KV_PATTERN("tables",
                                  "%1: символ %2 не передаётся в ЭККА. "
                                  "Таблица в ЭККА не записана."))
      .Arg(std::move(where))
      .Arg(ByteCode(byte));
}

// What the link would say to the record, as the user is told it: nothing when it goes.
std::optional<base::Message> Refusal(const TableDescriptor& page, int row, int record,
                                     const std::string& text) {
  const link::WriteRefusal refusal = link::RefusedWrite(page.tableNumber, record, text);
  const int field = FieldAtPosition(text, refusal.position);
  switch (refusal.reason) {
    case link::WriteRefusal::Reason::kNone:
      return std::nullopt;
    case link::WriteRefusal::Reason::kTooLong:
      return TooLongText(
          page.shape == PageShape::kGrid ? RowName(row) : base::Message(page.caption), text.size(),
          refusal.limit);
    case link::WriteRefusal::Reason::kUnframeable:
      if (page.shape == PageShape::kGrid) {
        return UnframeableText(base::Message(KV_PATTERN("tables", "Строка %1, столбец \"%2\""))
                                   .Arg(row)
                                   .Arg(page.ColumnCaption(field)),
                               text[refusal.position]);
      }
      return UnframeableText(
          base::Message(KV_PATTERN("tables", "%1, поле %2")).Arg(page.caption).Arg(field),
          text[refusal.position]);
  }
  return std::nullopt;
}

// Every row of the run encoded before the first is sent, so that a bad cell can never leave
// the register with half a table. Nothing when a row cannot be encoded, or the link would
// refuse to send it; the user has been told which.
std::optional<std::vector<PlannedRecord>> EncodeRun(const Workspace& workspace, PageId page,
                                                    const RowRun& run,
                                                    OperationObserver& observer) {
  const TableDescriptor& descriptor = Page(page);
  const GridTable& grid = workspace.Grid(page);
  std::vector<PlannedRecord> planned;
  for (int row = run.firstRow, record = run.firstRecord; row <= run.lastRow; ++row, ++record) {
    EncodedRecord encoded = EncodeGridRow(page, grid, row);
    if (!encoded.ok()) {
      observer.Tell(
          Plain(NotANumberText(descriptor, row, encoded.column, grid.Cell(encoded.column, row))));
      return std::nullopt;
    }
    if (auto refused = Refusal(descriptor, row, record, encoded.text)) {
      observer.Tell(Plain(std::move(*refused)));
      return std::nullopt;
    }
    planned.push_back({row, record, std::move(encoded.text)});
  }
  return planned;
}

class TableWrite {
 public:
  TableWrite(TableSession& session, OperationObserver& observer, PageId page)
      : session_(session), observer_(observer), page_(page), descriptor_(Page(page)) {}

  OperationSummary Write(WriteScope scope) {
    const bool grid = descriptor_.shape == PageShape::kGrid;
    // The whole grid is confirmed before anything else; only changes are counted first.
    if (grid && scope == WriteScope::kAll && !observer_.Confirm(OverwriteQuestion(page_))) {
      return Finish(observer_, {});
    }
    const auto planned =
        PlanWrite(session_.workspace, session_.registerCopy, page_, scope, observer_);
    if (!planned) return Finish(observer_, {});
    if (scope == WriteScope::kChanged) {
      if (planned->empty()) {
        observer_.Tell(Plain(NoChangesText()));
        return Finish(observer_, {});
      }
      if (grid && !observer_.Confirm(ChangesQuestion(descriptor_, planned->size()))) {
        return Finish(observer_, {});
      }
    }
    return grid ? WriteRows(*planned) : WriteParameters(planned->front().text);
  }

 private:
  OperationSummary WriteParameters(const std::string& text) {
    observer_.Started({OperationKind::kWriteTable, page_, 0, 0, 1});
    summary_.result = OperationResult::kDone;
    if (WriteRecord(1, text)) {
      observer_.RecordDone({.record = 1});
      observer_.Tell(Plain(ParameterDoneText()));
    } else if (stopped_) {
      summary_.result = OperationResult::kStopped;
    }
    return Finish(observer_, std::move(summary_));
  }

  OperationSummary WriteRows(const std::vector<PlannedRecord>& planned) {
    const int records = static_cast<int>(planned.size());
    observer_.Started({OperationKind::kWriteTable, page_, records - 1, 0, records});
    int progress = 0;
    for (const PlannedRecord& item : planned) {
      if (observer_.StopRequested()) stopped_ = true;
      if (stopped_) break;
      WriteRecord(item.record, item.text);
      observer_.RecordDone({item.record, item.row, ++progress});
    }
    summary_.result = stopped_ ? OperationResult::kStopped : OperationResult::kDone;
    AnnounceEnd(session_, observer_, stopped_);
    return Finish(observer_, std::move(summary_));
  }

  // Writes one record by the retry policy; true when the register took it.
  bool WriteRecord(int record, const std::string& text) {
    const RecordOutcome outcome =
        WriteRecordText(session_, observer_, kTablePolicy, page_, record, text);
    if (outcome == RecordOutcome::kDone) {
      summary_.done.push_back(record);
      return true;
    }
    if (outcome == RecordOutcome::kSkipped && descriptor_.skipEndsExchange) {
      session_.link.EndExchange();
    }
    if (NoteNotExchanged(summary_, outcome, record)) stopped_ = true;
    return false;
  }

  TableSession& session_;
  OperationObserver& observer_;
  const PageId page_;
  const TableDescriptor& descriptor_;
  OperationSummary summary_;
  bool stopped_ = false;
};

OperationSummary Write(TableSession& session, OperationObserver& observer, PageId page,
                       WriteScope scope) {
  if (!IsConnected(session)) {
    // The window stays open: closing it would throw away every unsaved page.
    observer.Tell(Plain(NotConnectedText()));
    return Finish(observer, {});
  }
  if (!IsGridPage(page) && !IsParameterPage(page)) return Finish(observer, {});
  return TableWrite(session, observer, page).Write(scope);
}

}  // namespace

std::optional<std::vector<PlannedRecord>> PlanWrite(const Workspace& workspace,
                                                    const RegisterCopy& known, PageId page,
                                                    WriteScope scope, OperationObserver& observer) {
  const TableDescriptor& descriptor = Page(page);
  std::optional<std::vector<PlannedRecord>> planned;
  if (descriptor.shape == PageShape::kParameter) {
    std::string text = EncodeParameterPage(page, workspace.Parameters(page));
    if (auto refused = Refusal(descriptor, 0, 1, text)) {
      observer.Tell(Plain(std::move(*refused)));
      return std::nullopt;
    }
    planned = std::vector<PlannedRecord>{{0, 1, std::move(text)}};
  } else if (descriptor.shape == PageShape::kGrid) {
    // Changes go from the page's own rows onto the records of the same numbers, whatever
    // the interval says.
    const int first = descriptor.writeFirstRow;
    std::optional<RowRun> run = RowRun{first, descriptor.recordCount, first};
    if (scope == WriteScope::kAll)
      run = PlanRun(descriptor, workspace.interval, Direction::kWriting);
    if (!run) {
      observer.Tell(Plain(BadIntervalText()));
      return std::nullopt;
    }
    planned = EncodeRun(workspace, page, *run, observer);
  } else {
    return std::vector<PlannedRecord>{};
  }
  if (planned && scope == WriteScope::kChanged) {
    std::erase_if(*planned, [&](const PlannedRecord& item) {
      return !known.Changed(page, item.record, item.text);
    });
  }
  return planned;
}

OperationSummary WriteToRegister(TableSession& session, OperationObserver& observer, PageId page) {
  return Write(session, observer, page, WriteScope::kAll);
}

OperationSummary WriteChangesToRegister(TableSession& session, OperationObserver& observer,
                                        PageId page) {
  return Write(session, observer, page, WriteScope::kChanged);
}

bool RowChangedSinceExchange(const TableSession& session, PageId page, int row) {
  const RegisterCopy& copy = session.registerCopy;
  if (!copy.KnowsAny(page)) return false;
  const Workspace& workspace = session.workspace;
  const TableDescriptor& descriptor = Page(page);
  if (descriptor.shape == PageShape::kParameter) {
    return copy.Changed(page, 1, EncodeParameterPage(page, workspace.Parameters(page)));
  }
  if (row < descriptor.writeFirstRow || row > descriptor.recordCount) return false;
  const auto encoded = EncodeGridRow(page, workspace.Grid(page), row);
  return !encoded.ok() || copy.Changed(page, row, encoded.text);
}

}  // namespace kvitmark::tables
