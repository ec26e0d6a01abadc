#include "link/line_trace.h"

#include <gtest/gtest.h>

namespace kvitmark::link {
namespace {

TEST(LineTrace, WritesStayApartAndReceivedBytesGatherUntilTheNextWrite) {
  LineTrace trace;
  trace.RecordSent("\xFF\xFF");
  trace.RecordSent(
      "\x11\x11"
      "01");
  trace.RecordReceived(0x0A);
  trace.RecordReceived(0x41);
  trace.RecordSent("\x06");
  ASSERT_EQ(trace.Chunks().size(), 4u);
  EXPECT_EQ(trace.Chunks()[2].bytes, "\x0A\x41");
  EXPECT_EQ(trace.AllSent(),
            "\xFF\xFF\x11\x11"
            "01\x06");
  EXPECT_EQ(trace.AllReceived(), "\x0A\x41");
}

TEST(LineTrace, HexDumpMarksDirectionAndWrapsLongChunks) {
  LineTrace trace;
  trace.RecordSent(
      std::string("\xFF\x13\x00\x7F"
                  "ab",
                  6));
  for (uint8_t byte : {0x06, 0x0A}) trace.RecordReceived(byte);
  EXPECT_EQ(FormatTrace(trace, 4), "> FF 13 00 7F\n> 61 62\n< 06 0A\n");
}

}  // namespace
}  // namespace kvitmark::link
