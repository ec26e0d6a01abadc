#include "link/frame.h"

#include <gtest/gtest.h>

#include <string>

namespace kvitmark::link {
namespace {

struct FrameExample {
  std::string text;
  std::string frame;
};

class BuildFrameExamples : public testing::TestWithParam<FrameExample> {};

TEST_P(BuildFrameExamples, GiveTheDocumentedBytes) {
  EXPECT_EQ(BuildFrame(GetParam().text), GetParam().frame);
}

INSTANTIATE_TEST_SUITE_P(Worked, BuildFrameExamples,
                         testing::Values(FrameExample{"R0;1;",
                                                      "\x0A"
                                                      "R0;1;\x0D\xCD\x2E"},
                                         FrameExample{"R3;1;",
                                                      "\x0A"
                                                      "R3;1;\x0D\xB2\xD3"},
                                         FrameExample{"abc",
                                                      "\x0A"
                                                      "abc\x0D\x3C\xDE"},
                                         FrameExample{"", std::string("\x0A\x0D\x80\x09", 4)}));

TEST(FrameCheck, StandardCheckString) { EXPECT_EQ(FrameCheck("123456789"), 0xA829); }

TEST(ReplyCheck, AnIntactReplyEndsAtZero) {
  ReplyCheck check;
  for (unsigned char byte : {0x52, 0x30, 0x3B, 0x31, 0x3B, 0x0D, 0xCD, 0x2E}) check.Feed(byte);
  EXPECT_TRUE(check.Intact());
}

// Feeds a frame as the receiver does: everything after the LF.
bool ReceivedIntact(const std::string& frame) {
  ReplyCheck check;
  for (size_t i = 1; i < frame.size(); ++i) check.Feed(static_cast<uint8_t>(frame[i]));
  return check.Intact();
}

TEST(ReplyCheck, EveryBuiltFrameIsIntactAndEverySingleBitFlipIsCaught) {
  for (const std::string text :
       {"R3;12;", "W10;1;\xC2\xB3\xE4\xE4\xB3\xEB 1;", "\xFF\xFF\xFF", "W136;1;255;0;128;"}) {
    const std::string frame = BuildFrame(text);
    ASSERT_TRUE(ReceivedIntact(frame)) << text;
    // Every bit of the text and of the CR is covered; the LF is not.
    for (size_t i = 1; i < frame.size() - 2; ++i) {
      for (int bit = 0; bit < 8; ++bit) {
        std::string damaged = frame;
        damaged[i] = static_cast<char>(damaged[i] ^ (1 << bit));
        EXPECT_FALSE(ReceivedIntact(damaged)) << text << " byte " << i << " bit " << bit;
      }
    }
  }
}

TEST(ReplyCheck, ExchangedCheckBytesFailUnlessEqual) {
  for (const std::string text : {"R0;1;", "R3;1;", "abc", "0;1;1;Товар1;"}) {
    std::string frame = BuildFrame(text);
    const size_t n = frame.size();
    if (frame[n - 1] == frame[n - 2]) continue;
    std::swap(frame[n - 1], frame[n - 2]);
    EXPECT_FALSE(ReceivedIntact(frame)) << text;
  }
}

TEST(FrameCheck, TheLetterYaIsCheckedLikeAnyByte) {
  EXPECT_NE(BuildFrame("\xFF"), BuildFrame("\xFE"));
  EXPECT_NE(FrameCheck("a\xFF"), FrameCheck("a"));
}

}  // namespace
}  // namespace kvitmark::link
