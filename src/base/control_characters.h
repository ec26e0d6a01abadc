#pragma once

#include <string>
#include <string_view>

// Text for a terminal. A file, a register or a settings file may hold any byte, and a
// terminal acts on control characters instead of showing them: ESC starts sequences that move
// the cursor, recolour or hide text and even rename the window, CR writes over what a line
// said, BEL rings. Shown escaped they are seen for what they are.
namespace kvitmark::base {

// `text` with every control character — the bytes below 0x20 but the line feed between lines
// and the tab, and DEL — written as \xHH ("\x1b"). Everything else stays byte for byte.
std::string EscapeControlCharacters(std::string_view text);

}  // namespace kvitmark::base
