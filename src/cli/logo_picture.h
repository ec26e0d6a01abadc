#pragma once

#include <optional>
#include <string>

#include "logo/dot_picture.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

// Pictures of any format as the receipt logo: how logo-write and logo-convert make them dots.
namespace kvitmark::cli {

struct LogoOptions {
  std::string dither;                  // floyd or atkinson; empty for --dither alone
  CLI::Option* ditherGiven = nullptr;  // whether --dither was given, alone or with a method
  std::optional<int> threshold;
  bool invert = false;

  bool Dithered() const;
  // Any of the options: without them a BMP that fits goes as it stands.
  bool Toned() const { return Dithered() || threshold || invert; }
};

// --dither, --threshold and --invert for `command`.
void AddLogoOptions(CLI::App& command, LogoOptions& options);

// The logo the register gets from the picture file `path`: a picture larger than the logo
// made smaller to fit, and made dots as the options say. What the logo takes (its rows, a
// print that would come out blank or black) is told when the picture is converted, and with
// `tellAlways` also when it goes as it stands. Nothing, said why, when the file is no
// picture the logo can be made of.
std::optional<logo::DotPicture> LogoOfPicture(const std::string& path, const LogoOptions& options,
                                              bool tellAlways);

// logo-convert: writes the one-bit picture, 192 dots wide, that logo-write would send; no
// register is needed.
int ConvertLogo(const std::string& picture, const std::string& out, const LogoOptions& options);

}  // namespace kvitmark::cli
