#include "sheets/sheet_encoding.h"

#include "base/cp1251.h"

namespace kvitmark::sheets {

SheetText DetectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return {SheetEncoding::kUtf8, bytes.substr(kUtf8Mark.size())};
  return {base::IsUtf8(bytes) ? SheetEncoding::kUtf8 : SheetEncoding::kCp1251, bytes};
}

}  // namespace kvitmark::sheets
