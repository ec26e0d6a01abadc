#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/whole_file.h"

// Writing table files: one record text per line, each field followed by ";", CR LF after
// every line, the bytes as they stand.
namespace kvitmark::files {

// "a;b;c;" for the fields a, b, c.
void AppendRecordText(std::string& line, const std::vector<std::string_view>& fields);

// Writes `lineCount` lines, line i (1-based) made of the fields `fieldsOf(i)` gives; true
// when every line was written.
bool WriteLines(std::ostream& out, int lineCount,
                const std::function<std::vector<std::string_view>(int line)>& fieldsOf,
                const std::function<void()>& lineWritten = {});

using SaveOutcome = base::SaveOutcome;

// Writes a file whole or not at all, as base::SaveWholeFile does (links, mode and owner
// kept); that one also says why a save failed.
SaveOutcome SaveFile(const std::string& path, const std::function<bool(std::ostream&)>& write);

}  // namespace kvitmark::files
