#include "cli/terminal_streams.h"

#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "base/control_characters.h"

namespace kvitmark::cli {
namespace {

// Passes everything on at once, escaped, keeping nothing back: the order of what goes
// through the stream and what the progress bar writes straight to stderr stays as written.
class EscapingBuffer final : public std::streambuf {
 public:
  explicit EscapingBuffer(std::streambuf* next) : next_(next) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    return Pass(std::string_view(&byte, 1)) ? c : traits_type::eof();
  }

  std::streamsize xsputn(const char* text, std::streamsize count) override {
    return Pass(std::string_view(text, static_cast<std::size_t>(count))) ? count : 0;
  }

  int sync() override { return next_->pubsync(); }

 private:
  bool Pass(std::string_view text) {
    const std::string escaped = base::EscapeControlCharacters(text);
    const auto size = static_cast<std::streamsize>(escaped.size());
    return next_->sputn(escaped.data(), size) == size;
  }

  std::streambuf* next_;
};

}  // namespace

void EscapeControlsOnTerminal() {
  // Never destroyed: the streams are flushed at exit, after every static object is gone.
  static auto* const out = new EscapingBuffer(std::cout.rdbuf());
  static auto* const errors = new EscapingBuffer(std::cerr.rdbuf());
  std::cout.rdbuf(out);
  std::cerr.rdbuf(errors);
}

}  // namespace kvitmark::cli
