// kvitmark-cli's logo from pictures of other formats and sizes, against kvitmark-sim: what
// logo-convert writes is what logo-write sends, and a bad picture sends nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "gif_writer.h"

namespace kvitmark {
namespace {

using testing::CliRun;
using testing::Gif;
namespace fs = std::filesystem;

constexpr size_t kBmpHeader = 62;  // a one-bit BMP's headers and its two-colour palette
constexpr size_t kRowBytes = 24;

// Row `y` of a one-bit BMP `height` rows high (its rows go from the bottom up), as bytes.
std::string BmpRow(const std::string& bmp, int height, int y) {
  return bmp.substr(kBmpHeader + static_cast<size_t>(height - 1 - y) * kRowBytes, kRowBytes);
}

class CliLogoPictureTest : public testing::CliFixture {
 protected:
  CliRun Run(const std::vector<std::string>& arguments) { return RunOnSim(arguments); }

  // The register's logo, read back as a BMP file.
  std::string RegisterLogo(const std::string& name) {
    const CliRun run = Run({"logo-read", File(name)});
    EXPECT_EQ(run.status, 0) << run.errors;
    return Read(File(name));
  }
};

TEST_F(CliLogoPictureTest, LargerPicture_ConvertedAsSent_TheRestOfTheLogoKept) {
  StartSim();
  const std::string factory = RegisterLogo("factory.bmp");
  // 960 × 300, black on its left fifth: 192 × 60 on the logo, black on its first 38 dots.
  Write(File("wide.gif"), Gif(960, 300, [](int x, int) { return x < 192 ? 0 : 127; }));
  CliRun run = Run({"logo-convert", File("wide.gif"), File("wide.bmp")});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.errors.find("Логотип займёт 60 строк"), std::string::npos) << run.errors;
  const std::string converted = Read(File("wide.bmp"));
  ASSERT_EQ(converted.size(), kBmpHeader + 60 * kRowBytes) << "192 dots by 60 rows, one bit each";
  // Black is palette entry 0, a clear bit: 32 dots, six more, then white.
  const std::string row = std::string(4, '\0') + '\x03' + std::string(19, '\xFF');
  for (int y = 0; y < 60; ++y) ASSERT_EQ(BmpRow(converted, 60, y), row) << "row " << y;

  run = Run({"logo-write", File("wide.gif")});
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string logo = RegisterLogo("back.bmp");
  for (int y = 0; y < 200; ++y) {
    ASSERT_EQ(BmpRow(logo, 200, y), y < 60 ? BmpRow(converted, 60, y) : BmpRow(factory, 200, y))
        << "row " << y;
  }
}

struct OptionsCase {
  const char* name;
  std::vector<std::string> options;
  std::vector<std::string> sameAs;  // another set of options that must give the same picture
  bool differsFromThreshold;
};

void PrintTo(const OptionsCase& c, std::ostream* out) { *out << c.name; }

class CliLogoOptionsTest : public testing::CliFixture,
                           public ::testing::WithParamInterface<OptionsCase> {};

// A grey ramp from black to white, which each method makes into dots its own way.
std::string Ramp() {
  return Gif(192, 40, [](int x, int) { return x * 127 / 191; });
}

TEST_P(CliLogoOptionsTest, MakeTheDotsTheirWay) {
  Write(File("ramp.gif"), Ramp());
  const auto convert = [this](const std::string& name, std::vector<std::string> options) {
    std::vector<std::string> arguments{"logo-convert", File("ramp.gif"), File(name)};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 0) << run.errors;
    return Read(File(name));
  };
  const std::string plain = convert("plain.bmp", {"--threshold", "128"});
  const std::string made = convert("made.bmp", GetParam().options);
  EXPECT_EQ(made.size(), kBmpHeader + 40 * kRowBytes);
  EXPECT_EQ(made != plain, GetParam().differsFromThreshold);
  if (!GetParam().sameAs.empty()) {
    EXPECT_EQ(convert("same.bmp", GetParam().sameAs), made);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Options, CliLogoOptionsTest,
    ::testing::Values(
        OptionsCase{"NoOptionIsTheMiddleThreshold", {}, {"--threshold", "128"}, false},
        OptionsCase{"DitherAloneIsFloydSteinberg", {"--dither"}, {"--dither", "floyd"}, true},
        OptionsCase{"DitherBeforeThePicture", {"--dither", "floyd"}, {"--dither=floyd"}, true},
        OptionsCase{"Atkinson", {"--dither", "atkinson"}, {}, true},
        OptionsCase{"AnotherThreshold", {"--threshold", "20"}, {}, true},
        OptionsCase{"Invert", {"--invert"}, {"--threshold", "128", "--invert"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliLogoPictureTest, ABmpThatFits_IsConvertedToTheSameFile) {
  StartSim();
  const std::string factory = RegisterLogo("factory.bmp");
  const CliRun run = RunCli({"logo-convert", File("factory.bmp"), File("again.bmp")});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(Read(File("again.bmp")), factory);
}

TEST_F(CliLogoPictureTest, BadPictures_SayWhyAndSendNothing) {
  StartSim();
  const std::string factory = RegisterLogo("factory.bmp");
  const std::string gif = Gif(300, 300, [](int x, int y) { return x == y ? 0 : 127; });
  Write(File("cut.gif"), gif.substr(0, gif.size() / 2));
  Write(File("empty.png"), "");
  for (const char* name : {"cut.gif", "empty.png"}) {
    const CliRun run = Run({"logo-write", File(name), "--dither"});
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.errors.find(File(name)), std::string::npos) << run.errors;
  }
  EXPECT_EQ(RegisterLogo("after.bmp"), factory);
}

TEST_F(CliLogoPictureTest, Usage_ThresholdAndDitherTogether_IsRefused) {
  Write(File("ramp.gif"), Ramp());
  const CliRun run =
      RunCli({"logo-convert", File("ramp.gif"), File("x.bmp"), "--dither", "--threshold", "9"});
  EXPECT_EQ(run.status, 2);
  EXPECT_FALSE(fs::exists(File("x.bmp")));
  EXPECT_EQ(RunCli({"logo-convert", File("ramp.gif"), File("x.bmp"), "--threshold", "0"}).status,
            2);
}

TEST_F(CliLogoPictureTest, Json_ConvertNamesNoRegister) {
  Write(File("ramp.gif"), Ramp());
  const CliRun run = RunCli({"logo-convert", File("ramp.gif"), File("x.bmp"), "--json"});
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.output.find("{\"command\":\"logo-convert\","), 0u) << run.output;
  EXPECT_NE(run.output.find("\"result\":\"done\""), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("\"register\""), std::string::npos) << run.output;
}

}  // namespace
}  // namespace kvitmark
