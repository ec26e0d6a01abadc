#pragma once

// Everything the tool writes to standard output and standard error — its messages, the file
// names and register texts in them, the lines a command lists — reaches the terminal with its
// control characters escaped (base::EscapeControlCharacters): a file cannot drive the terminal
// through a message about it. The JSON object goes out apart and escapes its own.
namespace kvitmark::cli {

// Once, before anything is written.
void EscapeControlsOnTerminal();

}  // namespace kvitmark::cli
