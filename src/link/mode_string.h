#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "link/serial_line.h"

// The port is described the way the register's documentation and engineers know it:
// "COM1:4800,N,8,2"; a device or network address named by itself stands where the COM name
// would ("/dev/ttyUSB0:4800,N,8,2"). The text is built from the port and speed, and the line
// is then set up from the text.
namespace kvitmark::link {

// The speed's part of the mode string (":4800,"), or nothing for a speed the link does
// not offer. 57600 is offered (the register's own speed parameter names it) and so is
// 57700, which older settings files hold.
std::optional<std::string> SpeedText(int speed);

// The mode string of the port the user knows as `deviceName` ("COM1", "/dev/ttyUSB0").
std::string BuildModeString(std::string_view deviceName, std::string_view speedText);

// The line settings a mode string of a COM port describes; nothing when it describes none.
std::optional<LineSettings> ParseModeString(std::string_view modeString);
// The same of the mode string's part after the port's name ("4800,N,8,2"), whatever the name.
std::optional<LineSettings> ParseLineParameters(std::string_view parameters);

}  // namespace kvitmark::link
