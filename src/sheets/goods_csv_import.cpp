#include "sheets/goods_csv_import.h"

#include <cstdio>
#include <map>
#include <optional>
#include <utility>

#include "base/cp1251.h"
#include "base/decimal.h"
#include "base/message.h"
#include "base/text_pattern.h"
#include "base/whole_number.h"
#include "sheets/csv_reader.h"
#include "sheets/formula_guard.h"
#include "tables/catalogue.h"

namespace kvitmark::sheets {
namespace {

using base::Message;

constexpr int kLastRecord = tables::kJuniorGoodsRecords;
constexpr size_t kLongestName = 32;
constexpr size_t kLongestBarcode = 13;
// The goods page's hidden eleventh field, which no sheet has but an import empties too.
constexpr int kPageColumns = 11;

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

// The first line of the text, up to its line end: where the captions stand.
std::string_view FirstLine(std::string_view text) {
  const size_t end = text.find('\n');
  return end == std::string_view::npos ? text : text.substr(0, end + 1);
}

class Importer {
 public:
  explicit Importer(std::string_view bytes) {
    const SheetText sheet = DetectEncoding(bytes);
    result_.encoding = sheet.encoding;
    body_ = sheet.body;
  }

  GoodsImport Run() {
    result_.separator = Separator();
    const CsvRead read = ReadCsv(body_, result_.separator);
    if (!read.ok) {
      Problem(read.errorLine, 0,
              KV_PATTERN("sheets",
                         "кавычки не закрыты или стоят не на месте; дальше файл не прочитан"));
    }
    if (read.rows.empty()) {
      if (read.ok) Problem(1, 0, KV_PATTERN("sheets", "в файле нет ни одной строки"));
      return std::move(result_);
    }
    ReadHeader(read.rows.front());
    if (!result_.ok()) return std::move(result_);
    for (size_t i = 1; i < read.rows.size(); ++i) ReadRow(read.rows[i]);
    return std::move(result_);
  }

 private:
  // The caption a problem names is the file's own, as typed there.
  void Problem(int line, int column, Message what) {
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

  // The separator that makes the most known captions of the first line.
  char Separator() const {
    char best = kSeparators[0];
    int bestCount = -1;
    for (char separator : kSeparators) {
      const CsvRead header = ReadCsv(FirstLine(body_), separator);
      int known = 0;
      if (!header.rows.empty()) {
        for (const std::string& cell : header.rows.front().cells) {
          if (auto text = Text(cell); text && ColumnOfCaption(*text) != kNoColumn) ++known;
        }
      }
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

  void ReadRow(const CsvRow& row) {
    bool blank = true;
    for (const std::string& cell : row.cells) blank = blank && Trimmed(cell).empty();
    if (blank) return;
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
      record = ++sequence_;
      if (*record > kLastRecord) {
        Problem(row.line, 0,
                Message(KV_PATTERN("sheets", "товаров больше, чем записей в ЭККА (%1)"))
                    .Arg(kLastRecord));
        record.reset();
      }
    } else if (!recordGiven) {
      Problem(row.line, 0, KV_PATTERN("sheets", "нет номера записи (столбец №)"));
    }
    if (!record) return;
    if (const auto first = lines_.find(*record); first != lines_.end()) {
      Problem(row.line, 0,
              Message(KV_PATTERN("sheets", "запись %1 уже задана в строке %2"))
                  .Arg(*record)
                  .Arg(first->second));
      return;
    }
    lines_[*record] = row.line;
    goods.record = *record;
    result_.rows.push_back(std::move(goods));
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

  GoodsImport result_;
  std::string_view body_;
  std::vector<int> columns_;           // goods column of each CSV column
  std::vector<std::string> captions_;  // the header's captions, code page 1251
  bool hasRecordColumn_ = false;
  int sequence_ = 0;
  std::map<int, int> lines_;  // record -> the line that gave it
};

}  // namespace

GoodsImport ReadGoodsCsv(std::string_view bytes) { return Importer(bytes).Run(); }

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
