#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/text_pattern.h"

// What the core has to say to a user, kept as a value until a front end says it: a marked
// pattern (context and Russian source) and its arguments. Each front end renders it in the
// user's language; the pieces that came from elsewhere (a file name, a cell, a register's
// text) are never translated, so a user's "Ряд" stays "Ряд" in any language.
namespace kvitmark::base {

class Message;

// A piece of data shown exactly as it is. The core keeps the register's and the files' texts
// in code page 1251 and paths and the system's words in UTF-8; the piece remembers which.
struct Verbatim {
  std::string text;
  bool utf8 = false;
};

// One argument of a message, standing for its %n.
using MessageArgument = std::variant<Verbatim, long long, std::shared_ptr<const Message>>;

class Message {
 public:
  // An empty message: says nothing.
  Message() = default;
  // A fixed text, or a pattern whose arguments follow.
  Message(TextPattern pattern) : pattern_(pattern) {}  // NOLINT: a marked text is a message
  // The pattern that agrees with `count`; the count is its first argument (%1).
  static Message Counted(long long count, const CountedPattern& patterns);
  // Data alone, with no words of the program around it.
  static Message Data(std::string cp1251);
  static Message DataUtf8(std::string utf8);

  // The next argument: data in code page 1251, data in UTF-8, a number, a nested message.
  Message& Arg(std::string_view cp1251) &;
  Message&& Arg(std::string_view cp1251) &&;
  Message& ArgUtf8(std::string_view utf8) &;
  Message&& ArgUtf8(std::string_view utf8) &&;
  Message& Arg(long long number) &;
  Message&& Arg(long long number) &&;
  Message& Arg(int number) & { return Arg(static_cast<long long>(number)); }
  Message&& Arg(int number) && { return std::move(Arg(static_cast<long long>(number))); }
  Message& Arg(Message nested) &;
  Message&& Arg(Message nested) &&;

  bool Empty() const { return pattern_.source == nullptr && arguments_.empty(); }
  // Null for a message of data alone.
  const TextPattern* Pattern() const { return pattern_.source ? &pattern_ : nullptr; }
  const std::vector<MessageArgument>& Arguments() const { return arguments_; }

  bool operator==(const Message& other) const;

 private:
  TextPattern pattern_{nullptr, nullptr};
  std::vector<MessageArgument> arguments_;
};

// Several messages shown together, one line each.
using MessageList = std::vector<Message>;

// The translation of a pattern's source in UTF-8, or empty for none (the source is used).
using PatternTranslator = std::function<std::string(const TextPattern&)>;

// The message in UTF-8, its patterns translated by `translate` (Russian without one).
std::string RenderUtf8(const Message& message, const PatternTranslator& translate = {});
// The message in Russian, code page 1251: the program's own text, as it has always read.
std::string RenderCp1251(const Message& message);
// The list's messages one per line.
std::string RenderUtf8(const MessageList& messages, const PatternTranslator& translate = {});
std::string RenderCp1251(const MessageList& messages);

}  // namespace kvitmark::base
