#include "sheets/goods_csv_import.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

#include "base/cp1251.h"
#include "base/decimal.h"
#include "base/message.h"
#include "base/text_pattern.h"
#include "base/whole_number.h"
#include "link/write_request.h"
#include "sheets/csv_reader.h"
#include "sheets/formula_guard.h"
#include "tables/catalogue.h"
#include "tables/grid_table.h"
#include "tables/record_codec.h"

namespace kvitmark::sheets {
namespace {

using base::Message;

constexpr int kLastRecord = tables::kJuniorGoodsRecords;
constexpr size_t kLongestName = 32;
constexpr size_t kLongestBarcode = 13;
// The goods page's hidden eleventh field, which no sheet has but an import empties too.
constexpr int kPageColumns = 11;

// Longer than any column's caption in UTF-8, blanks around it included.
constexpr size_t kLongestCaption = 64;

// Separators tried on the header, in the order that wins a tie.
constexpr char kSeparators[] = {';', '\t', ','};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string Hex(char32_t character) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(character));
  return text;
}

std::string ByteCode(char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X",
                static_cast<unsigned>(static_cast<unsigned char>(byte)));
  return text;
}

// A control character a spreadsheet never means in a goods list (XON and XOFF, a NUL, an
// escape): a tab is the only one a cell may hold.
bool IsStrayControl(char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }

// The first line of the text, up to its line end: where the captions stand.
std::string_view FirstLine(std::string_view text) {
  const size_t end = text.find('\n');
  return end == std::string_view::npos ? text : text.substr(0, end + 1);
}

class Importer {
 public:
  Importer(std::string_view bytes, const ImportProgress& progress)
      : progress_(progress), encoded_(kPageColumns + 1, 2) {
    const SheetText sheet = DetectEncoding(bytes);
    result_.encoding = sheet.encoding;
    body_ = sheet.body;
    skipped_ = bytes.size() - body_.size();
    total_ = bytes.size();
  }

  GoodsImport Run() {
    result_.separator = Separator();
    bool header = true;
    const CsvScan scan = ScanCsv(
        body_, result_.separator,
        [&](const CsvRow& row) {
          if (TooManyCells(row)) return !header;
          if (!header) return ReadRow(row);
          header = false;
          ReadHeader(row);
          return result_.ok();
        },
        kMostCellsInRow,
        [&](size_t read) {
          if (progress_) progress_(skipped_ + read, total_);
        });
    if (!scan.ok) {
      Problem(scan.errorLine, 0,
              KV_PATTERN("sheets",
                         "кавычки не закрыты или стоят не на месте; дальше файл не прочитан"));
    } else if (header && result_.ok()) {
      Problem(1, 0, KV_PATTERN("sheets", "в файле нет ни одной строки"));
    }
    return std::move(result_);
  }

 private:
  // The caption a problem names is the file's own, as typed there.
  void Problem(int line, int column, Message what) {
    if (result_.problems.size() >= kProblemsKept) {
      ++result_.moreProblems;
      return;
    }
    Message text;
    if (column <= 0) {
      text = Message(KV_PATTERN("sheets", "строка %1: %2")).Arg(line).Arg(std::move(what));
    } else if (static_cast<size_t>(column) <= captions_.size() && !captions_[column - 1].empty()) {
      text = Message(KV_PATTERN("sheets", "строка %1, столбец %2 (%3): %4"))
                 .Arg(line)
                 .Arg(column)
                 .Arg(captions_[column - 1])
                 .Arg(std::move(what));
    } else {
      text = Message(KV_PATTERN("sheets", "строка %1, столбец %2: %3"))
                 .Arg(line)
                 .Arg(column)
                 .Arg(std::move(what));
    }
    result_.problems.push_back({line, column, std::move(text)});
  }

  // A row of more cells than any goods list has is no goods row, and is not read.
  bool TooManyCells(const CsvRow& row) {
    if (row.cellsLeftOut == 0) return false;
    Problem(row.line, 0,
            Message(KV_PATTERN("sheets", "больше %1 столбцов в строке: это не список товаров"))
                .Arg(static_cast<long long>(kMostCellsInRow)));
    return true;
  }

  // The separator that makes the most known captions of the first line.
  char Separator() const {
    char best = kSeparators[0];
    int bestCount = -1;
    for (char separator : kSeparators) {
      int known = 0;
      ScanCsv(
          FirstLine(body_), separator,
          [&](const CsvRow& header) {
            for (const std::string& cell : header.cells) {
              // A whole line taken for one cell is no caption, and is not copied to see.
              if (cell.size() > kLongestCaption) continue;
              if (auto text = Text(cell); text && ColumnOfCaption(*text) != kNoColumn) ++known;
            }
            return false;
          },
          kMostCellsInRow);
      if (known > bestCount) {
        best = separator;
        bestCount = known;
      }
    }
    return best;
  }

  // The cell as code page 1251 text, without the export's mark against formulas; nothing when
  // UTF-8 has a character the code page lacks.
  std::optional<std::string> Text(const std::string& cell) const {
    const std::string_view value = UnguardedCell(cell);
    if (result_.encoding == SheetEncoding::kCp1251) return std::string(value);
    return base::Utf8ToCp1251(value);
  }

  std::optional<std::string> CellText(const CsvRow& row, size_t index) {
    auto text = Text(row.cells[index]);
    if (!text) {
      const auto outside = base::FirstOutsideCp1251(row.cells[index]);
      Problem(row.line, static_cast<int>(index) + 1,
              Message(KV_PATTERN("sheets",
                                 "символ %1 не из кодовой страницы 1251: ЭККА его не напечатает"))
                  .Arg(outside ? Hex(*outside) : std::string("?")));
    }
    return text;
  }

  void ReadHeader(const CsvRow& header) {
    columns_.assign(header.cells.size(), kNoColumn);
    std::map<int, int> seen;  // column -> CSV column it was found in
    for (size_t i = 0; i < header.cells.size(); ++i) {
      const auto text = Text(header.cells[i]);
      captions_.push_back(text ? std::string(Trimmed(*text)) : std::string());
    }
    bool anyGoods = false;
    for (size_t i = 0; i < header.cells.size(); ++i) {
      const int csvColumn = static_cast<int>(i) + 1;
      const std::string& caption = captions_[i];
      if (caption.empty()) continue;  // a column without caption may only be empty
      const int column = ColumnOfCaption(caption);
      if (column == kNoColumn) {
        Problem(header.line, csvColumn,
                Message(KV_PATTERN("sheets", "неизвестный столбец; столбцы товаров: %1"))
                    .Arg(KnownCaptions()));
        continue;
      }
      if (const auto found = seen.find(column); found != seen.end()) {
        Problem(
            header.line, csvColumn,
            Message(KV_PATTERN("sheets", "этот столбец уже есть (столбец %1)")).Arg(found->second));
        continue;
      }
      seen[column] = csvColumn;
      columns_[i] = column;
      anyGoods = anyGoods || column != kRecordColumn;
      if (column == kRecordColumn) hasRecordColumn_ = true;
    }
    if (!anyGoods && result_.ok()) {
      Problem(header.line, 0,
              Message(KV_PATTERN("sheets", "в первой строке нет заголовков столбцов товаров: %1"))
                  .Arg(KnownCaptions()));
    }
  }

  // The captions a file must use: data, the same whatever the user reads.
  static std::string KnownCaptions() {
    std::string list;
    for (int column = kRecordColumn; column <= kGoodsColumns; ++column) {
      if (!list.empty()) list += ", ";
      list += ColumnCaption(column);
    }
    return list;
  }

  // False once the file holds more goods than the register: the rest is not read.
  bool ReadRow(const CsvRow& row) {
    bool blank = true;
    for (const std::string& cell : row.cells) blank = blank && Trimmed(cell).empty();
    if (blank) return true;
    if (++goodsRows_ > kLastRecord) {
      Problem(row.line, 0,
              Message(KV_PATTERN("sheets", "товаров больше, чем записей в ЭККА (%1)"))
                  .Arg(kLastRecord));
      return false;
    }
    GoodsRow goods;
    goods.line = row.line;
    std::optional<int> record;
    bool recordGiven = false;
    for (size_t i = 0; i < row.cells.size(); ++i) {
      const int csvColumn = static_cast<int>(i) + 1;
      const int column = i < columns_.size() ? columns_[i] : kNoColumn;
      if (column == kNoColumn) {
        if (!Trimmed(row.cells[i]).empty()) {
          Problem(row.line, csvColumn, KV_PATTERN("sheets", "значение в столбце без заголовка"));
        }
        continue;
      }
      auto text = CellText(row, i);
      if (!text) continue;
      if (column == kRecordColumn) {
        recordGiven = true;
        record = RecordNumber(row.line, csvColumn, *text);
        continue;
      }
      if (auto value = Value(row.line, csvColumn, column, *text)) {
        goods.cells[column - 1] = std::move(*value);
      }
    }
    if (!hasRecordColumn_) {
      record = goodsRows_;
    } else if (!recordGiven) {
      Problem(row.line, 0, KV_PATTERN("sheets", "нет номера записи (столбец №)"));
    }
    if (!record) return true;
    if (const auto first = lines_.find(*record); first != lines_.end()) {
      Problem(row.line, 0,
              Message(KV_PATTERN("sheets", "запись %1 уже задана в строке %2"))
                  .Arg(*record)
                  .Arg(first->second));
      return true;
    }
    lines_[*record] = row.line;
    goods.record = *record;
    if (Sendable(goods)) result_.rows.push_back(std::move(goods));
    return true;
  }

  // The record as a write would send it, refused here when the write would refuse it.
  bool Sendable(const GoodsRow& goods) {
    for (int column = 1; column <= kGoodsColumns; ++column) {
      encoded_.SetCell(column, 1, goods.cells[column - 1]);
    }
    const tables::EncodedRecord record = tables::EncodeGridRow(tables::PageId::kGoods, encoded_, 1);
    if (!record.ok()) return true;  // every number was checked above
    const auto refusal = link::RefusedWrite(tables::Page(tables::PageId::kGoods).tableNumber,
                                            goods.record, record.text);
    switch (refusal.reason) {
      case link::WriteRefusal::Reason::kNone:
        return true;
      case link::WriteRefusal::Reason::kTooLong:
        // The length and the limit agree with their words each.
        Problem(goods.line, 0,
                Message(KV_PATTERN("sheets", "запись длиной %1, а в запрос ЭККА помещается %2"))
                    .Arg(Message::Counted(
                        static_cast<long long>(record.text.size()),
                        {KV_PATTERN("sheets", "%1 символ"), KV_PATTERN("sheets", "%1 символа"),
                         KV_PATTERN("sheets", "%1 символов")}))
                    .Arg(Message::Counted(static_cast<long long>(refusal.limit),
                                          {KV_PATTERN("sheets", "не более %1 символа"),
                                           KV_PATTERN("sheets", "не более %1 символов"),
                                           KV_PATTERN("sheets", "не более %1 символов")})));
        return false;
      case link::WriteRefusal::Reason::kUnframeable:
        Problem(goods.line, CsvColumn(tables::FieldAtPosition(record.text, refusal.position)),
                Message(KV_PATTERN("sheets", "символ %1 в ЭККА не передаётся"))
                    .Arg(ByteCode(record.text[refusal.position])));
        return false;
    }
    return true;
  }

  // The CSV column a goods column was found in; 0 when the sheet has none.
  int CsvColumn(int column) const {
    for (size_t i = 0; i < columns_.size(); ++i) {
      if (columns_[i] == column) return static_cast<int>(i) + 1;
    }
    return 0;
  }

  std::optional<int> RecordNumber(int line, int csvColumn, const std::string& text) {
    const auto number = base::WholeNumber(Trimmed(text));
    if (!number || *number < 1 || *number > kLastRecord) {
      Problem(line, csvColumn,
              Message(KV_PATTERN("sheets", "\"%1\" - не номер записи от 1 до %2"))
                  .Arg(text)
                  .Arg(kLastRecord));
      return std::nullopt;
    }
    return number;
  }

  // The cell as the goods page keeps it, or nothing (with the problem told).
  std::optional<std::string> Value(int line, int csvColumn, int column, const std::string& text) {
    if (text.find(';') != std::string::npos) {
      Problem(line, csvColumn, KV_PATTERN("sheets", "\";\" в записи ЭККА храниться не может"));
      return std::nullopt;
    }
    if (text.find_first_of("\r\n") != std::string::npos) {
      Problem(line, csvColumn,
              KV_PATTERN("sheets", "перевод строки в записи ЭККА храниться не может"));
      return std::nullopt;
    }
    const std::string value(Trimmed(text));
    switch (column) {
      case kNameColumn:
        // The other columns take digits alone, and say so of anything else.
        if (const auto control = std::find_if(text.begin(), text.end(), IsStrayControl);
            control != text.end()) {
          Problem(line, csvColumn,
                  Message(KV_PATTERN("sheets", "управляющий символ %1: ЭККА его не напечатает"))
                      .Arg(ByteCode(*control)));
          return std::nullopt;
        }
        if (text.size() > kLongestName) {
          Problem(line, csvColumn,
                  Message(KV_PATTERN("sheets", "название длиннее 32 символов (%1)"))
                      .Arg(static_cast<long long>(text.size())));
          return std::nullopt;
        }
        return text;
      case kPriceColumn:
      case kQuantityColumn:
        return Decimal(line, csvColumn, value, column == kPriceColumn ? 2 : 3);
      case kBarcodeColumn:
        if (value.size() > kLongestBarcode ||
            value.find_first_not_of("0123456789") != std::string::npos) {
          Problem(line, csvColumn,
                  Message(KV_PATTERN("sheets",
                                     "\"%1\" - не штрих-код: не более 13 цифр "
                                     "(в Excel задайте столбцу текстовый формат)"))
                      .Arg(value));
          return std::nullopt;
        }
        return value;
      default:
        if (!value.empty() && (value.find_first_not_of("0123456789") != std::string::npos ||
                               !base::WholeNumber(value))) {
          Problem(line, csvColumn,
                  Message(KV_PATTERN("sheets", "\"%1\" - не целое число")).Arg(value));
          return std::nullopt;
        }
        return value;
    }
  }

  // A price or quantity with "," or "." for the decimal point and blanks between digit
  // groups (Excel's "1 234,50"), kept as the register has it: "1234.50".
  std::optional<std::string> Decimal(int line, int csvColumn, const std::string& value,
                                     int places) {
    if (value.empty()) return value;
    std::string number;
    for (char c : value) {
      if (c == ' ' || c == '\xA0') continue;  // a blank or a no-break space between groups
      number.push_back(c == ',' ? '.' : c);
    }
    auto rounded = base::RoundDecimal(number, places);
    if (!rounded) {
      Problem(line, csvColumn, Message(KV_PATTERN("sheets", "\"%1\" - не число")).Arg(value));
      return std::nullopt;
    }
    return rounded;
  }

  const ImportProgress& progress_;
  GoodsImport result_;
  std::string_view body_;
  size_t skipped_ = 0;  // the byte-order mark before the body
  size_t total_ = 0;
  std::vector<int> columns_;           // goods column of each CSV column
  std::vector<std::string> captions_;  // the header's captions, code page 1251
  bool hasRecordColumn_ = false;
  int goodsRows_ = 0;          // rows that are not blank
  std::map<int, int> lines_;   // record -> the line that gave it
  tables::GridTable encoded_;  // one goods row, as the page would hold it
};

}  // namespace

base::Message MoreProblemsText(const GoodsImport& sheet) {
  if (sheet.moreProblems == 0) return {};
  return Message::Counted(sheet.moreProblems, {KV_PATTERN("sheets", "… и ещё %1 ошибка"),
                                               KV_PATTERN("sheets", "… и ещё %1 ошибки"),
                                               KV_PATTERN("sheets", "… и ещё %1 ошибок")});
}

GoodsImport ReadGoodsCsv(std::string_view bytes, const ImportProgress& progress) {
  return Importer(bytes, progress).Run();
}

void PlaceGoods(const std::vector<GoodsRow>& rows, tables::GridTable& goods) {
  for (int record = 1; record <= kLastRecord; ++record) {
    for (int column = 1; column <= kPageColumns; ++column) {
      if (!goods.Cell(column, record).empty()) goods.SetCell(column, record, "");
    }
  }
  for (const GoodsRow& row : rows) {
    for (int column = 1; column <= kGoodsColumns; ++column) {
      goods.SetCell(column, row.record, row.cells[column - 1]);
    }
  }
}

}  // namespace kvitmark::sheets
