#include "base/message.h"

#include "base/cp1251.h"

namespace kvitmark::base {

Message Message::Counted(long long count, const CountedPattern& patterns) {
  return Message(PatternFor(count, patterns)).Arg(count);
}

Message Message::Data(std::string cp1251) {
  Message message;
  message.arguments_.emplace_back(Verbatim{std::move(cp1251), false});
  return message;
}

Message Message::DataUtf8(std::string utf8) {
  Message message;
  message.arguments_.emplace_back(Verbatim{std::move(utf8), true});
  return message;
}

Message& Message::Arg(std::string_view cp1251) & {
  arguments_.emplace_back(Verbatim{std::string(cp1251), false});
  return *this;
}
Message&& Message::Arg(std::string_view cp1251) && { return std::move(Arg(cp1251)); }

Message& Message::ArgUtf8(std::string_view utf8) & {
  arguments_.emplace_back(Verbatim{std::string(utf8), true});
  return *this;
}
Message&& Message::ArgUtf8(std::string_view utf8) && { return std::move(ArgUtf8(utf8)); }

Message& Message::Arg(long long number) & {
  arguments_.emplace_back(number);
  return *this;
}
Message&& Message::Arg(long long number) && { return std::move(Arg(number)); }

Message& Message::Arg(Message nested) & {
  arguments_.emplace_back(std::make_shared<const Message>(std::move(nested)));
  return *this;
}
Message&& Message::Arg(Message nested) && { return std::move(Arg(std::move(nested))); }

namespace {

bool SamePattern(const TextPattern* a, const TextPattern* b) {
  if (!a || !b) return a == b;
  return std::string_view(a->context) == b->context && std::string_view(a->source) == b->source;
}

bool SameArgument(const MessageArgument& a, const MessageArgument& b) {
  if (a.index() != b.index()) return false;
  if (const auto* text = std::get_if<Verbatim>(&a)) {
    const auto& other = std::get<Verbatim>(b);
    return text->text == other.text && text->utf8 == other.utf8;
  }
  if (const auto* number = std::get_if<long long>(&a)) return *number == std::get<long long>(b);
  return *std::get<std::shared_ptr<const Message>>(a) ==
         *std::get<std::shared_ptr<const Message>>(b);
}

// Renders in one encoding: UTF-8 (translated or not) or code page 1251 (Russian).
struct Renderer {
  const PatternTranslator* translate = nullptr;
  bool cp1251 = false;

  std::string Piece(const MessageArgument& argument) const {
    if (const auto* text = std::get_if<Verbatim>(&argument)) {
      if (text->utf8 == !cp1251) return text->text;
      return cp1251 ? Cp1251(text->text) : Cp1251ToUtf8(text->text);
    }
    if (const auto* number = std::get_if<long long>(&argument)) return std::to_string(*number);
    return Render(*std::get<std::shared_ptr<const Message>>(argument));
  }

  std::string Render(const Message& message) const {
    std::vector<std::string> pieces;
    pieces.reserve(message.Arguments().size());
    for (const MessageArgument& argument : message.Arguments()) pieces.push_back(Piece(argument));
    const TextPattern* pattern = message.Pattern();
    if (!pattern) {
      std::string joined;
      for (const std::string& piece : pieces) joined += piece;
      return joined;
    }
    std::string source;
    if (translate && *translate) source = (*translate)(*pattern);
    if (source.empty()) source = cp1251 ? Cp1251(pattern->source) : std::string(pattern->source);
    const std::vector<std::string_view> views(pieces.begin(), pieces.end());
    return FillPlaceholders(source, views);
  }

  std::string Render(const MessageList& messages) const {
    std::string lines;
    for (const Message& message : messages) {
      if (!lines.empty()) lines += '\n';
      lines += Render(message);
    }
    return lines;
  }
};

}  // namespace

bool Message::operator==(const Message& other) const {
  if (!SamePattern(Pattern(), other.Pattern())) return false;
  if (arguments_.size() != other.arguments_.size()) return false;
  for (size_t i = 0; i < arguments_.size(); ++i) {
    if (!SameArgument(arguments_[i], other.arguments_[i])) return false;
  }
  return true;
}

std::string RenderUtf8(const Message& message, const PatternTranslator& translate) {
  return Renderer{&translate, false}.Render(message);
}

std::string RenderCp1251(const Message& message) { return Renderer{nullptr, true}.Render(message); }

std::string RenderUtf8(const MessageList& messages, const PatternTranslator& translate) {
  return Renderer{&translate, false}.Render(messages);
}

std::string RenderCp1251(const MessageList& messages) {
  return Renderer{nullptr, true}.Render(messages);
}

}  // namespace kvitmark::base
