// "Записать в ЭККА": the table of a page written from the page into the register, whole or
// only what changed.
#include <vector>

#include "base/cp1251.h"
#include "tables/catalogue.h"
#include "tables/operation_support.h"
#include "tables/operations.h"
#include "tables/record_codec.h"
#include "tables/retry_policy.h"

namespace kvitmark::tables {
namespace {

using namespace support;

const std::string& ParameterDoneText() {
  static const std::string text = base::Cp1251("Операция завершена успешно!");
  return text;
}

std::string NotANumberText(const TableDescriptor& page, int row, int column,
                           const std::string& cell) {
  return base::Cp1251("Строка ") + std::to_string(row) + base::Cp1251(", столбец \"") +
         page.headers[column] + "\": \"" + cell +
         base::Cp1251("\" - не число. Таблица в ЭККА не записана.");
}

std::string ChangesQuestion(const TableDescriptor& page, size_t count) {
  return base::Cp1251("Таблица \"") + page.caption +
         base::Cp1251("\": будет записано изменённых записей: ") + std::to_string(count) +
         base::Cp1251(". Продолжить ?");
}

const std::string& NoChangesText() {
  static const std::string text = base::Cp1251("Изменений для записи нет.");
  return text;
}

std::string TooLongText(const std::string& where, size_t length, size_t limit) {
  return where + base::Cp1251(": запись длиной ") + std::to_string(length) +
         base::Cp1251(" символов, а в запрос помещается не более ") + std::to_string(limit) +
         base::Cp1251(". Таблица в ЭККА не записана.");
}

// One record of a write: the grid row it comes from (0 on a parameter page), its number in
// the register and its text.
struct Item {
  int row;
  int record;
  std::string text;
};

enum class Scope { kAll, kChanged };

class TableWrite {
 public:
  TableWrite(TableSession& session, OperationObserver& observer, PageId page, Scope scope)
      : session_(session),
        observer_(observer),
        page_(page),
        descriptor_(Page(page)),
        scope_(scope) {}

  OperationSummary WriteParameterPage() {
    const std::string text = EncodeParameterPage(page_, session_.workspace.Parameters(page_));
    const size_t limit = MaxRecordTextLength(descriptor_.tableNumber, 1);
    if (text.size() > limit) {
      observer_.Tell(Message(TooLongText(descriptor_.caption, text.size(), limit)));
      return Finish(observer_, {});
    }
    if (scope_ == Scope::kChanged && !session_.registerCopy.Changed(page_, 1, text)) {
      observer_.Tell(Message(NoChangesText()));
      return Finish(observer_, {});
    }
    observer_.Started({OperationKind::kWriteTable, page_});
    summary_.result = OperationResult::kDone;
    if (WriteRecord(1, text)) {
      observer_.RecordDone({.record = 1});
      observer_.Tell(Message(ParameterDoneText()));
    } else if (stopped_) {
      summary_.result = OperationResult::kStopped;
    }
    return Finish(observer_, std::move(summary_));
  }

  OperationSummary WriteGridPage() {
    if (!observer_.Confirm(OverwriteQuestion(page_))) return Finish(observer_, {});
    const auto run = PlanRun(descriptor_, session_.workspace.interval, Direction::kWriting);
    if (!run) {
      observer_.Tell(Message(BadIntervalText()));
      return Finish(observer_, {});
    }
    const auto items = EncodeRun(*run);
    if (!items) return Finish(observer_, {});
    return WriteItems(*items);
  }

  OperationSummary WriteGridChanges() {
    // The page's own rows onto the records of the same numbers, whatever the interval says.
    const int first = descriptor_.writeFirstRow;
    auto items = EncodeRun({first, descriptor_.recordCount, first});
    if (!items) return Finish(observer_, {});
    std::erase_if(*items, [&](const Item& item) {
      return !session_.registerCopy.Changed(page_, item.record, item.text);
    });
    if (items->empty()) {
      observer_.Tell(Message(NoChangesText()));
      return Finish(observer_, {});
    }
    if (!observer_.Confirm(ChangesQuestion(descriptor_, items->size()))) {
      return Finish(observer_, {});
    }
    return WriteItems(*items);
  }

 private:
  OperationSummary WriteItems(const std::vector<Item>& items) {
    observer_.Started({OperationKind::kWriteTable, page_, static_cast<int>(items.size()) - 1, 0});
    int progress = 0;
    for (const Item& item : items) {
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
    const RecordOutcome outcome = ExchangeRecord(session_, observer_, kTablePolicy, record, [&] {
      return session_.link.WriteRecord(session_.connectedRegister, descriptor_.tableNumber, record,
                                       text, 0) >= 0;
    });
    // A record the register did not take for certain may hold anything now.
    if (outcome == RecordOutcome::kDone) {
      session_.registerCopy.Remember(page_, record, text);
    } else {
      session_.registerCopy.Forget(page_, record);
    }
    switch (outcome) {
      case RecordOutcome::kDone:
        summary_.done.push_back(record);
        return true;
      case RecordOutcome::kSkipped:
        if (descriptor_.skipEndsExchange) session_.link.EndExchange();
        summary_.skipped.push_back(record);
        return false;
      case RecordOutcome::kFinished:
      case RecordOutcome::kStopped:
        stopped_ = true;
        [[fallthrough]];
      case RecordOutcome::kFailed:
        summary_.failed.push_back(record);
        return false;
    }
    return false;
  }

  // Every row of the run encoded before the first is sent, so that a bad cell can never
  // leave the register with half a table. Empty when a row cannot be encoded; the user
  // has been told which.
  std::optional<std::vector<Item>> EncodeRun(const RowRun& run) {
    const GridTable& grid = session_.workspace.Grid(page_);
    std::vector<Item> items;
    for (int row = run.firstRow, record = run.firstRecord; row <= run.lastRow; ++row, ++record) {
      EncodedRecord encoded = EncodeGridRow(page_, grid, row);
      if (!encoded.ok()) {
        observer_.Tell(Message(
            NotANumberText(descriptor_, row, encoded.column, grid.Cell(encoded.column, row))));
        return std::nullopt;
      }
      const size_t limit = MaxRecordTextLength(descriptor_.tableNumber, record);
      if (encoded.text.size() > limit) {
        observer_.Tell(Message(TooLongText(base::Cp1251("Строка ") + std::to_string(row),
                                           encoded.text.size(), limit)));
        return std::nullopt;
      }
      items.push_back({row, record, std::move(encoded.text)});
    }
    return items;
  }

  TableSession& session_;
  OperationObserver& observer_;
  const PageId page_;
  const TableDescriptor& descriptor_;
  const Scope scope_;
  OperationSummary summary_;
  bool stopped_ = false;
};

OperationSummary Write(TableSession& session, OperationObserver& observer, PageId page,
                       Scope scope) {
  if (!IsConnected(session)) {
    // The window stays open: closing it would throw away every unsaved page.
    observer.Tell(Message(NotConnectedText()));
    return Finish(observer, {});
  }
  TableWrite write(session, observer, page, scope);
  switch (Page(page).shape) {
    case PageShape::kParameter:
      return write.WriteParameterPage();
    case PageShape::kGrid:
      return scope == Scope::kAll ? write.WriteGridPage() : write.WriteGridChanges();
    case PageShape::kOther:
      break;
  }
  return Finish(observer, {});
}

}  // namespace

OperationSummary WriteToRegister(TableSession& session, OperationObserver& observer, PageId page) {
  return Write(session, observer, page, Scope::kAll);
}

OperationSummary WriteChangesToRegister(TableSession& session, OperationObserver& observer,
                                        PageId page) {
  return Write(session, observer, page, Scope::kChanged);
}

}  // namespace kvitmark::tables
