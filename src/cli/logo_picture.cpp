#include "cli/logo_picture.h"

#include <CLI/CLI.hpp>
#include <QString>

#include "base/ui/translation.h"
#include "cli/command_report.h"
#include "cli/usage_errors.h"
#include "logo/logo_coverage.h"
#include "logo/ui/bmp_file.h"
#include "logo/ui/logo_conversion.h"
#include "logo/ui/picture_file.h"

namespace kvitmark::cli {
namespace {

logo::ui::LogoChoice ChoiceFor(const logo::ui::LogoSource& source, const LogoOptions& options) {
  if (!options.Toned()) return logo::ui::DefaultChoice(source);
  logo::ui::LogoChoice choice;
  if (options.Dithered()) {
    choice.tone.method = options.dither == "atkinson" ? logo::DotMethod::kAtkinson
                                                      : logo::DotMethod::kFloydSteinberg;
  }
  if (options.threshold) choice.tone.threshold = *options.threshold;
  choice.tone.invert = options.invert;
  return choice;
}

}  // namespace

bool LogoOptions::Dithered() const { return ditherGiven && ditherGiven->count() > 0; }

void AddLogoOptions(CLI::App& command, LogoOptions& options) {
  // Taking no value as well, --dither does not swallow a picture's name after it.
  options.ditherGiven =
      command
          .add_option("--dither", options.dither,
                      "error diffusion for photographs and gradients: floyd (Floyd-Steinberg, "
                      "also --dither alone) or atkinson")
          ->expected(0, 1)
          ->check(OneOf("--dither", {"floyd", "atkinson"}));
  command
      .add_option("--threshold", options.threshold,
                  "a dot where the picture is darker than N, 1 to 255 (default 128, the middle "
                  "grey)")
      ->check(NumberBetween("--threshold", 1, 255))
      ->excludes(options.ditherGiven);
  command.add_flag("--invert", options.invert, "dots where the picture is light");
}

std::optional<logo::DotPicture> LogoOfPicture(const std::string& path, const LogoOptions& options,
                                              bool tellAlways) {
  logo::ui::PictureLoad loaded = logo::ui::LoadPicture(QString::fromLocal8Bit(path.c_str()));
  if (!loaded.picture) {
    Say(loaded.error.toStdString());
    return std::nullopt;
  }
  const logo::ui::LogoSource source(std::move(*loaded.picture));
  const logo::ui::LogoChoice choice = ChoiceFor(source, options);
  logo::DotPicture dots = logo::ui::LogoDots(source, choice);
  if (tellAlways || !choice.asItStands) {
    Say(base::ui::Render(logo::RowsNote(dots.Height())).toStdString());
    const logo::ui::LogoSpan span = logo::ui::SpanOf(source, choice);
    const base::Message warning =
        logo::CoverageWarning(logo::CoverageOf(dots, span.left, span.width));
    if (!warning.Empty()) Say(base::ui::Render(warning).toStdString());
  }
  return dots;
}

int ConvertLogo(const std::string& picture, const std::string& out, const LogoOptions& options) {
  const std::optional<logo::DotPicture> dots = LogoOfPicture(picture, options, true);
  if (!dots) return 1;
  const QString error =
      logo::ui::SaveBmp(logo::ui::OneBitImage(*dots), 1, QString::fromLocal8Bit(out.c_str()));
  if (!error.isEmpty()) {
    Say(error.toStdString());
    return 1;
  }
  return 0;
}

}  // namespace kvitmark::cli
