#include "sim/table_files.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "base/whole_file.h"

namespace kvitmark::sim {

bool LoadTableFile(const std::string& path, SimTable& table, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = path + ": read failed";
    return false;
  }
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  for (size_t k = 0; k < lines.size() && k < table.records.size(); ++k) {
    table.records[k] = std::move(lines[k]);
  }
  return true;
}

bool SaveTableFile(const std::string& path, const SimTable& table, std::string& error) {
  const auto saved = base::SaveWholeFile(path, [&](std::ostream& out) {
    for (const auto& record : table.records) out << record << "\r\n";
    return static_cast<bool>(out);
  });
  if (saved.Saved()) return true;
  error = path + ": " + std::strerror(saved.errorNumber != 0 ? saved.errorNumber : EIO);
  return false;
}

}  // namespace kvitmark::sim
