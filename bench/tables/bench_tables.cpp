// How much the table operations add to the link: a full goods read and a full goods write
// (14000 records) through the operations, against the bare link calls for the same
// records, both through the in-memory simulated register in virtual time.
//
// Last line: "operation overhead: read X.XX write Y.YY" (operation time / bare link time).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/register_rig.h"
#include "link/register_link.h"
#include "sim/sim_register.h"
#include "tables/catalogue.h"
#include "tables/operations.h"
#include "tables/record_codec.h"

namespace {

using namespace kvitmark;
using Seconds = std::chrono::duration<double>;

using tables::PageId;

using Rig = bench::RegisterRig;

template <typename Work>
double Time(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return Seconds(std::chrono::steady_clock::now() - start).count();
}

constexpr int kGoods = 14000;
constexpr int kRounds = 11;

}  // namespace

int main() {
  std::vector<double> readOperation, readBare, writeOperation, writeBare;
  for (int round = 0; round < kRounds; ++round) {
    Rig rig;
    // The first read fills the grid's storage, which the window keeps from then on; the
    // measured runs see the page as a user's second read does.
    tables::ReadFromRegister(rig.session, rig.observer, PageId::kGoods);
    readOperation.push_back(
        Time([&] { tables::ReadFromRegister(rig.session, rig.observer, PageId::kGoods); }));
    readBare.push_back(Time([&] {
      std::string answer;
      for (int record = 1; record <= kGoods; ++record) {
        if (rig.link.ReadRecord(1, 0, record, answer, 0) < 0) std::abort();
      }
    }));
    std::vector<std::string> texts;
    for (int row = 1; row <= kGoods; ++row) {
      texts.push_back(
          tables::EncodeGridRow(PageId::kGoods, rig.workspace.Grid(PageId::kGoods), row).text);
    }
    writeOperation.push_back(
        Time([&] { tables::WriteToRegister(rig.session, rig.observer, PageId::kGoods); }));
    writeBare.push_back(Time([&] {
      for (int record = 1; record <= kGoods; ++record) {
        if (rig.link.WriteRecord(1, 0, record, texts[record - 1], 0) < 0) std::abort();
      }
    }));
  }
  // Each round's operation and bare runs follow each other, so their ratio sees the same
  // machine; the median round is the figure, the middle of what a user would see.
  auto medianRatio = [](std::vector<double> operation, const std::vector<double>& bare) {
    for (size_t i = 0; i < operation.size(); ++i) operation[i] /= bare[i];
    std::sort(operation.begin(), operation.end());
    return operation[operation.size() / 2];
  };
  auto median = [](std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  };
  std::printf("goods read:  operation %.3f s, bare link %.3f s (%d records, median of %d)\n",
              median(readOperation), median(readBare), kGoods, kRounds);
  std::printf("goods write: operation %.3f s, bare link %.3f s\n", median(writeOperation),
              median(writeBare));
  std::printf("operation overhead: read %.2f write %.2f\n", medianRatio(readOperation, readBare),
              medianRatio(writeOperation, writeBare));
  return 0;
}
