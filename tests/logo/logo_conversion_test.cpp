// A picture on its way to the logo: where it goes, its lightness, and its dots by each method.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "base/message.h"
#include "logo/grey_picture.h"
#include "logo/halftone.h"
#include "logo/logo_coverage.h"
#include "logo/logo_fit.h"
#include "logo/row_codec.h"
#include "test_picture.h"

namespace kvitmark::logo {
namespace {

using testing::TestPicture;

uint32_t Argb(int alpha, int red, int green, int blue) {
  return static_cast<uint32_t>(alpha) << 24 | static_cast<uint32_t>(red) << 16 |
         static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue);
}

struct FitCase {
  const char* name;
  int width;
  int height;
  LogoFit expected;
};

void PrintTo(const FitCase& c, std::ostream* out) { *out << c.name; }

class FitToLogoTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitToLogoTest, PlacesThePicture) {
  const LogoFit fit = FitToLogo(GetParam().width, GetParam().height);
  EXPECT_EQ(fit.width, GetParam().expected.width);
  EXPECT_EQ(fit.height, GetParam().expected.height);
  EXPECT_EQ(fit.left, GetParam().expected.left);
  EXPECT_EQ(fit.scaled, GetParam().expected.scaled);
}

const FitCase kFitCases[] = {
    {"SmallerStaysDotForDotAtTheLeft", 100, 50, {100, 50, 0, false}},
    {"ExactlyTheLogoStays", 192, 200, {192, 200, 0, false}},
    {"FullWidthShortStays", 192, 1, {192, 1, 0, false}},
    {"OneDotTooWideShrinks", 193, 10, {192, 10, 0, true}},
    {"WiderTakesTheWholeWidth", 384, 100, {192, 50, 0, true}},
    {"TallerIsCentred", 100, 400, {50, 200, 71, true}},
    {"BothOverWidthDecides", 1920, 1000, {192, 100, 0, true}},
    {"BothOverHeightDecides", 1000, 4000, {50, 200, 71, true}},
    {"TheLogosProportionsFillIt", 3840, 4000, {192, 200, 0, true}},
    {"ALineKeepsOneRow", 10000, 1, {192, 1, 0, true}},
    {"AColumnKeepsOneDot", 1, 1000, {1, 200, 95, true}},
};

INSTANTIATE_TEST_SUITE_P(Sizes, FitToLogoTest, ::testing::ValuesIn(kFitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LightnessTest, AGreyKeepsItsValue) {
  for (int value = 0; value < 256; ++value) {
    ASSERT_EQ(LightnessOf(Argb(255, value, value, value)), value) << value;
  }
}

TEST(LightnessTest, ColoursWeighAsTheEyeSeesThem) {
  const int red = LightnessOf(Argb(255, 255, 0, 0));
  const int green = LightnessOf(Argb(255, 0, 255, 0));
  const int blue = LightnessOf(Argb(255, 0, 0, 255));
  // Green looks lightest and blue darkest; each nearly as dark as the eye finds it.
  EXPECT_NEAR(green, 220, 2);
  EXPECT_NEAR(red, 127, 2);
  EXPECT_NEAR(blue, 76, 2);
}

TEST(LightnessTest, TransparencyShowsThePaperInLinearLight) {
  EXPECT_EQ(LightnessOf(Argb(0, 0, 0, 0)), 255);
  EXPECT_EQ(LightnessOf(Argb(0, 255, 0, 0)), 255);
  // Half of the light of black and half of the paper's: the grey that sends back half the light.
  EXPECT_NEAR(LightnessOf(Argb(128, 0, 0, 0)), 188, 1);
  EXPECT_EQ(LightnessOf(Argb(255, 0, 0, 0)), 0);
}

GreyPicture Field(int width, int height, int light) { return GreyPicture(width, height, light); }

// Black where the pattern says, white elsewhere: lines, dots and edges of every direction.
GreyPicture BlackAndWhite(int width, int height) {
  GreyPicture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.At(x, y) = (x == y || x % 7 == 0 || (x * 3 + y * 5) % 11 < 3) ? 0 : 255;
    }
  }
  return picture;
}

double DotShare(const DotPicture& dots, int left, int width) {
  int count = 0;
  for (int y = 0; y < dots.Height(); ++y) {
    for (int x = left; x < left + width; ++x) count += dots.Black(x, y) ? 1 : 0;
  }
  return static_cast<double>(count) / (width * dots.Height());
}

ToneSettings With(DotMethod method) {
  ToneSettings tone;
  tone.method = method;
  return tone;
}

struct MethodCase {
  const char* name;
  DotMethod method;
};

void PrintTo(const MethodCase& c, std::ostream* out) { *out << c.name; }

class EveryMethodTest : public ::testing::TestWithParam<MethodCase> {};

TEST_P(EveryMethodTest, BlackAndWhiteStaysExactWhereItLies) {
  const GreyPicture picture = BlackAndWhite(150, 120);
  const DotPicture dots = MakeLogo(picture, 21, With(GetParam().method));
  ASSERT_EQ(dots.Width(), 192);
  ASSERT_EQ(dots.Height(), 120);
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 192; ++x) {
      const bool inside = x >= 21 && x < 171;
      ASSERT_EQ(dots.Black(x, y), inside && picture.At(x - 21, y) == 0) << x << "," << y;
    }
  }
}

TEST_P(EveryMethodTest, InvertSwapsBlackAndWhite) {
  const GreyPicture picture = BlackAndWhite(192, 30);
  ToneSettings tone = With(GetParam().method);
  tone.invert = true;
  const DotPicture dots = MakeLogo(picture, 0, tone);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 192; ++x) ASSERT_EQ(dots.Black(x, y), picture.At(x, y) == 255);
  }
}

TEST_P(EveryMethodTest, WhatLiesRightOfTheLogoIsCut) {
  const DotPicture dots = MakeLogo(Field(100, 5, 0), 150, With(GetParam().method));
  EXPECT_EQ(DotShare(dots, 150, 42), 1.0);
  EXPECT_EQ(DotShare(dots, 0, 150), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Methods, EveryMethodTest,
                         ::testing::Values(MethodCase{"Threshold", DotMethod::kThreshold},
                                           MethodCase{"FloydSteinberg", DotMethod::kFloydSteinberg},
                                           MethodCase{"Atkinson", DotMethod::kAtkinson}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShareCase {
  const char* name;
  DotMethod method;
  int light;
  double share;  // of the dots printed
  double within;
};

void PrintTo(const ShareCase& c, std::ostream* out) { *out << c.name; }

class DotShareTest : public ::testing::TestWithParam<ShareCase> {};

TEST_P(DotShareTest, AGreyFieldPrintsAsManyDotsAsItIsDark) {
  const DotPicture dots = MakeLogo(Field(192, 200, GetParam().light), 0, With(GetParam().method));
  EXPECT_NEAR(DotShare(dots, 0, 192), GetParam().share, GetParam().within);
}

const ShareCase kShareCases[] = {
    {"ThresholdPrintsDarkerThanMiddle", DotMethod::kThreshold, 127, 1.0, 0},
    {"ThresholdLeavesTheMiddleGrey", DotMethod::kThreshold, 128, 0.0, 0},
    {"FloydSteinbergMiddleGreyHalf", DotMethod::kFloydSteinberg, 128, 0.5, 0.02},
    {"FloydSteinbergDarkGreyThreeQuarters", DotMethod::kFloydSteinberg, 64, 0.75, 0.02},
    {"FloydSteinbergLightGreyAQuarter", DotMethod::kFloydSteinberg, 192, 0.25, 0.02},
    {"AtkinsonMiddleGreyHalf", DotMethod::kAtkinson, 128, 0.5, 0.05},
    {"AtkinsonDarkGreyMostly", DotMethod::kAtkinson, 64, 0.75, 0.1},
    {"AtkinsonLightGreyLittle", DotMethod::kAtkinson, 192, 0.25, 0.1},
};

INSTANTIATE_TEST_SUITE_P(Greys, DotShareTest, ::testing::ValuesIn(kShareCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ToneCase {
  const char* name;
  int brightness;
  int contrast;
  int light;
  int expected;
};

void PrintTo(const ToneCase& c, std::ostream* out) { *out << c.name; }

class AdjustedTest : public ::testing::TestWithParam<ToneCase> {};

TEST_P(AdjustedTest, ChangesTheLightness) {
  ToneSettings tone;
  tone.brightness = GetParam().brightness;
  tone.contrast = GetParam().contrast;
  EXPECT_EQ(Adjusted(Field(1, 1, GetParam().light), tone).At(0, 0), GetParam().expected);
}

const ToneCase kToneCases[] = {
    {"NothingChangesNothing", 0, 0, 77, 77},
    {"BrighterByAFifth", 20, 0, 100, 151},
    {"DarkerByAFifth", -20, 0, 100, 49},
    {"FullBrightnessIsWhite", 100, 0, 0, 255},
    {"ContrastSpreadsFromTheMiddle", 0, 50, 110, 75},
    {"ContrastSpreadsTheLightUp", 0, 50, 150, 195},
    {"NoContrastIsOneGrey", 0, -100, 10, 128},
    {"ClampedAtBlack", 0, 100, 60, 0},
};

INSTANTIATE_TEST_SUITE_P(Tones, AdjustedTest, ::testing::ValuesIn(kToneCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DotsAsTheyStandTest, GiveTheRegisterTheRowsItGotBefore) {
  // Reds of every kind, the codec's rule deciding each; a picture narrower than the logo and
  // one larger, whose rows past 200 and dots past 192 a write has never sent.
  for (const auto& [width, height] : {std::pair{100, 50}, std::pair{300, 250}}) {
    TestPicture picture(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) picture.SetRed(x, y, (x * 7 + y * 13) % 256);
    }
    const DotPicture dots = DotsAsTheyStand(picture);
    ASSERT_EQ(dots.Width(), 192);
    ASSERT_EQ(dots.Height(), std::min(height, 200));
    for (int y = 0; y < dots.Height(); ++y) ASSERT_EQ(EncodeRow(dots, y), EncodeRow(picture, y));
  }
}

struct CoverageCase {
  const char* name;
  std::function<void(DotPicture&)> draw;
  int left;
  int width;
  Coverage expected;
};

void PrintTo(const CoverageCase& c, std::ostream* out) { *out << c.name; }

class CoverageTest : public ::testing::TestWithParam<CoverageCase> {};

TEST_P(CoverageTest, JudgesThePicturesOwnPart) {
  DotPicture logo(192, 100);
  GetParam().draw(logo);
  EXPECT_EQ(CoverageOf(logo, GetParam().left, GetParam().width), GetParam().expected);
}

void Box(DotPicture& logo, int left, int top, int width, int height) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) logo.Paint(x, y, true);
  }
}

const CoverageCase kCoverageCases[] = {
    {"Blank", [](DotPicture&) {}, 0, 192, Coverage::kNearlyEmpty},
    {"AFewSpecks", [](DotPicture& l) { Box(l, 0, 0, 10, 19); }, 0, 192, Coverage::kNearlyEmpty},
    {"AFrameIsFine", [](DotPicture& l) { Box(l, 0, 0, 192, 2); }, 0, 192, Coverage::kFine},
    {"HalfIsFine", [](DotPicture& l) { Box(l, 0, 0, 96, 100); }, 0, 192, Coverage::kFine},
    {"AlmostAll", [](DotPicture& l) { Box(l, 0, 0, 192, 97); }, 0, 192, Coverage::kNearlyBlack},
    {"ANarrowBlackPictureIsBlackThoughThePaperIsNot", [](DotPicture& l) { Box(l, 71, 0, 50, 100); },
     71, 50, Coverage::kNearlyBlack},
};

INSTANTIATE_TEST_SUITE_P(Logos, CoverageTest, ::testing::ValuesIn(kCoverageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LogoNotesTest, SayTheRowsInWordsThatAgree) {
  const std::string tail =
      ": столько и укажите в «Количество строк в логотипе» на странице «Параметры чека».";
  EXPECT_EQ(base::RenderUtf8(RowsNote(1)), "Логотип займёт 1 строку" + tail);
  EXPECT_EQ(base::RenderUtf8(RowsNote(144)), "Логотип займёт 144 строки" + tail);
  EXPECT_EQ(base::RenderUtf8(RowsNote(200)), "Логотип займёт 200 строк" + tail);
  EXPECT_TRUE(CoverageWarning(Coverage::kFine).Empty());
  EXPECT_FALSE(CoverageWarning(Coverage::kNearlyEmpty).Empty());
  EXPECT_FALSE(CoverageWarning(Coverage::kNearlyBlack).Empty());
}

}  // namespace
}  // namespace kvitmark::logo
