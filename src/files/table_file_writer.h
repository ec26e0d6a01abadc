#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

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

enum class SaveOutcome { kSaved, kCannotCreate, kWriteFailed };

// Writes a file whole or not at all: into a temporary file beside it, which replaces the
// old file only when every byte was written. Where no temporary file can be made beside
// it, the file is written in place.
SaveOutcome SaveFile(const std::string& path, const std::function<bool(std::ostream&)>& write);

}  // namespace kvitmark::files
