#include "files/table_file_writer.h"

namespace kvitmark::files {

void AppendRecordText(std::string& line, const std::vector<std::string_view>& fields) {
  for (const std::string_view field : fields) {
    line.append(field);
    line.push_back(';');
  }
}

bool WriteLines(std::ostream& out, int lineCount,
                const std::function<std::vector<std::string_view>(int line)>& fieldsOf,
                const std::function<void()>& lineWritten) {
  std::string line;
  for (int index = 1; index <= lineCount; ++index) {
    line.clear();
    AppendRecordText(line, fieldsOf(index));
    line.append("\r\n");
    if (!out.write(line.data(), static_cast<std::streamsize>(line.size()))) return false;
    if (lineWritten) lineWritten();
  }
  return static_cast<bool>(out);
}

SaveOutcome SaveFile(const std::string& path, const std::function<bool(std::ostream&)>& write) {
  return base::SaveWholeFile(path, write).outcome;
}

}  // namespace kvitmark::files
