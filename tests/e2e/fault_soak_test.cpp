// A whole goods table read and written back while the register misbehaves now and then:
// whatever the faults, no record is lost or altered and nothing hangs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

#include "tables/record_codec.h"
#include "tables/recording_observer.h"
#include "tables/table_fixture.h"

namespace kvitmark::testing {
namespace {

using tables::PageId;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The user, who retries every record that keeps failing; between records the line may
// turn bad.
class SoakUser final : public RecordingObserver {
 public:
  std::function<void()> betweenRecords;

  bool StopRequested() override {
    if (betweenRecords) betweenRecords();
    return RecordingObserver::StopRequested();
  }
};

class FaultSoak : public TablesTest {
 protected:
  // About one exchange in fifty meets one of the faults a real line shows.
  void InjectFaults(std::mt19937& random, int& injected) {
    user.betweenRecords = [&] {
      if (std::uniform_int_distribution<int>(0, 49)(random) != 0) return;
      auto& faults = simRegister.Faults();
      switch (std::uniform_int_distribution<int>(0, 4)(random)) {
        case 0:
          faults.ignoreFrames = 1;
          break;  // silence
        case 1:
          faults.refuse = 10;
          break;  // refusals, a whole call's worth
        case 2:
          faults.corruptCheck = 1;
          break;
        case 3:
          faults.nak = 1;
          break;  // no ACK
        case 4:
          faults.halfReply = 1;
          break;  // reply cut short
      }
      ++injected;
    };
    user.promptAnswers.assign(1000, FailureAnswer::kRetry);
  }

  SoakUser user;
};

TEST_F(FaultSoak, GoodsReadAndWrittenBackThroughRandomFaults) {
  if (kSanitized) GTEST_SKIP() << "soaked in the plain build only";
  Connect();
  std::mt19937 random(20261208);
  int injected = 0;
  InjectFaults(random, injected);

  // Different goods in the register than in the page, so that both directions show.
  auto& goods = simRegister.Tables()[0].records;
  for (size_t n = 0; n < goods.size(); n += 7) {
    goods[n] = std::to_string(n + 1) + ";Soak" + std::to_string(n) + ";1.25;3.500;1;2;1;0;0;0;";
  }
  const auto held = goods;
  ASSERT_EQ(tables::ReadFromRegister(session, user, PageId::kGoods).result,
            tables::OperationResult::kDone);
  // The grid holds what the register held, record for record.
  for (int row = 1; row <= 14000; ++row) {
    ASSERT_EQ(tables::EncodeGridRow(PageId::kGoods, workspace.Grid(PageId::kGoods), row).text,
              held[row - 1])
        << "row " << row;
  }
  const int readFaults = injected;

  // Change every seventh record in the page and write the page back.
  for (int row = 3; row <= 14000; row += 7)
    workspace.Grid(PageId::kGoods).SetCell(2, row, 'W' + std::to_string(row));
  ASSERT_EQ(tables::WriteToRegister(session, user, PageId::kGoods).result,
            tables::OperationResult::kDone);
  for (int row = 1; row <= 14000; ++row) {
    const auto encoded = tables::EncodeGridRow(PageId::kGoods, workspace.Grid(PageId::kGoods), row);
    ASSERT_EQ(goods[row - 1], encoded.text) << "record " << row;
  }
  const auto prompts =
      std::count_if(user.dialogs.begin(), user.dialogs.end(),
                    [](const std::string& shown) { return shown.starts_with("prompt"); });
  std::printf("fault soak: %d faults met (%d reading, %d writing), %ld prompts, all survived\n",
              injected, readFaults, injected - readFaults, static_cast<long>(prompts));
  EXPECT_GT(injected, 300);
}

}  // namespace
}  // namespace kvitmark::testing
