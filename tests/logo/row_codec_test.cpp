// A pixel row of the logo and its record text, both ways.
#include "logo/row_codec.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "test_picture.h"

namespace kvitmark::logo {
namespace {

using testing::Repeat;
using testing::TestPicture;

struct EncodeCase {
  const char* name;
  int width;
  int height;
  std::function<void(TestPicture&)> draw;
  int y;
  std::string expected;
};

void PrintTo(const EncodeCase& c, std::ostream* out) { *out << c.name; }

class EncodeRowTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeRowTest, WritesTheRecordText) {
  const EncodeCase& c = GetParam();
  TestPicture picture(c.width, c.height, 255);
  c.draw(picture);
  EXPECT_EQ(EncodeRow(picture, c.y), c.expected);
}

void Fill(TestPicture& picture, int red) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) picture.SetRed(x, y, red);
  }
}

const EncodeCase kEncodeCases[] = {
    {"AllWhite", 192, 1, [](TestPicture&) {}, 0, Repeat("0;", 24)},
    {"AllBlack", 192, 1, [](TestPicture& p) { Fill(p, 0); }, 0, Repeat("255;", 24)},
    {"LeftmostPixelIsTheHighBit", 192, 1, [](TestPicture& p) { p.SetRed(0, 0, 0); }, 0,
     "128;" + Repeat("0;", 23)},
    {"RightmostPixelIsTheLowBitOfTheLastByte", 192, 1, [](TestPicture& p) { p.SetRed(191, 0, 0); },
     0, Repeat("0;", 23) + "1;"},
    {"ThreeDigitValuesKeepEveryDigit", 192, 1,
     [](TestPicture& p) {
       p.SetByte(0, 0, 105);
       p.SetByte(1, 0, 200);
       p.SetByte(2, 0, 100);
       p.SetByte(3, 0, 209);
       p.SetByte(23, 0, 109);
     },
     0, "105;200;100;209;" + Repeat("0;", 19) + "109;"},
    {"EvenRedPrintsOddRedDoesNot", 192, 1,
     [](TestPicture& p) {
       const int reds[8] = {254, 1, 2, 3, 0, 255, 128, 129};
       for (int x = 0; x < 8; ++x) p.SetRed(x, 0, reds[x]);
     },
     0, "170;" + Repeat("0;", 23)},
    {"NarrowPictureLeavesTheMissingPixelsUnprinted", 100, 1, [](TestPicture& p) { Fill(p, 0); }, 0,
     Repeat("255;", 12) + "240;" + Repeat("0;", 11)},
    {"WidePictureIgnoresPixelsRightOf191", 300, 1,
     [](TestPicture& p) {
       for (int x = 192; x < 300; ++x) p.SetRed(x, 0, 0);
     },
     0, Repeat("0;", 24)},
    {"WideBlackPictureFillsTheRowOnly", 300, 1, [](TestPicture& p) { Fill(p, 0); }, 0,
     Repeat("255;", 24)},
    {"TakesTheRequestedRow", 192, 3,
     [](TestPicture& p) {
       for (int x = 0; x < 192; ++x) p.SetRed(x, 1, 0);
     },
     1, Repeat("255;", 24)},
    {"RowBelowThePictureIsBlank", 192, 2, [](TestPicture& p) { Fill(p, 0); }, 2, Repeat("0;", 24)},
};

INSTANTIATE_TEST_SUITE_P(Rows, EncodeRowTest, ::testing::ValuesIn(kEncodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// -1: the byte's pixels keep their colour.
constexpr int kKept = -1;

struct DecodeCase {
  const char* name;
  int width;
  int height;
  int y;
  std::string answer;
  std::vector<int> bytes;  // the first ones; the rest are kKept
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

class DecodeRowTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeRowTest, PaintsTheRowFromTheAnswer) {
  const DecodeCase& c = GetParam();
  TestPicture picture(c.width, c.height);
  DecodeRow(c.answer, picture, c.y);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const size_t byte = static_cast<size_t>(x / 8);
      const int value = y == c.y && x < kLogoWidth && byte < c.bytes.size() ? c.bytes[byte] : kKept;
      const int expected = value == kKept                     ? TestPicture::kUntouched
                           : (value & (0x80 >> (x % 8))) != 0 ? 0
                                                              : 255;
      ASSERT_EQ(picture.Red(x, y), expected) << "pixel " << x << "," << y;
    }
  }
}

std::vector<int> Bytes(int value, int count) { return std::vector<int>(count, value); }

const DecodeCase kDecodeCases[] = {
    {"OneValuePaintsEightPixelsAndKeepsTheRest", 192, 5, 4, "136;5;255;", {255}},
    {"LeadingFieldIsSkippedWhateverItHolds", 192, 5, 4, "x;5;255;", {255}},
    {"ClearBitsPaintWhite", 192, 1, 0, "136;1;0;129;", {0, 129}},
    {"ThreeDigitValues", 192, 1, 0, "136;1;105;200;109;", {105, 200, 109}},
    {"WholeRow", 192, 1, 0, "136;1;" + Repeat("170;", 23) + "1;",
     [] {
       auto bytes = Bytes(170, 23);
       bytes.push_back(1);
       return bytes;
     }()},
    {"EmptyFieldIsZero", 192, 1, 0, "136;1;;7;", {0, 7}},
    {"FieldTooLargeForAByteKeepsItsLowEightBits",
     192,
     1,
     0,
     "136;1;1000;300;256;12345678901234567890123;0255;",
     {232, 44, 0, 203, 255}},
    {"NoSecondSeparatorLeavesTheRow", 192, 1, 0, "136;1", {}},
    {"TwoFieldsAreOnlyTheHead", 192, 1, 0, "136;255;", {}},
    {"NoSeparatorLeavesTheRow", 192, 1, 0, "136", {}},
    {"EmptyAnswerLeavesTheRow", 192, 1, 0, "", {}},
    {"NoFieldsLeavesTheRow", 192, 1, 0, "136;1;", {}},
    {"UnfinishedLastFieldIsNotTaken", 192, 1, 0, "136;1;12;34", {12}},
    {"FieldsAfterTheTwentyFourthAreIgnored", 300, 1, 0, "136;1;" + Repeat("255;", 26),
     Bytes(255, 24)},
    {"NarrowPictureDropsPixelsItDoesNotHave", 100, 1, 0, "136;1;" + Repeat("255;", 24),
     Bytes(255, 24)},
    {"RowBelowThePictureIsDropped", 192, 3, 5, "136;6;" + Repeat("255;", 24), Bytes(255, 24)},
};

INSTANTIATE_TEST_SUITE_P(Answers, DecodeRowTest, ::testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RowCodecTest, EveryByteValueInEveryPositionComesBackAsWritten) {
  for (int value = 0; value < 256; ++value) {
    TestPicture written(kLogoWidth, 1);
    for (int byte = 0; byte < kRowBytes; ++byte) written.SetByte(byte, 0, (value + byte) % 256);
    const std::string text = EncodeRow(written, 0);
    TestPicture read(kLogoWidth, 1);
    DecodeRow("136;1;" + text, read, 0);
    for (int x = 0; x < kLogoWidth; ++x) {
      ASSERT_EQ(read.Red(x, 0), written.Red(x, 0)) << "value " << value << ", pixel " << x;
    }
  }
}

}  // namespace
}  // namespace kvitmark::logo
