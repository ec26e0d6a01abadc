#pragma once

#include <exception>
#include <string>

#include "base/message.h"

// Why the system refused: in the user's words for the failures a user meets every day (no such
// file or folder, no permission, a full or read-only disk, a busy file), the system's own
// words for the rest. Paths are the file system's bytes (UTF-8), shown as they are.
namespace kvitmark::base {

// Not the system's: a symbolic link in a folder other users may write, made by one of them,
// that a save would not follow. Below zero, where no errno value is.
inline constexpr int kUntrustedLink = -1;

// "нет места на диске" for ENOSPC, …; strerror's text for an error without words of ours. Ours
// are translated where the user reads them, the system's own stay as they are.
Message SystemErrorMessage(int errorNumber);

// "<path>: <words>": what the user reads about a file or device that failed.
Message SystemErrorText(int errorNumber, const std::string& path);

// What escaped a command, for a message: a system error in the words above (with the path
// a file-system error names), anything else as it describes itself.
Message ExceptionText(const std::exception& error);

}  // namespace kvitmark::base
