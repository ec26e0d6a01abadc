// What writing only the changed records saves on the wire: a goods table of 14000 records,
// read from the in-memory simulated register, 30 of its prices changed, then written back
// whole and written as changes only. Exchanges are the write requests on the line; line
// time is every byte on the line (both ways) at 4800 bit/s, 11 bits a byte (8N2).
//
// Last line: "changed-rows write: exchanges full F changed C, line time at 4800 full Xs
// changed Ys".
#include <cstdio>
#include <string>

#include "bench/register_rig.h"
#include "link/register_link.h"
#include "sim/sim_register.h"
#include "tables/catalogue.h"
#include "tables/operations.h"

namespace {

using namespace kvitmark;
using tables::PageId;

constexpr int kChangedRows = 30;
constexpr double kBitsPerByte = 11;
constexpr double kSpeed = 4800;

struct Wire {
  int exchanges = 0;
  size_t bytes = 0;
  double Seconds() const { return bytes * kBitsPerByte / kSpeed; }
};

// A register with its factory goods, read into the page, then 30 prices changed.
struct Rig : bench::RegisterRig {
  Rig() : RegisterRig(true) {
    tables::ReadFromRegister(session, observer, PageId::kGoods);
    auto& goods = workspace.Grid(PageId::kGoods);
    for (int n = 0; n < kChangedRows; ++n) goods.SetCell(3, 7 + n * 461, std::to_string(n) + ".99");
    trace.Clear();
  }

  Wire Line() const {
    Wire line;
    for (const auto& chunk : trace.Chunks()) {
      line.bytes += chunk.bytes.size();
      if (chunk.direction == link::LineTrace::Direction::kSent && chunk.bytes.size() > 2 &&
          chunk.bytes[0] == '\x0A' && chunk.bytes[1] == 'W') {
        ++line.exchanges;
      }
    }
    return line;
  }
};

}  // namespace

int main() {
  Rig whole;
  tables::WriteToRegister(whole.session, whole.observer, PageId::kGoods);
  const Wire full = whole.Line();

  Rig changes;
  tables::WriteChangesToRegister(changes.session, changes.observer, PageId::kGoods);
  const Wire changed = changes.Line();

  std::printf("bytes on the line per record written: %.1f\n",
              static_cast<double>(full.bytes) / full.exchanges);
  std::printf(
      "changed-rows write: exchanges full %d changed %d, line time at 4800 full %.0fs changed "
      "%.0fs\n",
      full.exchanges, changed.exchanges, full.Seconds(), changed.Seconds());
  return changed.exchanges == kChangedRows ? 0 : 1;
}
