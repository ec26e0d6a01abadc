// Card file lines are read whole: long ones stay one line, too long ones end the reading,
// and lines split across two fills of the reader's buffer come out in one piece.
#include "sdcard/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kvitmark::sdcard {
namespace {

struct Reading {
  std::vector<std::string> lines;
  LineRead last = LineRead::kLine;
  int linesRead = 0;
};

Reading ReadAll(const std::string& text) {
  std::istringstream in(text);
  LineReader reader(in);
  Reading reading;
  std::string_view line;
  while ((reading.last = reader.Next(line)) == LineRead::kLine) reading.lines.emplace_back(line);
  reading.linesRead = reader.LinesRead();
  return reading;
}

struct ReaderCase {
  const char* name;
  std::string text;
  std::vector<std::string> lines;
  LineRead last;
};

class Reader : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(Reader, HandsOutWholeLinesWithTheirLineEnds) {
  const Reading reading = ReadAll(GetParam().text);
  EXPECT_EQ(reading.lines, GetParam().lines);
  EXPECT_EQ(reading.last, GetParam().last);
}

const std::string kLongest(kLongestCardLine, 'x');
// Longer than the reader's buffer and not a multiple of it, so lines straddle two fills.
const std::string kStraddling(40000, 's');

INSTANTIATE_TEST_SUITE_P(
    Cases, Reader,
    ::testing::Values(
        ReaderCase{"CrLfAndLf", "a\r\nb\nc\r\n", {"a\r\n", "b\n", "c\r\n"}, LineRead::kEnd},
        ReaderCase{"LastLineWithoutLineEnd", "a\r\nb", {"a\r\n", "b"}, LineRead::kEnd},
        ReaderCase{"BlankLinesAreLinesToo", "\r\n\n", {"\r\n", "\n"}, LineRead::kEnd},
        ReaderCase{"EmptyFile", "", {}, LineRead::kEnd},
        ReaderCase{"LongLineIsOneLine",
                   std::string(300, 'L') + "\r\nnext\r\n",
                   {std::string(300, 'L') + "\r\n", "next\r\n"},
                   LineRead::kEnd},
        ReaderCase{"LinesAcrossBufferFills",
                   kStraddling + "\r\n" + kStraddling + "\n" + kStraddling,
                   {kStraddling + "\r\n", kStraddling + "\n", kStraddling},
                   LineRead::kEnd},
        ReaderCase{"LongestLineWithCrLf",
                   kLongest + "\r\nz\n",
                   {kLongest + "\r\n", "z\n"},
                   LineRead::kEnd},
        ReaderCase{"LongestLineAtTheEnd", "a\n" + kLongest, {"a\n", kLongest}, LineRead::kEnd},
        ReaderCase{
            "OneCharacterTooLong", "a\n" + kLongest + "y\r\nz\n", {"a\n"}, LineRead::kTooLong},
        ReaderCase{"FarTooLongWithoutLineEnd",
                   "a\n" + std::string(300000, 'y'),
                   {"a\n"},
                   LineRead::kTooLong}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.name); });

TEST(LineReading, CountsTheLineThatIsTooLong) {
  EXPECT_EQ(ReadAll("a\n\r\n" + std::string(kLongestCardLine + 10, 'y') + "\n").linesRead, 3);
}

TEST(LineReading, StreamThatCannotBeReadIsAFault) {
  std::istringstream in("a\nb\n");
  in.setstate(std::ios::badbit);
  LineReader reader(in);
  std::string_view line;
  EXPECT_EQ(reader.Next(line), LineRead::kFault);
}

struct BlankCase {
  const char* name;
  std::string line;
  bool blank;
};

class Blank : public ::testing::TestWithParam<BlankCase> {};

TEST_P(Blank, IsOnlyALineEnd) { EXPECT_EQ(IsBlankLine(GetParam().line), GetParam().blank); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Blank,
    ::testing::Values(BlankCase{"CrLf", "\r\n", true}, BlankCase{"Lf", "\n", true},
                      BlankCase{"LoneCrAtTheEnd", "\r", false},
                      BlankCase{"SpaceBeforeCrLf", " \r\n", false},
                      BlankCase{"Separator", ";\n", false}, BlankCase{"Nothing", "", false},
                      BlankCase{"TwoCrs", "\r\r\n", false}),
    [](const ::testing::TestParamInfo<BlankCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::sdcard
