// Reading a page from the register and writing it back unchanged must send the register
// exactly the records it held: nothing the page shows or the encoders do may alter a
// record on the way.
#include "table_fixture.h"
#include "tables/catalogue.h"

namespace kvitmark::testing {
namespace {

class RoundTrip : public TablesTest, public ::testing::WithParamInterface<int> {};

TEST_P(RoundTrip, ReadThenWriteSendsBackWhatTheRegisterHeld) {
  const tables::PageId page = tables::PageAt(GetParam());
  const auto& descriptor = tables::Page(page);
  Connect();
  const std::vector<std::string> held = simRegister.Tables()[descriptor.tableNumber].records;
  tables::ReadFromRegister(session, observer, page);
  trace.Clear();
  tables::WriteToRegister(session, observer, page);

  const auto writes = WritesOnTheLine();
  const int first = descriptor.shape == tables::PageShape::kGrid ? descriptor.writeFirstRow : 1;
  ASSERT_EQ(writes.size(), held.size() - (first - 1));
  for (size_t i = 0; i < writes.size(); ++i) {
    const int record = first + static_cast<int>(i);
    ASSERT_EQ(writes[i], 'W' + std::to_string(descriptor.tableNumber) + ";" +
                             std::to_string(record) + ";" + held[record - 1])
        << "record " << record;
  }
  EXPECT_EQ(simRegister.Tables()[descriptor.tableNumber].records, held);
}

INSTANTIATE_TEST_SUITE_P(EveryTablePage, RoundTrip,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16,
                                           17, 18, 19, 20, 21),
                         [](const auto& info) { return "Page" + std::to_string(info.param); });

}  // namespace
}  // namespace kvitmark::testing
