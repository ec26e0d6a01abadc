#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text encodings a spreadsheet's CSV file arrives in, told from the bytes: UTF-8 with
// or without its byte-order mark, or code page 1251, which Excel writes as "CSV
// (разделители — точка с запятой)" on a Russian or Ukrainian Windows.
namespace kvitmark::sheets {

enum class SheetEncoding { kUtf8, kCp1251 };

struct SheetText {
  SheetEncoding encoding;
  std::string_view body;  // the text after a byte-order mark
};

// UTF-8 when the file starts with the byte-order mark or is well-formed UTF-8 throughout;
// code page 1251 otherwise (its Cyrillic is almost never well-formed UTF-8).
SheetText DetectEncoding(std::string_view bytes);

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace kvitmark::sheets
