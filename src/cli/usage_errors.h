#pragma once

#include <CLI/CLI.hpp>
#include <set>
#include <string>
#include <vector>

#include "base/message.h"

// A command line the tool cannot take is told in its user's language, like everything else it
// says. Its checks refuse exactly what CLI11's own refuse and read the same in --help (the
// manual page and the shell completion are made from it); only the words of a refusal are the
// tool's.
namespace kvitmark::cli {

// A file that exists, as CLI::ExistingFile.
CLI::Validator ExistingFile();
// A folder that exists, as CLI::ExistingDirectory.
CLI::Validator ExistingFolder();
// A whole number from `least` to `most` for `option`, as CLI::Range.
CLI::Validator NumberBetween(const std::string& option, int least, int most);
// A whole number for `option`, as an int option converts it; nothing in --help.
CLI::Validator WholeNumber(const std::string& option);
// One of `values` for `option`, as CLI::IsMember (in any letter case where `anyCase`).
CLI::Validator OneOf(const std::string& option, const std::vector<std::string>& values,
                     bool anyCase = false);
// A table file kind of `kinds`.
CLI::Validator TableKind(const std::set<std::string>& kinds);
// A table file kind of `clearable`; `kinds` are all of them, so that a kind whose table cannot
// be cleared is told from one that does not exist.
CLI::Validator ClearableKind(const std::set<std::string>& clearable,
                             const std::set<std::string>& kinds);

// What is wrong with the command line `app` refused with `error`.
base::Message UsageError(const CLI::App& app, const CLI::ParseError& error);
// Where to read how the command line goes: the help of the command given, or the tool's.
base::Message UsageTip(const CLI::App& app);

}  // namespace kvitmark::cli
