// What a goods list from elsewhere costs to refuse: the largest files the import takes
// (just under its size limit), each malformed in its own way, read by the core as either
// front end reads them, with the time and the memory the reading takes on top of the file.
//
// Last line: "goods csv: malformed 8.0 MiB, slowest X ms, peak Y MiB over the file (Z x)".
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/process_memory.h"
#include "sheets/goods_csv_import.h"

namespace {

using Seconds = std::chrono::duration<double>;

using kvitmark::bench::ResetPeak;
using kvitmark::bench::StatusBytes;

// The text made of `piece` repeated to just under the limit, after `head`.
std::string Filled(const std::string& head, const std::string& piece) {
  std::string text = head;
  while (text.size() + piece.size() <= kvitmark::sheets::kLargestGoodsSheet) text += piece;
  return text;
}

struct Case {
  const char* name;
  std::string bytes;
};

}  // namespace

int main() {
  using namespace kvitmark;
  const std::string header = "\xEF\xBB\xBF№;Код;Название;Цена\r\n";
  std::vector<Case> cases;
  cases.push_back({"rows of ';x' after a header", Filled(header, ";x\r\n")});
  cases.push_back({"a line of ';x' as the header", Filled("", ";x")});
  cases.push_back({"a bad price in every row", Filled(header, "1;1;a;x\r\n")});
  cases.push_back({"rows of 45 cells", Filled(header, std::string(45, ';') + "\r\n")});
  cases.push_back({"one quoted cell", Filled(header + "1;1;\"", "a") + "\"\r\n"});
  cases.push_back({"an unclosed quote", Filled(header + "1;1;\"", "a;\r\n")});

  double slowest = 0;
  long long worstPeak = 0;
  size_t largest = 0;
  for (const Case& c : cases) {
    ResetPeak();
    const long long before = StatusBytes("VmRSS");
    const auto start = std::chrono::steady_clock::now();
    const sheets::GoodsImport sheet = sheets::ReadGoodsCsv(c.bytes);
    const double seconds = Seconds(std::chrono::steady_clock::now() - start).count();
    const long long peak = std::max(0LL, StatusBytes("VmHWM") - before);
    std::printf("%-30s %5.2f MiB: %7.1f ms, peak %6.1f MiB, %lld problems\n", c.name,
                c.bytes.size() / 1048576.0, seconds * 1e3, peak / 1048576.0, sheet.ProblemCount());
    slowest = std::max(slowest, seconds);
    worstPeak = std::max(worstPeak, peak);
    largest = std::max(largest, c.bytes.size());
  }
  std::printf(
      "goods csv: malformed %.1f MiB, slowest %.0f ms, peak %.1f MiB over the file (%.1f x)\n",
      largest / 1048576.0, slowest * 1e3, worstPeak / 1048576.0,
      static_cast<double>(worstPeak) / static_cast<double>(largest));
  return 0;
}
