#include "cli/usage_errors.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

namespace kvitmark::cli {
namespace {

using base::Message;

// The words of the check that refused: CLI11 stops at the first refusal, and its own words for
// it are English.
std::optional<Message>& Refusal() {
  static std::optional<Message> refusal;
  return refusal;
}

using Complaint = std::function<Message(const std::string& value)>;

// `check` as it stands — what it lets through and what --help shows of it — with its refusal
// in the tool's words.
CLI::Validator Explained(const CLI::Validator& check, Complaint complaint) {
  CLI::Validator explained = check;
  explained.operation([check, complaint = std::move(complaint)](std::string& value) {
    std::string refused = check(value);
    if (!refused.empty()) Refusal() = complaint(value);
    return refused;
  });
  return explained;
}

template <class Values>
std::string Listed(const Values& values) {
  std::string list;
  for (const std::string& value : values) {
    if (!list.empty()) list += ", ";
    list += value;
  }
  return list;
}

Message NotAKind(const std::string& kind, const std::set<std::string>& kinds) {
  return Message(KV_PATTERN("cli", "Нет такого вида таблиц: %1 (можно: %2)"))
      .ArgUtf8(kind)
      .ArgUtf8(Listed(kinds));
}

// The options that can stand on this command line: the tool's own and those of the command
// given.
std::vector<const CLI::Option*> OptionsInReach(const CLI::App& app) {
  std::vector<const CLI::Option*> options = app.get_options();
  for (const CLI::App* command : app.get_subcommands()) {
    for (const CLI::Option* option : command->get_options()) options.push_back(option);
  }
  return options;
}

// Whether `name` stands whole in `words`, not as the start of a longer name.
bool StandsIn(std::string_view words, std::string_view name) {
  for (size_t at = words.find(name); at != std::string_view::npos; at = words.find(name, at + 1)) {
    const size_t end = at + name.size();
    if ((at == 0 || words[at - 1] == ' ') &&
        (end == words.size() || words[end] == ':' || words[end] == ' ')) {
      return true;
    }
  }
  return false;
}

// The option CLI11 names in its refusal, where it says which one only in words.
const CLI::Option* NamedOption(const CLI::App& app, std::string_view words) {
  const CLI::Option* named = nullptr;
  for (const CLI::Option* option : OptionsInReach(app)) {
    const std::string name = option->get_name();
    if (!StandsIn(words, name)) continue;
    if (!named || name.size() > named->get_name().size()) named = option;
  }
  return named;
}

// Something left over on the line: an option nothing here takes, or an argument too many.
Message LeftOver(const CLI::App& app, const std::string& word) {
  const CLI::App* command = app.get_subcommands().empty() ? nullptr : app.get_subcommands()[0];
  if (word.empty() || word.front() != '-') {
    if (!command) return Message(KV_PATTERN("cli", "Нет такой команды: %1")).ArgUtf8(word);
    return Message(KV_PATTERN("cli", "Лишний аргумент: %1")).ArgUtf8(word);
  }
  const std::string name = word.substr(0, word.find('='));
  if (command) {
    for (const CLI::App* other : app.get_subcommands({})) {
      if (other->get_option_no_throw(name)) {
        return Message(KV_PATTERN("cli", "Команда %1 не принимает параметр %2"))
            .ArgUtf8(command->get_name())
            .ArgUtf8(name);
      }
    }
  }
  return Message(KV_PATTERN("cli", "Неизвестный параметр: %1")).ArgUtf8(name);
}

std::optional<Message> MissingArgument(const CLI::App& app) {
  if (app.get_subcommands().empty()) return Message(KV_PATTERN("cli", "Не указана команда"));
  for (const CLI::Option* option : app.get_subcommands()[0]->get_options()) {
    if (option->get_required() && option->count() == 0) {
      return Message(KV_PATTERN("cli", "Не указан аргумент %1")).ArgUtf8(option->get_name());
    }
  }
  return std::nullopt;
}

std::optional<Message> OptionsTogether(const CLI::App& app) {
  for (const CLI::Option* option : OptionsInReach(app)) {
    if (option->count() == 0) continue;
    for (const CLI::Option* excluded : option->get_excludes()) {
      if (excluded->count() == 0) continue;
      return Message(KV_PATTERN("cli", "Параметры %1 и %2 нельзя указывать вместе"))
          .ArgUtf8(option->get_name())
          .ArgUtf8(excluded->get_name());
    }
  }
  return std::nullopt;
}

std::optional<Message> ValueCount(const CLI::App& app, std::string_view words) {
  const CLI::Option* option = NamedOption(app, words);
  if (!option) return std::nullopt;
  if (static_cast<int>(option->count()) > option->get_items_expected_max()) {
    return Message(KV_PATTERN("cli", "Параметр %1 указан больше одного раза"))
        .ArgUtf8(option->get_name());
  }
  return Message(KV_PATTERN("cli", "После %1 нужно значение")).ArgUtf8(option->get_name());
}

std::optional<Message> Unconverted(const CLI::App& app, std::string_view words) {
  const CLI::Option* option = NamedOption(app, words);
  if (!option || option->results().empty()) return std::nullopt;
  return Message(KV_PATTERN("cli", "Неверное значение %1: %2"))
      .ArgUtf8(option->get_name())
      .ArgUtf8(option->results().back());
}

}  // namespace

CLI::Validator ExistingFile() {
  return Explained(CLI::ExistingFile, [](const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      return Message(KV_PATTERN("cli", "%1 — это папка, а не файл")).ArgUtf8(path);
    }
    return Message(KV_PATTERN("cli", "Нет такого файла: %1")).ArgUtf8(path);
  });
}

CLI::Validator ExistingFolder() {
  return Explained(CLI::ExistingDirectory, [](const std::string& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
      return Message(KV_PATTERN("cli", "%1 — это файл, а не папка")).ArgUtf8(path);
    }
    return Message(KV_PATTERN("cli", "Нет такой папки: %1")).ArgUtf8(path);
  });
}

CLI::Validator NumberBetween(const std::string& option, int least, int most) {
  return Explained(CLI::Range(least, most), [option, least, most](const std::string& value) {
    return Message(KV_PATTERN("cli", "Неверное значение %1: %2 (нужно целое число от %3 до %4)"))
        .ArgUtf8(option)
        .ArgUtf8(value)
        .Arg(least)
        .Arg(most);
  });
}

CLI::Validator WholeNumber(const std::string& option) {
  CLI::Validator number = CLI::TypeValidator<int>();
  // The option's type already says INT in --help.
  number.description("");
  return Explained(number, [option](const std::string& value) {
    return Message(KV_PATTERN("cli", "Неверное значение %1: %2 (нужно целое число)"))
        .ArgUtf8(option)
        .ArgUtf8(value);
  });
}

CLI::Validator OneOf(const std::string& option, const std::vector<std::string>& values,
                     bool anyCase) {
  const CLI::Validator check =
      anyCase ? CLI::IsMember(values, CLI::ignore_case) : CLI::IsMember(values);
  return Explained(check, [option, values](const std::string& value) {
    return Message(KV_PATTERN("cli", "Неверное значение %1: %2 (можно: %3)"))
        .ArgUtf8(option)
        .ArgUtf8(value)
        .ArgUtf8(Listed(values));
  });
}

CLI::Validator TableKind(const std::set<std::string>& kinds) {
  return Explained(CLI::IsMember(kinds),
                   [kinds](const std::string& kind) { return NotAKind(kind, kinds); });
}

CLI::Validator ClearableKind(const std::set<std::string>& clearable,
                             const std::set<std::string>& kinds) {
  return Explained(CLI::IsMember(clearable), [clearable, kinds](const std::string& kind) {
    if (!kinds.contains(kind)) return NotAKind(kind, clearable);
    return Message(KV_PATTERN("cli", "Таблицу вида %1 очистить нельзя (можно: %2)"))
        .ArgUtf8(kind)
        .ArgUtf8(Listed(clearable));
  });
}

Message UsageError(const CLI::App& app, const CLI::ParseError& error) {
  const std::string_view words = error.what();
  if (dynamic_cast<const CLI::ValidationError*>(&error) && Refusal()) return *Refusal();
  // A word nothing took: an unknown command stands there too, where CLI11 only misses one.
  const std::vector<std::string> left = app.remaining(true);
  if (!left.empty() &&
      (dynamic_cast<const CLI::ExtrasError*>(&error) || app.get_subcommands().empty())) {
    return LeftOver(app, left.front());
  }
  std::optional<Message> told;
  if (dynamic_cast<const CLI::RequiredError*>(&error)) told = MissingArgument(app);
  if (dynamic_cast<const CLI::ExcludesError*>(&error)) told = OptionsTogether(app);
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) told = ValueCount(app, words);
  if (dynamic_cast<const CLI::ConversionError*>(&error)) told = Unconverted(app, words);
  if (told) return *told;
  // Nothing this tool's command line can bring about; CLI11's words are better than none.
  return Message(KV_PATTERN("cli", "Ошибка в командной строке: %1")).ArgUtf8(std::string(words));
}

Message UsageTip(const CLI::App& app) {
  std::string help = "kvitmark-cli";
  if (!app.get_subcommands().empty()) help += " " + app.get_subcommands()[0]->get_name();
  return Message(KV_PATTERN("cli", "Подробнее: %1 --help")).ArgUtf8(help);
}

}  // namespace kvitmark::cli
